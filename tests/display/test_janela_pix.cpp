// The PIX QR code driven over real TCP, as a POS drives it: the window runs in this process
// (offscreen), its listener on a free port, and every QR code is read back from a grab of the
// window with zbarimg (zbar-tools), at full size and shrunk to 640 pixels wide as a phone's
// camera sees a monitor at arm's length.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "display/telas/QuadroPix.h"
#include "sistema/pix/BrCode.h"
#include "support/BackEndRoteiro.h"
#include "support/JanelaPorTcp.h"
#include "support/RaizTemporaria.h"

namespace {

const QByteArray kCodigoManual =
    "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
    "5913Fulano de Tal6008BRASILIA62070503***63041D3D";
const QByteArray kSegredo = "segredo do caixa 3";

QByteArray LinhaAssinada(char codigo, const QByteArray& parametros) {
    const QString assinatura =
        Protocolo::AssinaturaPix(codigo, QString::fromLatin1(parametros), kSegredo);
    return Linha(codigo, parametros + '|' + assinatura.toLatin1());
}

// What zbarimg reads in the picture: one line per symbol; empty when it finds none.
QString LerQr(const QImage& imagem) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("grab.png"));
    EXPECT_TRUE(imagem.save(arquivo));
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"), {QStringLiteral("--raw"), QStringLiteral("-q"), arquivo});
    EXPECT_TRUE(zbar.waitForFinished(30000));
    return QString::fromLatin1(zbar.readAllStandardOutput()).trimmed();
}

QImage Reduzida(const QImage& imagem) {
    return imagem.scaledToWidth(640, Qt::SmoothTransformation);
}

class JanelaPix : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable(QStringLiteral("zbarimg")).isEmpty())
            GTEST_FAIL() << "zbarimg is missing (scripts/install-deps.sh installs zbar-tools)";
    }

    void Abrir(const QByteArray& chavesExtras = {}) {
        porta_ = PortaLivre();
        raiz_.Criar(QStringLiteral("frente/config/Orvane.crv"),
                    QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\nLargura=1024\r\n"
                                   "Altura=768\r\n")
                            .arg(porta_)
                            .toLatin1() +
                        chavesExtras);
        TmDlg::InstalarBackEnd(dialogos_);
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
        janela_->show();
        ASSERT_TRUE(Aguardar([&] { return janela_->Canal().Ativo(); }));
        pos_ = Conectar(QHostAddress::LocalHost);
    }
    void TearDown() override { TmDlg::InstalarBackEnd(nullptr); }

    std::unique_ptr<QTcpSocket> Conectar(const QHostAddress& origem) {
        auto pos = std::make_unique<QTcpSocket>();
        pos->bind(origem);
        pos->connectToHost(QHostAddress::LocalHost, porta_);
        EXPECT_TRUE(pos->waitForConnected(5000));
        return pos;
    }

    // Sends lines on the POS's connection and waits for the dispatch that follows them.
    void Enviar(const QByteArray& linhas) {
        QSignalSpy despacho(&janela_->Canal(), &CanalComandos::Comando);
        pos_->write(linhas);
        pos_->flush();
        ASSERT_TRUE(Aguardar([&] { return despacho.count() > 0; })) << linhas.left(60).data();
    }

    TQuadroPix& Quadro() { return *janela_->findChild<TQuadroPix*>(QStringLiteral("QuadroPix")); }
    QWidget* Ativa() {
        return janela_->findChild<QStackedWidget*>(QStringLiteral("PageControl"))->currentWidget();
    }
    QImage Tela() { return janela_->grab().toImage(); }

    // The QR code on screen reads back exactly as the code, also shrunk to 640 pixels wide.
    void ConferirQr(const QString& codigo) {
        EXPECT_TRUE(Quadro().Exibindo());
        EXPECT_EQ(Ativa(), janela_->findChild<QWidget*>(QStringLiteral("TabPgto")));
        EXPECT_GE(Quadro().PixelsPorModulo(), 8);
        const QImage tela = Tela();
        EXPECT_EQ(LerQr(tela), codigo);
        EXPECT_EQ(LerQr(Reduzida(tela)), codigo);
    }

    RaizTemporaria raiz_;
    std::shared_ptr<TBackEndRoteiro> dialogos_ = std::make_shared<TBackEndRoteiro>();
    quint16 porta_ = 0;
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
    std::unique_ptr<QTcpSocket> pos_;
};

