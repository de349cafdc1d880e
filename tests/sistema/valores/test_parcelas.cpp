// Instalments and apportionment on exact currency: the worked examples, the errors, and
// hundreds of thousands of generated cases checked against the defining inequalities of a cut
// to whole cents, in 128-bit arithmetic of the test's own.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>

#include "sistema/valores/TmRotParcelas.h"

namespace {

constexpr std::int64_t kCentavo = 100;  // ten-thousandths

Currency Reais(double valor) {
    return Currency::FromDouble(valor);
}

QString MensagemDe(const std::function<void()>& calculo) {
    try {
        calculo();
    } catch (const ECalculoInvalido& e) {
        return e.Mensagem();
    }
    return QStringLiteral("no error");
}

TEST(GetValorParcela, WorkedExamples) {
    struct Caso {
        double total;
        int quantidade;
        bool difAoFinal;
        std::vector<double> parcelas;
    };
    const Caso casos[] = {
        {100.00, 3, false, {33.34, 33.33, 33.33}},
        {100.00, 3, true, {33.33, 33.33, 33.34}},
        {10.00, 4, false, {2.50, 2.50, 2.50, 2.50}},
        {0.05, 3, false, {0.03, 0.01, 0.01}},
        {0.05, 3, true, {0.01, 0.01, 0.03}},
        {0.02, 3, false, {0.02, 0.00, 0.00}},
        {-100.00, 3, false, {-33.34, -33.33, -33.33}},
        {10.0050, 2, true, {5.00, 5.0050}},  // the digits below a cent stay in the difference
        {7.77, 1, false, {7.77}},
    };
    for (const Caso& c : casos) {
        for (int n = 1; n <= c.quantidade; ++n)
            EXPECT_EQ(TmRot::GetValorParcela(Reais(c.total), c.quantidade, n, c.difAoFinal),
                      Reais(c.parcelas[n - 1]))
                << c.total << " in " << c.quantidade << ", instalment " << n;
    }
}

TEST(GetValorParcela, RefusesCountsAndNumbersOutsideTheInstalments) {
    const QString semParcelas =
        QStringLiteral("Informe a quantidade de parcelas para calcular o valor de cada uma!");
    EXPECT_EQ(MensagemDe([] { TmRot::GetValorParcela(Reais(10), 0, 1, false); }), semParcelas);
    EXPECT_EQ(MensagemDe([] { TmRot::GetValorParcela(Reais(10), -2, 1, false); }), semParcelas);
    EXPECT_EQ(MensagemDe([] { TmRot::GetValorParcela(Reais(10), 3, 4, false); }),
              QStringLiteral("Número da parcela 4 inválido!Informe um número maior que 0 e menor "
                             "que o total de parcelas(3)!"));
    EXPECT_EQ(MensagemDe([] { TmRot::GetValorParcela(Reais(10), 3, 0, true); }),
              QStringLiteral("Número da parcela 0 inválido!Informe um número maior que 0 e menor "
                             "que o total de parcelas(3)!"));
}

// b is total / count cut toward zero to whole cents: a multiple of a cent, no farther from
// zero than the exact quotient, and less than a cent nearer to zero than it.
void ConfereCorte(std::int64_t parte, __int128 numerador, __int128 denominador) {
    if (denominador < 0) {
        numerador = -numerador;
        denominador = -denominador;
    }
    ASSERT_EQ(parte % kCentavo, 0);
    const __int128 a = parte < 0 ? -__int128{parte} : parte;
    const __int128 n = numerador < 0 ? -numerador : numerador;
    ASSERT_TRUE(parte == 0 || (parte < 0) == (numerador < 0));
    ASSERT_LE(a * denominador, n);
    ASSERT_GT((a + kCentavo) * denominador, n);
}

TEST(GetValorParcela, GeneratedTotalsAddUpAndCutEachInstalment) {
    std::mt19937_64 gerador(20240601);
    std::uniform_int_distribution<int> quantidades(1, 36), escalas(0, 3);
    const std::int64_t limites[] = {1000, 10'000'000, 1'000'000'000'000, INT64_MAX / 2};
    for (int i = 0; i < 300'000; ++i) {
        const std::int64_t limite = limites[escalas(gerador)];
        const Currency total = Currency::FromRaw(
            std::uniform_int_distribution<std::int64_t>(-limite, limite)(gerador));
        const int quantidade = quantidades(gerador);
        const bool difAoFinal = i % 2 == 0;
        const int comDiferenca = difAoFinal ? quantidade : 1;
        const std::int64_t base =
            TmRot::GetValorParcela(total, quantidade, comDiferenca == 1 ? quantidade : 1,
                                   difAoFinal)
                .Raw();
        if (quantidade > 1) {
            ASSERT_NO_FATAL_FAILURE(ConfereCorte(base, total.Raw(), quantidade));
        }
        __int128 soma = 0;
        for (int n = 1; n <= quantidade; ++n) {
            const std::int64_t parcela =
                TmRot::GetValorParcela(total, quantidade, n, difAoFinal).Raw();
            soma += parcela;
            if (n != comDiferenca) {
                ASSERT_EQ(parcela, base) << "instalment " << n;
            }
        }
        ASSERT_TRUE(soma == total.Raw()) << total.Raw() << " in " << quantidade;
    }
}

TEST(GetValorRateioItem, WorkedExamplesAndErrors) {
    const Currency total = Reais(1000), ratear = Reais(10);
    EXPECT_EQ(TmRot::GetValorRateioItem(total, Reais(300), ratear, Currency(), false), Reais(3));
    EXPECT_EQ(TmRot::GetValorRateioItem(total, Reais(300), ratear, Reais(3), false), Reais(3));
    EXPECT_EQ(TmRot::GetValorRateioItem(total, Reais(400), ratear, Reais(6), true), Reais(4));
    // A third of 10,00 is cut; the rest goes to the last item only.
    const Currency terco = Reais(1000.0 / 3);
    EXPECT_EQ(TmRot::GetValorRateioItem(total, terco, ratear, Currency(), false), Reais(3.33));
    EXPECT_EQ(TmRot::GetValorRateioItem(total, terco, ratear, Reais(3.33), false), Reais(3.33));
    EXPECT_EQ(TmRot::GetValorRateioItem(total, terco, ratear, Reais(6.66), true), Reais(3.34));

    EXPECT_EQ(MensagemDe([] { TmRot::GetValorRateioItem({}, Reais(1), Reais(1), {}, false); }),
              QStringLiteral("Informe o valor total do documento para poder calcular o rateio!"));
    EXPECT_EQ(MensagemDe([] { TmRot::GetValorRateioItem(Reais(1), Reais(1), {}, {}, true); }),
              QStringLiteral("Informe o valor total a ser rateado!"));
    // A share beyond the currency's range saturates instead of wrapping around.
    const Currency maior = Currency::FromRaw(INT64_MAX);
    EXPECT_EQ(TmRot::GetValorRateioItem(Currency::FromRaw(1), maior, maior, {}, false), maior);
    EXPECT_EQ(TmRot::GetValorRateioItem(Currency::FromRaw(-1), maior, maior, {}, false),
              -maior - Currency::FromRaw(1));
    EXPECT_EQ(TmRot::GetValorRateioItem(Reais(1), Reais(1), maior, -maior, true), maior);
}

TEST(GetValorRateioItem, GeneratedDocumentsSpreadExactly) {
    std::mt19937_64 gerador(7031);
    std::uniform_int_distribution<int> quantidades(1, 20);
    std::uniform_int_distribution<std::int64_t> itens(1, 10'000'000'000),
        ratear(-1'000'000'000, 1'000'000'000);
    for (int documento = 0; documento < 100'000; ++documento) {
        std::vector<std::int64_t> valores(quantidades(gerador));
        std::int64_t total = 0;
        for (auto& v : valores)
            total += v = itens(gerador);
        std::int64_t aRatear = ratear(gerador);
        if (aRatear == 0)
            aRatear = 1;
        std::int64_t acumulado = 0;
        for (size_t i = 0; i < valores.size(); ++i) {
            const bool ultimo = i + 1 == valores.size();
            const std::int64_t parte =
                TmRot::GetValorRateioItem(Currency::FromRaw(total), Currency::FromRaw(valores[i]),
                                          Currency::FromRaw(aRatear), Currency::FromRaw(acumulado),
                                          ultimo)
                    .Raw();
            const __int128 exato = __int128{aRatear} * valores[i];  // share × total
            if (ultimo) {
                // The rest: the exact share plus what the cuts before it left, less than a
                // cent per earlier item, on the side of the amount spread.
                const __int128 excesso = (__int128{parte} * total - exato) * (aRatear < 0 ? -1 : 1);
                ASSERT_GE(excesso, 0);
                ASSERT_LT(excesso, __int128{kCentavo} * total * std::max<size_t>(i, 1));
            } else {
                ASSERT_NO_FATAL_FAILURE(ConfereCorte(parte, exato, total));
            }
            acumulado += parte;
        }
        ASSERT_EQ(acumulado, aRatear) << "document " << documento;
    }
}

TEST(CubagemM3, CentimetresToCubicMetres) {
    EXPECT_DOUBLE_EQ(TmRot::CubagemM3(100, 100, 100), 1.0);
    EXPECT_DOUBLE_EQ(TmRot::CubagemM3(50, 40, 30), 0.06);
    EXPECT_EQ(TmRot::CubagemM3(0, 40, 30), 0.0);
}

}  // namespace
