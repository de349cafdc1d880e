#include "sistema/som/TmSpeaker.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

// What the installed output was asked to play, in order.
class Alto : public ::testing::Test {
protected:
    void SetUp() override {
        TmSpeaker::InstalarSaida(
            {[this](int f, int ms) { tocado << QStringLiteral("%1Hz %2ms").arg(f).arg(ms); },
             [this] { tocado << QStringLiteral("erro"); },
             [this](int ms) { tocado << QStringLiteral("pausa %1").arg(ms); }});
    }
    void TearDown() override { TmSpeaker::RestaurarSaida(); }
    QStringList tocado;
};

TEST_F(Alto, SequencesOfTheLibrarySounds) {
    TmSpeaker::Bip();
    EXPECT_EQ(tocado, QStringList{"2000Hz 100ms"});
    tocado.clear();
    TmSpeaker::SomOK();
    EXPECT_EQ(tocado, (QStringList{"2000Hz 85ms", "pausa 50", "2000Hz 85ms"}));
    tocado.clear();
    TmSpeaker::BipErro(30);
    EXPECT_EQ(tocado, (QStringList{"1000Hz 220ms", "pausa 30", "1000Hz 220ms", "pausa 30",
                                   "1000Hz 220ms"}));
    tocado.clear();
    TmSpeaker::PlaySound(20, 100);  // below the range: nothing
    EXPECT_TRUE(tocado.isEmpty());
}

TEST_F(Alto, BipErroWithTheFlagFilePlaysTheErrorSound) {
    QTemporaryDir raiz;
    QFile(raiz.filePath(QStringLiteral("flag.txt"))).open(QIODevice::WriteOnly);
    qputenv("ORVANE_DRIVE_C", raiz.path().toLocal8Bit());
    TmSpeaker::BipErro(30);
    qunsetenv("ORVANE_DRIVE_C");
    EXPECT_EQ(tocado, QStringList{"erro"});
}

// The samples hold the frequency asked for: 2 zero crossings per period, 1 s of 440 Hz.
TEST(Tom, SamplesHoldTheFrequencyAndLength) {
    const QByteArray amostras = TmSpeaker::AmostrasTom(440, 1000);
    ASSERT_EQ(amostras.size(), 44100 * 2);
    int cruzamentos = 0;
    qint16 anterior = 0;
    for (qsizetype i = 0; i < amostras.size(); i += 2) {
        const qint16 atual = qFromLittleEndian<qint16>(amostras.constData() + i);
        if ((anterior < 0 && atual >= 0) || (anterior >= 0 && atual < 0))
            ++cruzamentos;
        anterior = atual;
    }
    EXPECT_NEAR(cruzamentos, 880, 4);
    EXPECT_TRUE(TmSpeaker::AmostrasTom(10, 100).isEmpty());
    EXPECT_TRUE(TmSpeaker::AmostrasTom(1000, 0).isEmpty());
}

}  // namespace
