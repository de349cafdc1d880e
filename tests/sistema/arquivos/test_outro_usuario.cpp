// Root acting in folders another user controls, as the POS's service does in its user's data
// folder: that user (nobody, through setpriv) plants links and folders at the names root is
// about to use, and nothing root does follows or reuses them. Skipped unless run as root.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>

#include "base/ArquivoInteiro.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/arquivos/TmFilePastas.h"

namespace {

constexpr uid_t kNinguem = 65534;

class OutroUsuario : public TesteArquivos {
protected:
    void SetUp() override {
        if (::geteuid() != 0)
            GTEST_SKIP() << "acting as a second user needs root";
        raiz.Criar("segredo/dado.txt", "dado");
        ASSERT_EQ(::chmod(QFile::encodeName(raiz.Caminho()).constData(), 0755), 0);
    }
    void TearDown() override { Relogio::Liberar(); }
    // A folder of the other user's, with the given mode.
    void PastaDele(const QString& relativo, mode_t modo = 0755) {
        ASSERT_TRUE(QDir().mkpath(p(relativo)));
        const QByteArray caminho = QFile::encodeName(p(relativo));
        ASSERT_EQ(::chown(caminho.constData(), kNinguem, kNinguem), 0);
        ASSERT_EQ(::chmod(caminho.constData(), modo), 0);
    }
    // Runs the command as the other user.
    void ComoEle(const QStringList& comando) {
        QProcess processo;
        processo.start(
            "setpriv",
            QStringList{"--reuid=65534", "--regid=65534", "--clear-groups", "--"} + comando);
        ASSERT_TRUE(processo.waitForFinished());
        ASSERT_EQ(processo.exitCode(), 0) << processo.readAllStandardError().toStdString();
    }
};

TEST_F(OutroUsuario, LinksHePlantsAreNeverFollowed) {
    PastaDele("comum");
    ComoEle({"ln", "-s", p("segredo"), p("comum/pasta")});
    ComoEle({"ln", "-s", p("segredo/dado.txt"), p("comum/dado.txt")});
    ComoEle({"mkdir", "-p", p("comum/copia/o")});
    ComoEle({"ln", "-s", p("segredo/dado.txt"), p("comum/copia/o/a.txt")});
    raiz.Criar("o/a.txt", "a");

    mFile::DirectoryDelete(p("comum/pasta/"));
    mFile::DirectoryDelete(p("comum/pasta/."));
    EXPECT_TRUE(ArquivoInteiro::Escrever(p("comum/dado.txt"), "TROCADO").has_value());
    EXPECT_TRUE(mFile::CopiarPasta(p("o"), p("comum/copia")));

    EXPECT_EQ(Ler("segredo/dado.txt"), "dado");
    EXPECT_EQ(Ler("comum/copia/o/a.txt"), "a");
    EXPECT_FALSE(QFileInfo(p("comum/copia/o/a.txt")).isSymLink());
}

TEST_F(OutroUsuario, ATemporaryFolderIsNeverOneHeMadeAtThePredictableName) {
    PastaDele("tmp", 01777);
    VariavelTemporaria tmp("TMPDIR", p("tmp").toUtf8());
    Relogio::Fixar(45000.5);
    const QString nome = "pre" + Rtl::FormatDateTime(u"YYMMDDHHNNSSZZZ", Relogio::Agora());
    ComoEle({"mkdir", p("tmp/" + nome)});
    const QFileInfo nova(QDir::cleanPath(mFile::GetNovaPastaTemp("pre")));
    EXPECT_TRUE(nova.isDir());
    EXPECT_EQ(nova.ownerId(), 0u);
}

}  // namespace
