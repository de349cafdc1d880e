#include "sistema/tela/TmRotTela.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <memory>

namespace {

// A virtual X screen of the given "WxHxD" for one test; DISPLAY points at it while it lives.
// It never resets: by default an X server starts over when its last client leaves, and a
// program connecting in that moment is refused.
class TelaVirtual {
public:
    explicit TelaVirtual(const QString& geometria) {
        xvfb_.start(QStringLiteral("Xvfb"),
                    {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                     QStringLiteral("0"), geometria, QStringLiteral("-nolisten"),
                     QStringLiteral("tcp"), QStringLiteral("-noreset")});
        while (xvfb_.waitForReadyRead(10000) && !xvfb_.canReadLine()) {
        }
        const QByteArray numero = xvfb_.readLine().trimmed();
        if (!numero.isEmpty())
            qputenv("DISPLAY", ":" + numero);
    }
    ~TelaVirtual() {
        xvfb_.terminate();
        xvfb_.waitForFinished();
        qunsetenv("DISPLAY");
    }
    bool Pronta() const { return qEnvironmentVariableIsSet("DISPLAY"); }

private:
    QProcess xvfb_;
};

class Tela : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* programa : {"Xvfb", "xrandr", "xwininfo"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(programa)).isEmpty())
                GTEST_SKIP() << programa << " is not installed";
    }
    std::unique_ptr<TelaVirtual> Abrir(const char* geometria) {
        auto tela = std::make_unique<TelaVirtual>(QString::fromLatin1(geometria));
        EXPECT_TRUE(tela->Pronta()) << geometria;
        return tela;
    }
};

TEST(TelaXrandr, ModesAreTheFirstConnectedOutputsOnly) {
    const QString consulta = QStringLiteral(
        "Screen 0: minimum 320 x 200, current 1920 x 1080, maximum 16384 x 16384\n"
        "eDP-1 disconnected (normal left inverted right x axis y axis)\n"
        "   1280x720      60.00\n"
        "HDMI-1 connected primary 1920x1080+0+0 (normal) 510mm x 290mm\n"
        "   1920x1080     60.00*+  50.00\n"
        "   1920x1080i    60.00\n"
        "   800x600       60.32    56.25\n"
        "DP-1 connected 1024x768+1920+0 (normal) 0mm x 0mm\n"
        "   1024x768      60.00*\n");
    const QList<TmRot::TModoTela> modos = TmRot::LerModosXrandr(consulta);
    ASSERT_EQ(modos.size(), 3);
    EXPECT_EQ(modos[0].Nome, QStringLiteral("1920x1080"));
    EXPECT_TRUE(modos[0].Atual);
    EXPECT_EQ(modos[1].Nome, QStringLiteral("1920x1080i"));
    EXPECT_EQ(modos[2].Largura, 800);
    EXPECT_EQ(modos[2].Altura, 600);
    EXPECT_FALSE(modos[2].Atual);
    EXPECT_TRUE(
        TmRot::LerModosXrandr(QStringLiteral("eDP-1 disconnected\n   800x600 60.00\n")).isEmpty());
}

TEST_F(Tela, ScreenWithThatModeSwitchesToIt) {
    const auto tela = Abrir("800x600x24");
    EXPECT_EQ(TmRot::ProfundidadeTela(), 24);
    const QList<TmRot::TModoTela> modos = TmRot::ModosTela();
    ASSERT_EQ(modos.size(), 1);
    EXPECT_EQ(modos[0].Largura, 800);
    EXPECT_TRUE(modos[0].Atual);
    EXPECT_TRUE(TmRot::MudarPara800x600());
}

TEST_F(Tela, ModeTheScreenDoesNotListOrTooFewColoursIsRefused) {
    {
        const auto tela = Abrir("1024x768x24");
        EXPECT_FALSE(TmRot::MudarPara800x600());
        EXPECT_FALSE(TmRot::MudarModoTela(0, 0));
        ASSERT_EQ(TmRot::ModosTela().size(), 1);
        EXPECT_EQ(TmRot::ModosTela()[0].Largura, 1024);  // unchanged
        EXPECT_TRUE(TmRot::MudarModoTela(1024, 768));
    }
    const auto tela = Abrir("800x600x8");
    EXPECT_EQ(TmRot::ProfundidadeTela(), 8);
    EXPECT_FALSE(TmRot::MudarPara800x600());
}

TEST(TelaSemServidor, NoDisplayGivesNoModes) {
    qunsetenv("DISPLAY");
    EXPECT_TRUE(TmRot::ModosTela().isEmpty());
    EXPECT_EQ(TmRot::ProfundidadeTela(), 0);
    EXPECT_FALSE(TmRot::MudarPara800x600());
}

}  // namespace
