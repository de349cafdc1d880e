#include <gtest/gtest.h>

#include <cmath>

#include "base/Currency.h"

TEST(CurrencyTipo, ExactArithmeticAndTiesToEven) {
    EXPECT_EQ(Currency::FromDouble(0.03125).Raw(), 312);  // exact ties go to the even neighbour
    EXPECT_EQ(Currency::FromDouble(0.09375).Raw(), 938);
    EXPECT_EQ(Currency::FromDouble(-1.5).Raw(), -15000);
    EXPECT_EQ(Currency::FromDouble(1e300).Raw(), INT64_MAX);
    EXPECT_EQ(Currency::FromDouble(std::nan("")).Raw(), 0);
    const Currency a = Currency::FromRaw(21900), b = Currency::FromRaw(20000);
    EXPECT_EQ((a * b).Raw(), 43800);
    EXPECT_EQ((Currency::FromRaw(5) * Currency::FromRaw(5000)).Raw(), 2);  // 2.5 -> 2
    EXPECT_EQ((Currency::FromRaw(7) * Currency::FromRaw(5000)).Raw(), 4);  // 3.5 -> 4
    EXPECT_EQ((Currency::FromRaw(1) + Currency::FromRaw(2) - Currency::FromRaw(4)).Raw(), -1);
}

// Amounts from outside may lie anywhere in the range: arithmetic stops at the range's ends.
TEST(CurrencyTipo, ArithmeticSaturatesAtTheEndsOfTheRange) {
    const Currency maximo = Currency::FromRaw(INT64_MAX), minimo = Currency::FromRaw(INT64_MIN);
    const Currency um = Currency::FromRaw(1);
    const struct {
        const char* operacao;
        Currency obtido, esperado;
    } casos[] = {
        {"-minimo", -minimo, maximo},
        {"-maximo", -maximo, Currency::FromRaw(INT64_MIN + 1)},
        {"maximo + 1", maximo + um, maximo},
        {"minimo + -1", minimo + -um, minimo},
        {"minimo + maximo", minimo + maximo, Currency::FromRaw(-1)},
        {"minimo - 1", minimo - um, minimo},
        {"maximo - -1", maximo - -um, maximo},
        {"0 - minimo", Currency() - minimo, maximo},
        {"maximo * 2", maximo * Currency::FromInt(2), maximo},
        {"minimo * 2", minimo * Currency::FromInt(2), minimo},
        {"maximo * -2", maximo * Currency::FromInt(-2), minimo},
        {"FromInt(2^62)", Currency::FromInt(INT64_C(1) << 62), maximo},
        {"FromInt(-2^62)", Currency::FromInt(-(INT64_C(1) << 62)), minimo},
        {"maximo += 1", Currency(maximo) += um, maximo},
        {"minimo -= 1", Currency(minimo) -= um, minimo},
    };
    for (const auto& c : casos)
        EXPECT_EQ(c.obtido.Raw(), c.esperado.Raw()) << c.operacao;
    EXPECT_EQ(Currency::Maximo(), maximo);
    EXPECT_EQ(Currency::Minimo(), minimo);
}