TEST_F(JanelaPix, ShowsTheCodeSentBuildsOneAndRemovesIt) {
    Abrir();
    Enviar(Linha(3, "10,00|0|0|0"));
    Enviar(Linha('P', kCodigoManual + "|Pague com PIX|10,00"));
    ConferirQr(QString::fromLatin1(kCodigoManual));
    EXPECT_EQ(janela_->findChild<QLabel*>(QStringLiteral("lbValorPix"))->text(), u"R$ 10,00"_qs);

    Enviar(Linha('Q', "+5511987654321|23,67|Padaria Sao Joao|Sao Paulo|PDV3VENDA42|PIX"));
    QString erro;
    const auto montado =
        BrCode::Montar({u"+5511987654321"_qs, Currency::FromRaw(236700), u"Padaria Sao Joao"_qs,
                        u"Sao Paulo"_qs, u"PDV3VENDA42"_qs},
                       erro);
    ASSERT_TRUE(montado) << erro.toStdString();
    ConferirQr(*montado);
    EXPECT_TRUE(dialogos_->dialogos.empty());

    Enviar(Linha('R', ""));
    EXPECT_FALSE(Quadro().Exibindo());
    EXPECT_EQ(LerQr(Tela()), QString());
}

TEST_F(JanelaPix, AWrongCodeGoesToTheErrorHandlerAndNeverToTheScreen) {
    Abrir();
    Enviar(Linha('P', kCodigoManual + "|Pague com PIX|10,00"));
    QByteArray errado = kCodigoManual;
    errado.replace("1D3D", "1D3E");
    const QByteArray ruins[] = {
        Linha('P', errado + "|Pague com PIX|10,00"), Linha('Q', "|10,00|Loja|Cidade|"),  // no key
        Linha('Q', "chave@loja.com|10,00|Loja|Cidade|A-1"),  // txid not alphanumeric
    };
    for (const QByteArray& ruim : ruins) {
        dialogos_->dialogos.clear();
        Enviar(ruim);
        ASSERT_EQ(dialogos_->dialogos.size(), 1u) << ruim.data();
        EXPECT_EQ(dialogos_->dialogos[0].Tipo, TMsgDlgType::mtError);
        EXPECT_EQ(Quadro().Codigo(), QString::fromLatin1(kCodigoManual));  // the old one stays
    }
}

TEST_F(JanelaPix, ANewSaleOrTheEndOfThePaymentRemovesTheCode) {
    Abrir();
    const QByteArray removem[] = {
        Linha(1, "1|789|ARROZ|1|UN|5,00|5,00||0|0|0&TOTAL|5,00|||||||||"),
        Linha(3, "5,00|0|0|0"),
        Linha(5, ""),
        Linha(4, "PIX|5,00|||||||||0|5,00|0|0"),            // paid exactly
        Linha(4, "Dinheiro|10,00|||||||||-5,00|5,00|0|0"),  // change due
    };
    for (const QByteArray& linha : removem) {
        Enviar(Linha('P', kCodigoManual));
        ASSERT_TRUE(Quadro().Exibindo());
        Enviar(linha);
        EXPECT_FALSE(Quadro().Exibindo()) << linha.data();
    }
    Enviar(Linha('P', kCodigoManual));
    Enviar(Linha(4, "Dinheiro|2,00|||||||||3,00|5,00|0|0"));  // still 3,00 to pay
    EXPECT_TRUE(Quadro().Exibindo());
}

TEST_F(JanelaPix, WithAllowListAndSecretStrangersAndUnsignedCommandsChangeNothing) {
    Abrir("PdvPermitidos=127.0.0.1/32, 10.0.0.0/8\r\nSegredoPix=" + kSegredo + "\r\n");
    Enviar(Linha(3, "10,00|0|0|0"));
    const QImage antes = Tela();

    // Another address: refused at once, before any line is read.
    auto estranho = Conectar(QHostAddress(QStringLiteral("127.0.0.2")));
    estranho->write(LinhaAssinada('P', kCodigoManual) + Linha(5, ""));
    estranho->flush();
    EXPECT_TRUE(Aguardar([&] { return estranho->state() == QAbstractSocket::UnconnectedState; }));
    QTest::qWait(300);

    // Unsigned, wrongly signed, signed with another secret or over other content: refused.
    QByteArray adulterada = LinhaAssinada('P', kCodigoManual + "|PIX|10,00");
    adulterada.replace("10,00", "99,00");
    const QByteArray recusadas[] = {
        Linha('P', kCodigoManual),
        Linha('P', kCodigoManual + "|PIX|10,00|" + QByteArray(64, '0')),
        adulterada,
        Linha('Q', "chave@loja.com|10,00|Loja|Cidade|"),
    };
    for (const QByteArray& linha : recusadas)
        Enviar(linha);
    EXPECT_FALSE(Quadro().Exibindo());
    EXPECT_EQ(Tela(), antes);
    EXPECT_TRUE(dialogos_->dialogos.empty());

    Enviar(LinhaAssinada('P', kCodigoManual + "|PIX|10,00"));
    ConferirQr(QString::fromLatin1(kCodigoManual));
    Enviar(Linha('R', ""));
    EXPECT_TRUE(Quadro().Exibindo());  // removing needs a signature too
    Enviar(LinhaAssinada('R', ""));
    EXPECT_FALSE(Quadro().Exibindo());
}

}  // namespace
