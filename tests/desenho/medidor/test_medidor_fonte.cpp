// The Qt font measurer behind the width wrapping.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <random>

#include "desenho/medidor/TMedidorFonte.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

TEST(TMedidorFonte, MeasuresWithTheFontAndWrapsWithinTheLimit) {
    const QFont fonte(QStringLiteral("DejaVu Sans"), 12);
    const TMedidorFonte medidor(fonte);
    const QFontMetrics metricas(fonte);
    EXPECT_EQ(medidor.TextWidth(u"Orvane"), metricas.horizontalAdvance(QStringLiteral("Orvane")));
    EXPECT_EQ(medidor.TextHeight(u"A"), metricas.height());
    EXPECT_GT(medidor.LarguraTela(), 0);

    const QString texto = QStringLiteral("o cliente acompanha cada item da venda nesta tela");
    const int limite = medidor.TextWidth(u"o cliente acompanha");
    const TStringInfo info = TmStr::GetStringInfo(texto, medidor, limite);
    EXPECT_GT(info.LineCount, 1);
    EXPECT_LE(info.MaxLineWidth, limite);
    EXPECT_EQ(info.ScreenText.split(QStringLiteral("\r\n")).join(QString()), texto);
}

// Every candidate line measured whole, as wrapping by measured width is defined: the one-pass
// wrapper must give the same lines for fonts whose widths are not the sum of their words' widths
// (kerning pairs such as "AV" and "To" across a blank, italics, rounding of every advance).
QStringList LinhasMedidasUmaAUma(const QString& texto, const TMedidorTexto& medidor, int limite) {
    QStringList linhas;
    for (const QString& paragrafo : QString(texto).remove(u'\n').split(u'\r')) {
        QStringList itens;
        TmStr::SplitB(paragrafo, u' ', itens);
        QString linha;
        for (const QString& item : itens) {
            if (!linha.isEmpty() && medidor.TextWidth(linha + item) > limite) {
                linhas << linha;
                linha = item;
            } else {
                linha += item;
            }
        }
        linhas << linha;
    }
    return linhas;
}

TEST(TMedidorFonte, OnePassWrappingGivesTheLinesOfMeasuringEveryCandidate) {
    // Letters that kern with their neighbours and with a blank, narrow and wide ones, accents.
    const QString letras = u"AVTYWLPfjirty.,1\u00c7\u00c3\u00e1oe"_qs;
    std::mt19937 gerador(20261210);
    int casos = 0;
    for (const QFont& fonte : {QFont(u"DejaVu Sans"_qs, 11), QFont(u"Liberation Serif"_qs, 13),
                               QFont(u"Liberation Sans Narrow"_qs, 9)}) {
        QFont italico = fonte;
        italico.setItalic(true);
        for (const QFont& f : {fonte, italico}) {
            const TMedidorFonte medidor(f);
            for (int i = 0; i < 60; ++i, ++casos) {
                QString texto;
                const int n = int(gerador() % 80);
                for (int p = 0; p < n; ++p) {
                    const int tamanho = 1 + int(gerador() % 7);
                    for (int l = 0; l < tamanho; ++l)
                        texto += letras[int(gerador() % letras.size())];
                    const int brancos = int(gerador() % 7);
                    texto += brancos == 6 ? u"\r"_qs : QString(brancos % 3 + 1, u' ');
                }
                const int limite = 20 + int(gerador() % 300);
                const TStringInfo info = TmStr::GetStringInfo(texto, medidor, limite);
                ASSERT_EQ(info.ScreenText.split(u"\r\n"_qs),
                          LinhasMedidasUmaAUma(texto, medidor, limite))
                    << f.family().toStdString() << " " << limite << " " << texto.toStdString();
            }
        }
    }
    EXPECT_EQ(casos, 360);
}

}  // namespace
