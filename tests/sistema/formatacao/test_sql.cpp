// SQL literals and the positional template.
#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>

#include "base/EConvertError.h"
#include "base/TDateTime.h"
#include "sistema/formatacao/TmStrSql.h"

namespace {

TEST(LiteraisSql, NullForNothingQuotedOtherwise) {
    EXPECT_EQ(TmStr::Plural(true), QStringLiteral("s"));
    EXPECT_EQ(TmStr::Plural(false), QString());
    EXPECT_EQ(TmStr::Coalesce(u"", u"padrão"), QStringLiteral("padrão"));
    EXPECT_EQ(TmStr::Coalesce(u" ", u"padrão"), QStringLiteral(" "));
    EXPECT_EQ(TmStr::IfVazioNull(u" \t "), QStringLiteral("null"));
    EXPECT_EQ(TmStr::IfVazioNull(u"o'neil ção"), QStringLiteral("'O''NEIL çãO'"));
    EXPECT_EQ(TmStr::IfZeroNull(0), QStringLiteral("null"));
    EXPECT_EQ(TmStr::IfZeroNull(-7), QStringLiteral("-7"));
}

TEST(Fmt, WritesEachKindOfParameter) {
    const TDateTime dia = DataHora::FromQDate(QDate(2024, 3, 15));
    const Variante data = Variante::DeDataHora(dia);
    const Variante hora = Variante::DeDataHora(0.5);
    const Variante ambos = Variante::DeDataHora(dia + 0.5);
    struct Caso {
        TParametroFmt parametro;
        TFormatStFlags flags;
        const char* esperado;
    };
    const Caso casos[] = {
        {42, {}, "42"},
        {1234.5, {}, "1234,5"},
        {1234.5, flagSQL, "1234.5"},
        {1234.5, flagHuman, "1.234,50"},
        {1234.5, flagSQL | flagHuman, "1234.5"},
        {Currency::FromRaw(26750), flagHuman, "2,68"},
        {Currency::FromRaw(26750), flagSQL, "2.675"},
        {data, {}, "15/03/2024"},
        {hora, {}, "12:00"},
        {ambos, {}, "15/03/2024 12:00"},
        {data, flagSQL, "'2024-03-15'"},
        {hora, flagSQL, "'12:00:00'"},
        {ambos, flagSQL, "'2024-03-15 12:00:00'"},
        {true, {}, "True"},
        {false, flagBoolSN, "N"},
        {true, flagSQL | flagBoolSN, "'S'"},
        {"O'Neil", {}, "O'Neil"},
        {"O'Neil", flagSQL, "'O''Neil'"},
        {"c:\\x'", flagSQL | flagSQL_ConverteStr, "E'c:\\\\x'''"},
        {"now()¿¿", flagSQL, "now()"},
        {Variante(), {}, ""},
        {Variante(), flagSQL, "null"},
        {TcrvArrayString{"a", "b'"}, {}, "['a', 'b''']"},
        {TcrvArrayString{"a", "b'"}, flagSQL, "'a', 'b'''"},
        {TcrvArrayInteger{1, 2}, {}, "[1, 2]"},
        {TcrvArrayVariant{7, "x", Variante()}, flagSQL, "7, 'x', null"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TmStr::Fmt(u"<{0}>", {c.parametro}, c.flags),
                  u'<' + QString::fromUtf8(c.esperado) + u'>')
            << c.esperado;
    }
}

TEST(Fmt, ReplacesEveryPlaceholderAndLineBreaks) {
    EXPECT_EQ(TmStr::Fmt(u"id={0} and name={1}", {5, "O'Neil"}, flagSQL),
              QStringLiteral("id=5 and name='O''Neil'"));
    EXPECT_EQ(TmStr::FmtSql(u"{0}={0}", {"a"}), QStringLiteral("'a'='a'"));
    // Not placeholders of a parameter: leading zeros, numbers past the parameters, no number.
    EXPECT_EQ(TmStr::Fmt(u"{0}{01}{2}{}{x}{\\n}{", {1}), QStringLiteral("1{01}{2}{}{x}\r{"));
}

// Substituting parameter after parameter let the «{1}» inside the first one be replaced again,
// closing its literal early: the second value became SQL.
TEST(Fmt, AParameterTextIsNeverReadAgain) {
    const QString sql = TmStr::FmtSql(u"nome={0} and obs={1}", {"x{1}'", "' or 1=1 --"});
    EXPECT_EQ(sql, QStringLiteral("nome='x{1}''' and obs=''' or 1=1 --'"));
    EXPECT_EQ(TmStr::Fmt(u"{0}", {"a{\\n}b"}), QStringLiteral("a{\\n}b"));
}

TEST(Fmt, AMissingPlaceholderIsAnError) {
    try {
        TmStr::Fmt(u"a={0}", {1, 2});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Mensagem(), QStringLiteral("FormatSt. Posição {1} não localizada."));
    }
    // A placeholder brought by a parameter is not one of the template.
    EXPECT_THROW(TmStr::Fmt(u"{0}", {"{1}", 2}), EConvertError);
}

}  // namespace
