#include <gtest/gtest.h>

#include "display/protocolo/ListaSep.h"

TEST(ListaSep, SplitsByTheStrictQuotedRule) {
    struct Caso {
        QString texto;
        QChar delimitador;
        QStringList campos;
    };
    const Caso casos[] = {
        {"", u'|', {}},
        {"a|b", u'|', {"a", "b"}},
        {"a|", u'|', {"a", ""}},
        {"|", u'|', {"", ""}},
        {"a||b", u'|', {"a", "", "b"}},
        {" a | b ", u'|', {" a ", " b "}},
        {"\"a|b\"|c", u'|', {"a|b", "c"}},
        {"\"a\"\"b\"", u'|', {"a\"b"}},
        {"\"a\"|", u'|', {"a", ""}},
        {"\"sem fim|x", u'|', {"sem fim|x"}},
        {"\"a\"b|c", u'|', {"a", "b", "c"}},
        {"a\"b|c", u'|', {"a\"b", "c"}},
        {QStringView(u"a|b\0|c", 6).toString(), u'|', {"a", "b"}},
        {QStringView(u"\0a", 2).toString(), u'|', {}},
        {"1|x&TOTAL|9", u'&', {"1|x", "TOTAL|9"}},
        {"TOTAL|43,80|||||||||", u'|', {"TOTAL", "43,80", "", "", "", "", "", "", "", "", ""}},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(DividirCampos(caso.texto, caso.delimitador), caso.campos)
            << caso.texto.toStdString();
    }
}
