// Amounts in words beside Qt's formatting of the same amounts in figures, the nearest job the
// platform does.

#include <benchmark/benchmark.h>

#include <QLocale>
#include <vector>

#include "sistema/extenso/TmStrExtenso.h"

namespace {

// Amounts of a shop's cheques and receipts, from cents to millions.
const std::vector<Currency> kValores = {
    Currency::FromRaw(12345600),   Currency::FromRaw(219000),      Currency::FromRaw(500),
    Currency::FromRaw(438000),     Currency::FromRaw(12345678900), Currency::FromRaw(10000),
    Currency::FromRaw(1001000000), Currency::FromRaw(99999999900)};

void Extenso(benchmark::State& state) {
    for (auto _ : state) {
        for (const Currency v : kValores)
            benchmark::DoNotOptimize(
                TmStr::Extenso(v, QStringLiteral("Real"), QStringLiteral("Reais"),
                               QStringLiteral("Centavo"), QStringLiteral("Centavos")));
    }
}
void Extenso_QLocaleToString(benchmark::State& state) {
    const QLocale brasil(QLocale::Portuguese, QLocale::Brazil);
    for (auto _ : state) {
        for (const Currency v : kValores)
            benchmark::DoNotOptimize(brasil.toString(v.ToDouble(), 'f', 2));
    }
}

}  // namespace

BENCHMARK(Extenso);
BENCHMARK(Extenso_QLocaleToString);
