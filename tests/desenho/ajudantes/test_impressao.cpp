#include "desenho/ajudantes/TmRotImpressao.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace {

// The rows of the image that hold a dark pixel, as runs [first, last].
QList<std::pair<int, int>> FaixasEscritas(const QImage& imagem) {
    QList<std::pair<int, int>> faixas;
    for (int y = 0; y < imagem.height(); ++y) {
        bool escrita = false;
        for (int x = 0; x < imagem.width() && !escrita; ++x)
            escrita = qGray(imagem.pixel(x, y)) < 128;
        if (escrita && !faixas.isEmpty() && faixas.last().second == y - 1)
            faixas.last().second = y;
        else if (escrita)
            faixas.append({y, y});
    }
    return faixas;
}

TEST(Impressao, LinesStartTenUnitsInAndStepByTheHeightOfAPlusFive) {
    QImage folha(400, 200, QImage::Format_RGB32);
    folha.fill(Qt::white);
    QFont fonte(QStringLiteral("DejaVu Sans"));
    fonte.setPixelSize(14);
    ASSERT_TRUE(TmRot::PrintStrings(
        {QStringLiteral("AAAA"), QStringLiteral("AAAA"), QStringLiteral("AAAA")}, fonte, folha));
    const QList<std::pair<int, int>> faixas = FaixasEscritas(folha);
    ASSERT_EQ(faixas.size(), 3);
    const int passo = QFontMetrics(fonte, &folha).boundingRect(QStringLiteral("A")).height() + 5;
    EXPECT_GE(faixas[0].first, 10);
    EXPECT_EQ(faixas[1].first - faixas[0].first, passo);
    EXPECT_EQ(faixas[2].first - faixas[1].first, passo);
    for (int y = 0; y < folha.height(); ++y)
        ASSERT_GT(qGray(folha.pixel(9, y)), 128) << y;  // nothing left of the margin
}

TEST(Impressao, ManyLinesTurnThePageInsteadOfRunningOffIt) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("linhas.pdf"));
    QPdfWriter pdf(caminho);
    QStringList linhas;
    for (int i = 0; i < 400; ++i)
        linhas << QStringLiteral("linha %1").arg(i);
    ASSERT_TRUE(TmRot::PrintStrings(linhas, QFont(), pdf));
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_GT(arquivo.readAll().count("/Type /Page\n"), 1);
}

}  // namespace
