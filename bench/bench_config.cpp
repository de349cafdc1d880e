// Opening a 10 000-line settings file and reading 20 typed values, with TmConfig and with
// QSettings in INI format on the same file.

#include <benchmark/benchmark.h>

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "TmConfig.h"

namespace {

constexpr int kSecoes = 100;
constexpr int kChavesPorSecao = 99;  // with the header, 100 lines per section

// The file and the 20 keys read from it, spread over the file, the last section included.
class ArquivoGrande {
public:
    ArquivoGrande() : caminho_(dir_.filePath(QStringLiteral("grande.ini"))) {
        QByteArray texto;
        for (int s = 0; s < kSecoes; ++s) {
            texto += "[Secao" + QByteArray::number(s) + "]\r\n";
            for (int c = 0; c < kChavesPorSecao; ++c) {
                texto += "Chave" + QByteArray::number(c) + '=';
                texto += c % 3 == 0   ? QByteArray::number(s * 1000 + c)
                         : c % 3 == 1 ? QByteArray(c % 2 ? "1" : "0")
                                      : "texto de exemplo " + QByteArray::number(c);
                texto += "\r\n";
            }
        }
        QFile f(caminho_);
        f.open(QIODevice::WriteOnly);
        f.write(texto);
    }
    const QString& Caminho() const { return caminho_; }

    // Gives the file a new modification time, so that no reader can serve it from a cache.
    void Tocar() {
        QFile f(caminho_);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(QDateTime::fromSecsSinceEpoch(1'700'000'000 + ++toques_),
                      QFileDevice::FileModificationTime);
    }

private:
    QTemporaryDir dir_;
    QString caminho_;
    int toques_ = 0;
};

struct Leitura {
    QString secao;
    QString chave;
    enum { Texto, Inteiro, Logico } tipo;
};

// 8 texts, 8 integers and 4 Booleans from sections at the start, middle and end of the file.
const std::vector<Leitura>& Leituras() {
    static const std::vector<Leitura> leituras = [] {
        std::vector<Leitura> l;
        const int secoes[] = {0, 13, 50, 77, 99};
        for (int i = 0; i < 20; ++i) {
            const int s = secoes[i % 5];
            const auto tipo = i < 8 ? Leitura::Texto : i < 16 ? Leitura::Inteiro : Leitura::Logico;
            const int c = (tipo == Leitura::Texto ? 2 : tipo == Leitura::Inteiro ? 0 : 1) + 3 * i;
            l.push_back({QStringLiteral("Secao%1").arg(s), QStringLiteral("Chave%1").arg(c), tipo});
        }
        return l;
    }();
    return leituras;
}

void TmConfigAbrirELer(benchmark::State& state) {
    ArquivoGrande arquivo;
    for (auto _ : state) {
        state.PauseTiming();
        arquivo.Tocar();
        state.ResumeTiming();
        TmConfig config(arquivo.Caminho(), true);
        for (const Leitura& l : Leituras()) {
            switch (l.tipo) {
                case Leitura::Texto:
                    benchmark::DoNotOptimize(config.ReadString(l.secao, l.chave, QString()));
                    break;
                case Leitura::Inteiro:
                    benchmark::DoNotOptimize(config.ReadInteger(l.secao, l.chave, 0));
                    break;
                case Leitura::Logico:
                    benchmark::DoNotOptimize(config.ReadBool(l.secao, l.chave, false));
                    break;
            }
        }
    }
}

void TmConfigAbrirELer_QSettingsIni(benchmark::State& state) {
    ArquivoGrande arquivo;
    for (auto _ : state) {
        state.PauseTiming();
        arquivo.Tocar();
        state.ResumeTiming();
        QSettings config(arquivo.Caminho(), QSettings::IniFormat);
        for (const Leitura& l : Leituras()) {
            const QVariant valor = config.value(l.secao + QLatin1Char('/') + l.chave);
            switch (l.tipo) {
                case Leitura::Texto:
                    benchmark::DoNotOptimize(valor.toString());
                    break;
                case Leitura::Inteiro:
                    benchmark::DoNotOptimize(valor.toInt());
                    break;
                case Leitura::Logico:
                    benchmark::DoNotOptimize(valor.toBool());
                    break;
            }
        }
    }
}

}  // namespace

BENCHMARK(TmConfigAbrirELer)->Unit(benchmark::kMicrosecond);
BENCHMARK(TmConfigAbrirELer_QSettingsIni)->Unit(benchmark::kMicrosecond);
