// Opening a 10 000-line settings file and reading 20 typed values, with TmConfig and with
// QSettings in INI format on the same file: in a loop of one process, with new contents every
// iteration (each reader's caches defeated, its code and memory warm) and with the unchanged file
// (each reader's cache); and the first opening in a fresh process (primeira_abertura_config),
// where nothing is warm.

#include <benchmark/benchmark.h>

#include <QProcess>
#include <chrono>

#include "ArquivoConfig.h"

namespace {

using ArquivoConfig::ArquivoGrande;

template <typename Ler>
void AbrirELer(benchmark::State& state, bool renovar, Ler&& ler) {
    ArquivoGrande arquivo;
    for (auto _ : state) {
        if (renovar) {
            state.PauseTiming();
            arquivo.Renovar();
            state.ResumeTiming();
        }
        ler(arquivo.Caminho());
    }
}

// Each iteration: new contents, then a fresh process that times its own first opening.
void PrimeiraAbertura(benchmark::State& state, const char* leitor) {
    ArquivoGrande arquivo;
    for (auto _ : state) {
        arquivo.Renovar();
        QProcess processo;
        processo.start(QStringLiteral(PRIMEIRA_ABERTURA_CONFIG),
                       {arquivo.Caminho(), QString::fromLatin1(leitor)});
        bool lido = false;
        const qlonglong ns = processo.waitForFinished(60'000) && processo.exitCode() == 0
                                 ? processo.readAllStandardOutput().trimmed().toLongLong(&lido)
                                 : 0;
        if (!lido) {
            state.SkipWithError("the first-opening helper gave no time");
            return;
        }
        state.SetIterationTime(double(ns) / 1e9);
    }
}

void TmConfigAbrirELer(benchmark::State& state) {
    AbrirELer(state, true, ArquivoConfig::LerTmConfig);
}
void TmConfigAbrirELer_QSettingsIni(benchmark::State& state) {
    AbrirELer(state, true, ArquivoConfig::LerQSettings);
}
void TmConfigReabrirELer(benchmark::State& state) {
    AbrirELer(state, false, ArquivoConfig::LerTmConfig);
}
void TmConfigReabrirELer_QSettingsIni(benchmark::State& state) {
    AbrirELer(state, false, ArquivoConfig::LerQSettings);
}
void TmConfigPrimeiraAbertura(benchmark::State& state) {
    PrimeiraAbertura(state, "tmconfig");
}
void TmConfigPrimeiraAbertura_QSettingsIni(benchmark::State& state) {
    PrimeiraAbertura(state, "qsettings");
}

}  // namespace

BENCHMARK(TmConfigAbrirELer)->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigAbrirELer_QSettingsIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigReabrirELer)->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigReabrirELer_QSettingsIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigPrimeiraAbertura)->Iterations(30)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigPrimeiraAbertura_QSettingsIni)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
