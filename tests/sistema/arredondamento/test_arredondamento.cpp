// Rounding, truncation, comparison and the small integer routines: the library's figures, the
// cases where binary floating point used to give the wrong neighbour, and sweeps over every
// half-cent and half-mill tie.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "base/EConvertError.h"
#include "base/ErrosAritmeticos.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "support/ComRegionais.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Caso {
    double valor;
    int decimais;
    double esperado;
};

// Equal as doubles, NaN included.
void EsperarMesmo(double obtido, double esperado, const Caso& c) {
    if (std::isnan(esperado))
        EXPECT_TRUE(std::isnan(obtido)) << c.valor << " with " << c.decimais;
    else
        EXPECT_EQ(obtido, esperado) << c.valor << " with " << c.decimais;
}

TEST(Trunca, CutsTheWrittenDigits) {
    const Caso casos[] = {
        {0, 3, 0},
        {0.00005, 4, 0},
        {0.00005, 5, 0.00005},
        {12.999, 2, 12.99},
        {12.3456, 2, 12.34},
        {12.3456, 0, 12},
        {12.3456, -3, 12},  // below 0 counts as 0
        {12, 1, 12},        // written without a comma: whole
        {-1.239, 2, -1.23},
        {0.1 + 0.2, 5, 0.3},  // 0.30000000000000004 is written «0,3»
        {1e-6, 6, 1e-6},      // the binary cut gives 0: 1E-6 is stored below
        {4.9e-7, 6, 0},       // scientific form, cut all the same
        {123.456, INT_MAX, 123.456},
        {99999999999999.99, 0, 99999999999999},  // 15 integer digits written: cut exactly
        {1000000000000000.5, 0, 1e15},
        {1000000000000000.5, 1, 1000000000000000.5},
        {-1.5e20, 2, -1.5e20},
        {kInf, 2, kInf},
        {-kInf, 2, -kInf},
        {kNaN, 2, kNaN},
    };
    for (const Caso& c : casos)
        EsperarMesmo(TmConv::Trunca(c.valor, c.decimais), c.esperado, c);
}

// Cutting the binary value of a negative amount loses a cent wherever the amount is stored
// above its decimal (-2.3 is -2.29999...): -2.3 gave -2.29 and -8.2 gave -8.19.
TEST(Trunca, NegativesKeepEveryCent) {
    for (int centavos = 1; centavos <= 200000; ++centavos) {
        const double valor = centavos / 100.0;
        ASSERT_EQ(TmConv::Trunca(-valor, 2), -valor) << -valor;
        ASSERT_EQ(TmConv::Trunca(valor, 2), valor) << valor;
    }
}

TEST(Trunca, DoesNotDependOnTheRegionalSettings) {
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(TmConv::Trunca(12.3456, 2), 12.34);
    EXPECT_EQ(TmConv::ArredondaAritmetica(2.135, 2, true), 2.14);
}

// Ties are decided on the stored fraction in extended precision. The rows marked "double"
// come out as the other neighbour when the fraction is scaled in plain double arithmetic,
// where the product rounds to an exact tie.
TEST(Arredonda, TiesToEvenOnTheStoredFraction) {
    const Caso casos[] = {
        {2.5, 0, 2},        {3.5, 0, 4},       {-2.5, 0, -2},
        {-3.5, 0, -4},      {2.5, -1, 2},  // below 1 counts as 0
        {1e300, 0, 1e300},  {0.125, 2, 0.12},  {0.135, 2, 0.14},
        {0.155, 2, 0.15},  // double: 0.16
        {0.265, 2, 0.27},  // double: 0.26
        {0.005, 2, 0.01},  // double: 0
        {-0.155, 2, -0.15}, {1e300, 2, 1e300}, {0.1, INT_MAX, 0.1},
        {kNaN, 2, kNaN},    {-kInf, 2, -kInf},
    };
    for (const Caso& c : casos)
        EsperarMesmo(TmConv::Arredonda(c.valor, c.decimais), c.esperado, c);
}

TEST(Arredonda, CutThenRounded) {
    EXPECT_EQ(TmConv::TruncaArredonda(1.0049999, 2), 1);
    EXPECT_EQ(TmConv::TruncaArredonda(1.0051, 2), 1);  // cut to 1.005, a tie: the even 1.00
    EXPECT_EQ(TmConv::TruncaArredonda(1.0061, 2), 1.01);
    EXPECT_EQ(TmConv::FloatComp(1.0049999, 2), 1);
    EXPECT_EQ(TmConv::TruncaArredonda(2.675, INT_MAX), 2.675);
}

