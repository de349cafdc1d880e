#include "sistema/agenda/TmRotAgenda.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

namespace {

constexpr TDateTime kHora = (6 * 3600 + 30 * 60 + 5) / 86400.0;  // 06:30:05

// systemd-analyze as the independent reader of what systemd accepts.
int Analisar(const QStringList& argumentos) {
    QProcess analise;
    analise.setProcessChannelMode(QProcess::ForwardedChannels);
    analise.start(QStringLiteral("systemd-analyze"), argumentos);
    analise.waitForFinished();
    return analise.exitCode();
}

QString OnCalendar(const QString& timer) {
    for (const QString& linha : timer.split(u'\n'))
        if (linha.startsWith(QLatin1String("OnCalendar=")))
            return linha.mid(11);
    return {};
}

TEST(Agenda, DailyAndWeeklySchedulesAreCalendarsSystemdReads) {
    const std::pair<const char*, const char*> casos[] = {
        {"*", "*-*-* 06:30:05"},
        {"MON,FRI", "Mon,Fri *-*-* 06:30:05"},
        {"sat", "Sat *-*-* 06:30:05"},
    };
    for (const auto& [dias, esperado] : casos) {
        const QString quando = OnCalendar(TmRot::UnidadeTimer(kHora, QString::fromLatin1(dias)));
        EXPECT_EQ(quando, QString::fromLatin1(esperado));
        EXPECT_EQ(Analisar({QStringLiteral("calendar"), quando}), 0) << dias;
    }
    EXPECT_EQ(TmRot::UnidadeTimer(kHora, QStringLiteral("MON,XYZ")), QString());
    EXPECT_EQ(TmRot::UnidadeTimer(kHora, QStringLiteral("")), QString());
}

TEST(Agenda, TaskUnitsAreWrittenEscapedAndVerified) {
    QTemporaryDir pasta;
    qputenv("XDG_CONFIG_HOME", pasta.path().toLocal8Bit());
    QString comando;
    // No user systemd runs here: the units are written, systemd's refusal is the answer.
    TmRot::AgendarSystemd(QStringLiteral("../Backup diário"),
                          QStringLiteral("/bin/echo \"100% $HOME\" a\\b"), kHora,
                          QStringLiteral("MON,FRI"), comando);
    const QString nome = TmRot::NomeUnidade(QStringLiteral("../Backup diário"));
    EXPECT_FALSE(nome.contains(u'/'));
    const QString servico =
        QDir(TmRot::PastaUnidades()).filePath(nome + QStringLiteral(".service"));
    ASSERT_TRUE(TmRot::PastaUnidades().startsWith(pasta.path()));
    QFile arquivo(servico);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        arquivo.readAll().contains("ExecStart=\"/bin/echo\" \"100%% $$HOME\" \"a\\\\b\"\n"));
    EXPECT_EQ(Analisar({QStringLiteral("verify"), servico,
                        QDir(TmRot::PastaUnidades()).filePath(nome + QStringLiteral(".timer"))}),
              0);

    EXPECT_FALSE(TmRot::AgendarSystemd(QStringLiteral("outra"), QStringLiteral("/bin/true"), kHora,
                                       QStringLiteral("SEGUNDA"), comando));
    EXPECT_FALSE(QFile::exists(
        QDir(TmRot::PastaUnidades())
            .filePath(TmRot::NomeUnidade(QStringLiteral("outra")) + QStringLiteral(".timer"))));
    qunsetenv("XDG_CONFIG_HOME");
}

// What cron does to the command field before /bin/sh sees it: "\\%" becomes "%", and a bare
// "%" ends the command (the rest would be its standard input).
QString ComoCron(const QString& comando) {
    QString saida;
    for (qsizetype i = 0; i < comando.size(); ++i) {
        if (comando[i] == u'\\' && i + 1 < comando.size()) {
            if (comando[i + 1] != u'%')
                saida += comando[i];
            saida += comando[++i];
        } else if (comando[i] == u'%') {
            break;
        } else {
            saida += comando[i];
        }
    }
    return saida;
}

QString Rodar(const QString& programa, const QStringList& argumentos,
              const QByteArray& entrada = {}, int* codigo = nullptr) {
    QProcess processo;
    processo.start(programa, argumentos);
    processo.write(entrada);
    processo.closeWriteChannel();
    processo.waitForFinished();
    if (codigo)
        *codigo = processo.exitCode();
    return QString::fromUtf8(processo.readAllStandardOutput());
}

TEST(Agenda, CronLinesKeepEveryWordThroughCronAndTheShell) {
    const QString linha =
        TmRot::LinhaCron(QStringLiteral("/usr/bin/printf \"%s|\" \"100% it's\" a\\%b $HOME \\"),
                         kHora, QStringLiteral("MON,sun"));
    ASSERT_TRUE(linha.startsWith(QLatin1String("30 06 * * 1,0 '"))) << linha.toStdString();
    const QString comando = linha.section(u' ', 5);
    EXPECT_EQ(Rodar(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), ComoCron(comando)}),
              QStringLiteral("100% it's|a\\%b|$HOME|\\|"));
    EXPECT_EQ(TmRot::LinhaCron(QStringLiteral("/bin/true"), kHora, QStringLiteral("*")),
              QStringLiteral("30 06 * * * '/bin/true'"));
    EXPECT_EQ(TmRot::LinhaCron(QStringLiteral("/bin/true"), kHora, QStringLiteral("SEG")),
              QString());
    EXPECT_EQ(TmRot::LinhaCron(QStringLiteral("/bin/echo 'a\nb'"), kHora, QStringLiteral("*")),
              QString());
}

