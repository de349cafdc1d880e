// Wrapping, justification and newspaper columns.
#include <gtest/gtest.h>

#include "sistema/formatacao/TmStrParagrafo.h"

namespace {

QStringList L(std::initializer_list<const char*> linhas) {
    QStringList out;
    for (const char* l : linhas)
        out << QString::fromUtf8(l);
    return out;
}

// The characters of the text other than blanks, in order: what no wrapping may drop.
QString SemBrancos(QString texto) {
    return texto.remove(u' ');
}

TEST(QuebraTexto, WrapsGreedilyAndKeepsLongWordsWhole) {
    QStringList lista{QStringLiteral("velho")};
    TmStr::QuebraTexto(u"  um   dois três ", 7, lista);
    EXPECT_EQ(lista, L({"um dois", "três"}));
    TmStr::QuebraTexto(u"a extraordinário b", 5, lista);
    EXPECT_EQ(lista, L({"a", "extraordinário", "b"}));
    TmStr::QuebraTexto(u"a b", 0, lista);
    EXPECT_EQ(lista, L({"a", "b"}));
    TmStr::QuebraTexto(u"   ", 10, lista);
    EXPECT_TRUE(lista.isEmpty());
}

TEST(JustificarMonoEspacado, SpreadsBlanksFromTheLeft) {
    EXPECT_EQ(TmStr::JustificarMonoEspacado(u"a b c", 7), QStringLiteral("a  b  c"));
    EXPECT_EQ(TmStr::JustificarMonoEspacado(u" a b c ", 8), QStringLiteral("a   b  c"));
    EXPECT_EQ(TmStr::JustificarMonoEspacado(u"a  b", 6), QStringLiteral("a    b"));
    EXPECT_EQ(TmStr::JustificarMonoEspacado(u" palavra ", 12), QStringLiteral("palavra"));
    EXPECT_EQ(TmStr::JustificarMonoEspacado(u"a b", 2), QStringLiteral("a b"));
}

TEST(FormataParagrafo, CutsAtBlanksJustifiesAllButTheLast) {
    EXPECT_EQ(TmStr::FormataParagrafo(u"um dois tres quatro", 8, 0, false),
              L({"um dois", "tres", "quatro"}));
    EXPECT_EQ(TmStr::FormataParagrafo(u"um dois tres quatro", 9, 4, true),
              L({"um   dois", "tres", "quatro"}));
    // A word longer than the line is cut at the width.
    EXPECT_EQ(TmStr::FormataParagrafo(u"abcdefghij k", 4, 0, false), L({"abcd", "efgh", "ij k"}));
}

TEST(FormataParagrafo, WidthsBelowOneDoNotWrap) {
    for (const int largura : {0, -3})
        EXPECT_EQ(TmStr::FormataParagrafo(u" um dois ", largura, 0, true), L({"um dois"}));
}

TEST(FormatarParagrafo, HardAndSoftBreaksAndJustification) {
    QStringList saida{QStringLiteral("velho")};
    TmStr::FormatarParagrafo(saida, u"primeira linha longa com\r\n\rfim", 16, true);
    EXPECT_EQ(saida, L({"primeira   linha", "longa com", "", "fim"}));
    // A soft-broken line of 10 characters or less is not justified.
    TmStr::FormatarParagrafo(saida, u"um dois tres quatro cinco", 10, true);
    EXPECT_EQ(saida, L({"um dois", "tres", "quatro", "cinco"}));
}

// The tail of two characters or less after the last cut was lost.
TEST(FormatarParagrafo, KeepsEveryWordWhateverTheWidth) {
    const QString texto = QStringLiteral("itens de um a 10");
    for (const int largura : {-1, 0, 1, 2, 3, 5, 13, 14, 40}) {
        QStringList saida;
        TmStr::FormatarParagrafo(saida, texto, largura, true);
        EXPECT_EQ(SemBrancos(saida.join(QString())), SemBrancos(texto)) << largura;
        if (largura > 0) {
            for (const QString& l : saida)
                EXPECT_LE(l.size(), largura) << largura;
        }
    }
    QStringList saida;
    TmStr::FormatarParagrafo(saida, u"ok", 30, false);
    EXPECT_EQ(saida, L({"ok"}));
}

// The items «1» to «10».
QStringList UmADez() {
    QStringList itens;
    for (int i = 1; i <= 10; ++i)
        itens << QString::number(i);
    return itens;
}

TEST(FormataColunas, FillsColumnByColumnInBlocks) {
    const QStringList itens = UmADez();
    QStringList r;
    TmStr::FormataColunas(itens, r, 4, 3, 3, false, false);
    EXPECT_EQ(r, L({"1  5  9  ", "2  6  10 ", "3  7     ", "4  8     "}));
    TmStr::FormataColunas(itens, r, 4, 3, 3, true, false);
    EXPECT_EQ(r, L({"1  5  8  ", "2  6  9  ", "3  7  10 ", "4        "}));
    // Blocks of 2 x 2, the last one short; an empty line after each.
    TmStr::FormataColunas(itens.mid(0, 5), r, 2, 2, 2, false, true);
    EXPECT_EQ(r, L({"1 3 ", "2 4 ", "", "5   ", ""}));
    // Cells are cut to the column width.
    TmStr::FormataColunas(L({"abcdef", "x"}), r, 1, 2, 3, false, false);
    EXPECT_EQ(r, L({"abcx  "}));
}

TEST(FormataColunas, SizesBelowOneMakeProgressAndKeepTheItems) {
    const QStringList itens = UmADez();
    QStringList r;
    TmStr::FormataColunas(itens, r, 0, 0, 2, true, false);
    ASSERT_EQ(r.size(), 10);
    EXPECT_EQ(r.last(), QStringLiteral("10"));
    TmStr::FormataColunas(itens, r, -2, 5, -1, false, false);
    EXPECT_EQ(r, L({"", ""}));
    TmStr::FormataColunas({}, r, 3, 3, 3, false, true);
    EXPECT_TRUE(r.isEmpty());
}

}  // namespace
