// GTIN check digits and validation, the dotted form and the random cheque lines.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSet>

#include "base/EConvertError.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "sistema/codbarras/TmStrCodBarras.h"

namespace {

TEST(CodBarra, CheckDigits) {
    const struct {
        const char16_t* corpo;
        const char16_t* digito;
    } casos[] = {
        {u"789123456789", u"5"},      // EAN-13
        {u"1234567", u"0"},           // EAN-8
        {u"03600029145", u"2"},       // UPC-A
        {u"", u"0"},                  // twelve zeros
        {u"7891234567891234", u"5"},  // only the first 12 count
        {u"789123456789x", u"5"},     // a character past them is not read
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmStr::GetCodBarraDigito(c.corpo), c.digito)
            << QString::fromUtf16(c.corpo).toStdString();
    EXPECT_EQ(TmStr::GeraCodBarra(u"789123456789"), u"7891234567895");
    EXPECT_EQ(TmStr::GetCodBarra14Digito(u"1789123456789"), u"2");
    EXPECT_EQ(TmStr::GeraCodBarra14(u"1789123456789"), u"17891234567892");
    EXPECT_EQ(TmStr::GetCodBarra14Digito(u""), u"0");
}

TEST(CodBarra, NonDigitInTheBodyRaises) {
    EXPECT_THROW(TmStr::GetCodBarraDigito(u"78912345678a"), EConvertError);
    EXPECT_THROW(TmStr::GetCodBarraDigito(u"-89123456789"), EConvertError);
    EXPECT_THROW(TmStr::GeraCodBarra14(u"178912345678 "), EConvertError);
}

TEST(CodBarra, Validation) {
    const struct {
        const char16_t* codigo;
        bool valido;    // abValidar14Digito off
        bool valido14;  // on
    } casos[] = {
        {u"7891234567895", true, true},
        {u"7891234567896", false, false},
        {u"12345670", true, true},
        {u"036000291452", true, true},
        {u"17891234567892", false, true},  // 14 digits: the 14-digit rule only with the flag
        {u"17891234567893", false, false},
        {u"0000000000000", false, false},  // reads as zero
        {u"", false, false},
        // Not all digits: refused before any check digit is computed.
        {u"-7891234567895", false, false},
        {u" 7891234567895", false, false},
        {u"7891234567895 ", false, false},
        {u"+7891234567895", false, false},
        {u"$1F", false, false},
        {u"x1F", false, false},
        {u"789123456789\uFF15", false, false},    // a full-width digit
        {u"78912345678950000000", false, false},  // beyond a 64-bit integer
    };
    for (const auto& c : casos) {
        const QString codigo = QString::fromUtf16(c.codigo);
        EXPECT_EQ(TmStr::IsCodBarraValido(codigo, false), c.valido) << codigo.toStdString();
        EXPECT_EQ(TmStr::IsCodBarraValido(codigo, true), c.valido14) << codigo.toStdString();
    }
    EXPECT_TRUE(TmStr::IsCodBarra14Valido(u"17891234567892"));
    EXPECT_FALSE(TmStr::IsCodBarra14Valido(u"00000000000000"));
    EXPECT_FALSE(TmStr::IsCodBarra14Valido(u"-1789123456789"));
    EXPECT_FALSE(TmStr::IsCodBarra14Valido(u""));
}

TEST(CodBarra, DottedForm) {
    const struct {
        const char16_t* codigo;
        const char16_t* esperado;
    } casos[] = {
        {u"7891234567895", u"789.123.456.789.5"},
        {u"1234567", u"123.456.7"},  // no leading "." when the body is whole groups
        {u"12", u"1.2"},
        {u"5", u"5"},
        {u"", u""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmStr::FormataCodigoBarrasPonto(c.codigo), c.esperado);
}

struct Cmc7 {
    QString bloco1, digito2, bloco2, digito1, bloco3, digito3;
    explicit Cmc7(const QString& linha)
        : bloco1(linha.mid(0, 7)),
          digito2(linha.mid(7, 1)),
          bloco2(linha.mid(8, 10)),
          digito1(linha.mid(18, 1)),
          bloco3(linha.mid(19, 10)),
          digito3(linha.mid(29, 1)) {}
};

TEST(Cmc7, ThirtyDigitsInTheChequeLayout) {
    TmStr::SemearGeradorCmc7(20240501);
    const QRegularExpression trintaDigitos(QStringLiteral("^[0-9]{30}$"));
    QSet<QString> linhas;
    for (int i = 0; i < 500; ++i) {
        const QString linha = TmStr::GetCmc7();
        ASSERT_TRUE(trintaDigitos.match(linha).hasMatch()) << linha.toStdString();
        const Cmc7 c(linha);
        EXPECT_EQ(c.digito1, TmConv::Modulo10(c.bloco1)) << linha.toStdString();
        EXPECT_EQ(c.digito2, TmConv::Modulo10(c.bloco2)) << linha.toStdString();
        EXPECT_EQ(c.digito3, TmConv::Modulo10(c.bloco3)) << linha.toStdString();
        linhas.insert(linha);
    }
    EXPECT_EQ(linhas.size(), 500);
}

TEST(Cmc7, SeedRepeatsTheLines) {
    TmStr::SemearGeradorCmc7(7);
    const QString primeira = TmStr::GetCmc7();
    const QString segunda = TmStr::GetCmc7();
    TmStr::SemearGeradorCmc7(7);
    EXPECT_EQ(TmStr::GetCmc7(), primeira);
    EXPECT_EQ(TmStr::GetCmc7(), segunda);
    EXPECT_NE(primeira, segunda);
}

}  // namespace
