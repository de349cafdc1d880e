// One log entry into a log at its cap (1 000 lines kept), the log being 1 MiB or 1 GiB long: the
// writer reads only the lines it keeps, so both cost the same.
//
// The logs are made once: 1 MiB of 100-byte lines, and the same lines followed by a sparse tail
// up to 1 GiB (a reader that went past the cap would have to read and decode it all). Every
// iteration writes into a fresh hard link to one of them: the writer replaces the link by a new
// file, and the original stays as it was for the next iteration.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "registro/log/TGravaLogs.h"

namespace {

constexpr int kMaximoLinhas = 1000;

class Logs {
public:
    Logs() {
        QByteArray linhas;
        for (int i = 0; linhas.size() < (1 << 20); ++i)
            linhas += "2026/12/10 05:50:07 - FormPrincipal-> " +
                      QByteArray::number(i).rightJustified(60, '0') + "\r\n";
        for (int mib : {1, 1024}) {
            QFile f(Original(mib));
            f.open(QIODevice::WriteOnly);
            f.write(linhas);
            f.resize(qint64(mib) << 20);
        }
    }
    QString Original(int mib) const { return dir_.filePath(QStringLiteral("%1.log").arg(mib)); }
    QString Pasta() const { return dir_.path() + u'/'; }

private:
    QTemporaryDir dir_;
};

// Makes log a new hard link to the original, which must still have its size.
bool Ligar(const QString& original, const QString& log, qint64 tamanho) {
    QFile::remove(log);
    return QFileInfo(original).size() == tamanho &&
           ::link(QFile::encodeName(original).constData(), QFile::encodeName(log).constData()) == 0;
}

void GravaLogs_Entrada(benchmark::State& state) {
    static const Logs logs;
    const int mib = int(state.range(0));
    const QString original = logs.Original(mib);
    const QString log = logs.Pasta() + QStringLiteral("app.log");
    for (auto _ : state) {
        state.PauseTiming();
        if (!Ligar(original, log, qint64(mib) << 20)) {
            state.SkipWithError("the original log is gone");
            break;
        }
        state.ResumeTiming();
        TGravaLogs::Execute(nullptr, QStringLiteral("app.log"), QStringLiteral("nova entrada"),
                            logs.Pasta(), kMaximoLinhas);
    }
}
BENCHMARK(GravaLogs_Entrada)->Arg(1)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace
