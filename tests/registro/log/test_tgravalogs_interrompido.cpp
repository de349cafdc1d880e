// The log under a writer killed while it writes: after every kill the log is the whole log of some
// number of entries, at least those reported written, never a cut or mixed file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "Arquivos.h"
#include "EntradaLog.h"
#include "support/MorteAposGravacoes.h"

namespace {

// The number of entries the log is the whole log of, -1 when it is none.
int EntradasInteiras(const QByteArray& log) {
    const QByteArray inicio =
        QByteArray(80, '-') + "\r\n2026/12/10 06:00:00 - Gravadora-> entrada ";
    if (!log.startsWith(inicio))
        return -1;
    bool ok = false;
    const int numero =
        log.mid(inicio.size(), log.indexOf(':', inicio.size()) - inicio.size()).toInt(&ok);
    return ok && log == EntradaLog::Log(numero) ? numero : -1;
}

TEST(GravaLogsInterrompido, AKilledWriterLeavesTheOldOrTheNewLogWhole) {
    constexpr int kMortes = 80;
    QTemporaryDir pasta;
    const QString log = pasta.filePath(QStringLiteral("app.log"));
    // Fixed seed: a failure can be run again with the same kills.
    std::mt19937 sorteio(20261210);
    std::uniform_int_distribution<int> gravacoes(1, 4);  // entries reported before the kill
    // Every writer adds at least one entry, so the log reaches its cap (51 entries) early and the
    // later kills cut writes of a log being trimmed.
    int anterior = 0, cortesTardios = 0;
    for (int morte = 0; morte < kMortes; ++morte) {
        QProcess gravadora;
        gravadora.start(
            QStringLiteral(GRAVADORA_LOG),
            {pasta.path() + u'/', QStringLiteral("app.log"), QString::number(anterior + 1)});
        ASSERT_TRUE(gravadora.waitForStarted(30000));
        MorteAposGravacoes::Relatorio relatorio(gravadora);
        ASSERT_TRUE(relatorio.MatarApos(gravacoes(sorteio)))
            << gravadora.readAllStandardError().data();

        const int entradas = EntradasInteiras(Ler(log));
        ASSERT_GT(entradas, anterior) << "kill " << morte << ": the log is no whole log";
        ASSERT_GE(entradas, *relatorio.UltimaGravacao()) << "kill " << morte << ": an entry was lost";
        cortesTardios += entradas > anterior + 1;  // killed after more than its first entry
        anterior = entradas;
    }
    // Writes were cut at later moments too, not only right after the first entry.
    EXPECT_GT(cortesTardios, 0);
    // What a kill leaves beside the log is at most one temporary file, never the log in pieces.
    EXPECT_LE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), kMortes + 1);
}

}  // namespace
