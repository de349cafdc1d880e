#include <gtest/gtest.h>

#include <QMap>
#include <functional>

#include "sistema/pix/BrCode.h"

namespace {

// The example of the Central Bank's BR Code manual.
const QString kExemploManual = QStringLiteral(
    "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
    "5913Fulano de Tal6008BRASILIA62070503***63041D3D");

BrCode::TCobranca Cobranca() {
    return {QStringLiteral("123e4567-e12b-12d1-a456-426655440000"), Currency(),
            QStringLiteral("Fulano de Tal"), QStringLiteral("BRASILIA"), QString()};
}

QString MontarOk(const BrCode::TCobranca& cobranca) {
    QString erro;
    const std::optional<QString> codigo = BrCode::Montar(cobranca, erro);
    EXPECT_TRUE(codigo) << erro.toStdString();
    return codigo.value_or(QString());
}

TEST(BrCode, Crc16IsTheCcittFalseVariant) {
    EXPECT_EQ(BrCode::Crc16("123456789"), 0x29B1);
    EXPECT_EQ(BrCode::Crc16(""), 0xFFFF);
}

TEST(BrCode, BuildsTheManualsExampleByteForByte) {
    EXPECT_EQ(MontarOk(Cobranca()), kExemploManual);
}

TEST(BrCode, BuildsAmountTxidAndFoldsNameAndCityToAscii) {
    BrCode::TCobranca cobranca = Cobranca();
    cobranca.Valor = Currency::FromInt(1234) + Currency::FromRaw(5000);  // 1234,50
    cobranca.NomeRecebedor = QStringLiteral("Padaria São João Açúcar & Cia Ltda ME");
    cobranca.Cidade = QStringLiteral("São José dos Campos");
    cobranca.Txid = QStringLiteral("VENDA42");
    const QString codigo = MontarOk(cobranca);
    QString erro;
    const auto campos = BrCode::Ler(codigo, erro);
    ASSERT_TRUE(campos) << erro.toStdString();
    QMap<QString, QString> porId;
    for (const BrCode::TCampo& campo : *campos)
        porId[campo.Id] = campo.Valor;
    EXPECT_EQ(porId[u"54"_qs], u"1234.50"_qs);
    EXPECT_EQ(porId[u"59"_qs], u"Padaria Sao Joao Acucar &"_qs);  // 25 characters
    EXPECT_EQ(porId[u"60"_qs], u"Sao Jose dos Ca"_qs);            // 15 characters
    EXPECT_EQ(BrCode::Subcampos(porId[u"62"_qs])->value(0).Valor, u"VENDA42"_qs);
}

TEST(BrCode, RefusesWhatWouldChangeWhereTheMoneyGoes) {
    const struct {
        const char* caso;
        std::function<void(BrCode::TCobranca&)> mudar;
    } casos[] = {
        {"empty key", [](auto& c) { c.Chave.clear(); }},
        {"key of 78", [](auto& c) { c.Chave = QString(78, u'a'); }},
        {"key with accent", [](auto& c) { c.Chave = u"joão@exemplo.com"_qs; }},
        {"negative amount", [](auto& c) { c.Valor = -Currency::FromInt(1); }},
        {"fraction of a cent", [](auto& c) { c.Valor = Currency::FromRaw(10001); }},
        {"amount of 14 characters", [](auto& c) { c.Valor = Currency::FromInt(10000000000LL); }},
        {"empty name", [](auto& c) { c.NomeRecebedor.clear(); }},
        {"city of accents only", [](auto& c) { c.Cidade = u"\u0301\u0303"_qs; }},
        {"txid with dash", [](auto& c) { c.Txid = u"VENDA-42"_qs; }},
        {"txid of 26", [](auto& c) { c.Txid = QString(26, u'A'); }},
    };
    for (const auto& caso : casos) {
        BrCode::TCobranca cobranca = Cobranca();
        caso.mudar(cobranca);
        QString erro;
        EXPECT_FALSE(BrCode::Montar(cobranca, erro)) << caso.caso;
        EXPECT_FALSE(erro.isEmpty()) << caso.caso;
    }
    BrCode::TCobranca maior = Cobranca();
    maior.Chave = QString(77, u'a');
    maior.Valor = Currency::FromInt(9999999999LL);  // "9999999999.00", 13 characters
    maior.Txid = QString(25, u'Z');
    QString erro;
    EXPECT_TRUE(BrCode::Montar(maior, erro)) << erro.toStdString();
}

TEST(BrCode, ReadsOnlyWellFormedCodesWithTheRightCrc) {
    QString erro;
    EXPECT_TRUE(BrCode::Ler(kExemploManual, erro));
    QString minusculo = kExemploManual;
    minusculo.replace(u"1D3D"_qs, u"1d3d"_qs);
    EXPECT_TRUE(BrCode::Ler(minusculo, erro));

    const QString semCrc = kExemploManual.chopped(4);
    const QString ruins[] = {
        semCrc + u"1D3E"_qs,                                          // wrong CRC
        kExemploManual.left(40),                                      // cut
        kExemploManual + u"0"_qs,                                     // trailing character
        QString(kExemploManual).replace(u"Fulano"_qs, u"Fulanó"_qs),  // not ASCII
        QString(kExemploManual).replace(u"5913"_qs, u"5914"_qs),      // length off
        u"000202"_qs + kExemploManual.mid(6),                         // format indicator
        QString(),
        u"6304"_qs,
    };
    for (const QString& ruim : ruins) {
        erro.clear();
        EXPECT_FALSE(BrCode::Ler(ruim, erro)) << ruim.toStdString();
        EXPECT_TRUE(erro.startsWith(u"Código PIX inválido"_qs)) << erro.toStdString();
    }
}

}  // namespace
