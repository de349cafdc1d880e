// The Qt font measurer behind the width wrapping.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QStringList>

#include "desenho/medidor/TMedidorFonte.h"

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

}  // namespace
