// The number-pattern formatter: specified cases, then a differential check against an exact
// computation from the double's binary value.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "base/EConvertError.h"
#include "support/ComRegionais.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

QString F(double v, const char* formato) {
    return TmStr::Formata(v, QString::fromUtf8(formato), false);
}

struct Caso {
    double valor;
    const char* formato;
    const char* esperado;
};

TEST(Formata, PatternsUnderBrazilianSettings) {
    const Caso casos[] = {
        {1234.5, "#,##0.00", "1.234,50"},
        {0.125, "0.00", "0,13"},  // exact tie: away from zero
        {2.675, "0.00", "2,67"},  // stored as 2.67499999...
        {-0.125, "0.00", "-0,13"},
        {1.005, "0.00", "1,00"},
        {0.5, "0", "1"},
        {-2.5, "0", "-3"},
        {0, "#,##0.00", "0,00"},
        {0, "#.##", ""},
        {0.5, "#.##", ",5"},
        {1, "0.##", "1"},
        {1.5, "0.0#", "1,5"},
        {1.256, "0.0#", "1,26"},
        {1234567.891, "#,##0.###", "1.234.567,891"},
        {123456789, "0", "123456789"},  // more digits than placeholders
        {5, "0,000", "0.005"},
        {42, "0000", "0042"},
        {-42, "0000", "-0042"},
        {1234, "00-00", "12-34"},
        {123456, "00-00", "1234-56"},
        {1234.5, "\"R$ \"#,##0.00", "R$ 1.234,50"},
        {1234.5, "'a;b' 0", "a;b 1235"},
        {-5, "0.00;(0.00)", "(5,00)"},
        {-5, "0.00;", "-5,00"},
        {0, "0.00;(0.00);\"zero\"", "zero"},
        {0.001, "0.00;(0.00);\"zero\"", "zero"},  // rounds to zero: the zero section
        {-0.001, "0.00", "0,00"},                 // no minus for a value shown as zero
        // The sign picks the section; zero only when that section rounds the value to zero.
        {-0.001, "0.00;(0.000)", "(0,001)"},
        {-0.001, "0.00;(0.000);Z", "(0,001)"},
        {-0.0001, "0.00;(0.000);Z", "Z"},
        {-0.0001, "0.00;(0.000)", "0,00"},
        {0.001, "0.000;(0.00);Z", "0,001"},
        {12345, "0.00E+00", "1,23E+04"},
        {0.00012345, "0.00E+00", "1,23E-04"},
        {0.00012345, "0.00E-00", "1,23E-04"},
        {12345, "0.00E-0", "1,23E4"},
        {99999, "0.0E+0", "1,0E+5"},  // carry into the exponent
        {12345, "00.0e+0", "12,3e+3"},
        {0, "0.00E+00", "0,00E+00"},
        {999.995, "#,##0.00", "1.000,00"},  // carry through the grouping
        {1e20, "#,##0", "100.000.000.000.000.000.000"},
        {1.5, "", "1,5"},  // empty pattern: general text form
        {1.5, ";0", "1,5"},
        {std::nan(""), "0.00", "NAN"},
        {-INFINITY, "0.00", "-INF"},
        {7, "x", "x7"},
        {0.25, ".00", ",25"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(F(c.valor, c.formato), QString::fromUtf8(c.esperado))
            << c.formato << " " << c.valor;
}

TEST(Formata, SeparatorsAreTheLiveOnes) {
    {
        ComRegionaisVivas pontoSoVivo(ComPonto());
        EXPECT_EQ(F(1234.5, "#,##0.00"), u"1,234.50");
    }
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(F(1234.5, "#,##0.00"), u"1,234.50");
}

TEST(Formata, PatternLongerThan224IsRefused) {
    EXPECT_EQ(F(1, std::string(224, '0').c_str()).size(), 224);
    try {
        F(1, std::string(225, '0').c_str());
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Mensagem(), u"Format string too long");
    }
    EXPECT_THROW(F(std::nan(""), std::string(225, '#').c_str()), EConvertError);
}

TEST(Formata, ZeroPointAndDecimalsOverload) {
    EXPECT_EQ(TmStr::Formata(0, u"#,##0.00", true), u". ");
    EXPECT_EQ(TmStr::Formata(0, u"#,##0.00", false), u"0,00");
    EXPECT_EQ(TmStr::Formata(1234.5, 2), u"1.234,50");
    EXPECT_EQ(TmStr::Formata(1234.5, 0), u"1.235");
    EXPECT_THROW(TmStr::Formata(1, 300), EConvertError);
}

TEST(Formata, CurrencyIsTakenExactly) {
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(26750), u"0.00", false), u"2,68");
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(26750).ToDouble(), u"0.00", false), u"2,67");
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(-12345678), u"#,##0.00", false), u"-1.234,57");
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(INT64_MIN), u"#,##0.0000", false),
              u"-922.337.203.685.477,5808");
    EXPECT_EQ(TmStr::Formata(Currency(), u"#,##0.00", true), u". ");
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(1), u"0.00;(0.00);-", false), u"-");
    EXPECT_EQ(TmStr::Formata(Currency::FromRaw(12345), u"", false), u"1,2345");
}

