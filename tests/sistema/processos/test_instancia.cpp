#include "sistema/processos/Instancia.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUuid>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString NomeUnico(const char* base) {
    return QString::fromLatin1(base) + QUuid::createUuid().toString(QUuid::Id128);
}

// util-linux's flock(1) as the other process: exit 0 when it could take the lock at once.
int FlockDeFora(const QString& arquivo) {
    return QProcess::execute(QStringLiteral("flock"),
                             {QStringLiteral("-n"), arquivo, QStringLiteral("true")});
}

TEST(Instancia, ASecondHolderIsRefusedInTheSameProcessAndInAnother) {
    using Tomar = bool (*)(const QString&, bool);
    using Arquivo = QString (*)(const QString&);
    const std::pair<Tomar, Arquivo> travas[] = {
        {TmRot::IsSingleInstance, TmRot::ArquivoTravaSistema},
        {TmRot::IsSingleInstanceUsuario, TmRot::ArquivoTravaUsuario}};
    for (const auto& [tomar, arquivo] : travas) {
        const QString nome = NomeUnico("teste-");
        EXPECT_TRUE(tomar(nome, false));  // given back at once
        EXPECT_EQ(FlockDeFora(arquivo(nome)), 0);
        EXPECT_TRUE(tomar(nome, true));
        EXPECT_FALSE(tomar(nome, true));
        EXPECT_FALSE(tomar(nome, false));
        EXPECT_EQ(FlockDeFora(arquivo(nome)), 1);
        QFile::remove(arquivo(nome));  // the name is this test's alone
    }
}

TEST(Instancia, AHolderInAnotherProcessRefusesUsUntilItEnds) {
    const QString nome = NomeUnico("fora-");
    QProcess outro;
    // -o: the command does not inherit the lock, so ending flock(1) gives it back.
    outro.start(QStringLiteral("flock"), {QStringLiteral("-o"), TmRot::ArquivoTravaSistema(nome),
                                          QStringLiteral("sleep"), QStringLiteral("5")});
    ASSERT_TRUE(outro.waitForStarted());
    bool recusou = false;
    for (int i = 0; i < 100 && !recusou; ++i) {  // until flock(1) holds it
        recusou = !TmRot::IsSingleInstance(nome, false);
        QThread::msleep(20);
    }
    EXPECT_TRUE(recusou);
    outro.kill();
    outro.waitForFinished();
    EXPECT_TRUE(TmRot::IsSingleInstance(nome, false));
    QFile::remove(TmRot::ArquivoTravaSistema(nome));
}

TEST(Instancia, CallerNamesStayInsideTheLockFolder) {
    for (const QString& nome :
         {QStringLiteral("../../etc/x"), QStringLiteral("a/b"), QStringLiteral("."),
          QStringLiteral(""), QStringLiteral("Caixa 1 ç")}) {
        const QFileInfo arquivo(TmRot::ArquivoTravaSistema(nome));
        EXPECT_EQ(arquivo.path(),
                  QFileInfo(TmRot::ArquivoTravaSistema(QStringLiteral("x"))).path());
        EXPECT_FALSE(arquivo.fileName().contains(u'/'));
    }
    EXPECT_NE(TmRot::ArquivoTravaSistema(QStringLiteral("a/b")),
              TmRot::ArquivoTravaSistema(QStringLiteral("a%2Fb")));
}

// A link planted at the lock's name is not followed: the lock fails instead of opening the
// file the link points to.
TEST(Instancia, APlantedLinkIsNotFollowed) {
    const QString nome = NomeUnico("link-");
    const QString arquivo = TmRot::ArquivoTravaSistema(nome);
    ASSERT_TRUE(QFile::link(QStringLiteral("/etc/hostname"), arquivo));
    EXPECT_FALSE(TmRot::IsSingleInstance(nome, false));
    QFile::remove(arquivo);
}

// What another user plants at a lock's name: a FIFO is refused at once (never waited on) for
// both locks; a file of another user's is refused for the per-user lock, which lives in /tmp
// when the user has no runtime folder, and taken for the system-wide one, as it is meant to be.
TEST(Instancia, WhatAnotherUserPlantsNeitherHangsNorTakesAUsersLock) {
    if (geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("XDG_RUNTIME_DIR");
    const passwd* nobody = getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    using Tomar = bool (*)(const QString&, bool);
    using Arquivo = QString (*)(const QString&);
    struct Caso {
        Tomar tomar;
        Arquivo arquivo;
        bool fifo;
        bool tomada;
    };
    const Caso casos[] = {
        {TmRot::IsSingleInstanceUsuario, TmRot::ArquivoTravaUsuario, true, false},
        {TmRot::IsSingleInstance, TmRot::ArquivoTravaSistema, true, false},
        {TmRot::IsSingleInstanceUsuario, TmRot::ArquivoTravaUsuario, false, false},
        {TmRot::IsSingleInstance, TmRot::ArquivoTravaSistema, false, true},
    };
    for (const Caso& caso : casos) {
        const QString nome = NomeUnico("plantada-");
        const QByteArray arquivo = QFile::encodeName(caso.arquivo(nome));
        ASSERT_EQ(caso.fifo ? mkfifo(arquivo.constData(), 0666)
                            : close(open(arquivo.constData(), O_CREAT | O_WRONLY, 0666)),
                  0);
        ASSERT_EQ(chown(arquivo.constData(), nobody->pw_uid, nobody->pw_gid), 0);
        EXPECT_EQ(caso.tomar(nome, false), caso.tomada) << arquivo.constData();
        QFile::remove(QFile::decodeName(arquivo));
    }
    if (!runtime.isEmpty())
        qputenv("XDG_RUNTIME_DIR", runtime);
}

}  // namespace
