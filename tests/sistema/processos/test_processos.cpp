#include "sistema/processos/Processos.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "ProgramaTeste.h"
#include "sistema/processos/Execucao.h"

namespace {

// Starts n copies of the program, not waited for, each sleeping a minute.
void Iniciar(const TProgramaTeste& programa, int n) {
    for (int i = 0; i < n; ++i)
        ASSERT_TRUE(TmRot::ExecWin({}, programa.Caminho(), QStringLiteral("60"), 0, false));
    for (int espera = 0; espera < 100 && TmFile::GetNumeroProcessos(programa.Nome()) < n; ++espera)
        TmRot::Delay(20);
}

TEST(Processos, FindsCountsAndEndsRealProcessesByEverySpellingOfTheirName) {
    TProgramaTeste programa(QStringLiteral("pv"));
    Iniciar(programa, 3);
    EXPECT_EQ(TmFile::GetNumeroProcessos(programa.Nome()), 3);
    for (const QString& nome : {programa.Nome(), programa.Nome().toUpper() + QStringLiteral(".EXE"),
                                programa.Caminho(), QStringLiteral("C:\\pdv\\") + programa.Nome()})
        EXPECT_TRUE(TmFile::IsProcessoAtivo(nome)) << nome.toStdString();
    EXPECT_FALSE(TmFile::IsProcessoAtivo(programa.Nome() + QStringLiteral("x")));
    EXPECT_FALSE(TmFile::IsProcessoAtivo(programa.Nome().chopped(1)));

    EXPECT_EQ(TmRot::KillTask(programa.Nome() + QStringLiteral(".exe")), 1);
    EXPECT_TRUE(TmRot::InativarProcesso(programa.Nome()));
    EXPECT_FALSE(TmRot::ProcessoAtivo(programa.Nome()));
    EXPECT_EQ(TmFile::GetNumeroProcessos(programa.Nome()), 0);
    EXPECT_EQ(TmFile::KillTask(programa.Nome()), 0);  // none left to end
}

// The kernel keeps 15 characters of a short name: a long program name is still found whole
// through its program file, and the count compares the first 15 characters only.
TEST(Processos, LongNamesMatchWholeAndCountByTheirFirstFifteenCharacters) {
    TProgramaTeste longo(QStringLiteral("orvanelongoaaaa"));  // 15 characters and the suffix
    TProgramaTeste outro(QStringLiteral("orvanelongoaaaa"));
    Iniciar(longo, 1);
    Iniciar(outro, 1);
    EXPECT_TRUE(TmFile::IsProcessoAtivo(longo.Nome()));
    EXPECT_EQ(TmFile::GetNumeroProcessos(longo.Nome() + QStringLiteral("zzzzz")), 2);
    EXPECT_EQ(TmFile::KillTask(longo.Nome()), 1);
    EXPECT_TRUE(TmRot::InativarProcesso(longo.Nome()));
    EXPECT_TRUE(TmFile::IsProcessoAtivo(outro.Nome()));  // only the named one ended
    EXPECT_TRUE(TmRot::InativarProcesso(outro.Nome()));
}

TEST(Processos, FinalizarProcessoOfAProgramNotRunningAnswersTrueWithoutAsking) {
    TProgramaTeste programa(QStringLiteral("pf"));
    EXPECT_TRUE(TmRot::FinalizarProcesso(programa.Nome()));
}

}  // namespace
