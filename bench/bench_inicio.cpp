// Start-up of the display program: from its launch until its command channel takes a
// connection, the program linked to the library's shared libraries (the packaged one) beside the
// same program linked to the static archives. Each iteration is a fresh process on Qt's offscreen
// platform, with drive C at a temporary folder whose settings file names a free port.

#include <benchmark/benchmark.h>

#include <QProcess>
#include <QThread>

#include <chrono>

#include "ConexaoLoopback.h"
#include "DisplayIsolado.h"

namespace {

void Inicio(benchmark::State& state, const char* programa) {
    const TDisplayIsolado isolado;
    if (!isolado.pronto) {
        state.SkipWithError("cannot write the settings file");
        return;
    }

    for (auto _ : state) {
        QProcess display;
        display.setProcessEnvironment(isolado.ambiente);
        const auto inicio = std::chrono::steady_clock::now();
        display.start(QString::fromUtf8(programa), {});
        const auto prazo = inicio + std::chrono::seconds(30);
        int pos;
        while ((pos = Conectar(isolado.porta)) < 0) {
            if (std::chrono::steady_clock::now() > prazo) {
                state.SkipWithError("the display program did not start listening");
                return;
            }
            QThread::usleep(200);
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
        ::close(pos);
        display.terminate();
        display.waitForFinished(10000);
    }
}

}  // namespace

BENCHMARK_CAPTURE(Inicio, Compartilhado, ORVANE_COMPARTILHADO)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Inicio, Estatico, ORVANE_ESTATICO)
    ->Iterations(30)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
