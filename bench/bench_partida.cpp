// Cold start to the first painted frame: the display program (`orvane`) against a bare Qt
// widgets program that shows one empty window (janela_nua), and the same window holding one line
// of text (the fonts loaded), in the same run, each started anew
// per iteration on Qt's offscreen platform. The first frame is the first flush of a top-level
// window's backing store, which both programs announce alike on standard error through Qt's own
// painting log (qt.widgets.painting), so neither needs a hook of its own. The display runs with
// drive C at a temporary folder whose settings name a free port, and its own runtime folder on a
// tmpfs, as a session's /run/user/<uid> is: on a disk the single-instance lock alone (Qt's lock
// file syncs what it writes) costs 2 to 10 ms more, the busier the disk the more.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

namespace {

QString ModeloPastaExecucao() {
    const QString memoria = QStringLiteral("/dev/shm");
    return (QFileInfo(memoria).isDir() ? memoria : QDir::tempPath()) +
           QStringLiteral("/orvane-partida-XXXXXX");
}

quint16 PortaLivre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

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
    QTemporaryDir raiz, execucao(ModeloPastaExecucao());
    QDir(raiz.path()).mkpath(QStringLiteral("frente/config"));
    QFile config(raiz.filePath(QStringLiteral("frente/config/Orvane.crv")));
    if (!config.open(QIODevice::WriteOnly) ||
        config.write("[Config]\r\nPorta=" + QByteArray::number(PortaLivre()) +
                     "\r\nTelaCheia=0\r\n") < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    config.close();
    QProcessEnvironment ambiente = AmbienteBase();
    ambiente.insert(QStringLiteral("ORVANE_DRIVE_C"), raiz.path());
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
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
