// The state table, check digits, state registrations, access keys and display forms, on the
// library's own examples and on numbers published by the states.
#include <gtest/gtest.h>

#include <QDate>

#include "base/Relogio.h"
#include "sistema/documentos/TmStrChaveAcesso.h"
#include "sistema/documentos/TmStrDocumentos.h"
#include "sistema/documentos/TmUF.h"

// Texts in failure messages as text.
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

namespace {

TDateTime Data(int ano, int mes, int dia) {
    return DataHora::FromQDate(QDate(ano, mes, dia));
}

TEST(TmUF, TableAndCodes) {
    const TUnidadeFederativa ba = TmUF::Dados(QStringLiteral("BA"));
    EXPECT_EQ(ba.Sigla, u"BA");
    EXPECT_EQ(ba.IBGE, 29);
    EXPECT_EQ(ba.Tamanho, (QList<int>{8, 9}));
    EXPECT_EQ(TmUF::Dados(QStringLiteral("PE")).Tamanho, (QList<int>{9, 14}));
    EXPECT_EQ(TmUF::Dados(QStringLiteral("RO")).Tamanho, (QList<int>{14}));
    EXPECT_EQ(TmUF::Dados(QStringLiteral("SE")).Tamanho, (QList<int>{9}));
    EXPECT_TRUE(TmUF::Dados(QStringLiteral("ba")).Sigla.isEmpty());
    EXPECT_EQ(TmUF::IBGE(QStringLiteral("sp")), 0);
    EXPECT_EQ(TmUF::IBGE(QStringLiteral("DF")), 53);
    EXPECT_EQ(TmUF::Sigla(35), u"SP");
    EXPECT_EQ(TmUF::Sigla(99), u"");
    EXPECT_EQ(TmStr::EstadoExtenso(QStringLiteral("pe")), u"Pernambuco");
    EXPECT_EQ(TmStr::EstadoExtenso(QStringLiteral("SP")), u"São Paulo");
    EXPECT_EQ(TmStr::EstadoExtenso(QStringLiteral("XX")), u"");
    EXPECT_TRUE(TmStr::IsEstadoValido(QStringLiteral("FN")));
    EXPECT_TRUE(TmStr::IsEstadoValido(QStringLiteral("to")));
    EXPECT_FALSE(TmStr::IsEstadoValido(QStringLiteral("GR")));
    EXPECT_FALSE(TmStr::IsEstadoValido(QStringLiteral("SPM")));
}

TEST(TmUF, GetIEValidada) {
    const struct {
        const char* ie;
        const char* uf;
        const char* esperada;
    } casos[] = {
        {"12345", "SP", "000000012345"},
        {" 110042490114 ", "SP", "110042490114"},
        {"P011004243002", "SP", "P011004243002"},
        {"00000000625213", "RO", "00000000625213"},  // was cut to 9 digits
        {"271234563", "SE", "271234563"},            // was padded to 10 and then failed
        {"1234567890123", "AL", "567890123"},
        {"123", "XX", "123"},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmUF::GetIEValidada(QString::fromUtf8(c.ie), QString::fromUtf8(c.uf)),
                  QString::fromUtf8(c.esperada))
            << c.ie << " " << c.uf;
}

TEST(CpfCnpj, CheckDigits) {
    const struct {
        const char* base;
        const char* digitos;
    } casos[] = {
        {"123456789", "09"},     {"111444777", "35"},     {"000000000", ""},
        {"111111111", "11"},     {"112223330001", "81"},  {"000000000000", ""},
        {"12ABC34501DE", "35"},  {"12abc34501de", "35"},  {"12345678", ""},
        {"12.345.678/0001", ""}, {"1234567890123", "30"}, {"", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmStr::CalculaDigitoCnpjCpf(QString::fromUtf8(c.base)),
                  QString::fromUtf8(c.digitos))
            << c.base;
}

TEST(CpfCnpj, Validation) {
    const struct {
        const char* codigo;
        bool valido;
    } casos[] = {
        {"123.456.789-09", true},       {"12345678909", true},
        {"123.456.789 09", false},      {"111.111.111-11", false},
        {"123.456.789-08", false},      {"11.222.333/0001-81", true},
        {"11222333000181", true},       {"11222333000182", false},
        {"00000000000000", false},      {"12.ABC.345/01DE-35", true},
        {"12abc34501de35", true},       {"12ABC34501DE34", false},
        {"12ABC34501DEAB", false},      {"1234567890A", false},
        {"1234567890", false},          {"", false},
        {"12.ABC.345/01DE-35!", false}, {"ÀBC", false},
    };
    for (const auto& c : casos)
        EXPECT_EQ(TmStr::IsCPFValido(QString::fromUtf8(c.codigo)), c.valido) << c.codigo;
}

TEST(Pis, Validation) {
    EXPECT_TRUE(TmStr::IsPISValido(u"12345678900"));
    EXPECT_FALSE(TmStr::IsPISValido(u"12345678901"));
    EXPECT_FALSE(TmStr::IsPISValido(u"11111111111"));
    EXPECT_FALSE(TmStr::IsPISValido(u"1234567890"));
    // A formatted PIS answers false instead of raising.
    EXPECT_FALSE(TmStr::IsPISValido(u"123.45678.90-0"));
    EXPECT_FALSE(TmStr::IsPISValido(u"1234567890x"));
}

TEST(Modulo11, AccessKeyDigit) {
    EXPECT_EQ(TmStr::CalcModulo11(u"3520071420016600018755001000000007112345678", 0), u"8");
    EXPECT_EQ(TmStr::CalcModulo11(u"0", 7), u"7");
    EXPECT_EQ(TmStr::CalcModulo11(u"", 0), u"0");
    EXPECT_EQ(TmStr::CalcModulo11(u"12-3", 0), u"");
    EXPECT_EQ(TmStr::CalcModulo11(u"35260712ABC34501DE35650010000001231000000123", 0).size(), 1);
}

// Numbers the states publish as examples, and the library's own rules' examples.
TEST(InscricaoEstadual, PublishedNumbers) {
    const struct {
        const char* uf;
        const char* ie;
    } validas[] = {
        {"AC", "01.004.823/001-12"},
        {"AL", "240000048"},
        {"AP", "030123459"},
        {"AM", "999999990"},
        {"BA", "123456-63"},
        {"BA", "612345-57"},
        {"BA", "1000003-06"},
        {"BA", "1234567-48"},
        {"CE", "06000001-5"},
        {"DF", "07300001001-09"},
        {"ES", "999999990"},
        {"GO", "10.987.654-7"},
        {"MA", "120000385"},
        {"MT", "0013000001-9"},
        {"MT", "130000019"},
        {"MS", "280000006"},
        {"MG", "062.307.904/0081"},
        {"PA", "15-999999-5"},
        {"PR", "123.45678-50"},
        {"PE", "0321418-40"},
        {"PE", "18.1.001.0000004-9"},
        {"RJ", "99.999.99-3"},
        {"RN", "20.040.040-1"},
        {"RN", "20.0.040.040-0"},
        {"RN", "2004004010"},
        {"RS", "224/3658792"},
        {"RO", "0000000062521-3"},
        {"RR", "24006628-1"},
        {"SC", "251.040.852"},
        {"SE", "27123456-3"},
        {"SP", "110.042.490.114"},
        {"SP", "P-01100424.3/002"},
        {"TO", "29010227836"},
        {"AC", "ISENTO"},
        {"SP", ""},
    };
    for (const auto& c : validas)
        EXPECT_TRUE(TmStr::isIEValido(QString::fromUtf8(c.uf), QString::fromUtf8(c.ie), {}))
            << c.uf << " " << c.ie;

    const struct {
        const char* uf;
        const char* ie;
    } invalidas[] = {
        {"SP", "1100424901140"},  // 13 digits without the P
        {"SP", "110042490115"},  {"sp", "110042490114"}, {"S", "110042490114"},
        {"XX", "110042490114"},  {"BA", "123456-64"},    {"BA", "1234567-49"},
        {"PE", "0321418-41"},    {"RN", "2004004011"},   {"RN", "3004004010"},
        {"RO", "000000062521"},  {"SE", "0271234563"},   {"AL", "250000048"},
        {"GO", "20.987.654-7"},  {"TO", "29040227836"},  {"MG", "062.307.904/0082"},
    };
    for (const auto& c : invalidas)
        EXPECT_FALSE(TmStr::isIEValido(QString::fromUtf8(c.uf), QString::fromUtf8(c.ie), {}))
            << c.uf << " " << c.ie;
    // A person (11-character CPF) has no registration to check.
    EXPECT_TRUE(TmStr::isIEValido(u"SP"_qs, u"123"_qs, u" 123.456.789 "_qs.mid(1, 11)));
}

TEST(InscricaoEstadual, GoiasSpecialRanges) {
    // r = 1 gives 1 inside 10103105..10119997 and 0 outside; 11094402 takes both.
    EXPECT_TRUE(TmStr::isIEValido(u"GO"_qs, u"110944020"_qs, {}));
    EXPECT_TRUE(TmStr::isIEValido(u"GO"_qs, u"110944021"_qs, {}));
    EXPECT_FALSE(TmStr::isIEValido(u"GO"_qs, u"110944022"_qs, {}));
}

TEST(NumeroSequencial, Runs) {
    EXPECT_TRUE(TmStr::isNumeroSequencial(u"12345678", 4));
    EXPECT_FALSE(TmStr::isNumeroSequencial(u"89101112", 4));
    EXPECT_TRUE(TmStr::isNumeroSequencial(u"0123", 4));
    EXPECT_FALSE(TmStr::isNumeroSequencial(u"12", 1));
    EXPECT_FALSE(TmStr::isNumeroSequencial(u"a1234", 4));
    EXPECT_FALSE(TmStr::isNumeroSequencial(u"123", 4));
}

TEST(ChaveAcesso, ControlCode) {
    EXPECT_EQ(TmStr::GetCodigoParaNFe(123, Data(2020, 1, 1)), 20013219);
    EXPECT_EQ(TmStr::GetCodigoParaNFe(7, Data(2020, 7, 15)), 219778);
    // A code equal to the number gets its first digit moved on (9 to the "1" of 10).
    EXPECT_EQ(TmStr::GetCodigoParaNFe(99999990, Data(2020, 1, 1)), 19999990);
    EXPECT_EQ(TmStr::GetCodigoParaNFe(11111115, Data(2020, 1, 1)), 21111115);
    // «123457» starts with four ascending digits: made again from the next day.
    EXPECT_EQ(TmStr::GetCodigoParaNFe(5, Data(2019, 8, 22)), 123556);
    // Before 2018 the years are counted backwards, without raising.
    EXPECT_EQ(TmStr::GetCodigoParaNFe(5, Data(2017, 8, 22)), 123556);
    EXPECT_NO_THROW(TmStr::GetCodigoParaNFe(-42, Data(1900, 1, 1)));
}

TEST(ChaveAcesso, Composition) {
    Relogio::Fixar(Data(2024, 5, 10));
    const QString chave = TmStr::CalculaChaveEletronica(
        u"SP"_qs, Data(2020, 7, 15), u"14200166000187"_qs, mdeNFe, 1, 7, 1, 12345678);
    EXPECT_EQ(chave, u"35200714200166000187550010000000071123456788");
    // The control code from the number and the date, from 2 September 2019 on.
    const QString calculada = TmStr::CalculaChaveEletronica(
        u"SP"_qs, Data(2020, 7, 15), u"14.200.166/0001-87"_qs, mdeNFCe, 1, 7, 1, -1);
    EXPECT_EQ(calculada.mid(0, 43), u"3520071420016600018765001000000007100219778");
    Relogio::Fixar(Data(2019, 9, 1));
    EXPECT_EQ(
        TmStr::CalculaChaveEletronica(u"SP"_qs, Data(2019, 8, 1), u"1"_qs, mdeCTe, 2, 7, 1, -1)
            .mid(20, 23),
        u"57002000000007100000007");
    Relogio::Fixar(Data(2026, 8, 1));
    const QString alfanumerica = TmStr::CalculaChaveEletronica(
        u"RJ"_qs, Data(2026, 7, 20), u"12.abc.345/01de-35"_qs, mdeMDFe, 123, 123456789, 9, 42);
    EXPECT_EQ(alfanumerica.size(), 44);
    EXPECT_EQ(alfanumerica.mid(6, 14), u"12ABC34501DE35");
    EXPECT_EQ(TmStr::CalcModulo11(alfanumerica.left(43), 0), alfanumerica.right(1));
    Relogio::Liberar();
}

QString Mensagem(const std::function<void()>& chamada) {
    try {
        chamada();
    } catch (const EChaveAcesso& e) {
        return e.Mensagem();
    }
    return u"<nada>"_qs;
}

TEST(ChaveAcesso, ValidaChaveAcesso) {
    const QString chave = u"35200714200166000187550010000000071123456788"_qs;
    const auto validar = [&](const QString& chaveDada, const QString& cnpj, const QString& serie,
                             const QString& numero) {
        return Mensagem([&] {
            TmRot::ValidaChaveAcesso(chaveDada, u"35"_qs, u"2007"_qs, cnpj, u"55"_qs, serie, numero,
                                     u"1"_qs, u"8"_qs);
        });
    };
    EXPECT_EQ(validar(u"   "_qs, u"1"_qs, u"1"_qs, u"1"_qs), u"<nada>");
    EXPECT_EQ(validar(chave, u"14200166000187"_qs, u"1"_qs, u"7"_qs), u"<nada>");
    EXPECT_EQ(validar(chave.left(43), {}, {}, {}),
              u"Chave de acesso deve ter o tamanho de 44 caracteres.");
    // Series 890 to 899 skip the issuer CNPJ.
    const QString avulsa = u"35200714200166000187558900000000071123456788"_qs;
    EXPECT_EQ(validar(avulsa, u"99999999000191"_qs, u"890"_qs, u"7"_qs), u"<nada>");
    EXPECT_EQ(validar(chave, u"99999999000191"_qs, u"1"_qs, u"7"_qs),
              u"CNPJ do emitente \"99999999000191\" difere do informado na composição da chave "
              u"de acesso.\r\r Local na chave de acesso: \"352007 ---> 14200166000187 <--- "
              u"550010000000071123456788 \" ");
    // A number agrees right-aligned (000000007) and left-aligned (700000000); 123 does not.
    EXPECT_EQ(validar(chave, {}, {}, u" 123"_qs),
              u"Número do Documento Fiscal \" 123\" difere do informado na composição da chave "
              u"de acesso.\r\r Local na chave de acesso: \"3520071420016600018755001 ---> "
              u"000000007 <--- 1123456788 \" ");
    const QString alfanumerica = u"33260712ABC34501DE35580000000000421234567895"_qs;
    EXPECT_EQ(Mensagem([&] {
                  TmRot::ValidaChaveAcesso(alfanumerica, u"33"_qs, {}, u"12abc34501de35"_qs, {}, {},
                                           {}, {}, {});
              }),
              u"<nada>");
}

TEST(Formatos, DisplayForms) {
    EXPECT_EQ(TmStr::FormataCPFCNPJ(u"12345678000195"), u"12.345.678/0001-95");
    EXPECT_EQ(TmStr::FormataCPFCNPJ(u"123.456.789/09"), u"123.456.789-09");
    EXPECT_EQ(TmStr::FormataCPFCNPJ(u"12abc34501de35"), u"12.ABC.345/01DE-35");
    EXPECT_EQ(TmStr::FormataCPFCNPJ(u"1234-5"), u"12345");
    EXPECT_EQ(TmStr::FormataPIS(u"12345678901"), u"123.45678.90-1");
    EXPECT_EQ(TmStr::FormataIE(u"123456789"), u"123.456.789");
    EXPECT_EQ(TmStr::FormataIE(u"12345678"), u"12.345.678");
    EXPECT_EQ(TmStr::FormataIE(u"ISENTO"), u"ISENTO");
    EXPECT_EQ(TmStr::FormataCEP(u"12345678"), u"12345-678");
    EXPECT_EQ(TmStr::FormataCEP(u"12.345"), u"12345");
    EXPECT_EQ(TmStr::FormataFone(u"1234567"), u"(00)123-4567");
    EXPECT_EQ(TmStr::FormataFone(u"12345678"), u"(00)1234-5678");
    EXPECT_EQ(TmStr::FormataFone(u"123456789"), u"(00)12345-6789");
    EXPECT_EQ(TmStr::FormataFone(u"1123456789"), u"(11)2345-6789");
    EXPECT_EQ(TmStr::FormataFone(u"11987654321"), u"(11)98765-4321");
    EXPECT_EQ(TmStr::FormataFone(u"+55 (11) 98765-4321"), u"(55)11987-6543");
    EXPECT_EQ(TmStr::FormataFone(u"123456"), u"");
    EXPECT_EQ(TmStr::FormataNCM(u"12345678"), u"1234.56.78");
    EXPECT_EQ(TmStr::FormataNCM(u"2345678"), u"0234.56.78");
    EXPECT_EQ(TmStr::FormataNCM(u"123456789"), u"123456789");
    EXPECT_EQ(TmStr::FormataTIPI(u"123456789"), u"2345.67.89");
    EXPECT_EQ(TmStr::FormataTIPI(2345678), u"0234.56.78");
    EXPECT_EQ(TmStr::FormataCEST(u"1234567"), u"12.345.67");
    EXPECT_EQ(TmStr::FormataPlacaVeiculo(u" ABC1234 "), u"ABC-1234");
    EXPECT_EQ(TmStr::FormataChaveNFe(u"NFe35200714200166000187550010000000071123456788"_qs),
              u"NFe 3520 0714 2001 6600 0187 5500 1000 0000 0711 2345 6788");
    EXPECT_EQ(TmStr::FormataChaveNFe(u"123456"_qs), u"1234 56");
}

}  // namespace
