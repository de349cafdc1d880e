#include "sistema/energia/TmRotEnergia.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "support/BarramentoPrivado.h"

namespace {

// A private D-Bus daemon stands for the system bus, with python3-dbusmock's logind on it, which
// records the calls it gets in a log: the machine itself is never restarted or powered off.
// The bus address is set before the program's first use of the system bus.
class LogindFalso : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        barramento_ = new BarramentoPrivado;
        ASSERT_FALSE(barramento_->Endereco().isEmpty());
        pasta_ = new QTemporaryDir;
        logind_ = new QProcess;
        logind_->start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
             QStringLiteral("--template"), QStringLiteral("logind"), QStringLiteral("-l"), Log()});
        ASSERT_TRUE(logind_->waitForStarted());
        ASSERT_TRUE(barramento_->EsperarServico(QStringLiteral("org.freedesktop.login1")));
    }
    static void TearDownTestSuite() {
        logind_->kill();
        logind_->waitForFinished();
        delete logind_;
        delete barramento_;
        delete pasta_;
    }
    static QString Log() { return pasta_->filePath(QStringLiteral("logind.log")); }
    static QByteArray Chamadas() {
        QFile log(Log());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    static inline BarramentoPrivado* barramento_ = nullptr;
    static inline QProcess* logind_ = nullptr;
    static inline QTemporaryDir* pasta_ = nullptr;
};

TEST_F(LogindFalso, RebootAndPowerOffAreAskedOfLogindNotInteractive) {
    EXPECT_TRUE(TmRot::Reboot());
    EXPECT_TRUE(TmRot::DesligarPC());
    const QByteArray chamadas = Chamadas();
    EXPECT_TRUE(chamadas.contains("Reboot False")) << chamadas.toStdString();
    EXPECT_TRUE(chamadas.contains("PowerOff False")) << chamadas.toStdString();
}

}  // namespace
