// Text to number and back: the forgiving readers, their settings, and Str2Curr against an exact
// decimal reading of generated texts.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <random>

#include "base/EConvertError.h"
#include "base/TDateTime.h"
#include "support/ComRegionais.h"
#include "texto/conversao/TmConv.h"

namespace {

TEST(Str2Float, SignParenthesesAndDroppedCharacters) {
    const struct {
        const char16_t* texto;
        double esperado;
    } casos[] = {
        {u"", 0},
        {u"abc", 0},
        {u"R$ -1.234,56", -1234.56},
        {u"(1.234,56)", -1234.56},
        {u"(12", 12},
        {u"12-", -12},
        {u"1,2,3", 0},
        {u"1E5", 15},
        {u"  7  ", 7},
        {u",", 0},
        {u"5,", 5},
        {u",5", 0.5},

        {u"\xD83D\xDE00"
         u"3",
         3},  // NUL, surrogates
        {u"1.000.000", 1000000},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmConv::Str2Float(c.texto), c.esperado)
            << QString::fromUtf16(c.texto).toStdString();
    EXPECT_EQ(TmConv::Str2Float(QString(400, QLatin1Char('9'))), 0);  // beyond a double
    EXPECT_EQ(TmConv::Str2Float(QStringView(u"-1\u00002", 4)), -12);  // NUL is a character
}

TEST(Str2Float, SnapshotKeepsLiveReads) {
    {
        ComRegionais ponto(ComPonto());
        EXPECT_EQ(TmConv::Str2Float(u"1,234.56"), 1234.56);
        EXPECT_EQ(TmConv::Str2Float(u"1.234,56"), 1.23456);
        EXPECT_EQ(TmConv::Str2Curr(u"-1,234.56").Raw(), -12345600);
    }
    // The settings changed after the snapshot: the kept comma is no longer readable.
    ComRegionaisVivas pontoSoVivo(ComPonto());
    EXPECT_EQ(TmConv::Str2Float(u"1,5"), 0);
    EXPECT_EQ(TmConv::Str2Float(u"15"), 15);
    EXPECT_EQ(TmConv::Str2Curr(u"1,5").Raw(), 0);
}

TEST(Str2Curr, ExactTenThousandthsWithTiesToEven) {
    const struct {
        const char16_t* texto;
        qint64 raw;
    } casos[] = {
        {u"12,345", 123450},
        {u"", 0},
        {u"0,00005", 0},
        {u"0,00015", 2},
        {u"0,00025", 2},
        {u"0,000250001", 3},
        {u"-0,00005", 0},
        {u"(1.234,56)", -12345600},
        {u"123456789012,3456", 1234567890123456},
        {u"922337203685477,5807", INT64_MAX},
        {u"-922337203685477,5808", INT64_MIN},
        {u"922337203685477,5808", 0},  // beyond the currency: unreadable
        {u"99999999999999999999999", 0},
        {u"0000000000000000000000001", 10000},
        {u"1,2,3", 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmConv::Str2Curr(c.texto).Raw(), c.raw)
            << QString::fromUtf16(c.texto).toStdString();
}

// Reference reading written from the rules: sign, kept characters, exact decimal value.
qint64 ReferenciaStr2Curr(const QString& texto) {
    const bool negativo = texto.contains(u'-') || (texto.contains(u'(') && texto.contains(u')'));
    QString inteiro, fracao;
    int virgulas = 0;
    for (QChar c : texto) {
        if (c == u',')
            ++virgulas;
        else if (c.isDigit() && c.unicode() < 128)
            (virgulas ? fracao : inteiro) += c;
    }
    if (virgulas > 1 || inteiro.size() + fracao.size() == 0)
        return 0;
    const QString quatro = (fracao + QStringLiteral("0000")).left(4);
    const QString resto = fracao.mid(4);
    unsigned __int128 v = 0;
    for (QChar c : inteiro + quatro)
        v = v * 10 + (c.unicode() - '0');
    const bool maisQueMetade =
        !resto.isEmpty() &&
        (resto[0] > u'5' ||
         (resto[0] == u'5' && resto.mid(1).contains(QRegularExpression("[1-9]"))));
    const bool metade =
        !resto.isEmpty() && resto[0] == u'5' && !resto.mid(1).contains(QRegularExpression("[1-9]"));
    if (maisQueMetade || (metade && (v % 2)))
        ++v;
    const unsigned __int128 limite =
        negativo ? (unsigned __int128)(1) << 63 : ((unsigned __int128)(1) << 63) - 1;
    if (v > limite)
        return 0;
    return negativo ? qint64(-(__int128)v) : qint64(v);
}

TEST(Str2Curr, AgreesWithExactDecimalReading) {
    const char16_t alfabeto[] =
        u"0123456789012345678901234567890123456789,,,,.-() R$E\t\u0000\xD800";
    std::mt19937 gerador(1210);
    std::uniform_int_distribution<int> tamanho(0, 26);
    std::uniform_int_distribution<int> letra(0, int(std::size(alfabeto)) - 2);
    int divergencias = 0;
    for (int i = 0; i < 100000; ++i) {
        QString texto;
        for (int n = tamanho(gerador); n > 0; --n)
            texto += QChar(alfabeto[letra(gerador)]);
        const qint64 esperado = ReferenciaStr2Curr(texto);
        const qint64 obtido = TmConv::Str2Curr(texto).Raw();
        if (obtido != esperado && ++divergencias <= 10)
            ADD_FAILURE() << texto.toStdString() << ": " << obtido << " vs " << esperado;
    }
    EXPECT_EQ(divergencias, 0);
}

TEST(ToInt, WholeIntegerOrTheDefault) {
    EXPECT_EQ(TmConv::ToInt(u"  -42", 0), -42);
    EXPECT_EQ(TmConv::ToInt(u"+7", 0), 7);
    EXPECT_EQ(TmConv::ToInt(u"$1F", 0), 31);
    EXPECT_EQ(TmConv::ToInt(u"0x10", 0), 16);
    EXPECT_EQ(TmConv::ToInt(u"12a", -1), -1);
    EXPECT_EQ(TmConv::ToInt(u"1,5", -1), -1);
    EXPECT_EQ(TmConv::ToInt(u"", 9), 9);
    EXPECT_EQ(TmConv::ToInt(u"2147483648", 0), 0);
    EXPECT_EQ(TmConv::ToInt(u"-2147483648", 0), INT32_MIN);
    EXPECT_EQ(TmConv::ToInt64(u"2147483648", 0), 2147483648LL);
    EXPECT_EQ(TmConv::ToInt64(u"9223372036854775808", -1), -1LL);  // the default, sign-extended
}

// Hexadecimal is a bit pattern of the reader's width, read as two's complement; wider is out of
// range, and a sign negates the pattern.
TEST(ToInt, HexadecimalIsABitPatternOfTheReadersWidth) {
    const struct {
        const char16_t* texto;
        int inteiro;
        std::int64_t longo;
    } casos[] = {
        {u"$7FFFFFFF", INT32_MAX, 0x7FFFFFFFLL},
        {u"$FFFFFFFF", -1, 0xFFFFFFFFLL},
        {u"0x000000000FFFFFFFF", -1, 0xFFFFFFFFLL},
        {u"-$FFFFFFFF", 1, -0xFFFFFFFFLL},
        {u"x100000000", 7, 0x100000000LL},
        {u"0x0ffffffffffffffff", 7, -1},
        {u"$8000000000000000", 7, INT64_MIN},
        {u"-0xFFFFFFFFFFFFFFFF", 7, 1},
        {u"$10000000000000000", 7, 7},
        {u"0x", 7, 7},
        {u"$-1", 7, 7},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(QString::fromUtf16(caso.texto).toStdString());
        EXPECT_EQ(TmConv::ToInt(caso.texto, 7), caso.inteiro);
        EXPECT_EQ(TmConv::ToInt64(caso.texto, 7), caso.longo);
    }
}

TEST(Booleanos, LettersAndQuotes) {
    EXPECT_TRUE(TmConv::ToBoolean(u"sim"));
    EXPECT_TRUE(TmConv::ToBoolean(u"1"));
    EXPECT_FALSE(TmConv::ToBoolean(u"N"));
    EXPECT_FALSE(TmConv::ToBoolean(u""));
    EXPECT_EQ(TmConv::FromBoolean(true, false), u"S");
    EXPECT_EQ(TmConv::FromBoolean(false, true), u"'N'");
    EXPECT_EQ(TmConv::FromBooleanPontinho(false, false), u".");
    EXPECT_EQ(TmConv::FromBooleanPontinho(false, true), u"'.'");
    EXPECT_EQ(TmConv::FromBooleanPontinho(true, true), u"'S'");
}

TEST(Ansi, PointAsDecimalForFilesAndSql) {
    EXPECT_EQ(TmConv::StrAnsi2Float(u"1.5"), 1.5);
    EXPECT_EQ(TmConv::Str2FloatAnsi(u"R$ -1.234,56"), u"-1234.56");
    EXPECT_EQ(TmConv::FloatToAnsi(1234.5), u"1234.5");
    EXPECT_EQ(TmConv::FloatToAnsi(1e-7), u"1E-7");
    EXPECT_EQ(TmConv::FloatToAnsiFormated(1234.5, u"0.00"), u"1234.50");
    EXPECT_EQ(TmConv::FloatToAnsiFormated(1234.5, u"#,##0.00"), u"1.234.50");  // plain replacement
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(TmConv::StrAnsi2Float(u"1,5"), 1.5);
    EXPECT_EQ(TmConv::StrAnsi2Float(u"1.5"), 1.5);
    EXPECT_EQ(TmConv::FloatToAnsi(1234.5), u"1234.5");
    EXPECT_EQ(TmConv::Str2FloatAnsi(u"-1,234.56"), u"-1234.56");
}

TEST(StrFormated2Float, SignLostAndErrors) {
    EXPECT_EQ(TmConv::StrFormated2Float(u"1.234,56"), 1234.56);
    EXPECT_EQ(TmConv::StrFormated2Float(u"-5"), 5);
    EXPECT_THROW(TmConv::StrFormated2Float(u""), EConvertError);
    EXPECT_THROW(TmConv::StrFormated2Float(u"abc"), EConvertError);
    EXPECT_THROW(TmConv::StrFormated2Float(u"1,2,3"), EConvertError);
    EXPECT_EQ(TmConv::StrFormated2FloatDef(u"", 3), 3);
    EXPECT_EQ(TmConv::StrFormated2FloatDef(u"x", 4), 4);
    EXPECT_EQ(TmConv::StrFormated2FloatDef(u"2,5", 4), 2.5);
    // Below the smallest double is a valid number that reads as zero, not an error.
    const QString minusculo = QStringLiteral("0,") + QString(400, u'0') + QStringLiteral("1");
    EXPECT_EQ(TmConv::StrFormated2Float(minusculo), 0);
    EXPECT_EQ(TmConv::StrFormated2FloatDef(minusculo, 4), 0);
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(TmConv::StrFormated2Float(u"1,234.56"), 123456);  // every "." goes
}

TEST(StrAnsiToDate, MonthDayYearAndTime) {
    const TDateTime dia = DataHora::FromQDate(QDate(2024, 3, 15));
    EXPECT_EQ(TmConv::StrAnsiToDate(u"03/15/2024", -1, false), dia);
    EXPECT_EQ(TmConv::StrAnsiToDate(u"'3/15/2024'", -1, true), dia);
    EXPECT_DOUBLE_EQ(TmConv::StrAnsiToDate(u"03/15/2024 12:00:00", -1, false), dia + 0.5);
    EXPECT_DOUBLE_EQ(TmConv::StrAnsiToDate(u"'03/15/2024 06:00'", -1, true), dia + 0.25);
    EXPECT_EQ(TmConv::StrAnsiToDate(u"03/15/2024 lixo", -1, false), dia);  // unreadable time: 0
    EXPECT_DOUBLE_EQ(TmConv::StrAnsiToDate(u"12/29/1899 06:00", 0, false), -1.25);
    for (const char16_t* ruim :
         {u"", u"15/03/2024", u"02/30/2024", u"03-15-2024", u"a/b/c", u"03/15/"})
        EXPECT_EQ(TmConv::StrAnsiToDate(ruim, -7, false), -7)
            << QString::fromUtf16(ruim).toStdString();
}

// A plain literal, as a POS program writes one, reads as the same text in UTF-16 does: the
// const char* forms are UTF-8 (the "º" below) and never a pointer taken for a Boolean.
TEST(Literais, LeemComoOMesmoTextoEmUtf16) {
    EXPECT_EQ(TmConv::Str2Curr("R$ 1.234,56"), TmConv::Str2Curr(u"R$ 1.234,56"));
    EXPECT_EQ(TmConv::Str2Float("(1.234,5)º"), TmConv::Str2Float(u"(1.234,5)º"));
    EXPECT_EQ(TmConv::ToInt("$FF", 0), 255);
    EXPECT_EQ(TmConv::ToInt64("x", -3), -3);
    EXPECT_TRUE(TmConv::ToBoolean("S"));
    EXPECT_FALSE(TmConv::ToBoolean("N"));
    EXPECT_EQ(TmConv::StrAnsi2Float("1.5"), TmConv::StrAnsi2Float(u"1.5"));
    EXPECT_EQ(TmConv::Str2FloatAnsi("-1234,56"), TmConv::Str2FloatAnsi(u"-1234,56"));
    EXPECT_EQ(TmConv::FloatToAnsiFormated(1234.5, "#,##0.00"),
              TmConv::FloatToAnsiFormated(1234.5, u"#,##0.00"));
    EXPECT_EQ(TmConv::StrFormated2Float("2,5"), 2.5);
    EXPECT_EQ(TmConv::StrFormated2FloatDef("x", 4), 4);
    EXPECT_EQ(TmConv::StrAnsiToDate("03/15/2024", -1, false),
              TmConv::StrAnsiToDate(u"03/15/2024", -1, false));
}

}  // namespace
