// The taskbar state over a private session bus: the launcher-entry signal a desktop listens to.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QVariantMap>

#include "dialogos/mensagens/BarraTarefas.h"

namespace {

class TEscuta : public QObject {
    Q_OBJECT
public:
    QList<QDBusMessage> sinais;
public slots:
    void Update(const QDBusMessage& sinal) { sinais.append(sinal); }
};

// A session bus of the test's own, ended with the test.
class BarraTarefasTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (daemon.isEmpty())
            GTEST_SKIP() << "dbus-daemon is not installed";
        barramento.start(daemon, {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(barramento.waitForReadyRead(10000));
        endereco = QString::fromUtf8(barramento.readLine()).trimmed();
        anterior = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    void TearDown() override {
        QDBusConnection::disconnectFromBus(QStringLiteral("escuta"));
        qputenv("DBUS_SESSION_BUS_ADDRESS", anterior);
        if (barramento.state() != QProcess::NotRunning) {
            barramento.terminate();
            barramento.waitForFinished(5000);
        }
    }
    QProcess barramento;
    QString endereco;
    QByteArray anterior;
};

TEST_F(BarraTarefasTest, EachStateIsSignalledAndAMissingBusIsTriedAgain) {
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    BarraTarefas::SetTaskbarEstado(4);  // no bus: nothing, quietly
    qputenv("XDG_RUNTIME_DIR", runtime);

    QDBusConnection escuta = QDBusConnection::connectToBus(endereco, QStringLiteral("escuta"));
    ASSERT_TRUE(escuta.isConnected());
    TEscuta receptor;
    ASSERT_TRUE(escuta.connect(QString(), QString(),
                               QStringLiteral("com.canonical.Unity.LauncherEntry"),
                               QStringLiteral("Update"), &receptor, SLOT(Update(QDBusMessage))));
    qputenv("DBUS_SESSION_BUS_ADDRESS", endereco.toUtf8());
    for (int estado : {4, 3, 0})
        BarraTarefas::SetTaskbarEstado(estado);

    QDeadlineTimer limite(10000);
    while (receptor.sinais.size() < 3 && !limite.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    ASSERT_EQ(receptor.sinais.size(), 3);
    struct Esperado {
        bool visivel, urgente;
    };
    const Esperado esperados[] = {{true, false}, {true, true}, {false, false}};
    for (int i = 0; i < 3; ++i) {
        const QList<QVariant> args = receptor.sinais[i].arguments();
        ASSERT_EQ(args.size(), 2);
        EXPECT_EQ(args[0].toString(), BarraTarefas::UriAplicacao());
        const QVariantMap p = qdbus_cast<QVariantMap>(args[1]);
        EXPECT_EQ(p.value("progress").toDouble(), 1.0);
        EXPECT_EQ(p.value("progress-visible").toBool(), esperados[i].visivel);
        EXPECT_EQ(p.value("urgent").toBool(), esperados[i].urgente);
    }
}

}  // namespace

#include "test_barra_tarefas.moc"
