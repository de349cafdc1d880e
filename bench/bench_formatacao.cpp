// Wrapping a 10 000-word text by measured width (GetStringInfo over the Qt font measurer) beside
// Qt's own jobs on the same text: QTextLayout wrapping it at the same width, and one
// QFontMetrics measurement of the text unwrapped (the floor: every character measured once).

#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include "desenho/medidor/TMedidorFonte.h"
#include "sistema/formatacao/TmStrInfo.h"

namespace {

constexpr int kLargura = 400;

QString TextoDe10000Palavras() {
    const QStringList palavras = {
        QStringLiteral("cliente"),  QStringLiteral("total"),    QStringLiteral("de"),
        QStringLiteral("itens"),    QStringLiteral("pago"),     QStringLiteral("em"),
        QStringLiteral("dinheiro"), QStringLiteral("troco"),    QStringLiteral("desconto"),
        QStringLiteral("a"),        QStringLiteral("promoção"), QStringLiteral("válida")};
    QStringList texto;
    for (int i = 0; i < 10000; ++i)
        texto << palavras[(i * 7) % palavras.size()];
    return texto.join(u' ');
}

QFont Fonte() {
    return QFont(QStringLiteral("DejaVu Sans"), 12);
}

void GetStringInfo(benchmark::State& state) {
    const QString texto = TextoDe10000Palavras();
    const TMedidorFonte medidor(Fonte());
    for (auto _ : state)
        benchmark::DoNotOptimize(TmStr::GetStringInfo(texto, medidor, kLargura));
}

void GetStringInfo_QTextLayout(benchmark::State& state) {
    const QString texto = TextoDe10000Palavras();
    for (auto _ : state) {
        QTextLayout layout(texto, Fonte());
        QTextOption opcao;
        opcao.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(opcao);
        layout.beginLayout();
        int linhas = 0;
        for (QTextLine linha = layout.createLine(); linha.isValid(); linha = layout.createLine()) {
            linha.setLineWidth(kLargura);
            ++linhas;
        }
        layout.endLayout();
        benchmark::DoNotOptimize(linhas);
    }
}

void GetStringInfo_QFontMetricsSemQuebra(benchmark::State& state) {
    const QString texto = TextoDe10000Palavras();
    const QFontMetrics metricas(Fonte());
    for (auto _ : state)
        benchmark::DoNotOptimize(metricas.horizontalAdvance(texto));
}

}  // namespace

BENCHMARK(GetStringInfo)->Unit(benchmark::kMillisecond);
BENCHMARK(GetStringInfo_QTextLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(GetStringInfo_QFontMetricsSemQuebra)->Unit(benchmark::kMillisecond);
