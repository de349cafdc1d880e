// What a clumsy user or a local attacker tries on the operations that delete, move and write:
// links spelled with "/" and "/." after them, the same folder under two spellings, links planted
// at predictable names, FIFOs in a tree. Each case checks that no byte outside the paths given
// changed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "base/ArquivoInteiro.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileBackup.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/arquivos/TmFilePastas.h"

namespace {

class NadaPerdido : public TesteArquivos {
protected:
    void TearDown() override { Relogio::Liberar(); }
    void Link(const QString& alvo, const QString& link) {
        QDir().mkpath(QFileInfo(p(link)).path());
        ASSERT_TRUE(QFile::link(alvo, p(link)));
    }
};

TEST_F(NadaPerdido, DeletingALinkNeverEmptiesWhatItPointsAt) {
    VariavelTemporaria home("HOME", p("casa").toUtf8());
    raiz.Criar("casa/.bashrc", "perfil");
    raiz.Criar("alvo/dado.txt", "dado");
    const struct {
        const char* link;
        const char* alvo;
        const char* escrito;
    } casos[] = {
        {"w/link", "alvo", "w/link/"},    {"w/link", "alvo", "w/link/."},
        {"w/link", "alvo", "w/link//./"}, {"w/casa", "casa", "w/casa/"},
        {"w/casa", "casa", "w/casa/."},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.escrito);
        Link(p(caso.alvo), caso.link);
        mFile::DirectoryDelete(p(caso.escrito));
        mFile::DirectoryDelete(p(caso.escrito), true);
        EXPECT_EQ(Ler("alvo/dado.txt"), "dado");
        EXPECT_EQ(Ler("casa/.bashrc"), "perfil");
        QFile::remove(p(caso.link));
    }
    Link(p("alvo"), "w/link");
    EXPECT_TRUE(mFile::DirectoryDelete(p("w/link/")));
    EXPECT_FALSE(QFileInfo(p("w/link")).isSymLink());
    EXPECT_FALSE(mFile::DirectoryDelete(p("casa/.")));
    EXPECT_FALSE(mFile::DirectoryDelete(p("casa/../casa/")));
    EXPECT_EQ(Ler("casa/.bashrc"), "perfil");
}

TEST_F(NadaPerdido, TheTrashKeepsWhatItHeldWhateverTheSpelling) {
    const VariavelTemporaria dados("XDG_DATA_HOME", p("dados").toUtf8());
    raiz.Criar("dados/Trash/files/antigo.txt", "antigo");
    raiz.Criar("dados/Trash/info/antigo.txt.trashinfo", "[Trash Info]\n");
    raiz.Criar("dados/Trash/files/pasta/sem-info.txt", "orfao");
    for (const char* escrito : {"w/pasta/.", "w/pasta/", "w/sub/pasta/..", "w/pasta"}) {
        SCOPED_TRACE(escrito);
        raiz.Criar("w/pasta/a.txt", "a");
        QDir().mkpath(p("w/sub/pasta"));
        EXPECT_TRUE(mFile::DirectoryDelete(p(escrito), true));
        EXPECT_EQ(Ler("dados/Trash/files/antigo.txt"), "antigo");
        EXPECT_EQ(Ler("dados/Trash/files/pasta/sem-info.txt"), "orfao");
        EXPECT_FALSE(QFile::exists(p("dados/Trash/info/.trashinfo")));
        QDir(p("w")).removeRecursively();
    }
    // Each item went under a name of its own, with its .trashinfo.
    const QStringList infos = QDir(p("dados/Trash/info")).entryList(QDir::Files);
    EXPECT_EQ(infos.size(), 5) << infos.join(' ').toStdString();
    for (const QString& info : infos)
        EXPECT_TRUE(QFile::exists(p("dados/Trash/files/" + info.chopped(10))))
            << info.toStdString();
}

TEST_F(NadaPerdido, MovingAFileOntoItselfKeepsIt) {
    for (const char* destino : {"m", "m/", "m/.", "m/./", "m/../m", "m//"}) {
        SCOPED_TRACE(destino);
        raiz.Criar("m/caixa.db", "caixa");
        raiz.Criar("m/a.txt", "a");
        EXPECT_TRUE(mFile::MoverArquivo(p("m/caixa.db"), p(destino)));
        EXPECT_EQ(Ler("m/caixa.db"), "caixa");
        EXPECT_TRUE(mFile::MoverArquivos(p("m/*.txt"), p(destino)));
        EXPECT_EQ(Ler("m/a.txt"), "a");
    }
    Link(p("m"), "outra");
    EXPECT_TRUE(mFile::MoverArquivo(p("m/caixa.db"), p("outra")));
    EXPECT_EQ(Ler("m/caixa.db"), "caixa");
}

