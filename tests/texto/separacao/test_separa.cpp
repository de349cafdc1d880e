// Splitting, joining, searching and counting.
#include <gtest/gtest.h>

#include <climits>

#include "base/EConvertError.h"
#include "texto/separacao/TmStrSepara.h"

namespace {

TEST(Separa, FieldsByPosition) {
    const struct {
        const char16_t* texto;
        int posicao;
        const char16_t* campo;
    } casos[] = {
        {u"A|B|C", 1, u"A"},    {u"A|B|C", 2, u"B"}, {u"A|B|C", 3, u"C"}, {u"A|B|C", 4, u""},
        {u"A||C", 2, u""},      {u"A||C", 3, u"C"},  {u"A|", 2, u""},     {u"A|", 3, u""},
        {u"", 1, u""},          {u"", 2, u""},       {u"A|B", 0, u"A"},   {u"A|B", INT_MIN, u"A"},
        {u"A|B", INT_MAX, u""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmStr::Separa(c.texto, u'|', c.posicao), QStringView(c.campo))
            << QString::fromUtf16(c.texto).toStdString() << " " << c.posicao;
    // NUL and surrogates are ordinary characters.
    const QString comNul = QString::fromUtf16(u"a\u0000b|\xD83D\xDE00", 6);
    EXPECT_EQ(TmStr::Separa(comNul, u'|', 1), QString::fromUtf16(u"a\u0000b", 3));
    EXPECT_EQ(TmStr::Separa(comNul, u'|', 2), QString::fromUtf16(u"\xD83D\xDE00", 2));
    EXPECT_EQ(TmStr::Separa(comNul, QChar(0), 2), QString::fromUtf16(u"b|\xD83D\xDE00", 4));
}

TEST(Split, IntoListsAndArrays) {
    QStringList lista{u"antes"_qs};
    TmStr::Split(u"a, ,b,", u',', lista, false, false);
    EXPECT_EQ(lista, (QStringList{u"antes"_qs, u"a"_qs, u" "_qs, u"b"_qs, u""_qs}));
    TmStr::Split(u"a, ,b,", u',', lista, true, true);
    EXPECT_EQ(lista, (QStringList{u"a"_qs, u"b"_qs}));
    TmStr::Split(u"", u',', lista, false, true);
    EXPECT_EQ(lista, QStringList{QString()});
    TmStr::Split(u"", u',', lista, true, true);
    EXPECT_TRUE(lista.isEmpty());
    EXPECT_EQ(TmStr::Split(u"a,b,", u','), (TcrvArrayString{u"a"_qs, u"b"_qs, u""_qs}));
    EXPECT_EQ(TmStr::SplitInt(u"1,,x, 7,-3,$10", u','), (TcrvArrayInteger{1, 0, 7, -3, 0}));
    // The library's strict reader: nothing may follow the digits, no line break before them.
    EXPECT_EQ(TmStr::SplitInt(u"7 ;+7;\n7;0x1f;2147483648", u';'),
              (TcrvArrayInteger{0, 7, 0, 0, 0}));
    EXPECT_EQ(TmStr::SplitPart(u"a;b;c", u';', 2), u"b");
    EXPECT_EQ(TmStr::SplitPart(u"a;b;", u';', 3), u"");
    EXPECT_THROW(TmStr::SplitPart(u"a;b", u';', 3), EListError);
    EXPECT_THROW(TmStr::SplitPart(u"a;b", u';', 0), EListError);
}

TEST(SplitCSV, QuotedFieldsAndTrailingSeparator) {
    const struct {
        const char16_t* texto;
        QStringList campos;
    } casos[] = {
        {u"a,\"b,c\",d", {u"a"_qs, u"b,c"_qs, u"d"_qs}},
        {u"a,,b", {u"a"_qs, u""_qs, u"b"_qs}},
        {u"a,", {u"a"_qs}},
        {u"\"a\"\"b\"", {u"ab"_qs}},
        {u"\"\"", {}},
        {u"\"a,b", {u"a,b"_qs}},  // an unclosed quote runs to the end
        {u",", {u""_qs}},
    };
    for (const auto& c : casos) {
        QStringList lista{u"velho"_qs};
        TmStr::SplitCSV(lista, c.texto, u',', true);
        EXPECT_EQ(lista, c.campos) << QString::fromUtf16(c.texto).toStdString();
    }
    QStringList acumulado{u"x"_qs};
    TmStr::SplitCSV(acumulado, u"y", u',', false);
    EXPECT_EQ(acumulado, (QStringList{u"x"_qs, u"y"_qs}));
}

TEST(SplitB, TokensAreItemsOfTheirOwn) {
    QStringList lista{u"velho"_qs};
    TmStr::SplitB(u"a;b;;c", u';', lista);
    EXPECT_EQ(lista, (QStringList{u"a"_qs, u";"_qs, u"b"_qs, u";"_qs, u";"_qs, u"c"_qs}));
    TmStr::SplitB(u";;", u';', lista);
    EXPECT_EQ(lista, (QStringList{u";"_qs, u";"_qs}));
    TmStr::SplitB(u"", u';', lista);
    EXPECT_TRUE(lista.isEmpty());
    EXPECT_EQ(TmStr::GetStringPart(u"a;b;c", u';', 0), u"a");
    EXPECT_EQ(TmStr::GetStringPart(u"a;b;c", u';', 1), u";");
    EXPECT_EQ(TmStr::GetStringPart(u"a;b;c", u';', 2), u"b");
    EXPECT_EQ(TmStr::GetStringPart(u"a;b;c", u';', 5), u"");
    EXPECT_THROW(TmStr::GetStringPart(u"a;b;c", u';', -1), EListError);
}

TEST(QuotedLists, SqlLiterals) {
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"1,2,'x'", u','), u"'1','2','x'");
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"", u','), u"''");
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"d'agua", u','), u"'d''agua'");
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"'it''s'", u','), u"'it''s'");
    // Only a well-formed literal is kept as it is: a lone or unbalanced quote is quoted.
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"'", u','), u"''''");
    EXPECT_EQ(TmStr::SplitInQuotedStr(u"'a' OR 'b'", u','), u"'''a'' OR ''b'''");
    EXPECT_EQ(TmStr::QuotedList(u"1,2,3,", u","), u"'1','2','3'");
    EXPECT_EQ(TmStr::GetStringFilterIn(u"1,2,3,", u",", false), u"1,2,3");
    EXPECT_EQ(TmStr::GetStringFilterIn(u",b", u",", false), u"b");  // an empty head item
    EXPECT_EQ(TmStr::GetStringFilterIn(u"a,b", u"", true), u"'a,b'");
}