TEST(Formata, ExtremeValuesAndOddPatternsStayTotal) {
    const double valores[] = {1.7976931348623157e308, 4.9e-324, -1e300, 0.0, -0.0};
    const char* formatos[] = {
        "#,##0.00", "0.00E+0000", "#", ".",  ",",
        "E+",       "\"",         "'", ";;", "0.0000000000000000000000000000000000"};
    for (double v : valores)
        for (const char* f : formatos) {
            const QString s = F(v, f);
            EXPECT_LT(s.size(), 1000) << f;
        }
    EXPECT_EQ(F(1.7976931348623157e308, "0").size(), 309);
    EXPECT_EQ(F(4.9e-324, "0.00"), u"0,00");
}

// ---- Differential check ----

// Exact decimal expansion of a finite double's magnitude: digits (no leading zeros) and the
// count of integer digits. Built from the binary mantissa and exponent by big decimal arithmetic.
struct Exato {
    std::string digitos;
    int inteiros = 0;
};

void Multiplicar(std::string& n, long long fator) {  // n: decimal digits, most significant first
    long long vaiUm = 0;
    for (auto it = n.rbegin(); it != n.rend(); ++it) {
        const long long p = (*it - '0') * fator + vaiUm;
        *it = char('0' + p % 10);
        vaiUm = p / 10;
    }
    while (vaiUm) {
        n.insert(n.begin(), char('0' + vaiUm % 10));
        vaiUm /= 10;
    }
}

Exato Expandir(double v) {
    int e2 = 0;
    const double m = std::frexp(std::fabs(v), &e2);  // v = m * 2^e2, m in [0.5, 1)
    auto mantissa = static_cast<unsigned long long>(std::ldexp(m, 53));
    e2 -= 53;
    std::string n = std::to_string(mantissa);
    int casas = 0;
    for (; e2 >= 30; e2 -= 30)
        Multiplicar(n, 1LL << 30);
    for (; e2 > 0; --e2)
        Multiplicar(n, 2);
    for (; e2 <= -13; e2 += 13, casas += 13)
        Multiplicar(n, 1220703125LL);  // m/2^k = m*5^k/10^k
    for (; e2 < 0; ++e2, ++casas)
        Multiplicar(n, 5);
    Exato r;
    r.inteiros = int(n.size()) - casas;
    const auto primeiro = n.find_first_not_of('0');
    r.inteiros -= int(primeiro);
    r.digitos = n.substr(primeiro);
    while (!r.digitos.empty() && r.digitos.back() == '0')
        r.digitos.pop_back();
    return r;
}

