// Copying, moving and deleting on real folders: permission bits and times kept, renames that
// refuse an existing target, the folders deletion refuses, and the freedesktop trash.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QUrl>

#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "support/RaizTemporaria.h"

namespace {

class Copia : public TesteArquivos {};

TEST_F(Copia, CopiesKeepPermissionBitsAndTimeAndReplaceOnlyWhenAsked) {
    raiz.Criar("o/prog.sh", "#!/bin/sh\n");
    const auto executavel = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                            QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    QFile::setPermissions(p("o/prog.sh"), executavel);
    mFile::SetFileDateTime(p("o/prog.sh"), 45000.5);
    QDir().mkpath(p("d"));
    raiz.Criar("d/prog.sh", "antigo");
    EXPECT_FALSE(mFile::CopiarArquivo(p("o/prog.sh"), p("d"), "", false));
    EXPECT_EQ(Ler("d/prog.sh"), "antigo");
    ASSERT_TRUE(mFile::CopiarArquivo(p("o/prog.sh"), p("d")));
    EXPECT_EQ(Ler("d/prog.sh"), "#!/bin/sh\n");
    EXPECT_EQ(QFile::permissions(p("d/prog.sh")), executavel);
    EXPECT_EQ(mFile::GetFileDateTime(p("d/prog.sh")), 45000.5);
    EXPECT_EQ(QDir(p("d")).entryList(QDir::Files | QDir::Hidden), QStringList({"prog.sh"}));

    EXPECT_TRUE(mFile::CopiarArquivo(p("o/prog.sh"), p("d"), "_bkp"));
    EXPECT_EQ(Ler("d/prog_bkp.sh"), "#!/bin/sh\n");
    EXPECT_FALSE(mFile::CopiarArquivo(p("o/nada"), p("d")));
    EXPECT_FALSE(mFile::CopiarArquivo(p("o/prog.sh"), p("sem-pasta")));
    EXPECT_TRUE(mFile::CopiarArquivoRenomeandoDestino(p("o/prog.sh"), p("d/outro.sh")));
    EXPECT_FALSE(mFile::CopiarArquivoRenomeandoDestino(p("o/prog.sh"), p("sem/outro.sh")));
}

TEST_F(Copia, MovesAndRenamesNeverReplaceAnExistingTarget) {
    raiz.Criar("m/a.txt", "a");
    raiz.Criar("m/b.txt", "b");
    EXPECT_FALSE(mFile::MoverArquivoNome(p("m/a.txt"), p("m/b.txt")));
    EXPECT_EQ(Ler("m/b.txt"), "b");
    EXPECT_TRUE(mFile::MoverArquivoNome(p("m/a.txt"), p("n/novo/a.txt")));
    EXPECT_EQ(Ler("n/novo/a.txt"), "a");

    raiz.Criar("m/c.TXT", "c");
    raiz.Criar("m/c.log", "log");
    EXPECT_TRUE(mFile::ModificarExtensao(p("m/c.txt"), "bak"));
    EXPECT_EQ(Ler("m/c.bak"), "c");
    EXPECT_FALSE(mFile::ModificarExtensao(p("m/c.log"), ".bak"));
    EXPECT_EQ(Ler("m/c.log"), "log");

    QDir().mkpath(p("r/velha"));
    QDir().mkpath(p("r/ocupada"));
    raiz.Criar("r/velha/x", "x");
    mFile::RenameDir(p("r/velha"), "ocupada");
    EXPECT_EQ(Ler("r/velha/x"), "x");
    mFile::RenameDir(p("r/velha/"), "nova");
    EXPECT_EQ(Ler("r/nova/x"), "x");
}

TEST_F(Copia, MovingWithMasksCountsAndStopsAtTheFirstFailure) {
    EXPECT_TRUE(mFile::MoverArquivo(p("nada.txt"), p("destino")));
    raiz.Criar("m/1.TXT", "1");
    raiz.Criar("m/2.txt", "2");
    raiz.Criar("m/3.doc", "3");
    EXPECT_TRUE(mFile::MoverArquivos(p("m/*.txt"), p("destino"), true));
    EXPECT_EQ(mFile::QtdArquivosMovidos, 2);
    EXPECT_EQ(Ler("destino/1.TXT"), "1");
    EXPECT_FALSE(QFile::exists(p("m/2.txt")));
    EXPECT_FALSE(mFile::MoverArquivos(p("m/*.doc"), p("nao-existe")));
    EXPECT_EQ(mFile::QtdArquivosMovidos, 0);
    EXPECT_EQ(Ler("m/3.doc"), "3");
    EXPECT_TRUE(mFile::CopiarArquivos(p("destino/*.txt"), p("m")));
    EXPECT_FALSE(mFile::CopiarArquivos(p("destino/*.pdf"), p("m")));
    EXPECT_TRUE(mFile::DeleteArquivos(p("m/"), "*.TXT"));
    EXPECT_FALSE(mFile::FileExists(p("m/*.txt")));
    EXPECT_FALSE(mFile::DeleteArquivos(p("m/"), "*.txt"));
}

TEST_F(Copia, FoldersCopyIntoAnExistingTargetOrAsIt) {
    raiz.Criar("src/a/b.txt", "b");
    QFile::link("b.txt", p("src/a/ligacao"));
    ASSERT_TRUE(mFile::CopiarPasta(p("src"), p("copia")));
    EXPECT_EQ(Ler("copia/a/b.txt"), "b");
    EXPECT_EQ(QFileInfo(p("copia/a/ligacao")).symLinkTarget(), p("copia/a/b.txt"));
    ASSERT_TRUE(mFile::CopiarPasta(p("src"), p("copia")));
    EXPECT_EQ(Ler("copia/src/a/b.txt"), "b");
    EXPECT_FALSE(mFile::CopiarPasta(p("src"), p("src/a")));
    EXPECT_FALSE(mFile::CopiarPasta(p("nada"), p("x")));
}

TEST_F(Copia, DeletionRefusesTheFoldersNoCallerCanMean) {
    raiz.Criar("aqui/guardado.txt", "g");
    const QString anterior = QDir::currentPath();
    QDir::setCurrent(p("aqui"));
    const VariavelTemporaria casa("HOME", p("casa").toUtf8());
    raiz.Criar("casa/x", "x");
    for (const QString& caminho :
         {QString(), QString("."), QString(" "), QString("/"), QString("C:\\"), raiz.Caminho(),
          p("casa"), p("casa/../casa/"), p("aqui")})
        EXPECT_FALSE(mFile::DirectoryDelete(caminho)) << caminho.toStdString();
    QDir::setCurrent(anterior);
    EXPECT_EQ(Ler("aqui/guardado.txt"), "g");
    EXPECT_EQ(Ler("casa/x"), "x");
    EXPECT_FALSE(mFile::DeletarArquivos(""));
}

TEST_F(Copia, DeletionRemovesFoldersAndLinksButNotWhatTheyPointAt) {
    raiz.Criar("alvo/manter.txt", "m");
    raiz.Criar("lixo/a/b.txt");
    QFile::link(p("alvo"), p("lixo/a/ligacao"));
    QFile::link(p("alvo"), p("ligacao"));
    EXPECT_TRUE(mFile::DirectoryDelete(p("ligacao")));
    EXPECT_TRUE(mFile::DirectoryDelete("C:\\LIXO"));
    EXPECT_FALSE(QFileInfo::exists(p("lixo")));
    EXPECT_EQ(Ler("alvo/manter.txt"), "m");
    EXPECT_FALSE(mFile::DirectoryDelete(p("lixo")));
    raiz.Criar("v/1.tmp");
    raiz.Criar("v/2.TMP");
    EXPECT_TRUE(mFile::DeletarArquivos(p("v/*.tmp")));
    EXPECT_TRUE(mFile::IsDirectoryEmpty(p("v")));
}

TEST_F(Copia, TheTrashKeepsTheFileAndItsOrigin) {
    const VariavelTemporaria dados("XDG_DATA_HOME", p("dados").toUtf8());
    raiz.Criar("docs/nota fiscal.xml", "<nfe/>");
    ASSERT_TRUE(mFile::DirectoryDelete(p("docs/nota fiscal.xml"), true));
    EXPECT_FALSE(QFile::exists(p("docs/nota fiscal.xml")));
    EXPECT_EQ(Ler("dados/Trash/files/nota fiscal.xml"), "<nfe/>");
    const QByteArray info = Ler("dados/Trash/info/nota fiscal.xml.trashinfo");
    EXPECT_TRUE(info.startsWith("[Trash Info]\n")) << info.constData();
    EXPECT_TRUE(info.contains("Path=" + QUrl::toPercentEncoding(p("docs/nota fiscal.xml"), "/")))
        << info.constData();
    EXPECT_TRUE(QRegularExpression("\nDeletionDate=\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n")
                    .match(QString::fromLatin1(info))
                    .hasMatch())
        << info.constData();
    // A second item of the same name gets a name of its own; a folder goes whole.
    raiz.Criar("docs/nota fiscal.xml/dentro.txt", "d");
    ASSERT_TRUE(mFile::DirectoryDelete(p("docs/nota fiscal.xml"), true));
    EXPECT_EQ(Ler("dados/Trash/files/nota fiscal.2.xml/dentro.txt"), "d");
    EXPECT_TRUE(QFile::exists(p("dados/Trash/info/nota fiscal.2.xml.trashinfo")));
}

TEST_F(Copia, TheTrashTakesFoldersFromAnotherFileSystem) {
    QTemporaryDir outro(QStringLiteral("/dev/shm/orvane-XXXXXX"));
    if (!outro.isValid() || QStorageInfo(outro.path()) == QStorageInfo(raiz.Caminho()))
        GTEST_SKIP() << "/dev/shm is not another file system here";
    const VariavelTemporaria dados("XDG_DATA_HOME", p("dados").toUtf8());
    QDir().mkpath(outro.path() + "/pasta/sub");
    QFile f(outro.path() + "/pasta/sub/a.txt");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a");
    f.close();
    ASSERT_TRUE(mFile::DirectoryDelete(outro.path() + "/pasta", true));
    EXPECT_FALSE(QFileInfo::exists(outro.path() + "/pasta"));
    EXPECT_EQ(Ler("dados/Trash/files/pasta/sub/a.txt"), "a");
}

TEST_F(Copia, FoldersAndAttributes) {
    EXPECT_TRUE(mFile::CriarDiretorios({p("f/a/b"), p("f/c")}));
    EXPECT_TRUE(mFile::DirectoryExists(p("f/a/b")));
    const QString sobArquivo = raiz.Criar("arquivo") + "/sub";
    EXPECT_FALSE(mFile::CriarDiretorios({p("f/d"), sobArquivo}));
    EXPECT_FALSE(mFile::CreateDirectory(""));
    const QString leitura = raiz.Criar("ro.txt");
    QFile::setPermissions(leitura, QFile::ReadOwner | QFile::ReadUser);
    EXPECT_TRUE(mFile::RemoverAtributoSomenteLeitura(leitura));
    EXPECT_TRUE(QFile::permissions(leitura) & QFile::WriteOwner);
    EXPECT_FALSE(mFile::RemoverAtributoSomenteLeitura(p("nada")));
}

}  // namespace
