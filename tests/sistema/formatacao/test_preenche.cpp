// Filling to a width.
#include <gtest/gtest.h>

#include "sistema/formatacao/TmStrPreenche.h"
#include "texto/conversao/TmStrNumeros.h"

namespace {

TEST(Preenche, FillsOnTheNamedSideAndCutsFromTheOther) {
    struct Caso {
        QString obtido;
        const char* esperado;
    };
    const QChar x = u'*';
    const Caso casos[] = {
        {TmStr::PadLeft(u"abc", 5, x, false), "abc**"},
        {TmStr::PadRight(u"abc", 5, x, false), "**abc"},
        {TmStr::RealPadRight(u"abc", 5, x, false), "abc**"},
        {TmStr::RealPadLeft(u"abc", 5, x, false), "**abc"},
        {TmStr::PadLeft(u"abcdef", 3, x, true), "abc"},
        {TmStr::PadRight(u"abcdef", 3, x, true), "def"},
        {TmStr::PadLeft(u"abcdef", 3, x, false), "abcdef"},
        {TmStr::PadRight(u"abcdef", 3, x, false), "abcdef"},
        {TmStr::PadLeft(u"abc", -4, x, true), ""},
        {TmStr::PadRight(u"abc", -4, x, false), "abc"},
        {TmStr::PadRightStrFim(u"12", 6, u'.', u"R$"), "..R$12"},
        {TmStr::PadRightStrFim(u"12345", 6, u'.', u"R$"), "$12345"},
        {TmStr::PadCenter(u"ab", 5, x), "*ab**"},
        {TmStr::PadCenter(u"ab", 6, x), "**ab**"},
        {TmStr::PadCenter(u"abcdef", 3, x), "cde"},
        {TmStr::PadCenter(u"abcdef", 4, x), "bcde"},
        {TmStr::PadCenter(u"abc", 0, x), ""},
        {TmStr::Space(3), "   "},
        {TmStr::Space(-1), ""},
        {TmStr::RepeteStr(u"ab", 3), "ababab"},
        {TmStr::RepeteStr(u"ab", 0), ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(c.obtido, QString::fromUtf8(c.esperado));
}

// The number overload lives in another unit; both must be reachable side by side.
TEST(Preenche, TextAndNumberOverloadsOfPadRightCoexist) {
    EXPECT_EQ(TmStr::PadRight(u"7", 3, u'0', false), QStringLiteral("007"));
    EXPECT_EQ(TmStr::PadRight(7.5, 6, u' ', u"0.00", false), QStringLiteral("  7,50"));
}

}  // namespace
