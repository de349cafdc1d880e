// Number bases and the 8-bit encodings, with round trips over generated Latin-1 texts and the
// encoded forms checked against Python's base64 and binascii.
#include <gtest/gtest.h>

#include <QProcess>
#include <climits>
#include <random>

#include "sistema/formatacao/TmStrCodifica.h"

namespace {

// Texts of every Latin-1 code, blanks and the compressor's frequent letters among them, of
// lengths from 0 to a few thousand (past the old 1024-byte limit).
QStringList TextosLatin1() {
    std::mt19937 gerador(20240315);
    std::uniform_int_distribution<int> codigo(0, 255), tipo(0, 3);
    QStringList textos{QString(), QStringLiteral("\n"), QString(QChar(0)),
                       QStringLiteral("¾æ¾æHH")};
    for (const int tamanho : {1, 2, 3, 5, 17, 255, 1024, 5000}) {
        QString texto;
        for (int i = 0; i < tamanho; ++i) {
            const int t = tipo(gerador);
            texto += t == 0   ? QChar(u' ')
                     : t == 1 ? QChar(u"etaonirshdl"[i % 11])
                              : QChar(codigo(gerador));
        }
        textos << texto;
    }
    QString todos;
    for (int c = 0; c < 256; ++c)
        todos += QChar(c);
    return textos << todos;
}

TEST(Bases, WriteAndReadBack) {
    EXPECT_EQ(TmStr::DecimalToHex(0), QStringLiteral("0"));
    EXPECT_EQ(TmStr::DecimalToHex(255), QStringLiteral("FF"));
    EXPECT_EQ(TmStr::DecimalToHex(-1), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(TmStr::DecToBin(5), QStringLiteral("101"));
    EXPECT_EQ(TmStr::DecToBin(-5), QStringLiteral("-101"));
    EXPECT_EQ(TmStr::DecToBin(0), QString(32, u'0'));
    EXPECT_EQ(TmStr::DecToBin(INT_MIN), QStringLiteral("-1") + QString(31, u'0'));
    struct Caso {
        const char16_t* texto;
        int valor;
    };
    const Caso casos[] = {
        {u"ff", 255},
        {u"00000010", 16},
        {u"7FFFFFFF", INT_MAX},
        {u"80000000", INT_MIN},
        {u"FFFFFFFF", -1},
        {u"", 0},
        {u"1G", 0},
        {u"-1", 0},
        {u"100000000", 0},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TmStr::HexaToDecimal(c.texto), c.valor)
            << QString::fromUtf16(c.texto).toStdString();
    for (const int n : {0, 1, 4095, INT_MAX, INT_MIN, -2})
        EXPECT_EQ(TmStr::HexaToDecimal(TmStr::DecimalToHex(n)), n);
}

TEST(Codificacoes, KnownForms) {
    EXPECT_EQ(TmStr::Heximiza(u"A\n"), QStringLiteral("410A"));
    EXPECT_EQ(TmStr::DesHeximiza(u"410a4"), QStringLiteral("A\n"));
    EXPECT_EQ(TmStr::DesHeximiza(u"41zz42"), QStringLiteral("AB"));
    EXPECT_EQ(TmStr::EncodeBase64(u"Orvane"), QStringLiteral("T3J2YW5l"));
    EXPECT_EQ(TmStr::Asc2Ansi(u"a\"b'c`dæ¾\n"), QStringLiteral("a_b-c~d¾æBEæ0A"));
    EXPECT_EQ(TmStr::Ansi2Asc(u"æ4¾ææ41"), QStringLiteral("æ4ææA"));
    // Heximiza has two digits for a character: above 255 "?" stands for it.
    EXPECT_EQ(TmStr::Heximiza(u"€"), QStringLiteral("3F"));
    // A blank is one symbol, a frequent letter two, anything else six, then the end mark:
    // " e" is 0 | 1 0 | 3 3 0 0 0 0, packed 0b00'01'00'11, 0b11'00'00'00, 0b00'00'00'00.
    EXPECT_EQ(TmStr::ComprimeString(u" e"), QString::fromLatin1("\x13\xC0\x00", 3));
}

// Above 255, Base64 and the compressor take the low 8 bits of each character (of each UTF-16
// unit); the transport escaping writes the whole code.
TEST(Codificacoes, CharactersAbove255) {
    struct Caso {
        const char16_t* texto;
        const char* base64;
        const char16_t* transporte;
        QString descomprimido;
    };
    const Caso casos[] = {
        {u"€", "rA==", u"æ20AC", QStringLiteral("\u00AC")},
        {u"aőb", "YVFi", u"aæ151b", QStringLiteral("aQb")},
        {u"\U0001F600", "PQA=", u"æD83DæDE00", QStringLiteral("=") + QChar(0)},
        {u"\uFFFF", "/w==", u"æFFFF", QStringLiteral("\u00FF")},
    };
    for (const Caso& c : casos) {
        const QString texto = QString::fromUtf16(c.texto);
        EXPECT_EQ(TmStr::EncodeBase64(texto), QLatin1StringView(c.base64)) << texto.toStdString();
        EXPECT_EQ(TmStr::Asc2Ansi(texto), QString::fromUtf16(c.transporte)) << texto.toStdString();
        EXPECT_EQ(TmStr::DescomprimeString(TmStr::ComprimeString(texto)), c.descomprimido)
            << texto.toStdString();
    }
}

TEST(Codificacoes, RoundTripsLoseNothing) {
    for (const QString& texto : TextosLatin1()) {
        EXPECT_EQ(TmStr::DescomprimeString(TmStr::ComprimeString(texto)), texto) << texto.size();
        EXPECT_EQ(TmStr::DesHeximiza(TmStr::Heximiza(texto)), texto) << texto.size();
        EXPECT_EQ(QByteArray::fromBase64(TmStr::EncodeBase64(texto).toLatin1()), texto.toLatin1())
            << texto.size();
        QString semAspas = texto;
        semAspas.replace(u'"', u'_').replace(u'\'', u'-').replace(u'`', u'~');
        const QString transportado = TmStr::Asc2Ansi(texto);
        EXPECT_EQ(TmStr::Ansi2Asc(transportado), semAspas) << texto.size();
        for (const QChar c : transportado)
            EXPECT_TRUE((c.unicode() >= 32 && c.unicode() <= 126) || c == u'æ' || c == u'¾');
    }
}

// Data cut short or foreign to the packer never hangs and ends with a whole character.
TEST(Codificacoes, DecompressingAnyTextEnds) {
    const QString dados = TmStr::ComprimeString(u"tudo certo por aqui");
    for (qsizetype n = 0; n < dados.size(); ++n)
        EXPECT_TRUE(QStringLiteral("tudo certo por aqui")
                        .startsWith(TmStr::DescomprimeString(dados.first(n))));
    EXPECT_EQ(TmStr::DescomprimeString(u"\uFFFF"), TmStr::DescomprimeString(u"?"));
}

TEST(Codificacoes, MatchPythonsBase64AndBinascii) {
    const QStringList textos = TextosLatin1();
    QByteArray entrada;
    for (const QString& texto : textos)
        entrada += texto.toLatin1().toHex() + '\n';
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QStringLiteral("import sys, base64, binascii\n"
                                                       "for linha in sys.stdin:\n"
                                                       "    d = bytes.fromhex(linha.strip())\n"
                                                       "    print(base64.b64encode(d).decode(), "
                                                       "binascii.hexlify(d).decode().upper())\n")});
    ASSERT_TRUE(python.waitForStarted());
    python.write(entrada);
    python.closeWriteChannel();
    ASSERT_TRUE(python.waitForFinished(30000));
    const QStringList linhas = QString::fromLatin1(python.readAllStandardOutput()).split(u'\n');
    ASSERT_GE(linhas.size(), textos.size());
    for (qsizetype i = 0; i < textos.size(); ++i) {
        const QStringList formas = linhas[i].split(u' ');
        ASSERT_EQ(formas.size(), 2);
        EXPECT_EQ(TmStr::EncodeBase64(textos[i]), formas[0]) << i;
        EXPECT_EQ(TmStr::Heximiza(textos[i]), formas[1]) << i;
    }
}

}  // namespace
