// The national holidays of every day of a century beside the cheapest calendar question Qt
// answers about the same days, the day of the week.

#include <benchmark/benchmark.h>

#include <QDate>

#include "sistema/datas/TmDtFeriados.h"

namespace {

const QDate kInicio(2000, 1, 1);
const QDate kFim(2099, 12, 31);

void IsFeriadoSeculo(benchmark::State& state) {
    const TDateTime de = DataHora::FromQDate(kInicio), ate = DataHora::FromQDate(kFim);
    for (auto _ : state) {
        int feriados = 0;
        for (TDateTime dia = de; dia <= ate; dia += 1)
            feriados += TmDt::IsFeriado(dia);
        benchmark::DoNotOptimize(feriados);
    }
}
void IsFeriadoSeculo_QDateDayOfWeek(benchmark::State& state) {
    for (auto _ : state) {
        int domingos = 0;
        for (QDate dia = kInicio; dia <= kFim; dia = dia.addDays(1))
            domingos += dia.dayOfWeek() == Qt::Sunday;
        benchmark::DoNotOptimize(domingos);
    }
}

}  // namespace

BENCHMARK(IsFeriadoSeculo);
BENCHMARK(IsFeriadoSeculo_QDateDayOfWeek);
