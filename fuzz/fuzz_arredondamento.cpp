// The rounding, comparison and integer routines on any double (NaN, infinities, subnormals),
// any count of decimals and any currency amount. Besides the sanitizers' checks: a cut never
// grows the written value nor changes its sign; a rounding stays within its unit of the value;
// a currency amount rounds to a multiple of its unit no further than half a unit away (or to the
// largest such multiple in the range); the integer routines raise their documented errors
// exactly when due and give the remainder and the bits they promise.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "Exigir.h"
#include "base/EConvertError.h"
#include "base/ErrosAritmeticos.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

void VerificarCorte(double valor, int decimais) {
    const double cortado = TmConv::Trunca(valor, decimais);
    if (!std::isfinite(valor))
        return Exigir(std::isnan(valor) ? std::isnan(cortado) : cortado == valor);
    // The written value has 15 significant digits: at most half a unit of the 15th above.
    Exigir(std::fabs(cortado) <= std::fabs(valor) * (1 + 1e-14));
    Exigir(cortado == 0 || std::signbit(cortado) == std::signbit(valor));
}

// Moderate finite values: a rounding lands within half a unit of its last decimal, a cut and
// round within a unit, the five rule within a unit of its last kept decimal (its six written
// decimals rounded half away from zero first), up to the double's own error.
void VerificarArredondamentos(double valor, int decimais, double outro) {
    const double arredondado = TmConv::Arredonda(valor, decimais);
    const double cortadoArredondado = TmConv::TruncaArredonda(valor, decimais);
    const double aritmetico = TmConv::ArredondaAritmetica(valor, decimais, true);
    const double aritmeticoCortado = TmConv::ArredondaAritmetica(valor, decimais, false);
    TmConv::ConfereBugZero(valor);
    const bool maior = TmConv::FloatMaior(valor, outro, decimais);
    const bool menor = TmConv::FloatMenor(valor, outro, decimais);
    Exigir(!(maior && menor));
    TmConv::FloatIgual(valor, outro, decimais, outro);
    Exigir(std::isfinite(TmConv::Divide(valor, outro)));
    TmConv::CalcCubaM(valor, outro, valor);
    if (!std::isfinite(valor) || std::fabs(valor) >= 1e9)
        return;
    Exigir(TmConv::FloatIgual(valor, valor, decimais, 0));
    const int casas = std::clamp(decimais, 0, 15);
    const double unidade = std::pow(10.0, -casas);
    // The binary rounding errs by the double's precision; the routines that go through the
    // written form by half a unit of its 15th significant digit too.
    const double erroBinario = std::fabs(valor) * 1e-15;
    const double erroEscrito = std::fabs(valor) * 1e-14;
    Exigir(std::fabs(arredondado - valor) <= unidade / 2 * (1 + 1e-9) + erroBinario);
    Exigir(std::fabs(cortadoArredondado - valor) <= unidade + erroEscrito);
    if (decimais >= 0 && decimais <= 6) {
        Exigir(std::fabs(aritmetico - valor) <= unidade + 0.5e-6 + erroEscrito);
        Exigir(std::fabs(aritmeticoCortado - valor) <= unidade + 0.5e-6 + erroEscrito);
    }
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

// Runs funcao, which may raise only the error E, and exactly when devido: true when it raised.
template <typename E, typename Funcao>
bool SoErroDevido(bool devido, Funcao&& funcao) {
    try {
        funcao();
    } catch (const E&) {
        Exigir(devido);
        return true;
    }
    Exigir(!devido);
    return false;
}

// A zero Valor raises only when the division is reached: Multiplo not 0, not below Valor, and
// not 1 in the overloads with an Integer.
template <typename V, typename M>
void VerificarMultiplo(V valor, M multiplo) {
    constexpr bool umNaoE = std::is_integral_v<V> || std::is_integral_v<M>;
    const long double v = valor, m = multiplo;
    const bool chegaADivisao = m != 0 && !(m < v) && !(umNaoE && m == 1);
    SoErroDevido<EDivByZero>(chegaADivisao && v == 0, [&] { TmConv::IsMultiplo(valor, multiplo); });
}

// The remainder of the whole parts, with the dividend's sign; a zero whole divisor raises
// EDivByZero, a remainder beyond 32 bits EIntOverflow, nothing else raises.
void VerificarResto(std::int64_t a, std::int64_t b) {
    const std::int64_t dividendo = a / Currency::Escala, divisor = b / Currency::Escala;
    const std::int64_t esperado = divisor == 0 ? 0 : dividendo % divisor;
    const bool estoura = esperado < INT32_MIN || esperado > INT32_MAX;
    try {
        Exigir(TmConv::RestoInt(Currency::FromRaw(a), Currency::FromRaw(b)) == esperado);
        Exigir(divisor != 0 && !estoura);
    } catch (const EDivByZero&) {
        Exigir(divisor == 0);
    } catch (const EIntOverflow&) {
        Exigir(divisor != 0 && estoura);
    }
}

// Bit 0 last; the bits above 31 repeat the sign bit. Widths beyond the column limit raise.
void VerificarBinario(int valor, int digitos) {
    QString texto;
    SoErroDevido<EConvertError>(digitos >= TmStr::kLarguraMaxima,
                                [&] { texto = TmConv::IntToBin(valor, digitos); });
    if (digitos < 0 || digitos >= TmStr::kLarguraMaxima)
        return Exigir(texto.isEmpty());
    Exigir(texto.size() == qsizetype(digitos) + 1);
    for (int bit = 0; bit <= digitos; bit += bit < 40 ? 1 : 997)
        Exigir(texto[digitos - bit] ==
               QLatin1Char('0' + ((std::uint32_t(valor) >> std::min(bit, 31)) & 1)));
}

void VerificarInteiros(std::int64_t a, std::int64_t b, int i, int j, double valor) {
    VerificarResto(a, b);
    VerificarMultiplo(i, j);
    VerificarMultiplo(valor, j);
    VerificarMultiplo(i, valor);
    VerificarMultiplo(valor, valor * j);
    // Mostly short texts; now and then widths from the column limit on, which raise.
    VerificarBinario(i, j % 64 == 0 ? TmStr::kLarguraMaxima + (j / 64 & 0xFF) : j % 4096);
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
