// Numbers in fixed-width columns and zero-filled texts.
#include <gtest/gtest.h>

#include <climits>

#include "base/EConvertError.h"
#include "support/ComRegionais.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

QString Valor(double v, int tamanho, int decimais, bool ponto, bool menosZero, QChar enche,
              const char16_t* final) {
    return TmStr::FormataValor(v, tamanho, decimais, ponto, menosZero, enche, final);
}

TEST(FormataValor, ZeroMarksAsterisksAndFill) {
    EXPECT_EQ(Valor(0, 8, 2, true, false, u' ', u""), u"     .  ");
    EXPECT_EQ(Valor(0.001, 8, 2, true, true, u' ', u""), u"     0  ");
    EXPECT_EQ(Valor(-0.001, 8, 2, true, true, u' ', u""), u"    -0  ");
    EXPECT_EQ(Valor(0.001, 8, 2, true, false, u' ', u""), u"     .  ");
    EXPECT_EQ(Valor(0, 8, 2, false, false, u' ', u""), u"    0,00");
    EXPECT_EQ(Valor(123456789.12, 8, 2, false, false, u' ', u""), u"*****.**");
    EXPECT_EQ(Valor(1234.5, 12, 2, false, false, u'*', u"R$"), u"**R$1.234,50");
    EXPECT_EQ(Valor(1234567.5, 10, 2, false, false, u' ', u""), u"1234567,50");  // groups dropped
    EXPECT_EQ(Valor(1234567.5, 11, 2, false, false, u' ', u""), u"1234.567,50");
    EXPECT_EQ(Valor(5, 6, 2, false, false, u' ', u"R$ "), u"$ 5,00");  // cut from the left
    EXPECT_EQ(Valor(1234, 8, 0, false, false, u' ', u""), u"   1.234");
    EXPECT_EQ(Valor(0, 4, 0, true, false, u' ', u""), u"   .");
}

TEST(FormataValor, DropsTheLiveThousandsSeparatorNotTheDecimalPoint) {
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(Valor(1234567.5, 10, 2, false, false, u' ', u""), u"1234567.50");
}

TEST(FormataPonto, ZeroMarkAndThousands) {
    auto P = [](double v, int t, bool alinhado, const char16_t* f, bool inteiro = false,
                bool milhao = false, bool mil = false) {
        return TmStr::FormataPonto(v, t, alinhado, f, inteiro, milhao, mil);
    };
    EXPECT_EQ(P(0, 6, false, u"#,##0.00"), u"     .");
    EXPECT_EQ(P(0, 6, true, u"#,##0.00"), u"   .  ");
    EXPECT_EQ(P(0, 6, false, u"0"), u"   .");  // the bare mark, four characters
    EXPECT_EQ(P(10, 6, false, u"#,##0.00"), u" 10,00");
    EXPECT_EQ(P(0, 4, false, u"#,##0.00"), u"0,00");  // "0,00" at the start stays
    EXPECT_EQ(P(123456.78, 6, false, u"#,##0.00"), u"456,78");
    EXPECT_EQ(P(1234567.5, 12, false, u"#,##0.00", false, true), u" 1234.567,50");
    EXPECT_EQ(P(1500, 8, false, u"#,##0.00", false, true, true), u" 1500,00");
    EXPECT_EQ(P(1500, 8, false, u"#,##0.00", false, true, false), u"1.500,00");
    EXPECT_EQ(P(0, 5, false, u"#", true), u"    .");
    EXPECT_EQ(P(12, 5, false, u"#", true), u"   12");
}

TEST(FormataPonto, UnderPointSettingsOnlyTheThousandsSeparatorRuleApplies) {
    ComRegionais ponto(ComPonto());
    // The zero mark replaces the Brazilian "0,00" only; the thousands rule drops the ",".
    EXPECT_EQ(TmStr::FormataPonto(0, 6, false, u"#,##0.00", false, false, false), u"  0.00");
    EXPECT_EQ(TmStr::FormataPonto(1500, 8, false, u"#,##0.00", false, false, true), u" 1500.00");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency::FromInt(12), 8, u"#,##0.000"), u"  12.000");
}

TEST(FormataPonto3Casas, ExactCurrencyZeroAndWholeAmounts) {
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency(), 8, u"#,##0.000"), u"    .   ");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency::FromInt(12), 8, u"#,##0.000"), u"  12    ");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency::FromRaw(125000), 8, u"#,##0.000"), u"  12,500");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency::FromRaw(INT64_MAX), 24, u"#,##0.0000"),
              u"922.337.203.685.477,5807");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency::FromRaw(5), 6, u"0.000"), u" 0,001");
}

TEST(FormataPontoEx, OwnDecimalsRightAlignedNeverCut) {
    EXPECT_EQ(TmStr::FormataPontoEx(0, 8, u"#,##0.00"), u"     .  ");
    EXPECT_EQ(TmStr::FormataPontoEx(0, 2, u"0.000"), u" .   ");
    EXPECT_EQ(TmStr::FormataPontoEx(0, 4, u"0"), u"   .");
    EXPECT_EQ(TmStr::FormataPontoEx(2.5, 8, u"#,##0.00"), u"     2,5");
    EXPECT_EQ(TmStr::FormataPontoEx(1234.125, 10, u"#,##0"), u" 1.234,125");
    EXPECT_EQ(TmStr::FormataPontoEx(-7, 4, u"0.00"), u"  -7");
    EXPECT_EQ(TmStr::FormataPontoEx(1e-6, 3, u"0"), u"0,000001");
    EXPECT_EQ(TmStr::FormataPontoEx(1234567, 3, u"#,##0"), u"1.234.567");
}

