#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Starts a copy of the helper program with its own runtime folder.
class Copia {
public:
    explicit Copia(const QString& pasta) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), pasta);
        processo_.setProcessEnvironment(env);
        processo_.start(QStringLiteral(INSTANCIA_AUXILIAR), {});
    }
    ~Copia() {
        processo_.kill();
        processo_.waitForFinished();
    }
    // The next line the copy prints, or "" when it prints none within the bound.
    QString Linha() {
        while (!processo_.canReadLine())
            if (!processo_.waitForReadyRead(10000))
                return {};
        return QString::fromUtf8(processo_.readLine()).trimmed();
    }
    QProcess& Processo() { return processo_; }

private:
    QProcess processo_;
};

TEST(InstanciaUnica, ASecondCopyRaisesTheFirstAndEndsAndAKilledCopyIsReplaced) {
    QTemporaryDir pasta;
    Copia primeira(pasta.path());
    ASSERT_EQ(primeira.Linha(), QStringLiteral("primeira"));

    Copia segunda(pasta.path());
    EXPECT_EQ(segunda.Linha(), QStringLiteral("segunda"));
    ASSERT_TRUE(segunda.Processo().waitForFinished(10000));
    EXPECT_EQ(segunda.Processo().exitCode(), 0);
    EXPECT_EQ(primeira.Linha(), QStringLiteral("frente"));

    primeira.Processo().kill();  // no chance to release the lock
    ASSERT_TRUE(primeira.Processo().waitForFinished(10000));
    Copia nova(pasta.path());
    EXPECT_EQ(nova.Linha(), QStringLiteral("primeira"));
}

TEST(InstanciaUnica, CopiesOfDifferentSessionsDoNotSeeEachOther) {
    QTemporaryDir sessaoA, sessaoB;
    Copia a(sessaoA.path());
    Copia b(sessaoB.path());
    EXPECT_EQ(a.Linha(), QStringLiteral("primeira"));
    EXPECT_EQ(b.Linha(), QStringLiteral("primeira"));
}

// The display program itself, offscreen, with a drive C: and a runtime folder of its own and its
// port in its settings file.
class Display {
public:
    Display(const QString& driveC, const QString& runtime) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        env.insert(QStringLiteral("ORVANE_DRIVE_C"), driveC);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        processo_.setProcessEnvironment(env);
        processo_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processo_.start(QStringLiteral(ORVANE_PROGRAMA), {});
        processo_.waitForStarted(30'000);
    }
    ~Display() {
        processo_.kill();
        processo_.waitForFinished();
    }
    QProcess& Processo() { return processo_; }

private:
    QProcess processo_;
};

// A port free at this moment, for the display to listen on.
quint16 PortaLivre() {
    QTcpServer servidor;
    return servidor.listen(QHostAddress::LocalHost) ? servidor.serverPort() : 0;
}

bool Conecta(quint16 porta) {
    QTcpSocket conexao;
    conexao.connectToHost(QHostAddress::LocalHost, porta);
    return conexao.waitForConnected(5000);
}

// Waits until something listens on the port, while the process runs.
bool Escutando(QProcess& processo, quint16 porta) {
    for (QDeadlineTimer prazo(60'000); !prazo.hasExpired(); QThread::msleep(50)) {
        if (processo.state() == QProcess::NotRunning)
            return false;
        if (Conecta(porta))
            return true;
    }
    return false;
}

TEST(InstanciaUnica, TheDisplayProgramRunsOnceASecondCopyEndsAndTheFirstKeepsListening) {
    QTemporaryDir driveC, runtime;
    const quint16 porta = PortaLivre();
    ASSERT_NE(porta, 0);
    ASSERT_TRUE(QDir(driveC.path()).mkpath(QStringLiteral("frente/config")));
    QFile config(driveC.filePath(QStringLiteral("frente/config/Orvane.crv")));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("[Config]\r\nPorta=" + QByteArray::number(porta) + "\r\n");
    config.close();

    Display primeira(driveC.path(), runtime.path());
    ASSERT_TRUE(Escutando(primeira.Processo(), porta));

    Display segunda(driveC.path(), runtime.path());
    ASSERT_TRUE(segunda.Processo().waitForFinished(60'000));
    EXPECT_EQ(segunda.Processo().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(segunda.Processo().exitCode(), 0);
    EXPECT_EQ(primeira.Processo().state(), QProcess::Running);
    EXPECT_TRUE(Conecta(porta));

    // A copy killed without releasing its lock is replaced by the next one.
    primeira.Processo().kill();
    ASSERT_TRUE(primeira.Processo().waitForFinished(30'000));
    Display nova(driveC.path(), runtime.path());
    EXPECT_TRUE(Escutando(nova.Processo(), porta));
}

}  // namespace
