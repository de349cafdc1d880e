// Deleting a tree of 100 000 files (100 folders of 1 000 small files) with DirectoryDelete,
// beside coreutils' rm -rf on the same tree, run through QProcess. Both walk without following
// links; the tree is made anew, untimed, before every iteration. Wall time: the work is the
// file system's.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

#include "sistema/arquivos/TmFileCopia.h"

namespace {

constexpr int kPastas = 100;
constexpr int kArquivosPorPasta = 1000;

QString FazerArvore(const QTemporaryDir& dir) {
    const QString arvore = dir.filePath(QStringLiteral("arvore"));
    for (int p = 0; p < kPastas; ++p) {
        const QString pasta = arvore + QStringLiteral("/p%1").arg(p);
        QDir().mkpath(pasta);
        for (int a = 0; a < kArquivosPorPasta; ++a) {
            QFile f(pasta + QStringLiteral("/a%1.txt").arg(a));
            f.open(QIODevice::WriteOnly);
            f.write("x");
        }
    }
    return arvore;
}

void Medir(benchmark::State& state, const std::function<bool(const QString&)>& apagar) {
    const QTemporaryDir dir;
    for (auto _ : state) {
        state.PauseTiming();
        const QString arvore = FazerArvore(dir);
        state.ResumeTiming();
        if (!apagar(arvore) || QFileInfo::exists(arvore)) {
            state.SkipWithError("the tree was not deleted");
            break;
        }
    }
}

void Apagar_Arvore(benchmark::State& state) {
    Medir(state, [](const QString& arvore) { return mFile::DirectoryDelete(arvore); });
}

void Apagar_Arvore_RmRf(benchmark::State& state) {
    Medir(state, [](const QString& arvore) {
        QProcess rm;
        rm.start(QStringLiteral("rm"), {QStringLiteral("-rf"), arvore});
        return rm.waitForFinished(-1) && rm.exitStatus() == QProcess::NormalExit &&
               rm.exitCode() == 0;
    });
}

}  // namespace

BENCHMARK(Apagar_Arvore)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(Apagar_Arvore_RmRf)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
