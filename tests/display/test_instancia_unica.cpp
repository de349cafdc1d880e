#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

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

}  // namespace
