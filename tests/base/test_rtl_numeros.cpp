#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <optional>

#include "base/Currency.h"
#include "base/RtlNumeros.h"
#include "base/mConst.h"

namespace {

TFormatSettings ComPonto() {
    TFormatSettings s = TFormatSettings::Brasileiro();
    s.DecimalSeparator = QLatin1Char('.');
    s.ThousandSeparator = QLatin1Char(',');
    return s;
}

TEST(Rtl, GeneralTextFormOfFloats) {
    const struct {
        double valor;
        const char* br;
    } casos[] = {
        {0, "0"},
        {1, "1"},
        {-2.5, "-2,5"},
        {0.1, "0,1"},
        {1234.5, "1234,5"},
        {1e-5, "0,00001"},
        {1e-6, "1E-6"},
        {1.5e20, "1,5E20"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {1.0 / 3, "0,333333333333333"},
        {2.675, "2,675"},
        {-0.0, "0"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::FloatToStr(c.valor, TFormatSettings::Brasileiro()), QString::fromUtf8(c.br))
            << c.valor;
    EXPECT_EQ(Rtl::FloatToStr(-2.5, ComPonto()), QStringLiteral("-2.5"));
    EXPECT_EQ(Rtl::CurrToStr(Currency::FromRaw(-123450), TFormatSettings::Brasileiro()),
              QStringLiteral("-12,345"));
    EXPECT_EQ(Rtl::CurrToStr(Currency::FromRaw(INT64_MIN), TFormatSettings::Brasileiro()),
              QStringLiteral("-922337203685477,5808"));
}

TEST(Rtl, StrictFloatParse) {
    const TFormatSettings br = TFormatSettings::Brasileiro();
    const struct {
        const char* texto;
        std::optional<double> valor;
    } casos[] = {
        {"1,5", 1.5},
        {"  -2,25 ", -2.25},
        {"1E3", 1000},
        {"1,5e-2", 0.015},
        {"1.5", {}},
        {"", {}},
        {"1,2,3", {}},
        {",5", 0.5},
        {"1e", {}},
        {"abc", {}},
        {"1e999", {}},
        {"+7", 7},
        // Spaces and tabs around the number, no other control character.
        {"\t7\t", 7},
        {"\n7", {}},
        {"7\r", {}},
        // Below the smallest double reads as zero; above the largest is refused, however the
        // exponent is written.
        {"1e-400", 0},
        {"-1000e-400", 0},
        {"0,0001e-99999999999999999999", 0},
        {"1e99999999999999999999", {}},
        {"0,01e312", {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToFloat(QString::fromUtf8(c.texto), br), c.valor) << c.texto;
    EXPECT_EQ(Rtl::TryStrToFloat(u"1.5", ComPonto()), 1.5);
    EXPECT_EQ(Rtl::TryStrToCurr(u"0,00005", br)->Raw(), 0);
    const QString minusculo = QStringLiteral("0,") + QString(400, u'0') + QStringLiteral("1");
    EXPECT_EQ(Rtl::TryStrToFloat(minusculo, br), 0.0);
    EXPECT_TRUE(std::signbit(*Rtl::TryStrToFloat(u"-1e-400", br)));
}

TEST(Rtl, StrictIntegerParse) {
    const struct {
        const char* texto;
        std::optional<std::int32_t> valor;
    } casos[] = {
        {"5", 5},           {"  5", 5},
        {"5 ", {}},         {"-12", -12},
        {"$FF", 255},       {"x10", 16},
        {"0x1f", 31},       {"2147483647", 2147483647},
        {"2147483648", {}}, {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},  {"", {}},
        {"-", {}},          {"1a", {}},
        {"$", {}},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToInt(QString::fromUtf8(c.texto)), c.valor) << c.texto;
    EXPECT_EQ(Rtl::TryStrToInt64(u"9223372036854775807"), INT64_MAX);
    EXPECT_EQ(Rtl::TryStrToInt64(u"9223372036854775808"), std::nullopt);
}

TEST(Rtl, DecimalIntegerParseTakesNoPrefix) {
    const struct {
        const char* texto;
        std::optional<std::int32_t> valor;
    } casos[] = {
        {" -7", -7}, {"+7", 7},  {"$10", {}}, {"x10", {}},        {"0x1f", {}},
        {"010", 10}, {"7 ", {}}, {"", {}},    {"2147483648", {}}, {"-2147483648", INT32_MIN},
    };
    for (const auto& c : casos)
        EXPECT_EQ(Rtl::TryStrToIntDecimal(QString::fromUtf8(c.texto)), c.valor) << c.texto;
}

}  // namespace
