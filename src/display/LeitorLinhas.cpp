#include "LeitorLinhas.h"

#include <cstring>

namespace {

// A line of nothing, or of only the carriage return that its line feed drops.
bool Vazia(QByteArrayView linha) {
    return linha.isEmpty() || linha == "\r";
}

}  // namespace

bool LeitorLinhas::Alimentar(QByteArrayView dados, QString& ultima) {
    const char* inicio = dados.data();
    const char* const fim = inicio + dados.size();
    QByteArrayView ultimaNosDados;  // the last non-empty line lying wholly inside dados
    bool dentroDoLimite = true;
    while (inicio != fim) {
        const auto* lf = static_cast<const char*>(std::memchr(inicio, '\n', fim - inicio));
        const qsizetype tamanho = (lf ? lf : fim) - inicio;
        if (fParcial.size() + tamanho > MaximoBytesLinha) {
            fParcial.clear();
            dentroDoLimite = false;
            break;
        }
        if (!lf) {
            fParcial.append(inicio, tamanho);
            break;
        }
        if (fParcial.isEmpty()) {
            if (const QByteArrayView linha(inicio, tamanho); !Vazia(linha)) {
                ultimaNosDados = linha;
            }
        } else {
            // Only the first line of a read can have begun in an earlier one.
            fParcial.append(inicio, tamanho);
            if (!Vazia(fParcial)) {
                ultima = Decodificar(fParcial);
            }
            fParcial.resize(0);  // keeps the capacity for the next split line
        }
        inicio = lf + 1;
    }
    if (!ultimaNosDados.isEmpty()) {
        ultima = Decodificar(ultimaNosDados);
    }
    return dentroDoLimite;
}

QString LeitorLinhas::Decodificar(QByteArrayView linha) {
    if (linha.endsWith('\r')) {
        linha.chop(1);
    }
    QString texto(linha.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (const char c : linha) {
        const auto byte = static_cast<unsigned char>(c);
        *destino++ = byte < 0x80 ? char16_t(byte) : char16_t(0xFFFD);
    }
    return texto;
}
