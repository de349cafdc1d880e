// Start-up of the display program: from its launch until its command channel takes a
// connection, the program linked to the library's shared libraries (the packaged one) beside the
// same program linked to the static archives. Each iteration is a fresh process on Qt's offscreen
// platform, with drive C at a temporary folder whose settings file names a free port.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>

#include "ConexaoLoopback.h"

namespace {

quint16 PortaLivre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

void Inicio(benchmark::State& state, const char* programa) {
    QTemporaryDir raiz, execucao;
    const quint16 porta = PortaLivre();
    QDir(raiz.path()).mkpath(QStringLiteral("frente/config"));
    QFile config(raiz.filePath(QStringLiteral("frente/config/Orvane.crv")));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\n").arg(porta).toLatin1());
    config.close();
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    ambiente.insert(QStringLiteral("ORVANE_DRIVE_C"), raiz.path());
    ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());

    for (auto _ : state) {
        QProcess display;
        display.setProcessEnvironment(ambiente);
        const auto inicio = std::chrono::steady_clock::now();
        display.start(QString::fromUtf8(programa), {});
        const auto prazo = inicio + std::chrono::seconds(30);
        int pos;
        while ((pos = Conectar(porta)) < 0) {
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
