#include "sistema/valores/TmRotParcelas.h"

#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kCentavo = Currency::Escala / 100;  // ten-thousandths in a cent

Currency Saturar(__int128 raw) {
    constexpr std::int64_t kMenor = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t kMaior = std::numeric_limits<std::int64_t>::max();
    return Currency::FromRaw(raw < kMenor ? kMenor : raw > kMaior ? kMaior : std::int64_t(raw));
}

// numerador / denominador ten-thousandths cut toward zero to whole cents.
Currency CortarCentavos(__int128 numerador, __int128 denominador) {
    if (denominador < 0) {
        numerador = -numerador;
        denominador = -denominador;
    }
    return Saturar(numerador / (denominador * kCentavo) * kCentavo);
}

}  // namespace

namespace TmRot {

Currency GetValorParcela(Currency adValorTotal, int aiQtdParcelas, int aiNrParcela,
                         bool abAdicionarDifAoFinal) {
    if (aiQtdParcelas < 1)
        throw ECalculoInvalido(
            QStringLiteral("Informe a quantidade de parcelas para calcular o valor de cada uma!"));
    if (aiNrParcela < 1 || aiNrParcela > aiQtdParcelas)
        throw ECalculoInvalido(QStringLiteral("Número da parcela %1 inválido!Informe um número "
                                              "maior que 0 e menor que o total de parcelas(%2)!")
                                   .arg(aiNrParcela)
                                   .arg(aiQtdParcelas));
    const Currency base = CortarCentavos(adValorTotal.Raw(), aiQtdParcelas);
    const int parcelaDaDiferenca = abAdicionarDifAoFinal ? aiQtdParcelas : 1;
    if (aiNrParcela != parcelaDaDiferenca)
        return base;
    // |count × base| never exceeds |total|, so the difference is exact in 64 bits.
    return adValorTotal - Currency::FromRaw(base.Raw() * aiQtdParcelas) + base;
}

Currency GetValorRateioItem(Currency adValorTotal, Currency adValorTotalItem,
                            Currency adValorTotalRatear, Currency adTotalAcumuladoRateiro,
                            bool abIsUtilmoItem) {
    if (adValorTotal.Raw() == 0)
        throw ECalculoInvalido(
            QStringLiteral("Informe o valor total do documento para poder calcular o rateio!"));
    if (adValorTotalRatear.Raw() == 0)
        throw ECalculoInvalido(QStringLiteral("Informe o valor total a ser rateado!"));
    if (abIsUtilmoItem)
        return Saturar(__int128{adValorTotalRatear.Raw()} - adTotalAcumuladoRateiro.Raw());
    return CortarCentavos(__int128{adValorTotalRatear.Raw()} * adValorTotalItem.Raw(),
                          adValorTotal.Raw());
}

double CubagemM3(double lVL_ALTURA, double lVL_LARGURA, double lVL_PROFUNDIDADE) {
    return (lVL_ALTURA / 100) * (lVL_LARGURA / 100) * (lVL_PROFUNDIDADE / 100);
}

}  // namespace TmRot
