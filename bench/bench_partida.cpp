// Cold start to the first painted frame: the display program (`orvane`) against a bare Qt
// widgets program that shows one empty window (janela_nua), and the same window holding one line
// of text (the fonts loaded), in the same run, each started anew
// per iteration on Qt's offscreen platform. The first frame is the first flush of a top-level
// window's backing store, which both programs announce alike on standard error through Qt's own
// painting log (qt.widgets.painting), so neither needs a hook of its own. The display runs set
// apart as DisplayIsolado.h says.

#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QProcess>

#include "DisplayIsolado.h"

namespace {

// Starts the program and times it to its first flushed frame; false when it never comes (10 s).
bool TempoAtePrimeiroQuadro(const QString& programa, const QStringList& argumentos,
                            const QProcessEnvironment& ambiente, double& segundos) {
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.setReadChannel(QProcess::StandardError);  // what waitForReadyRead waits on
    QByteArray saida;
    QElapsedTimer relogio;
    relogio.start();
    processo.start(programa, argumentos);
    bool pintou = false;
    while (!pintou && relogio.elapsed() < 10000 && processo.state() != QProcess::NotRunning) {
        processo.waitForReadyRead(100);
        saida += processo.readAllStandardError();
        pintou = saida.contains("Flushing top level");
    }
    segundos = double(relogio.nsecsElapsed()) / 1e9;
    processo.kill();
    processo.waitForFinished(5000);
    return pintou;
}

void Medir(benchmark::State& state, const QString& programa, const QStringList& argumentos,
           const QProcessEnvironment& ambiente) {
    for (auto _ : state) {
        double segundos = 0;
        if (!TempoAtePrimeiroQuadro(programa, argumentos, ambiente, segundos)) {
            state.SkipWithError("the program painted no frame within 10 s");
            return;
        }
        state.SetIterationTime(segundos);
    }
}

QProcessEnvironment AmbienteBase() {
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.widgets.painting=true"));
    return ambiente;
}

void PartidaDisplay(benchmark::State& state) {
    const TDisplayIsolado isolado;
    if (!isolado.pronto) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    QProcessEnvironment ambiente = AmbienteBase();
    ambiente.insert(QStringLiteral("ORVANE_DRIVE_C"), isolado.raiz.path());
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), isolado.execucao.path());
    Medir(state, QStringLiteral(ORVANE_PROGRAMA), {}, ambiente);
}

void PartidaJanelaNua(benchmark::State& state) {
    Medir(state, QStringLiteral(JANELA_NUA), {}, AmbienteBase());
}

void PartidaJanelaComTexto(benchmark::State& state) {
    Medir(state, QStringLiteral(JANELA_NUA), {QStringLiteral("texto")}, AmbienteBase());
}

}  // namespace

BENCHMARK(PartidaDisplay)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PartidaJanelaNua)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(PartidaJanelaComTexto)->Iterations(20)->UseManualTime()->Unit(benchmark::kMillisecond);