Currency Moeda(double valor) {
    return Currency::FromDouble(valor);
}

TEST(ArredondaSimples, HalfAwayFromZero) {
    const struct {
        double valor;
        int casas;
        double esperado;
    } casos[] = {
        {2.675, 2, 2.68},   {-2.675, 2, -2.68},   {0.265, 2, 0.27},    {2.674, 2, 2.67},
        {0.0025, 3, 0.003}, {-0.0025, 3, -0.003}, {1.2345, 4, 1.2345}, {1.2345, 9, 1.2345},
        {1.5, 0, 2},        {125, -1, 130},       {-125, -1, -130},    {124.99, -1, 120},
        {999999, -15, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmConv::ArredondaSimples(Moeda(c.valor), c.casas), Moeda(c.esperado))
            << c.valor << " with " << c.casas;
    EXPECT_EQ(TmConv::ArredondaSimples(Moeda(2.675)), Moeda(2.68));
    EXPECT_EQ(TmConv::ArredondaSimplesQtd(Moeda(0.0025)), Moeda(0.003));
    EXPECT_EQ(TmConv::ArredondaSimplesQtd(Moeda(-1.2345)), Moeda(-1.235));
}

TEST(ArredondaSimples, SaturatesAtTheEndsOfTheRange) {
    const Currency maximo = Currency::FromRaw(std::numeric_limits<std::int64_t>::max());
    const Currency minimo = Currency::FromRaw(std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(TmConv::ArredondaSimples(maximo, 0).Raw(), 9223372036854770000);
    EXPECT_EQ(TmConv::ArredondaSimples(minimo, 0).Raw(), -9223372036854770000);
    EXPECT_EQ(TmConv::ArredondaSimples(maximo).Raw(), 9223372036854775800);
    EXPECT_EQ(TmConv::ArredondaSimples(maximo, -14).Raw(), 9000000000000000000);
    EXPECT_EQ(TmConv::ArredondaSimples(maximo, INT_MIN).Raw(), 0);
}

// Every half-cent tie up to 20 000,00 and every half-mill tie up to 2 000,000, of both signs,
// goes away from zero. The floating-point steps (divide, add a half, cut, multiply back) get
// about one in fifteen of them wrong (0.265 gave 0.26).
TEST(ArredondaSimples, EveryTieGoesAwayFromZero) {
    for (std::int64_t k = 0; k < 2000000; ++k) {
        const Currency centavo = Currency::FromRaw(k * 100 + 50);
        ASSERT_EQ(TmConv::ArredondaSimples(centavo).Raw(), (k + 1) * 100) << k;
        ASSERT_EQ(TmConv::ArredondaSimples(-centavo).Raw(), -(k + 1) * 100) << k;
        const Currency milesimo = Currency::FromRaw(k * 10 + 5);
        ASSERT_EQ(TmConv::ArredondaSimplesQtd(milesimo).Raw(), (k + 1) * 10) << k;
        ASSERT_EQ(TmConv::ArredondaSimplesQtd(-milesimo).Raw(), -(k + 1) * 10) << k;
    }
}

TEST(ArredondaAritmetica, FiveRuleOnTheWrittenDigits) {
    const struct {
        double valor;
        int casas;
        bool arredondar;
        double esperado;
    } casos[] = {
        {2.125, 2, true, 2.12},
        {2.135, 2, true, 2.14},
        {2.105, 2, true, 2.11},  // a 5 after a 0 goes up (ABNT NBR 5891 would keep 2.10)
        {2.1251, 2, true, 2.13},
        {2.999, 2, true, 3},
        {1.0095, 3, true, 1.01},
        {0.995, 2, true, 1},
        {2.139, 2, false, 2.13},
        {2.9999996, 2, true, 3},  // six decimals round up to 3,000000: carried, not 2.00
        {2.9999996, 2, false, 3},
        {2.5, 0, true, 2},
        {3.5, 0, true, 4},
        {10.5, 0, true, 11},
        {2.51, 0, true, 3},
        {2.5, -4, true, 2},  // below 0 counts as 0
        {2.7, 0, false, 2},
        {1.2345674, 9, true, 1.234567},  // only six decimals take part
        {1.2345675, 6, true, 1.234568},
        {-2.135, 2, true, -2.14},
        {-2.125, 2, true, -2.12},
        {-0.995, 2, true, -1},
        {0.0000004, 2, true, 0},
        {1e20, 2, true, 1e20},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmConv::ArredondaAritmetica(c.valor, c.casas, c.arredondar), c.esperado)
            << c.valor << " with " << c.casas << (c.arredondar ? " rounded" : " cut");
    EXPECT_TRUE(std::isnan(TmConv::ArredondaAritmetica(kNaN, 2, true)));
    EXPECT_EQ(TmConv::ArredondaAritmetica(-kInf, 2, true), -kInf);
}

TEST(ConfereBugZero, BelowATenThousandthIsZero) {
    EXPECT_EQ(TmConv::ConfereBugZero(-5), 0);
    EXPECT_EQ(TmConv::ConfereBugZero(0.00009), 0);
    EXPECT_EQ(TmConv::ConfereBugZero(0.0001), 0.0001);
    EXPECT_EQ(TmConv::ConfereBugZero(7.5), 7.5);
}

TEST(Comparacao, AfterCutAndRound) {
    EXPECT_TRUE(TmConv::FloatIgual(0.1 + 0.2, 0.3, 2, 0));
    EXPECT_TRUE(TmConv::FloatIgual(1.004, 1.0049, 2, 0));
    EXPECT_FALSE(TmConv::FloatIgual(1.00, 1.02, 2, 0));
    EXPECT_TRUE(TmConv::FloatIgual(1.00, 1.02, 2, 0.03));
    EXPECT_FALSE(TmConv::FloatIgual(1.00, 1.02, 2, 0.01));
    EXPECT_FALSE(TmConv::FloatIgual(1.00, 1.02, 2, 0.02));  // the stored 1.02 is above
    EXPECT_FALSE(TmConv::FloatIgual(1.00, 1.02, 2, -0.03));
    EXPECT_TRUE(TmConv::FloatMaior(1.006, 1.001, 2));
    EXPECT_FALSE(TmConv::FloatMaior(1.004, 1.001, 2));
    EXPECT_TRUE(TmConv::FloatMenor(-1.006, -1.001, 2));
    EXPECT_FALSE(TmConv::FloatMenor(1.0049, 1.0041, 2));
}

TEST(Comparacao, CurrencyInCents) {
    EXPECT_EQ(TmConv::FormatCurrencyToCompare(Moeda(12.3456)), 1234);
    EXPECT_EQ(TmConv::FormatCurrencyToCompare(Moeda(-12.3456)), -1234);
    EXPECT_EQ(TmConv::FormatCurrencyToCompare(Moeda(1e12)), INT_MAX);
    EXPECT_EQ(TmConv::FormatCurrencyToCompare(Moeda(-1e12)), INT_MIN);
}

TEST(Divide, ZeroWhenFailedOrScientific) {
    const struct {
        double dividendo, divisor, esperado;
    } casos[] = {
        {10, 4, 2.5},   {-10, 4, -2.5},       {1, 0, 0},       {0, 0, 0},
        {1, 300000, 0}, {1, 100000, 0.00001},  // the smallest not written in E form
        {1e16, 1, 0},   {1e300, 1e-300, 0},   {kInf, kInf, 0}, {kNaN, 2, 0},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmConv::Divide(c.dividendo, c.divisor), c.esperado)
            << c.dividendo << " / " << c.divisor;
}

TEST(IsMultiplo, FourOverloads) {
    EXPECT_TRUE(TmConv::IsMultiplo(2, 4));
    EXPECT_TRUE(TmConv::IsMultiplo(4, 4));
    EXPECT_FALSE(TmConv::IsMultiplo(4, 2));
    EXPECT_FALSE(TmConv::IsMultiplo(3, 0));
    EXPECT_FALSE(TmConv::IsMultiplo(3, 7));
    EXPECT_TRUE(TmConv::IsMultiplo(-2, 4));
    EXPECT_TRUE(TmConv::IsMultiplo(-1, INT_MAX));
    EXPECT_FALSE(TmConv::IsMultiplo(-1, INT_MIN));
    EXPECT_TRUE(TmConv::IsMultiplo(INT_MIN, INT_MIN));
    EXPECT_TRUE(TmConv::IsMultiplo(46340, 46340 * 46340));
    EXPECT_FALSE(TmConv::IsMultiplo(46340, 46340 * 46340 - 1));
    // 1 is a multiple of 1 only as doubles.
    EXPECT_FALSE(TmConv::IsMultiplo(1, 1));
    EXPECT_FALSE(TmConv::IsMultiplo(1, 1.0));
    EXPECT_FALSE(TmConv::IsMultiplo(1.0, 1));
    EXPECT_TRUE(TmConv::IsMultiplo(1.0, 1.0));
    EXPECT_TRUE(TmConv::IsMultiplo(2.5, 7.5));
    EXPECT_FALSE(TmConv::IsMultiplo(2.5, 8.0));
    EXPECT_TRUE(TmConv::IsMultiplo(2, 6.0));
    EXPECT_TRUE(TmConv::IsMultiplo(1.5, 3));
    EXPECT_FALSE(TmConv::IsMultiplo(2.0, kInf));
    EXPECT_FALSE(TmConv::IsMultiplo(kNaN, 2.0));
}

TEST(IsMultiplo, ZeroValorRaisesOnlyWhenDivisionIsReached) {
    EXPECT_THROW(TmConv::IsMultiplo(0, 5), EDivByZero);
    EXPECT_THROW(TmConv::IsMultiplo(0.0, 5.0), EDivByZero);
    EXPECT_THROW(TmConv::IsMultiplo(0, 5.0), EDivByZero);
    EXPECT_THROW(TmConv::IsMultiplo(0.0, 5), EDivByZero);
    EXPECT_FALSE(TmConv::IsMultiplo(0, 0));
    EXPECT_FALSE(TmConv::IsMultiplo(0, -5));
}

TEST(RestoInt, WholePartsSignOfDividend) {
    EXPECT_EQ(TmConv::RestoInt(Moeda(-7), Moeda(2)), -1);
    EXPECT_EQ(TmConv::RestoInt(Moeda(7), Moeda(-2)), 1);
    EXPECT_EQ(TmConv::RestoInt(Moeda(7.9), Moeda(2.9)), 1);
    EXPECT_EQ(TmConv::RestoInt(Moeda(INT_MIN), Moeda(-1)), 0);
    EXPECT_EQ(TmConv::RestoInt(Moeda(5e12), Moeda(7)), 5000000000000 % 7);
    EXPECT_THROW(TmConv::RestoInt(Moeda(7), Moeda(0.99)), EDivByZero);
    EXPECT_THROW(TmConv::RestoInt(Moeda(5e12), Moeda(6e12)), EIntOverflow);
}

TEST(InRangeInt, BothEndsIncluded) {
    EXPECT_TRUE(TmConv::InRangeInt(1, 1, 3));
    EXPECT_TRUE(TmConv::InRangeInt(3, 1, 3));
    EXPECT_FALSE(TmConv::InRangeInt(4, 1, 3));
    EXPECT_FALSE(TmConv::InRangeInt(2, 3, 1));
}

TEST(IntToBin, BitsFromTheHighestAsked) {
    EXPECT_EQ(TmConv::IntToBin(5, 7), u"00000101");
    EXPECT_EQ(TmConv::IntToBin(5, 0), u"1");
    EXPECT_EQ(TmConv::IntToBin(5, -1), u"");
    EXPECT_EQ(TmConv::IntToBin(-1, 35), QString(36, QLatin1Char('1')));
    EXPECT_EQ(TmConv::IntToBin(INT_MIN, 33), QStringLiteral("111") + QString(31, QLatin1Char('0')));
    EXPECT_EQ(TmConv::IntToBin(INT_MAX, 33), QStringLiteral("000") + QString(31, QLatin1Char('1')));
    EXPECT_THROW(TmConv::IntToBin(1, TmStr::kLarguraMaxima), EConvertError);
    EXPECT_THROW(TmConv::IntToBin(1, INT_MAX), EConvertError);
}

TEST(ArrayIntToInStr, JoinedBySeparator) {
    EXPECT_EQ(TmConv::ArrayIntToInStr({1, 2, 3}, u","), u"1,2,3");
    EXPECT_EQ(TmConv::ArrayIntToInStr({}, u","), u"");
    EXPECT_EQ(TmConv::ArrayIntToInStr({-1, 20}, u", "), u"-1, 20");
    EXPECT_EQ(TmConv::ArrayIntToInStr({1, 23}, u""), u"123");
}

TEST(Modulo10, WeightsTwoAndOneFromTheRight) {
    EXPECT_EQ(TmConv::Modulo10(u"261533"), u"4");
    EXPECT_EQ(TmConv::Modulo10(u""), u"0");
    EXPECT_EQ(TmConv::Modulo10(u"7"), u"5");  // 14 becomes 1 + 4
    EXPECT_EQ(TmConv::Modulo10(u"0000000"), u"0");
    EXPECT_THROW(TmConv::Modulo10(u"26 533"), EConvertError);
    EXPECT_THROW(TmConv::Modulo10(u"-1"), EConvertError);
}

TEST(CalcCuba, Volumes) {
    EXPECT_EQ(TmConv::CalcCubaCm(2, 3, 4), 24);
    EXPECT_EQ(TmConv::CalcCubaM(100, 100, 100), 1);
    EXPECT_EQ(TmConv::CalcCubaM(50, 40, 30), 0.06);
}

}  // namespace
