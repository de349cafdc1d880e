// The process list: counting the processes of one name through /proc in the program, beside
// pgrep -c doing the same count as a program of its own (started, run, read).
#include <benchmark/benchmark.h>

#include <QProcess>

#include "sistema/processos/Processos.h"

namespace {

void ContarProcessos(benchmark::State& estado) {
    for (auto _ : estado)
        benchmark::DoNotOptimize(TmFile::GetNumeroProcessos(QStringLiteral("sh")));
}
BENCHMARK(ContarProcessos)->UseRealTime();

void ContarProcessos_PgrepC(benchmark::State& estado) {
    for (auto _ : estado) {
        QProcess pgrep;
        pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-c"), QStringLiteral("sh")});
        pgrep.waitForFinished();
        benchmark::DoNotOptimize(pgrep.readAllStandardOutput());
    }
}
BENCHMARK(ContarProcessos_PgrepC)->UseRealTime();

}  // namespace