// The real crontab program (it needs no running daemon); the user's own table is put back after.
class AgendaCron : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("crontab")).isEmpty())
            GTEST_SKIP() << "crontab is not installed";
        antes_ = Rodar(QStringLiteral("crontab"), {QStringLiteral("-l")}, {}, &codigoAntes_);
    }
    void TearDown() override {
        if (codigoAntes_ == 0)
            Rodar(QStringLiteral("crontab"), {QStringLiteral("-")}, antes_.toUtf8());
        else
            Rodar(QStringLiteral("crontab"), {QStringLiteral("-r")});
    }
    QString antes_;
    int codigoAntes_ = -1;
};

TEST_F(AgendaCron, TaskReplacesItsOwnLineAndKeepsTheUsersLines) {
    const QByteArray doUsuario = "MAILTO=\"\"\n0 1 * * * /bin/true # mine\n";
    Rodar(QStringLiteral("crontab"), {QStringLiteral("-")}, doUsuario);
    QString comando;
    const QString nome = QStringLiteral("../Backup diário");
    ASSERT_TRUE(TmRot::AgendarCron(nome, QStringLiteral("/bin/echo 1"), kHora, QStringLiteral("*"),
                                   comando));
    ASSERT_TRUE(TmRot::AgendarCron(QStringLiteral("outra"), QStringLiteral("/bin/echo 2"), kHora,
                                   QStringLiteral("*"), comando));
    ASSERT_TRUE(TmRot::AgendarCron(nome, QStringLiteral("/bin/echo 3"), 0.5, QStringLiteral("FRI"),
                                   comando));
    EXPECT_EQ(comando, QStringLiteral("crontab -"));
    const QString marca = QStringLiteral("# orvane-task ") + TmRot::NomeUnidade(nome);
    EXPECT_EQ(Rodar(QStringLiteral("crontab"), {QStringLiteral("-l")}),
              QString::fromUtf8(doUsuario) +
                  QStringLiteral("# orvane-task orvane-outra\n"
                                 "30 06 * * * '/bin/echo' '2'\n") +
                  marca + QStringLiteral("\n00 12 * * 5 '/bin/echo' '3'\n"));
    EXPECT_FALSE(TmRot::AgendarCron(nome, QStringLiteral("/bin/true"), kHora, QStringLiteral("XYZ"),
                                    comando));
    EXPECT_TRUE(
        Rodar(QStringLiteral("crontab"), {QStringLiteral("-l")}).contains(u"'/bin/echo' '3'"));
}

// Two programs scheduling at once: each reads the table, adds its line and writes it back, so
// without the lock one of them writes a table that misses the other's newest task.
TEST_F(AgendaCron, TwoProgramsSchedulingAtOnceLoseNoTask) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    constexpr int kTarefas = 15;
    QProcess escritores[2];
    for (int i = 0; i < 2; ++i)
        escritores[i].start(QStringLiteral(ESCRITOR_CRON),
                            {QStringLiteral("escritor%1-").arg(i), QString::number(kTarefas)});
    for (QProcess& escritor : escritores) {
        ASSERT_TRUE(escritor.waitForFinished(120000));
        EXPECT_EQ(escritor.exitCode(), 0) << escritor.readAllStandardError().toStdString();
    }
    const QString tabela = Rodar(QStringLiteral("crontab"), {QStringLiteral("-l")});
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < kTarefas; ++j)
            EXPECT_TRUE(tabela.contains(
                QStringLiteral("# orvane-task orvane-escritor%1-%2\n").arg(i).arg(j)))
                << "lost: escritor" << i << "-" << j;
    EXPECT_TRUE(QFileInfo(TmRot::ArquivoTravaCron()).path() == runtime.path());
    qunsetenv("XDG_RUNTIME_DIR");
}

// Whatever is planted at the lock's name, a link (dangling or to a file), a FIFO or a folder,
// refuses the task: the table and the link's target stay as they were.
TEST_F(AgendaCron, SomethingPlantedAtTheLocksNameRefusesTheTask) {
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const QString trava = TmRot::ArquivoTravaCron();
    const QString alvo = runtime.filePath(QStringLiteral("alvo"));
    const QByteArray tabela = "0 1 * * * /bin/true # mine\n";
    Rodar(QStringLiteral("crontab"), {QStringLiteral("-")}, tabela);
    const std::function<bool()> plantios[] = {
        [&] { return QFile::link(alvo, trava); },
        [&] { return QFile(alvo).open(QIODevice::WriteOnly) && QFile::link(alvo, trava); },
        [&] { return mkfifo(QFile::encodeName(trava).constData(), 0600) == 0; },
        [&] { return QDir().mkdir(trava); },
    };
    for (const auto& plantar : plantios) {
        ASSERT_TRUE(plantar());
        QString comando;
        EXPECT_FALSE(TmRot::AgendarCron(QStringLiteral("t"), QStringLiteral("/bin/true"), kHora,
                                        QStringLiteral("*"), comando));
        EXPECT_EQ(Rodar(QStringLiteral("crontab"), {QStringLiteral("-l")}).toUtf8(), tabela);
        EXPECT_FALSE(QFileInfo(alvo).exists() && QFileInfo(alvo).size() != 0);
        QFile::remove(trava) || QDir().rmdir(trava);
        QFile::remove(alvo);
    }
    qunsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
