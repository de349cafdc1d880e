// The PIX commands' records and signature, and the allow-list of POS addresses.
#include <gtest/gtest.h>

#include <stdexcept>

#include "display/canal/ListaPermitidos.h"
#include "display/protocolo/ComandosPix.h"

namespace {

using namespace Protocolo;

const QString kCodigo = QStringLiteral(
    "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
    "5913Fulano de Tal6008BRASILIA62070503***63041D3D");

TEST(ComandosPix, ReadsCaptionAndAmountOrTheCodesOwnAmount) {
    EXPECT_EQ(LerExibirPix(kCodigo + u"|Pague aqui|12,50"_qs),
              (TQrPix{kCodigo, u"Pague aqui"_qs, Currency::FromRaw(125000)}));
    EXPECT_EQ(LerExibirPix(kCodigo), (TQrPix{kCodigo, kLegendaPixPadrao, Currency()}));
    EXPECT_EQ(LerExibirPix(QString()), std::nullopt);
    EXPECT_EQ(LerMontarPix(u"chave|1,00|Loja|Cidade"_qs), std::nullopt);  // 4 fields
    const auto montado = LerMontarPix(u"chave|1,00|Loja|Cidade||Caixa 3"_qs);
    ASSERT_TRUE(montado);
    EXPECT_EQ(montado->Legenda, u"Caixa 3"_qs);
    // A built code carries its amount in field 54, which command P shows when given none.
    EXPECT_EQ(LerExibirPix(montado->Codigo)->Valor, Currency::FromInt(1));
    EXPECT_THROW(LerExibirPix(kCodigo.chopped(1) + u"E"_qs), std::runtime_error);
    EXPECT_THROW(LerMontarPix(u"chave|-1,00|Loja|Cidade|"_qs), std::runtime_error);
}

TEST(ComandosPix, OnlyTheRightSignatureOverTheWholeContentPasses) {
    const QByteArray segredo = "s3gr3d0";
    const QString conteudo = kCodigo + u"|PIX|10,00"_qs;
    const QString assinatura = AssinaturaPix('P', conteudo, segredo);
    EXPECT_EQ(ParametrosAssinados('P', conteudo + u'|' + assinatura, segredo), conteudo);
    EXPECT_EQ(ParametrosAssinados('P', conteudo + u'|' + assinatura.toUpper(), segredo), conteudo);
    EXPECT_EQ(ParametrosAssinados('P', conteudo, QByteArray()), conteudo);  // no secret set
    const QString recusados[] = {
        conteudo,                                 // unsigned
        conteudo + u'|' + assinatura.chopped(1),  // short
        conteudo + u"|x"_qs + assinatura.mid(1),  // not hex
        u"X"_qs + conteudo + u'|' + assinatura,   // other content
        conteudo + u'|' + AssinaturaPix('P', conteudo, "outro"),
    };
    for (const QString& parametros : recusados)
        EXPECT_EQ(ParametrosAssinados('P', parametros, segredo), std::nullopt)
            << parametros.toStdString();
    // The line format of the protocol's documentation, as openssl and Python's hmac compute it.
    EXPECT_EQ(AssinaturaPix('R', u""_qs, "segredo do caixa"),
              u"21e48600b34ff25f6b21ecd443d09a7cfa088fa8e8965de53a9decdc515b1d6a"_qs);
    EXPECT_EQ(AssinaturaPix('Q',
                            u"pix@mercado.com.br|49,33|Mercado Bom Preco|Campinas|PDV3VENDA0042|"
                            "Pague com PIX"_qs,
                            "segredo do caixa"),
              u"09b649eca8456097cc691237ac9d3e29db6f3beb5e589cfd1ef2b795b7807eb3"_qs);
    // The code is signed: the same content under command Q does not pass.
    EXPECT_EQ(ParametrosAssinados('Q', conteudo + u'|' + assinatura, segredo), std::nullopt);
}

TEST(ListaPermitidos, AddressesAndNetworksOfBothFamilies) {
    QStringList invalidos;
    const TListaPermitidos lista = TListaPermitidos::Ler(
        u" 10.0.0.5; 192.168.1.0/24,fd00::/8  ::1 nao-e-rede 10.1.0.0/33"_qs, invalidos);
    EXPECT_EQ(invalidos, (QStringList{u"nao-e-rede"_qs, u"10.1.0.0/33"_qs}));
    const struct {
        const char* endereco;
        bool permitido;
    } casos[] = {
        {"10.0.0.5", true},      {"::ffff:10.0.0.5", true}, {"10.0.0.6", false},
        {"192.168.1.200", true}, {"192.168.2.1", false},    {"fd12::1", true},
        {"::1", true},           {"127.0.0.1", false},      {"fe80::1", false},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(lista.Permite(QHostAddress(QString::fromLatin1(caso.endereco))), caso.permitido)
            << caso.endereco;

    EXPECT_TRUE(TListaPermitidos().Permite(QHostAddress(u"203.0.113.9"_qs)));
    // A list of nothing but misspelt entries keeps everyone out rather than letting all in.
    invalidos.clear();
    EXPECT_FALSE(
        TListaPermitidos::Ler(u"10.0.0.300"_qs, invalidos).Permite(QHostAddress(u"10.0.0.1"_qs)));
}

}  // namespace
