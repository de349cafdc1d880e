// Rounding currency amounts half away from zero at the cent, beside the usual floating-point
// shortcut on the same amounts: llround of the amount scaled to cents (which gets some ties
// wrong, 0.265 among them, and is here only as the measure of speed).

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "base/Currency.h"
#include "sistema/arredondamento/TmConvArredonda.h"

namespace {

// Amounts of every kind of cent fraction, ties included, both signs.
const std::vector<Currency> kValores = [] {
    std::vector<Currency> valores;
    for (std::int64_t bruto = -2500000; bruto <= 2500000; bruto += 4999)
        valores.push_back(Currency::FromRaw(bruto));
    return valores;
}();

template <typename Funcao>
void Percorrer(benchmark::State& state, Funcao&& funcao) {
    for (auto _ : state) {
        for (const Currency valor : kValores)
            benchmark::DoNotOptimize(funcao(valor));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(kValores.size()));
}

void ArredondaSimples(benchmark::State& state) {
    Percorrer(state, [](Currency valor) { return TmConv::ArredondaSimples(valor); });
}

void ArredondaSimples_Llround(benchmark::State& state) {
    Percorrer(state, [](Currency valor) {
        return Currency::FromRaw(std::llround(valor.ToDouble() * 100) * 100);
    });
}

}  // namespace

BENCHMARK(ArredondaSimples);
BENCHMARK(ArredondaSimples_Llround);
