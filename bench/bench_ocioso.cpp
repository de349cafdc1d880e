// The display program at rest: context switches per second of all its threads while no line
// arrives, and its resident memory at rest and after the largest sale one command line can carry.
// Beside it, the same figures of a process that only sleeps, measured the same way.
//
// The program runs on Qt's offscreen platform with drive C at a temporary folder whose settings
// file names a free port, and its own runtime folder (for the single-copy lock).
//
// The figures after the sale are taken only once the sale is known to have been dispatched: the
// window thread has worked on it, and a later command, which deletes a marker file, has run
// after it on the same thread. Otherwise the benchmark skips with an error.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QThread>

#include <chrono>

#include "DisplayIsolado.h"

namespace {

constexpr int kSegundosMedicao = 5;
constexpr qsizetype kMaximoBytesLinha = 16384;

// Voluntary plus involuntary context switches of every thread of the process.
long long TrocasDeContexto(qint64 pid) {
    long long total = 0;
    const QDir tarefas(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& tarefa : tarefas.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tarefas.filePath(tarefa) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& linha : status.readAll().split('\n')) {
            if (linha.contains("ctxt_switches:"))
                total += linha.mid(linha.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return total;
}

double VmRssMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& linha : status.readAll().split('\n')) {
        if (linha.startsWith("VmRSS:"))
            return linha.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// The time the process's main (window) thread has spent on a processor, in ms.
double MsDeProcessadorDaJanela(qint64 pid) {
    QFile schedstat(QStringLiteral("/proc/%1/task/%1/schedstat").arg(pid));
    if (!schedstat.open(QIODevice::ReadOnly))
        return 0;
    return schedstat.readAll().split(' ').value(0).toDouble() / 1e6;
}

// Polls condicao every 20 ms, for at most 30 s.
template <typename Condicao>
bool Aguardar(Condicao&& condicao) {
    const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!condicao()) {
        if (std::chrono::steady_clock::now() > prazo)
            return false;
        QThread::msleep(20);
    }
    return true;
}

// At least this much window-thread time goes into applying and painting the largest sale (about
// 5 ms in a Release build here); at rest the thread spends none of it.
constexpr double kMsDeProcessadorDaVenda = 2;

double TrocasPorSegundo(qint64 pid) {
    const long long antes = TrocasDeContexto(pid);
    QThread::sleep(kSegundosMedicao);
    return double(TrocasDeContexto(pid) - antes) / kSegundosMedicao;
}

// Command 1 with as many item records as fit in one line, and how many that is.
QByteArray MaiorVenda(int& itens) {
    QByteArray linha("\x01 ");
    const QByteArray total("TOTAL|R$ 9.999,99|||||||||");
    for (itens = 0;; ++itens) {
        const QByteArray registro = QByteArray::number(itens + 1) + "|7891000" +
                                    QByteArray::number(itens) + "|ITEM " +
                                    QByteArray::number(itens) + "|1|UN|1,00|1,00||0|0|&";
        if (linha.size() + registro.size() + total.size() + 1 > kMaximoBytesLinha)
            break;
        linha += registro;
    }
    return linha + total + '\n';
}

void ProgramaOcioso(benchmark::State& state) {
    const TDisplayIsolado isolado;
    if (!isolado.pronto) {
        state.SkipWithError("cannot write the settings file");
        return;
    }

    for (auto _ : state) {
        QProcess programa;
        programa.setProcessEnvironment(isolado.ambiente);
        programa.start(QStringLiteral(ORVANE_PROGRAMA), {});
        QTcpSocket pos;
        const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        do {
            QThread::msleep(100);
            pos.abort();
            pos.connectToHost(QHostAddress::LocalHost, isolado.porta);
        } while (!pos.waitForConnected(1000) && std::chrono::steady_clock::now() < prazo);
        if (pos.state() != QAbstractSocket::ConnectedState) {
            state.SkipWithError("the display program did not start listening");
            return;
        }
        const qint64 pid = programa.processId();
        QThread::sleep(1);  // start-up work done

        const auto inicio = std::chrono::steady_clock::now();
        state.counters["trocas_por_s"] = TrocasPorSegundo(pid);
        state.counters["rss_ocioso_MiB"] = VmRssMiB(pid);
        int itens = 0;
        const double processadorAntes = MsDeProcessadorDaJanela(pid);
        pos.write(MaiorVenda(itens));
        pos.waitForBytesWritten(5000);
        // The window thread took the sale; then the marker command ran after it.
        const QString marcador = isolado.raiz.filePath(QStringLiteral("frente/OrvaneImg.bmp"));
        QFile(marcador).open(QIODevice::WriteOnly);
        if (!Aguardar([&] {
                return MsDeProcessadorDaJanela(pid) - processadorAntes >= kMsDeProcessadorDaVenda;
            })) {
            state.SkipWithError("the display program did not dispatch the sale");
            return;
        }
        pos.write("g 1\n");  // closes the picture: deletes the marker, shows the sale page again
        pos.waitForBytesWritten(5000);
        if (!Aguardar([&] { return !QFile::exists(marcador); })) {
            state.SkipWithError("the display program ran no command after the sale");
            return;
        }
        state.counters["rss_venda_MiB"] = VmRssMiB(pid);
        state.counters["itens_venda"] = itens;
        state.counters["trocas_por_s_com_venda"] = TrocasPorSegundo(pid);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());

        pos.abort();
        programa.terminate();
        programa.waitForFinished(10000);
    }
}

// The floor of the measurement: a process that only sleeps.
void ProgramaOcioso_ProcessoDormindo(benchmark::State& state) {
    for (auto _ : state) {
        QProcess dormindo;
        dormindo.start(QStringLiteral("sleep"), {QStringLiteral("60")});
        dormindo.waitForStarted();
        const auto inicio = std::chrono::steady_clock::now();
        state.counters["trocas_por_s"] = TrocasPorSegundo(dormindo.processId());
        state.counters["rss_ocioso_MiB"] = VmRssMiB(dormindo.processId());
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
        dormindo.kill();
        dormindo.waitForFinished();
    }
}

}  // namespace

BENCHMARK(ProgramaOcioso)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK(ProgramaOcioso_ProcessoDormindo)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);
