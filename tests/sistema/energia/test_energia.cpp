#include "sistema/energia/TmRotEnergia.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

// A private D-Bus daemon stands for the system bus, with python3-dbusmock's logind on it, which
// records the calls it gets in a log: the machine itself is never restarted or powered off.
// The bus address is set before the program's first use of the system bus.
class LogindFalso : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        barramento_ = new QProcess;
        barramento_->start(QStringLiteral("dbus-daemon"),
                           {QStringLiteral("--config-file=/usr/share/dbus-1/session.conf"),
                            QStringLiteral("--print-address=1"), QStringLiteral("--nofork")});
        ASSERT_TRUE(barramento_->waitForReadyRead(10000));
        const QByteArray endereco = barramento_->readLine().trimmed();
        ASSERT_FALSE(endereco.isEmpty());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", endereco);
        pasta_ = new QTemporaryDir;
        logind_ = new QProcess;
        logind_->start(
            QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--system"),
             QStringLiteral("--template"), QStringLiteral("logind"), QStringLiteral("-l"), Log()});
        ASSERT_TRUE(logind_->waitForStarted());
        const QDBusConnection barramento = QDBusConnection::connectToBus(
            QString::fromLatin1(endereco), QStringLiteral("espera-logind"));
        for (int i = 0; i < 200 && !barramento.interface()->isServiceRegistered(
                                       QStringLiteral("org.freedesktop.login1"));
             ++i)
            QThread::msleep(50);
    }
    static void TearDownTestSuite() {
        for (QProcess* processo : {logind_, barramento_}) {
            processo->kill();
            processo->waitForFinished();
            delete processo;
        }
        delete pasta_;
    }
    static QString Log() { return pasta_->filePath(QStringLiteral("logind.log")); }
    static QByteArray Chamadas() {
        QFile log(Log());
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    static inline QProcess* barramento_ = nullptr;
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
