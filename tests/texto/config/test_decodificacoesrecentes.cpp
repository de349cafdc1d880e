// The decodings of recently opened files: shared while the bytes and the requested encoding are
// the same, decoded again otherwise, and only the last few small ones kept.
#include <gtest/gtest.h>

#include "texto/config/DecodificacoesRecentes.h"

namespace {

using DecodificacoesRecentes::Decodificar;

// Bytes no other test decodes.
QByteArray Unicos(const char* nome) {
    return QByteArray("[DecodificacoesRecentes]\r\nteste=") + nome + "\r\n";
}

TEST(DecodificacoesRecentes, SameBytesShareOneDecodingOtherBytesOrEncodingsDoNot) {
    const QByteArray bytes = Unicos("partilha");
    const auto primeira = Decodificar(bytes, std::nullopt);
    EXPECT_EQ(Decodificar(QByteArray(bytes.constData(), bytes.size()), std::nullopt), primeira);
    EXPECT_NE(Decodificar(bytes, TCodificacao::Ansi), primeira);
    EXPECT_NE(Decodificar(Unicos("partilhA"), std::nullopt), primeira);  // same size
}

TEST(DecodificacoesRecentes, OnlyTheLastFourSmallDecodingsAreKept) {
    const QByteArray antiga = Unicos("antiga");
    const auto primeira = Decodificar(antiga, std::nullopt);
    for (const char* outra : {"1", "2", "3", "4"})
        Decodificar(Unicos(outra), std::nullopt);
    EXPECT_NE(Decodificar(antiga, std::nullopt), primeira);

    const QByteArray grande = Unicos("grande") + QByteArray(1 << 20, 'x');
    EXPECT_NE(Decodificar(grande, std::nullopt), Decodificar(grande, std::nullopt));
}

}  // namespace
