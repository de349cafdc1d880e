// The command channel's line reader on an arbitrary byte stream, fed in pieces of arbitrary
// sizes. Checked against a plain model of the line rules: the same lines, in order, the same
// verdict on the length limit, whatever the pieces; no line is ever longer than the limit. The
// last-line form, fed the same pieces, gives after each piece the last non-empty line of those
// the piece completed.
#include <cstddef>
#include <cstdint>

#include <QStringList>

#include "display/canal/LeitorLinhas.h"

namespace {

struct Resultado {
    QStringList linhas;
    bool aceito = true;
};

// The rules written as directly as possible: the bytes between line feeds, each at most
// kMaximoBytesLinha long (a trailing line without its line feed included), a CR before the line
// feed dropped, bytes above 127 as U+FFFD.
Resultado Modelo(QByteArrayView fluxo) {
    Resultado r;
    qsizetype inicio = 0;
    for (;;) {
        const qsizetype lf = fluxo.indexOf('\n', inicio);
        const QByteArrayView linha = fluxo.sliced(inicio, (lf < 0 ? fluxo.size() : lf) - inicio);
        if (linha.size() > LeitorLinhas::kMaximoBytesLinha) {
            r.aceito = false;
            return r;
        }
        if (lf < 0)
            return r;
        QString texto;
        for (qsizetype i = 0; i < linha.size(); ++i) {
            const auto byte = static_cast<unsigned char>(linha[i]);
            if (byte == '\r' && i == linha.size() - 1)
                break;
            texto += byte < 0x80 ? QChar(byte) : QChar(0xFFFD);
        }
        r.linhas.append(texto);
        inicio = lf + 1;
    }
}

}  // namespace

// Input: one byte that seeds the sizes of the pieces, then the stream.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    std::uint32_t semente = data[0] * 2654435761u + 1;
    const QByteArrayView fluxo(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);

    Resultado lido;
    LeitorLinhas leitor, leitorUltima;
    QString ultima = QStringLiteral("nenhuma");
    for (qsizetype pos = 0; pos < fluxo.size() && lido.aceito;) {
        semente = semente * 1103515245u + 12345u;
        // Mostly small pieces, now and then a large one, as TCP delivers them.
        const qsizetype pedaco =
            (semente >> 16) % 8 == 0 ? (semente >> 8) % 20000 + 1 : (semente >> 16) % 64 + 1;
        const qsizetype n = std::min(pedaco, fluxo.size() - pos);
        QString esperadaUltima = ultima;
        lido.aceito = leitor.Alimentar(fluxo.sliced(pos, n), [&](QString linha) {
            if (linha.size() > LeitorLinhas::kMaximoBytesLinha)
                __builtin_trap();
            if (!linha.isEmpty())
                esperadaUltima = linha;
            lido.linhas.append(std::move(linha));
        });
        if (leitorUltima.AlimentarUltima(fluxo.sliced(pos, n), ultima) != lido.aceito ||
            ultima != esperadaUltima)
            __builtin_trap();
        pos += n;
    }

    const Resultado esperado = Modelo(fluxo);
    if (lido.aceito != esperado.aceito || lido.linhas != esperado.linhas)
        __builtin_trap();
    return 0;
}
