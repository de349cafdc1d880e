#include "sistema/processos/Execucao.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

int Saida(const QString& script) {
    int codigo = -1;
    EXPECT_TRUE(TmRot::ExecWin({}, QStringLiteral("/bin/sh"),
                               QStringLiteral("-c \"%1\"").arg(script), 0, true, codigo));
    return codigo;
}

TEST(Execucao, ExitCodesAndSignalsReadAsTheirTexts) {
    struct Caso {
        const char* script;
        int codigo;
        QString texto;
    };
    const Caso casos[] = {
        {"exit 0", 0, {}},
        {"exit 3", 3, {}},
        {"exit 1", 1, QStringLiteral("Processo finalizado (Gerenciador de tarefas)")},
        {"kill -TERM $$", 1, QStringLiteral("Processo finalizado (Gerenciador de tarefas)")},
        {"kill -KILL $$", 1, QStringLiteral("Processo finalizado (Gerenciador de tarefas)")},
        {"kill -INT $$", 255, QStringLiteral("Cancelamento do processo (Ctrl + C)")},
        {"kill -HUP $$", TmFile::kExitPromptFechado,
         QStringLiteral("Cancelamento do processo (Prompt fechado)")},
        {"kill -USR1 $$", 128 + 10, {}},
    };
    for (const Caso& caso : casos) {
        const int codigo = Saida(QString::fromLatin1(caso.script));
        EXPECT_EQ(codigo, caso.codigo) << caso.script;
        EXPECT_EQ(TmFile::GetMsgExitCode(codigo), caso.texto) << caso.script;
    }
}

// Arguments are words, never shell text: a ";" or "$(...)" reaches the program as it is.
TEST(Execucao, ParamsAreWordsNotShellText) {
    QTemporaryDir pasta;
    const QString alvo = pasta.filePath(QStringLiteral("marca"));
    int codigo = -1;
    ASSERT_TRUE(TmRot::ExecWinWait({}, QStringLiteral("/bin/echo"),
                                   QStringLiteral("x; touch %1 $(touch %1)").arg(alvo), 0, codigo));
    EXPECT_EQ(codigo, 0);
    EXPECT_FALSE(QFile::exists(alvo));
    // A program name with a blank is one word.
    const QString comBranco = pasta.filePath(QStringLiteral("meu programa"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/true"), comBranco));
    EXPECT_TRUE(TmRot::ExecWinWait({}, comBranco, {}, 0, codigo));
    EXPECT_EQ(codigo, 0);
}

TEST(Execucao, WorkDirIsTheChildsFolderAndTheCallersStays) {
    QTemporaryDir pasta;
    const QString antes = QDir::currentPath();
    int codigo = -1;
    ASSERT_TRUE(TmRot::ExecWin(pasta.path(), QStringLiteral("/bin/sh"),
                               QStringLiteral("-c \"pwd > onde.txt\""), 0, true, codigo));
    EXPECT_EQ(QDir::currentPath(), antes);
    QFile onde(pasta.filePath(QStringLiteral("onde.txt")));
    ASSERT_TRUE(onde.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromLocal8Bit(onde.readAll().trimmed())).canonicalPath(),
              QDir(pasta.path()).canonicalPath());
    EXPECT_FALSE(TmRot::ExecWin(pasta.filePath(QStringLiteral("falta")),
                                QStringLiteral("/bin/true"), {}, 0, true, codigo));
}

TEST(Execucao, StartFailuresAnswerFalse) {
    int codigo = -1;
    EXPECT_FALSE(TmRot::ExecWin({}, {}, {}, 0, true, codigo));
    EXPECT_FALSE(TmRot::ExecWin({}, QStringLiteral("  "), QStringLiteral(" "), 0, true, codigo));
    EXPECT_FALSE(TmRot::ExecWin({}, QStringLiteral("/nao/existe"), {}, 0, true, codigo));
    EXPECT_FALSE(TmRot::ExecWin({}, QStringLiteral("/nao/existe"), {}, 0, false, codigo));
    EXPECT_FALSE(TmRot::ExecDOSWait({}, QStringLiteral("/nao/existe"), {}, 0));
    // Blank program: the first word of Params is the program, found on PATH.
    EXPECT_TRUE(TmRot::ExecWin({}, {}, QStringLiteral("sh -c \"exit 7\""), 0, true, codigo));
    EXPECT_EQ(codigo, 7);
}

TEST(Execucao, WaitingKeepsTheEventLoopRunning) {
    bool disparou = false;
    QTimer::singleShot(50, [&] { disparou = true; });
    int codigo = -1;
    ASSERT_TRUE(TmRot::ExecWinWait({}, QStringLiteral("sleep"), QStringLiteral("0.3"), 0, codigo));
    EXPECT_TRUE(disparou);

    disparou = false;
    QTimer::singleShot(50, [&] { disparou = true; });
    TmRot::Delay(200);
    EXPECT_TRUE(disparou);
}

TEST(Execucao, BatchLinesRunInTheirFolder) {
    QTemporaryDir pasta;
    ASSERT_TRUE(TmRot::gfExecBATDOSWait(
        pasta.path(), QStringLiteral("tarefa.sh"),
        {QStringLiteral("echo um > saida.txt"), QStringLiteral("echo dois >> saida.txt")}, false));
    QFile saida(pasta.filePath(QStringLiteral("saida.txt")));
    ASSERT_TRUE(saida.open(QIODevice::ReadOnly));
    EXPECT_EQ(saida.readAll(), QByteArray("um\ndois\n"));
}

}  // namespace