TEST_F(NadaPerdido, AMoveIsARenameThatKeepsTheFileItself) {
    raiz.Criar("m/caixa.db", "caixa");
    QDir().mkpath(p("d"));
    struct stat antes {};
    ASSERT_EQ(::stat(QFile::encodeName(p("m/caixa.db")).constData(), &antes), 0);
    ASSERT_TRUE(mFile::MoverArquivo(p("m/caixa.db"), p("d")));
    struct stat depois {};
    ASSERT_EQ(::stat(QFile::encodeName(p("d/caixa.db")).constData(), &depois), 0);
    EXPECT_EQ(antes.st_ino, depois.st_ino);
    EXPECT_FALSE(QFile::exists(p("m/caixa.db")));
}

TEST_F(NadaPerdido, WholeFileWritesNeverGoThroughALink) {
    raiz.Criar("fora/segredo", "segredo");
    Link(p("fora/segredo"), "w/config.crv");
    QString motivo;
    EXPECT_FALSE(ArquivoInteiro::Gravar(p("w/config.crv"), "novo", motivo));
    EXPECT_FALSE(motivo.isEmpty());
    EXPECT_EQ(Ler("fora/segredo"), "segredo");
}

TEST_F(NadaPerdido, ThePermissionTestNeverWritesThroughAPlantedLink) {
    raiz.Criar("fora/.bashrc", "perfil");
    Relogio::Fixar(45000.5);
    Link(p("fora/.bashrc"),
         "w/" + Rtl::FormatDateTime(u"ddmmyyhhnnss", Relogio::Agora()) + ".testepermissao");
    QString msg;
    EXPECT_TRUE(mFile::VerificarPermissaoPasta({p("w")}, msg, false)) << msg.toStdString();
    EXPECT_EQ(Ler("fora/.bashrc"), "perfil");
    EXPECT_EQ(QDir(p("w"))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                  .size(),
              1);
}

TEST_F(NadaPerdido, CopyingAFolderNeverWritesThroughALinkInTheTarget) {
    raiz.Criar("o/pasta/sub/x.txt", "x");
    raiz.Criar("o/pasta/a.txt", "a");
    raiz.Criar("fora/a.txt", "fora");
    QDir().mkpath(p("fora/sub"));
    Link(p("fora/sub"), "d/pasta/sub");
    Link(p("fora/a.txt"), "d/pasta/a.txt");
    EXPECT_TRUE(mFile::CopiarPasta(p("o/pasta"), p("d")));
    EXPECT_EQ(Ler("fora/a.txt"), "fora");
    EXPECT_FALSE(QFile::exists(p("fora/sub/x.txt")));
    EXPECT_EQ(Ler("d/pasta/sub/x.txt"), "x");
    EXPECT_EQ(Ler("d/pasta/a.txt"), "a");
}

TEST_F(NadaPerdido, AFifoInACopiedTreeIsReportedNeverOpened) {
    raiz.Criar("o/pasta/a.txt", "a");
    ASSERT_EQ(::mkfifo(QFile::encodeName(p("o/pasta/fila")).constData(), 0600), 0);
    EXPECT_FALSE(mFile::CopiarPasta(p("o/pasta"), p("d")));
}

TEST_F(NadaPerdido, ATreeCopyWalksTheFolderItOpenedNeverAPathSwappedMeanwhile) {
    raiz.Criar("o/pasta/sub/a.txt", "a");
    raiz.Criar("segredo/sub/senha.txt", "senha");
    const int pasta = ::open(QFile::encodeName(p("o/pasta")).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(pasta, 0);
    // Swapped for a link once the copy holds it open, as an attacker racing the walk would.
    ASSERT_TRUE(QDir().rename(p("o/pasta"), p("o/antiga")));
    Link(p("segredo"), "o/pasta");
    EXPECT_TRUE(ArquivosInterno::CopiarArvore(pasta, p("d")));
    EXPECT_EQ(Ler("d/sub/a.txt"), "a");
    EXPECT_FALSE(QFileInfo::exists(p("d/sub/senha.txt")));
}

TEST_F(NadaPerdido, ANewTemporaryFolderIsAlwaysNew) {
    VariavelTemporaria tmp("TMPDIR", p("tmp").toUtf8());
    QDir().mkpath(p("tmp"));
    QDir().mkpath(p("fora"));
    Relogio::Fixar(45000.5);
    const QString nome = "pre" + Rtl::FormatDateTime(u"YYMMDDHHNNSSZZZ", Relogio::Agora());
    Link(p("fora"), "tmp/" + nome);
    const QString nova = mFile::GetNovaPastaTemp("pre");
    EXPECT_FALSE(QFileInfo(QDir::cleanPath(nova)).isSymLink());
    EXPECT_NE(QDir::cleanPath(nova), p("tmp/" + nome));
    EXPECT_TRUE(QFileInfo(nova).isDir());
}

}  // namespace
