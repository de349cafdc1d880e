// The rounding, comparison and integer routines on any double (NaN, infinities, subnormals),
// any count of decimals and any currency amount. Besides the sanitizers' checks: a cut never
// grows the written value nor changes its sign, and a currency amount rounds to a multiple of
// its unit no further than half a unit away (or to the largest such multiple in the range).
#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/EConvertError.h"
#include "base/ErrosAritmeticos.h"
#include "sistema/arredondamento/TmConvArredonda.h"

namespace {

void VerificarCorte(double valor, int decimais) {
    const double cortado = TmConv::Trunca(valor, decimais);
    if (!std::isfinite(valor))
        return Exigir(std::isnan(valor) ? std::isnan(cortado) : cortado == valor);
    // The written value has 15 significant digits: at most half a unit of the 15th above.
    Exigir(std::fabs(cortado) <= std::fabs(valor) * (1 + 1e-14));
    Exigir(cortado == 0 || std::signbit(cortado) == std::signbit(valor));
}

void VerificarArredondamentos(double valor, int decimais, double outro) {
    TmConv::Arredonda(valor, decimais);
    TmConv::TruncaArredonda(valor, decimais);
    TmConv::ArredondaAritmetica(valor, decimais, true);
    TmConv::ArredondaAritmetica(valor, decimais, false);
    TmConv::ConfereBugZero(valor);
    TmConv::FloatIgual(valor, outro, decimais, outro);
    TmConv::FloatMaior(valor, outro, decimais);
    TmConv::FloatMenor(valor, outro, decimais);
    Exigir(std::isfinite(TmConv::Divide(valor, outro)));
    TmConv::CalcCubaM(valor, outro, valor);
}

void VerificarMoeda(std::int64_t bruto, int casas) {
    const Currency valor = Currency::FromRaw(bruto);
    const Currency arredondado = TmConv::ArredondaSimples(valor, casas);
    TmConv::ArredondaSimples(valor);
    TmConv::ArredondaSimplesQtd(valor);
    TmConv::FormatCurrencyToCompare(valor);
    if (casas >= 4 || casas < -14)
        return;
    std::int64_t unidade = 1;
    for (int i = casas; i < 4; ++i)
        unidade *= 10;
    const __int128 diferenca = __int128(arredondado.Raw()) - bruto;
    const __int128 distancia = diferenca < 0 ? -diferenca : diferenca;
    // Saturated: the nearer multiple, one unit further from zero, is beyond the range.
    const __int128 alem = __int128(arredondado.Raw()) + (diferenca < 0 ? unidade : -unidade);
    const bool foraDaFaixa = alem > INT64_MAX || alem < INT64_MIN;
    Exigir(arredondado.Raw() % unidade == 0);
    Exigir(2 * distancia <= unidade || (distancia < unidade && foraDaFaixa));
}

template <typename Funcao>
void SemTravar(Funcao&& funcao) {
    try {
        funcao();
    } catch (const EIntError&) {
    } catch (const EConvertError&) {
    }
}

void VerificarInteiros(std::int64_t a, std::int64_t b, int i, int j, double valor) {
    SemTravar([&] { TmConv::RestoInt(Currency::FromRaw(a), Currency::FromRaw(b)); });
    SemTravar([&] { TmConv::IsMultiplo(i, j); });
    SemTravar([&] { TmConv::IsMultiplo(valor, j); });
    SemTravar([&] { TmConv::IsMultiplo(i, valor); });
    SemTravar([&] { TmConv::IsMultiplo(valor, valor * j); });
    SemTravar([&] { TmConv::IntToBin(i, j % 4096); });
}

}  // namespace

// Input: two doubles' 64 bits, a count of decimals (small ones more often), two raw amounts and
// two integers.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider dados(data, size);
    const double valor = std::bit_cast<double>(dados.ConsumeIntegral<std::uint64_t>());
    const double outro = std::bit_cast<double>(dados.ConsumeIntegral<std::uint64_t>());
    const int decimais =
        dados.ConsumeBool() ? dados.ConsumeIntegralInRange(-2, 20) : dados.ConsumeIntegral<int>();
    const auto bruto = dados.ConsumeIntegral<std::int64_t>();
    const auto divisor = dados.ConsumeIntegral<std::int64_t>();
    const int i = dados.ConsumeIntegral<int>();
    const int j = dados.ConsumeIntegral<int>();

    VerificarCorte(valor, decimais);
    VerificarArredondamentos(valor, decimais, outro);
    VerificarMoeda(bruto, decimais);
    VerificarInteiros(bruto, divisor, i, j, valor);
    return 0;
}
