// Cleanup, character classes and accent folding.
#include <gtest/gtest.h>

#include "support/ComRegionais.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

TEST(Limpeza, BlanksLinesAndLeadingCharacters) {
    EXPECT_EQ(TmStr::RemoveEspacosDuplos(u"a     b"), u"a b");
    EXPECT_EQ(TmStr::RemoveEspacosDuplos(u"  a\t\tb  "), u" a\t\tb ");
    EXPECT_EQ(TmStr::RemoveEnter(u"um\r\ndois\nx\ry"), u"um doisx y");
    EXPECT_EQ(TmStr::Clear(u"  Ação   Nº 1 "), u"acao no 1");
    EXPECT_EQ(TmStr::RemoveCaracterLeft(u"xxaxb", u'x'), u"axb");
    EXPECT_EQ(TmStr::RemoveZerosEsquerda(u"000"), u"");
    EXPECT_EQ(TmStr::RemoveZerosEsquerda(u"0102"), u"102");
}

TEST(Limpeza, CharacterClasses) {
    EXPECT_EQ(TmStr::OnlyDigits(u" 12.345-6/7 "), u"1234567");
    EXPECT_EQ(TmStr::SomenteNumeros(u"R$ 1.234,56", false), u"1234,56");
    EXPECT_EQ(TmStr::SomenteNumeros(u"R$ 1.234,56", true), u"123456");
    EXPECT_EQ(TmStr::RemoveNumeros(u" a1b2 "), u" ab ");
    EXPECT_EQ(TmStr::SomenteLetras(u" a-b_c1é ", u"_"), u"ab_c");
    EXPECT_EQ(TmStr::SomenteLetras(u"a-b_c", u"_-"), u"abc");
    EXPECT_EQ(TmStr::SomenteAlfa(u" a-b c!é ", u"_"), u"a_b c__");
    EXPECT_EQ(TmStr::SomenteAlfa(u"a-b", u""), u"ab");
    EXPECT_EQ(TmStr::SomenteASCII(u" aÀ×ØÝàý\u00ff\u0100~\u007f "), u"aÀà~");
    TSysCharSet vogais;
    for (char c : {'a', 'e', '\0'})
        vogais.set(static_cast<unsigned char>(c));
    EXPECT_EQ(TmStr::Somente(u" abe\u0161e ", vogais, true), u"aee");
    EXPECT_EQ(TmStr::Somente(QStringView(u" a\u0000b ", 5), vogais, false),
              QStringView(u"a\u0000", 2));
    EXPECT_EQ(TmStr::SomenteCaracteresValidos(u"Olá\r\nç?~\t'ÿ`§"), u"Olá  ç?'ÿ");
    EXPECT_EQ(TmStr::SomenteCaracteresValidosXML_WS(u"  c:\\dir\n"), u"c:/dir");
    {
        // The class reads the snapshot: a change of the live settings alone does not move it.
        ComRegionaisVivas pontoSoVivo(ComPonto());
        EXPECT_EQ(TmStr::SomenteNumeros(u"R$ 1.234,56", false), u"1234,56");
        EXPECT_TRUE(TmStr::IsNumero(u"1,5", false));
    }
    ComRegionais ponto(ComPonto());
    EXPECT_EQ(TmStr::SomenteNumeros(u"R$ 1,234.56", false), u"1234.56");
}

TEST(Acentos, FoldingTables) {
    EXPECT_EQ(TmStr::RemoveAcentos(u"Ação nº 1", true), u"Acao no 1");
    EXPECT_EQ(TmStr::RemoveAcentos(u"Ação nº 1", false), u"Acao nº 1");
    EXPECT_EQ(TmStr::RemoveAcentos(u"d'água", true), u"dagua");
    EXPECT_EQ(TmStr::RemoveAcentos(u"\"~`´ª", true), u"a");
    EXPECT_EQ(TmStr::RemoveAcentos(u"ÀÁÂÃÄÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜ", false),
              u"AAAAACEEEEIIIINOOOOOUUUU");
    EXPECT_EQ(TmStr::RemoveAcentos(u"àáâãäçèéêëìíîïñòóôõöùúûü", false),
              u"aaaaaceeeeiiiinooooouuuu");
    EXPECT_EQ(TmStr::RemoveAcentos(u"ÅÆØÝýÿ€", true), u"ÅÆØÝýÿ€");
    EXPECT_EQ(TmStr::RemoveAcentosSQL(u"d'água \"x\" nº `´~"), u"d'agua \"x\" no ");
    EXPECT_EQ(TmStr::LimparStringParaSQL(u"a/b\\ç"), u"a_b_c");
    EXPECT_EQ(TmStr::RemoveCaracteresEspeciais(u"Ação? `x´ ~'\"@ nº §\u20ac"),
              u"Acao   x  ~'\"@ no   ");
}

TEST(Acentos, ByteOrderMarkOfTheFirstLine) {
    const QString bom = QString::fromUtf16(u"\u00ef\u00bb\u00bf");
    QStringList lista{bom + u"abc"_qs, bom + u"x"_qs};
    TmStr::RemoverBOM_StringList(lista);
    EXPECT_EQ(lista, (QStringList{u"abc"_qs, bom + u"x"_qs}));
    QStringList soMarca{bom};
    TmStr::RemoverBOM_StringList(soMarca);
    EXPECT_EQ(soMarca, QStringList{QString()});  // three characters: the mark alone also goes
    QStringList vazia;
    TmStr::RemoverBOM_StringList(vazia);
    EXPECT_TRUE(vazia.isEmpty());
}

}  // namespace