TEST(Concatena, SeparatorOnlyWhenFilled) {
    QString s;
    TmStr::Concatena(s, u"a", u", ", false);
    TmStr::Concatena(s, u"b", u", ", false);
    EXPECT_EQ(s, u"a, b");
    TmStr::Concatena(s, u"A", u", ", true);  // already an item (any case): unchanged
    EXPECT_EQ(s, u"a, b");
    TmStr::Concatena(s, u"c", u", ", true);
    EXPECT_EQ(s, u"a, b, c");
    TmStr::ConcatenaInicio(s, u"z", u"-");
    EXPECT_EQ(s, u"z-a, b, c");
    QString vazio;
    TmStr::ConcatenaInicio(vazio, u"z", u"-");
    EXPECT_EQ(vazio, u"z");
    EXPECT_EQ(TmStr::Concatena(TcrvArrayString{u""_qs, u"b"_qs}, u","), u"b");
    EXPECT_EQ(TmStr::Concatena(TcrvArrayString{u"a"_qs, u""_qs, u"c"_qs}, u","), u"a,,c");
    EXPECT_EQ(TmStr::ArrayConcatToStr({u"a"_qs, u"o'b"_qs}, u",", true), u"'a','o''b'");
    EXPECT_EQ(TmStr::ArrayStrConcatToStr({u""_qs, u"x"_qs}, u";", true), u"'';'x'");
    EXPECT_EQ(TmStr::ArrayIntToStr({1, -2, 30}, u", "), u"1, -2, 30");
    EXPECT_EQ(TmStr::ArrayCharToString({u'a', u'b'}), u"ab");
    TcrvArrayString a;
    TmStr::AddArray(a, u"x"_qs);
    EXPECT_EQ(TmStr::crvAStrToTStrings(a), QStringList{u"x"_qs});
    TmStr::ClearArray(a);
    EXPECT_TRUE(a.isEmpty());
    TcrvArrayInteger i;
    TmStr::AddArray(i, 4);
    EXPECT_EQ(i, TcrvArrayInteger{4});
    TmStr::ClearArray(i);
    EXPECT_TRUE(i.isEmpty());
}

