#include "sistema/atalhos/Atalhos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// HOME at a temporary folder: the desktop folder is $HOME/Desktop.
class Desktop : public ::testing::Test {
protected:
    void SetUp() override {
        antigoHome_ = qgetenv("HOME");
        qputenv("HOME", casa_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", casa_.filePath(QStringLiteral(".config")).toLocal8Bit());
    }
    void TearDown() override {
        qputenv("HOME", antigoHome_);
        qunsetenv("XDG_CONFIG_HOME");
    }
    static QString Ler(const QString& arquivo) {
        QFile f(arquivo);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // desktop-file-validate (desktop-file-utils) as the independent reader of the rules.
    static int Validar(const QString& arquivo) {
        return QProcess::execute(QStringLiteral("desktop-file-validate"), {arquivo});
    }

    QTemporaryDir casa_;
    QByteArray antigoHome_;
};

TEST(LinhaExec, QuotesByTheDesktopEntryRules) {
    const std::pair<QStringList, const char*> casos[] = {
        {{"/opt/pdv/caixa"}, "/opt/pdv/caixa"},
        {{"/opt/meu pdv/caixa", "-x"}, "\"/opt/meu pdv/caixa\" -x"},
        {{"/p", "a\"b", "$HOME", "`id`", "c:\\pdv", "50%"},
         "/p \"a\\\"b\" \"\\$HOME\" \"\\`id\\`\" \"c:\\\\pdv\" 50%%"},
        {{"/p", ""}, "/p \"\""},
        {{"/p", "a;b"}, "/p \"a;b\""},
    };
    for (const auto& [palavras, esperado] : casos)
        EXPECT_EQ(TmRot::LinhaExec(palavras.first(), palavras.mid(1)), QString::fromUtf8(esperado));
}

TEST_F(Desktop, LinksAreValidEntriesInTheDesktopFolder) {
    ASSERT_TRUE(TmFile::CriarAtalhoDesktop(QStringLiteral("/opt/meu pdv/Caixa.exe"),
                                           QStringLiteral("--loja \"1 \\ 2\" 50%")));
    const QString arquivo = QDir(TmRot::PastaDesktop()).filePath(QStringLiteral("Caixa.desktop"));
    EXPECT_TRUE(TmRot::PastaDesktop().startsWith(casa_.path()));
    const QString entrada = Ler(arquivo);
    EXPECT_TRUE(entrada.contains(
        QStringLiteral("Exec=\"/opt/meu pdv/Caixa.exe\" --loja \"1 \\\\\\\\ 2\" 50%%\n")))
        << entrada.toStdString();
    EXPECT_TRUE(entrada.contains(QStringLiteral("Path=/opt/meu pdv\n")));
    EXPECT_EQ(Validar(arquivo), 0);

    ASSERT_TRUE(TmRot::CriaAtalhoDesktop(QStringLiteral("Frente de Caixa"),
                                         QStringLiteral("/opt/pdv/frente")));
    ASSERT_TRUE(TmRot::CriaAtalhoDesktop(QStringLiteral("Frente de Caixa"),
                                         QStringLiteral("/opt/pdv/frente2")));
    EXPECT_EQ(
        Validar(
            QDir(TmRot::PastaDesktop()).filePath(QStringLiteral("Frente%20de%20Caixa.desktop"))),
        0);
    EXPECT_TRUE(TmRot::DeletaAtalhoDesktop(QStringLiteral("Frente de Caixa")));
    EXPECT_FALSE(TmRot::DeletaAtalhoDesktop(QStringLiteral("Frente de Caixa")));
}

// A name cannot leave the desktop folder, and a link planted at the entry's name is replaced,
// never written through.
TEST_F(Desktop, NamesStayInTheFolderAndPlantedLinksAreReplaced) {
    ASSERT_TRUE(QDir().mkpath(TmRot::PastaDesktop()));
    ASSERT_TRUE(
        TmRot::CriaAtalhoDesktop(QStringLiteral("../../fora"), QStringLiteral("/bin/true")));
    EXPECT_FALSE(QFile::exists(casa_.filePath(QStringLiteral("fora.desktop"))));
    EXPECT_EQ(QDir(TmRot::PastaDesktop()).entryList(QDir::Files).size(), 1);

    const QString vitima = casa_.filePath(QStringLiteral("vitima"));
    QFile(vitima).open(QIODevice::WriteOnly);
    ASSERT_TRUE(
        QFile::link(vitima, QDir(TmRot::PastaDesktop()).filePath(QStringLiteral("x.desktop"))));
    ASSERT_TRUE(TmRot::CriaAtalhoDesktop(QStringLiteral("x"), QStringLiteral("/bin/true")));
    EXPECT_EQ(QFileInfo(vitima).size(), 0);
}

}  // namespace
