#include "sistema/agenda/TmRotAgenda.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
    TmRot::AgendarWindowsTaks(QStringLiteral("../Backup diário"),
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

    EXPECT_FALSE(TmRot::AgendarWindowsTaks(QStringLiteral("outra"), QStringLiteral("/bin/true"),
                                           kHora, QStringLiteral("SEGUNDA"), comando));
    EXPECT_FALSE(QFile::exists(
        QDir(TmRot::PastaUnidades())
            .filePath(TmRot::NomeUnidade(QStringLiteral("outra")) + QStringLiteral(".timer"))));
    qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