TEST(Busca, ReplaceCountAndMembership) {
    EXPECT_EQ(TmStr::Replace(u"aAa", u"a", u"b", false), u"bAb");
    EXPECT_EQ(TmStr::Replace(u"aAa", u"a", u"b", true), u"bbb");
    EXPECT_EQ(TmStr::Replace(u"ação AÇÃO", u"ção", u"x", true), u"ax Ax");
    EXPECT_EQ(TmStr::Replace(u"abc", u"", u"x", false), u"abc");
    EXPECT_EQ(TmStr::Replace(u"aaa", u"a", u"aa", false), u"aaaaaa");
    EXPECT_EQ(TmStr::Ocorre(u"aaaa", u"aa"), 2);
    EXPECT_EQ(TmStr::Ocorre(u"aaaa", u""), 0);
    EXPECT_EQ(TmStr::Ocorre(u"", u"a"), 0);
    EXPECT_EQ(TmStr::OcorreCh(u"aba", u'a'), 2);
    EXPECT_EQ(TmStr::ContarRepeticaoCaracter(u"aba", u'a'), 2);
    EXPECT_TRUE(TmStr::Contem(u"abc", {u"ABC"_qs, u"x"_qs}));
    EXPECT_FALSE(TmStr::Contem(u"abc", {u"ab"_qs}));
    EXPECT_EQ(TmStr::ContemPos(u"ação", {u"x"_qs, u"AÇÃO"_qs}), 1);
    EXPECT_EQ(TmStr::ContemPos(u"a", {}), -1);
    EXPECT_TRUE(TmStr::ContemTodos(u"Pão de Açúcar", {u"PÃO"_qs, u"açúcar"_qs}));
    EXPECT_FALSE(TmStr::ContemTodos(u"Pão", {u"pão"_qs, u"x"_qs}));
    EXPECT_TRUE(TmStr::ContemTodos(u"x", {}));
    EXPECT_TRUE(TmStr::ContemInt(3, {1, 2, 3}));
    EXPECT_FALSE(TmStr::ContemInt(4, {}));
}

TEST(Busca, PrefixSuffixAndPositions) {
    EXPECT_TRUE(TmStr::StartsWith(u"Abc", u"ab", true));
    EXPECT_FALSE(TmStr::StartsWith(u"Abc", u"ab", false));
    EXPECT_FALSE(TmStr::StartsWith(u"Ação", u"AÇ", true));  // ASCII upper-casing only
    EXPECT_FALSE(TmStr::StartsWith(u"a", u"ab", true));
    EXPECT_TRUE(TmStr::StartsWith(u"a", u"", false));
    EXPECT_TRUE(TmStr::EndsWith(u"abc", u""));
    EXPECT_TRUE(TmStr::EndsWith(u"abc", u"bc"));
    EXPECT_FALSE(TmStr::EndsWith(u"abc", u"BC"));
    EXPECT_FALSE(TmStr::EndsWith(u"bc", u"abc"));
    EXPECT_TRUE(TmStr::EqualsIgnoreCase(u"abc", u"ABC"));
    EXPECT_FALSE(TmStr::EqualsIgnoreCase(u"é", u"É"));
    EXPECT_EQ(TmStr::CopyStr(u"x[ab]y", u"[", u"]"), u"ab");
    EXPECT_EQ(TmStr::CopyStr(u"x[ab]y", u"(", u"]"), u"");
    EXPECT_EQ(TmStr::CopyStr(u"x]ab[y", u"[", u"]"), u"");
    EXPECT_EQ(TmStr::CopyStr(u"x[]y", u"[", u"]"), u"");
    EXPECT_EQ(TmStr::CopyStr(u"<<a>>", u"<<", u">>"), u"a");
    EXPECT_EQ(TmStr::PosReverse(u"b", u"abc"), 2);
    EXPECT_EQ(TmStr::PosReverse(u"ab", u"abab"), 1);
    EXPECT_EQ(TmStr::PosReverse(u"x", u"abc"), 0);
    EXPECT_EQ(TmStr::PosPrimeiroNumero(u"ab1c2"), 3);
    EXPECT_EQ(TmStr::PosPrimeiroNumero(u"abc"), 0);
    EXPECT_EQ(TmStr::GetPosCaracterBackJumpingNCaracter(u"a/b/c/d", u'/', 2), 4);
    EXPECT_EQ(TmStr::GetPosCaracterBackJumpingNCaracter(u"a/b/c/d", u'/', 0), 6);
    EXPECT_EQ(TmStr::GetPosCaracterBackJumpingNCaracter(u"a/b/c/d", u'/', 4), 0);
}

}  // namespace
