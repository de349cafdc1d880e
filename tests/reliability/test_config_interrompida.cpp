// The settings file under a process killed while saving: after every kill the file holds one
// whole version, the last one reported saved or a later one, never a cut or mixed file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <random>

#include "VersaoConfig.h"
#include "support/MorteAposGravacoes.h"

namespace {

QByteArray Ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The version the file holds, -1 when it is no whole version.
int VersaoInteira(const QByteArray& bytes) {
    const qsizetype inicio = bytes.indexOf("Versao=");
    const qsizetype fim = bytes.indexOf('\r', inicio);
    if (inicio < 0 || fim < 0)
        return -1;
    bool ok = false;
    const int versao = bytes.mid(inicio + 7, fim - inicio - 7).toInt(&ok);
    return ok && bytes == VersaoConfig::Arquivo(versao) ? versao : -1;
}

TEST(ConfigInterrompida, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    constexpr int kMortes = 200;
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("Orvane.crv"));
    {
        QFile f(arquivo);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(VersaoConfig::Arquivo(0));
    }
    // Fixed seed: a failure can be run again with the same kills.
    std::mt19937 sorteio(20261210);
    std::uniform_int_distribution<int> gravacoes(1, 6);  // saves reported before the kill
    int anterior = 0, versoesNovas = 0;
    for (int morte = 0; morte < kMortes; ++morte) {
        QProcess gravadora;
        gravadora.start(QStringLiteral(GRAVADORA_CONFIG), {arquivo});
        ASSERT_TRUE(gravadora.waitForStarted(30000));
        MorteAposGravacoes::Relatorio relatorio(gravadora);
        ASSERT_TRUE(relatorio.MatarApos(gravacoes(sorteio)))
            << gravadora.readAllStandardError().data();

        const int versao = VersaoInteira(Ler(arquivo));
        ASSERT_GE(versao, anterior) << "kill " << morte << ": the file is no whole version";
        ASSERT_GE(versao, *relatorio.UltimaGravacao()) << "kill " << morte << ": a save was lost";
        versoesNovas += versao > anterior + 1;  // killed after more than its first save
        anterior = versao;
    }
    // Saves were cut at later moments too, not only right after the first one.
    EXPECT_GT(versoesNovas, 0);
    // What a kill leaves beside the file is at most one temporary file per kill, never the file
    // itself in pieces.
    EXPECT_LE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden).size(), kMortes + 1);
}

}  // namespace