// Rounds to `manter` digits: ties to even when `metadeParaPar`, else half away from zero.
void Arredondar(Exato& x, int manter, bool metadeParaPar) {
    if (manter >= int(x.digitos.size()))
        return;
    if (manter < 0) {
        x = Exato{};
        return;
    }
    const char d = x.digitos[std::size_t(manter)];
    const bool restoNaoNulo =
        x.digitos.find_first_not_of('0', std::size_t(manter) + 1) != std::string::npos;
    bool sobe =
        d > '5' || (d == '5' && (!metadeParaPar || restoNaoNulo ||
                                 (manter > 0 && (x.digitos[std::size_t(manter) - 1] - '0') % 2)));
    x.digitos.resize(std::size_t(manter));
    std::string n = "0" + x.digitos;
    if (sobe) {
        int i = int(n.size()) - 1;
        while (n[std::size_t(i)] == '9')
            n[std::size_t(i--)] = '0';
        ++n[std::size_t(i)];
    }
    if (n[0] == '1')
        ++x.inteiros;
    else
        n.erase(0, 1);
    while (!n.empty() && n.back() == '0')
        n.pop_back();
    x.digitos = n;
    if (x.digitos.empty())
        x = Exato{};
}

// Reference for the patterns «[#,##]0...[.0...#...]»: written from scratch.
std::string Referencia(double v, int minInteiros, bool agrupar, int minCasas, int maxCasas) {
    Exato x = Expandir(v);
    if (v != 0)
        Arredondar(x, 18, true);
    if (v != 0)
        Arredondar(x, x.inteiros + maxCasas, false);
    auto digito = [&](int i) {
        return i >= 0 && i < int(x.digitos.size()) ? x.digitos[std::size_t(i)] : '0';
    };
    std::string inteiro;
    for (int i = 0; i < x.inteiros; ++i)
        inteiro += digito(i);
    while (int(inteiro.size()) < minInteiros)
        inteiro.insert(inteiro.begin(), '0');
    if (agrupar)
        for (int p = int(inteiro.size()) - 3; p > 0; p -= 3)
            inteiro.insert(std::size_t(p), ".");
    std::string casas;
    for (int j = 0; j < maxCasas; ++j)
        casas += digito(x.inteiros + j);
    while (int(casas.size()) > minCasas && casas.back() == '0')
        casas.pop_back();
    std::string r = (v < 0 && !x.digitos.empty() ? "-" : "") + inteiro;
    if (!casas.empty())
        r += "," + casas;
    return r;
}

TEST(Formata, AgreesWithExactDecimalArithmetic) {
    struct Padrao {
        const char* formato;
        int minInteiros;
        bool agrupar;
        int minCasas, maxCasas;
    };
    const Padrao padroes[] = {
        {"0", 1, false, 0, 0},
        {"0.00", 1, false, 2, 2},
        {"#,##0.00", 1, true, 2, 2},
        {"#,##0.###", 1, true, 0, 3},
        {"#.##", 0, false, 0, 2},
        {"000000.0", 6, false, 1, 1},
        {"#,##0.0000", 1, true, 4, 4},
        {"0.00000000000000##", 1, false, 14, 16},
        {"#,###", 0, true, 0, 0},
        {"0.000000", 1, false, 6, 6},
        {"#,##0.0000000000", 1, true, 10, 10},
    };
    std::mt19937_64 gerador(20261210);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> expoente(-9, 19);
    std::uniform_int_distribution<long long> milesimos(-100000000, 100000000);
    int divergencias = 0;
    for (int i = 0; i < 60000; ++i) {
        double v;
        switch (i % 5) {
            case 0:
                v = mantissa(gerador) * std::pow(10.0, expoente(gerador));
                break;
            case 1:  // near ties such as x,xx5
                v = double(milesimos(gerador)) / 1000;
                break;
            case 2:  // exact binary ties
                v = double(milesimos(gerador)) / 8000;
                break;
            case 3:  // one step either side of a decimal tie
                v = std::nextafter(double(milesimos(gerador)) / 1000, i % 2 ? 1e300 : -1e300);
                break;
            default:  // large amounts with many decimals
                v = double(milesimos(gerador)) * 1e6 + double(milesimos(gerador)) / 1e7;
                break;
        }
        if (i % 2)
            v = -v;
        const Padrao& p = padroes[i % std::size(padroes)];
        const std::string esperado =
            Referencia(v, p.minInteiros, p.agrupar, p.minCasas, p.maxCasas);
        const QString obtido = F(v, p.formato);
        if (obtido.toStdString() != esperado && ++divergencias <= 10)
            ADD_FAILURE() << p.formato << " " << v << ": " << obtido.toStdString() << " vs "
                          << esperado;
    }
    EXPECT_EQ(divergencias, 0);
}

}  // namespace
