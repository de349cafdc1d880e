// Packing and unpacking a 200 MB tree of mixed files (text, random bytes, thousands of small
// files), beside the real zip -r -6 and unzip on the same tree, run through QProcess in the
// same program. Both sides pack the same files and unpack the same archive (made by zip); the
// output is removed between iterations, outside the timing. Wall time is compared: the tools
// run in processes of their own.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "sistema/zip/TZip.h"

namespace {

constexpr qsizetype kMiB = 1024 * 1024;

// Text as receipts and logs compress: lines of words drawn from a small vocabulary.
QByteArray Texto(qsizetype tamanho, QRandomGenerator& gerador) {
    static const char* palavras[] = {"cupom",     "fiscal", "item",     "valor",    "R$",
                                     "12,34",     "total",  "desconto", "cliente",  "CPF",
                                     "pagamento", "troco",  "caixa",    "operador", "2023-09-04",
                                     "15:42:07",  "OK",     "ERRO",     "nota"};
    QByteArray texto;
    texto.reserve(tamanho + 64);
    while (texto.size() < tamanho) {
        for (int i = 0; i < 12; ++i)
            texto.append(palavras[gerador.bounded(int(std::size(palavras)))]).append(' ');
        texto.append(QByteArray::number(gerador.bounded(1000000))).append("\r\n");
    }
    texto.truncate(tamanho);
    return texto;
}

QByteArray Aleatorio(qsizetype tamanho, QRandomGenerator& gerador) {
    QByteArray bytes(tamanho, Qt::Uninitialized);
    gerador.fillRange(reinterpret_cast<quint32*>(bytes.data()), tamanho / 4);
    return bytes;
}

void Gravar(const QString& caminho, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(caminho).path());
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(caminho));
}

// The tree, made once: 80 MB of text in 40 files, 80 MB of random bytes in 20 files, and
// 40 MB in 4 000 small files (text and random) spread over 20 folders. Names are unique across
// folders, since the wrapper packs bare names.
struct Arvore {
    QTemporaryDir pasta;
    QString raiz = pasta.filePath(QStringLiteral("arvore"));
    QStringList arquivos;
    QString zipDaFerramenta = pasta.filePath(QStringLiteral("ferramenta.zip"));

    Arvore() {
        QRandomGenerator gerador(2023);
        const auto criar = [&](const QString& relativo, const QByteArray& bytes) {
            arquivos << raiz + u'/' + relativo;
            Gravar(arquivos.last(), bytes);
        };
        for (int i = 0; i < 40; ++i)
            criar(QStringLiteral("textos/log%1.txt").arg(i), Texto(2 * kMiB, gerador));
        for (int i = 0; i < 20; ++i)
            criar(QStringLiteral("dados/blob%1.bin").arg(i), Aleatorio(4 * kMiB, gerador));
        for (int i = 0; i < 4000; ++i) {
            const QString nome =
                QStringLiteral("miudos/p%1/f%2.%3").arg(i % 20).arg(i).arg(i % 2 ? "bin" : "txt");
            criar(nome, i % 2 ? Aleatorio(10 * 1024, gerador) : Texto(10 * 1024, gerador));
        }
        Rodar(QStringLiteral("zip"), {QStringLiteral("-r"), QStringLiteral("-q"),
                                      QStringLiteral("-6"), zipDaFerramenta, QStringLiteral(".")});
    }

    void Rodar(const QString& programa, const QStringList& argumentos) const {
        QProcess p;
        p.setWorkingDirectory(raiz);
        p.start(programa, argumentos);
        if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            qFatal("%s failed: %s", qPrintable(programa), p.readAllStandardError().constData());
    }
};

const Arvore& ArvoreDeTeste() {
    static const Arvore arvore;
    return arvore;
}

// Runs the measured step with a fresh output path each iteration, removed outside the timing.
template <typename Passo>
void Medir(benchmark::State& state, const QString& saida, Passo&& passo) {
    const auto remover = [&] {
        QFile::remove(saida);
        QDir(saida).removeRecursively();
    };
    for (auto _ : state) {
        state.PauseTiming();
        remover();
        state.ResumeTiming();
        passo();
    }
    remover();
}

void Compactar(benchmark::State& state) {
    const Arvore& arvore = ArvoreDeTeste();
    const QString saida = arvore.pasta.filePath(QStringLiteral("nosso.zip"));
    Medir(state, saida, [&] {
        if (!TZip::Compactar(arvore.arquivos, saida))
            state.SkipWithError(qPrintable(UltimoErroZip));
    });
}

void Compactar_ZipR6(benchmark::State& state) {
    const Arvore& arvore = ArvoreDeTeste();
    const QString saida = arvore.pasta.filePath(QStringLiteral("deles.zip"));
    Medir(state, saida, [&] {
        arvore.Rodar(QStringLiteral("zip"), {QStringLiteral("-r"), QStringLiteral("-q"),
                                             QStringLiteral("-6"), saida, QStringLiteral(".")});
    });
}

void Descompactar(benchmark::State& state) {
    const Arvore& arvore = ArvoreDeTeste();
    const QString saida = arvore.pasta.filePath(QStringLiteral("nosso"));
    Medir(state, saida, [&] {
        if (!TZip::Descompactar(arvore.zipDaFerramenta, saida))
            state.SkipWithError(qPrintable(UltimoErroZip));
    });
}

void Descompactar_Unzip(benchmark::State& state) {
    const Arvore& arvore = ArvoreDeTeste();
    const QString saida = arvore.pasta.filePath(QStringLiteral("deles"));
    Medir(state, saida, [&] {
        arvore.Rodar(QStringLiteral("unzip"),
                     {QStringLiteral("-q"), arvore.zipDaFerramenta, QStringLiteral("-d"), saida});
    });
}

}  // namespace

BENCHMARK(Compactar)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(Compactar_ZipR6)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(Descompactar)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(Descompactar_Unzip)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
