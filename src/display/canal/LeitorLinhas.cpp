#include "display/canal/LeitorLinhas.h"

namespace {

// A line of nothing, or of only the carriage return that its line feed drops.
bool Vazia(QByteArrayView linha) {
    return linha.isEmpty() || linha == "\r";
}

}  // namespace

bool LeitorLinhas::AlimentarUltima(QByteArrayView dados, QString& ultima) {
    QByteArrayView ultimaNosDados;  // decoded once, at the end
    const bool dentroDoLimite = Cortar(dados, [&](QByteArrayView linha, bool nosDados) {
        if (Vazia(linha)) {
            return;
        }
        if (nosDados) {
            ultimaNosDados = linha;
        } else {
            ultima = Decodificar(linha);
            ultimaNosDados = {};
        }
    });
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
