// The window's placement on two monitors: Qt's offscreen platform set up with two screens and
// with window frames, so that full screen, monitors and frame margins behave as on a desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

#include "base/mConst.h"
#include "desenho/controles/ACombo.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "support/RaizTemporaria.h"

namespace {

class JanelaEmDoisMonitores : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::screens().size(), 2);
        QTcpServer livre;  // the listener starts at the first show: a port nobody uses
        ASSERT_TRUE(livre.listen(QHostAddress::LocalHost, 0));
        porta_ = livre.serverPort();
        Configurar("TelaCheia=0\r\nLargura=1024\r\nAltura=768");
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
        janela_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(janela_.get()));
    }
    void Configurar(const QByteArray& chaves) {
        raiz_.Criar(QStringLiteral("frente/config/Orvane.crv"),
                    "[Config]\r\nPorta=" + QByteArray::number(porta_) + "\r\n" + chaves + "\r\n");
    }
    bool TelaCheiaEm(int monitor) const {
        return janela_->isFullScreen() &&
               janela_->screen() == QGuiApplication::screens()[monitor] &&
               janela_->geometry() == QGuiApplication::screens()[monitor]->geometry() &&
               janela_->windowFlags().testFlag(Qt::FramelessWindowHint);
    }

    RaizTemporaria raiz_;
    quint16 porta_ = 0;
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
};

TEST_F(JanelaEmDoisMonitores, FramedWindowTakesTheOuterSizeAtItsCorner) {
    // The frame really is there, so outer and client sizes differ.
    ASSERT_NE(janela_->frameGeometry().size(), janela_->size());
    EXPECT_EQ(janela_->frameGeometry(), QRect(0, 0, 1024, 768));
    const struct {
        const char* chaves;
        QRect externo;
    } casos[] = {
        {"TelaCheia=0\r\nLargura=900\r\nAltura=700\r\nMonitor=2", QRect(1920, 0, 900, 700)},
        {"TelaCheia=0\r\nMonitor=3", QRect(1, 1, 900, 700)},  // keeps its size
        {"TelaCheia=0\r\nMonitor=2\r\nTop=0\r\nLeft=-1", QRect(1920, 0, 900, 700)},
        {"TelaCheia=0\r\nTop=50\r\nLeft=60", QRect(60, 50, 900, 700)},
        {"TelaCheia=0\r\nLargura=1920\r\nAltura=1080", QRect(0, 0, 1920, 1080)},
        {"TelaCheia=0\r\nLargura=100\r\nAltura=100", QRect(0, 0, 800, 600)},  // the minimum
    };
    for (const auto& c : casos) {
        Configurar(c.chaves);
        janela_->AplicarConfiguracaoTela();
        EXPECT_EQ(janela_->frameGeometry(), c.externo) << c.chaves;
        EXPECT_FALSE(janela_->isFullScreen()) << c.chaves;
    }
}

TEST_F(JanelaEmDoisMonitores, FullScreenCoversTheChosenMonitorAndApplyMovesIt) {
    const struct {
        const char* chaves;
        int monitor;
    } casos[] = {
        {"Monitor=2", 1}, {"Monitor=1", 0},
        {"Monitor=2", 1}, {"Top=10\r\nLeft=5000", 0},  // a corner outside every monitor: the first
        {"Monitor=2", 1}, {"Monitor=3", 0},  // above the count: (1, 1), which is on the first
        {"Monitor=0", 0},
    };
    for (const auto& c : casos) {
        Configurar(c.chaves);
        janela_->AplicarConfiguracaoTela();
        EXPECT_TRUE(TelaCheiaEm(c.monitor)) << c.chaves << " " << janela_->geometry().x();
    }

    // Leaving full screen keeps the border as it is: none.
    Configurar("TelaCheia=0\r\nLargura=1024\r\nAltura=768\r\nMonitor=2");
    janela_->AplicarConfiguracaoTela();
    EXPECT_FALSE(janela_->isFullScreen());
    EXPECT_EQ(janela_->frameGeometry(), QRect(1920, 0, 1024, 768));
    EXPECT_EQ(janela_->geometry(), QRect(1920, 0, 1024, 768));
}

TEST_F(JanelaEmDoisMonitores, ApplyOnTheSettingsPageSavesAndPlacesTheWindowAgain) {
    const auto* paginas = janela_->findChild<QStackedWidget*>("PageControl");
    ASSERT_NE(paginas, nullptr);
    QTest::keyClick(janela_.get(), Qt::Key_F12);
    ASSERT_EQ(paginas->currentWidget(), janela_->findChild<QWidget*>("TabConfig"));
    janela_->findChild<QCheckBox*>("cbTelaCheia")->setChecked(true);
    janela_->findChild<TACombo*>("edMonitor")->SetItemIndex(1);
    janela_->findChild<QPushButton*>("btAplicar")->click();
    EXPECT_EQ(paginas->currentWidget(), janela_->findChild<QWidget*>("TabVenda"));
    EXPECT_TRUE(TelaCheiaEm(1));
}

TEST_F(JanelaEmDoisMonitores, DebugShowsOnePlainBoxPerMonitorAtEveryPlacement) {
    Configurar("Debug=1");
    QStringList textos;
    QTimer fechador;  // answers each box as the operator would, by closing it
    QObject::connect(&fechador, &QTimer::timeout, [&] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            EXPECT_EQ(caixa->icon(), QMessageBox::NoIcon);
            EXPECT_EQ(caixa->textFormat(), Qt::PlainText);
            textos << caixa->text();
            caixa->accept();
        }
    });
    fechador.start(10);
    janela_->AplicarConfiguracaoTela();
    ASSERT_EQ(textos.size(), 2);
    EXPECT_EQ(textos[0], QStringLiteral("i = 0\nPrimary = Sim\nMonitorNum = 0\nLeft = 0\nTop = 0\n"
                                        "Width = 1920\nHeight = 1080"));
    EXPECT_TRUE(textos[1].startsWith(QStringLiteral("i = 1\nPrimary = Não\n")));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" DOIS_MONITORES);
    QApplication app(argc, argv);
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
