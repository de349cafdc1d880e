// Wrapping by measured width, with a measurer of fixed widths.
#include <gtest/gtest.h>

#include <QStringList>

#include "sistema/formatacao/TmStrInfo.h"

namespace {

// Every character 10 pixels wide, a line 12 high, a screen 1000 wide.
class TMedidorFixo : public TMedidorTexto {
public:
    int TextWidth(QStringView texto) const override { return 10 * int(texto.size()); }
    int TextHeight(QStringView) const override { return 12; }
    int LarguraTela() const override { return 1000; }
};

TEST(GetStringInfo, WrapsParagraphsByMeasuredWidth) {
    const TMedidorFixo medidor;
    const TStringInfo info =
        TmStr::GetStringInfo(u"um dois tres\r\n\rquatro cinco seis sete", medidor, 100);
    EXPECT_EQ(info.ScreenText,
              QStringLiteral("um dois \r\ntres\r\n\r\nquatro \r\ncinco seis\r\n sete"));
    EXPECT_EQ(info.LineCount, 6);
    EXPECT_EQ(info.MaxLineWidth, 100);
    EXPECT_EQ(info.TextHeight, 72);
}

TEST(GetStringInfo, LimitsAndLongWords) {
    const TMedidorFixo medidor;
    // 0, negative and wider than the screen all mean half the screen: 50 characters.
    const QString longa(60, u'x');
    for (const int largura : {0, -5, 5000}) {
        const TStringInfo info =
            TmStr::GetStringInfo(QStringLiteral("a ") + longa, medidor, largura);
        EXPECT_EQ(info.LineCount, 2) << largura;
        EXPECT_EQ(info.MaxLineWidth, 600) << largura;
    }
    // An empty text is one empty line.
    const TStringInfo vazio = TmStr::GetStringInfo(u"", medidor, 100);
    EXPECT_EQ(vazio.LineCount, 1);
    EXPECT_EQ(vazio.ScreenText, QString());
    EXPECT_EQ(vazio.TextHeight, 12);
}

// A leading empty paragraph is a line of ScreenText too, so that the text and the count agree.
TEST(GetStringInfo, ScreenTextHoldsEveryCountedLine) {
    const TMedidorFixo medidor;
    const TStringInfo info = TmStr::GetStringInfo(u"\rabc\r", medidor, 100);
    EXPECT_EQ(info.LineCount, 3);
    EXPECT_EQ(info.ScreenText.split(QStringLiteral("\r\n")).size(), 3);
}

TEST(TStringInfo, ClearEmptiesEverything) {
    TStringInfo info{3, 4, 5, QStringLiteral("x")};
    info.Clear();
    EXPECT_EQ(info.LineCount + info.MaxLineWidth + info.TextHeight, 0);
    EXPECT_TRUE(info.ScreenText.isEmpty());
}

}  // namespace
