// A 200 MB download and upload over loopback through TCorvelFTP, beside the curl command line
// against the same server (pyftpdlib, started here) and the same file. Each iteration is a whole
// session on both sides: connect, log in, transfer, quit. Files are removed between iterations,
// outside the timing. Wall time is compared: curl runs in a process of its own.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "sistema/ftp/TCorvelFTP.h"

namespace {

constexpr qsizetype kTamanho = 200 * 1024 * 1024;

// The server, its folder with the 200 MB file, and a local folder for what comes down.
struct Servidor {
    QTemporaryDir pasta;
    QString raiz = pasta.filePath(QStringLiteral("raiz"));
    QString local = pasta.filePath(QStringLiteral("local"));
    QString arquivo = pasta.filePath(QStringLiteral("grande.bin"));
    QProcess processo;
    int porta = 0;

    Servidor() {
        QDir().mkpath(raiz + QStringLiteral("/envio"));
        QDir().mkpath(local);
        QByteArray bytes(kTamanho, Qt::Uninitialized);
        QRandomGenerator(2026).fillRange(reinterpret_cast<quint32*>(bytes.data()), kTamanho / 4);
        for (const QString& caminho : {arquivo, raiz + QStringLiteral("/grande.bin")}) {
            QFile f(caminho);
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                qFatal("cannot write %s", qPrintable(caminho));
        }
        processo.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processo.start(QStringLiteral(PYTHON3),
                       {QStringLiteral(SERVIDOR_FTP), QStringLiteral("--raiz"), raiz,
                        QStringLiteral("--registro"), pasta.filePath(QStringLiteral("comandos"))});
        if (!processo.waitForReadyRead(20000))
            qFatal("the FTP server did not start");
        porta = processo.readLine().trimmed().toInt();
    }
    ~Servidor() {
        processo.kill();
        processo.waitForFinished();
    }

    QString Url(const QString& caminho) const {
        return QStringLiteral("ftp://127.0.0.1:%1%2").arg(porta).arg(caminho);
    }
    void Curl(const QStringList& argumentos) const {
        QProcess p;
        p.start(QStringLiteral("curl"), QStringList{QStringLiteral("-sS"), QStringLiteral("--user"),
                                                    QStringLiteral("usuario:senha")} +
                                            argumentos);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            qFatal("curl failed: %s", p.readAllStandardError().constData());
    }
};

const Servidor& ServidorDeTeste() {
    static const Servidor servidor;
    return servidor;
}

// Runs the measured step each iteration, removing the file it made outside the timing.
template <typename Passo>
void Medir(benchmark::State& state, const QString& feito, Passo&& passo) {
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(feito);
        state.ResumeTiming();
        passo();
    }
    QFile::remove(feito);
    state.SetBytesProcessed(state.iterations() * kTamanho);
}

void FtpDownload(benchmark::State& state) {
    const Servidor& s = ServidorDeTeste();
    Medir(state, s.local + QStringLiteral("/grande.bin"), [&] {
        if (!TCorvelFTP::Download(QStringLiteral("127.0.0.1"), QStringLiteral("usuario"),
                                  QStringLiteral("senha"), s.porta, QStringLiteral("/grande.bin"),
                                  s.local))
            state.SkipWithError("download failed");
    });
}

void FtpDownload_Curl(benchmark::State& state) {
    const Servidor& s = ServidorDeTeste();
    const QString saida = s.local + QStringLiteral("/curl.bin");
    Medir(state, saida, [&] {
        s.Curl({QStringLiteral("-o"), saida, s.Url(QStringLiteral("/grande.bin"))});
    });
}

void FtpUpload(benchmark::State& state) {
    const Servidor& s = ServidorDeTeste();
    Medir(state, s.raiz + QStringLiteral("/envio/grande.bin"), [&] {
        if (!TCorvelFTP::Upload(QStringLiteral("127.0.0.1"), QStringLiteral("usuario"),
                                QStringLiteral("senha"), s.porta, s.arquivo,
                                QStringLiteral("/envio")))
            state.SkipWithError("upload failed");
    });
}

void FtpUpload_Curl(benchmark::State& state) {
    const Servidor& s = ServidorDeTeste();
    Medir(state, s.raiz + QStringLiteral("/envio/grande.bin"), [&] {
        s.Curl({QStringLiteral("-T"), s.arquivo, s.Url(QStringLiteral("/envio/"))});
    });
}

}  // namespace

BENCHMARK(FtpDownload)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(FtpDownload_Curl)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(FtpUpload)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(FtpUpload_Curl)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