TEST(PadRight, NumericFillAndCut) {
    EXPECT_EQ(TmStr::PadRight(12.5, 8, u'*', u"0.00", false), u"***12,50");
    EXPECT_EQ(TmStr::PadRight(123456.5, 4, u' ', u"0.0", true), u"56,5");
    EXPECT_EQ(TmStr::PadRight(123456.5, 4, u' ', u"0.0", false), u"123456,5");
    EXPECT_EQ(TmStr::PadRight(0, 4, u' ', u"0", false), u"   0");
    EXPECT_EQ(TmStr::PadRightPonto(0, 5, u'_', u"0.00", true), u"____.");
    EXPECT_EQ(TmStr::PadRightPonto(0, 0, u'_', u"0.00", true), u".");
    EXPECT_EQ(TmStr::PadRightPonto(1, 5, u'_', u"0.00", true), u"_1,00");
}

TEST(StrZero, ZeroFilledTexts) {
    EXPECT_EQ(TmStr::StrZero(42, 4), u"0042");
    EXPECT_EQ(TmStr::StrZero(-42, 4), u"-0042");
    EXPECT_EQ(TmStr::StrZero(12345, 2), u"12345");
    EXPECT_EQ(TmStr::StrZero(7, 0), u"7");
    EXPECT_EQ(TmStr::StrZero(7, -3), u"7");
    EXPECT_EQ(TmStr::StrZeroNegativo(-42, 4, true), u"-0042");
    EXPECT_EQ(TmStr::StrZeroNegativo(42, 4, false), u"0042");
    EXPECT_EQ(TmStr::StrZeroFloat(-12.5, 8, 2), u"00012,50");
    EXPECT_EQ(TmStr::StrZeroFloat(1.5, 2, 2), u"1,50");
    EXPECT_EQ(TmStr::StrZeroFloat(1234.5, 8, 0), u"00001235");
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(TmStr::StrZeroFloat(1.5, 6, 2), u"001.50");
}

TEST(Colunas, HugeOrNegativeWidthsAreTotal) {
    EXPECT_THROW(TmStr::StrZero(7, INT_MAX), EConvertError);
    EXPECT_THROW(TmStr::StrZeroFloat(7, INT_MAX, 2), EConvertError);
    EXPECT_THROW(Valor(1, INT_MAX, 2, true, false, u' ', u""), EConvertError);
    EXPECT_THROW(Valor(1, 10, INT_MAX, true, false, u' ', u""), EConvertError);
    EXPECT_THROW(TmStr::PadRight(1, INT_MAX, u' ', u"0", false), EConvertError);
    EXPECT_EQ(Valor(1, INT_MIN, INT_MIN, true, false, u' ', u""), u".");
    EXPECT_EQ(TmStr::FormataPonto(1, INT_MIN, false, u"0", false, false, false), u"");
    EXPECT_EQ(TmStr::FormataPonto3Casas(Currency(), -1, u"0"), u"");
    EXPECT_EQ(TmStr::FormataPontoEx(5, INT_MIN, u"0"), u"5");
    EXPECT_EQ(TmStr::PadRight(5, INT_MIN, u' ', u"0", true), u"");
    EXPECT_EQ(TmStr::PadRightPonto(0, INT_MIN, u' ', u"0", true), u".");
}

TEST(Numeros, GroupsDecimalCommaAndDigitTests) {
    EXPECT_EQ(TmStr::FormataNumeroPontos(u"1234567"), u"1.234.567");
    EXPECT_EQ(TmStr::FormataNumeroPontos(u"123"), u"123");
    EXPECT_EQ(TmStr::FormataNumeroPontos(u"1234"), u"1.234");
    EXPECT_EQ(TmStr::FormataNumeroPontos(u"123456"), u"123.456");
    EXPECT_EQ(TmStr::FormataNumeroPontos(u""), u"");
    EXPECT_EQ(TmStr::FormataNumeroPontos(-1234567), u"-1.234.567");
    EXPECT_EQ(TmStr::FormataNumeroPontos(INT_MIN), u"-2.147.483.648");
    EXPECT_EQ(TmStr::FormataDecimal(u"12345", 2, false), u"123,45");
    EXPECT_EQ(TmStr::FormataDecimal(u"12345", 2, true), u"123.45");
    EXPECT_EQ(TmStr::FormataDecimal(u"5", 3, false), u",5");
    EXPECT_EQ(TmStr::FormataDecimal(u"12", 0, false), u"12,");
    EXPECT_EQ(TmStr::FormataDecimal(u"12", INT_MIN, false), u"12,");
    EXPECT_TRUE(TmStr::IsNumero(u"12,5", false));
    EXPECT_TRUE(TmStr::IsNumero(u"", true));
    EXPECT_FALSE(TmStr::IsNumero(u"", false));
    EXPECT_FALSE(TmStr::IsNumero(u" 12", false));
    EXPECT_FALSE(TmStr::IsNumero(u"1.5", false));
    ComRegionais ponto(ComPonto());
    EXPECT_TRUE(TmStr::IsNumero(u"1.5", false));
}

}  // namespace
