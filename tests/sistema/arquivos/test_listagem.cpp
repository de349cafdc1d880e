// Listings with Windows masks on real folders: letter case, hidden files, time bounds, the
// listing line, the record form's orders and the recursive walks.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "base/Relogio.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "support/RaizTemporaria.h"

namespace {

class Listagem : public TesteArquivos {
protected:
    // A file of the given size written at the given moment.
    void Criar(const QString& relativo, int tamanho, const QDateTime& hora) {
        raiz.Criar(relativo, QByteArray(tamanho, 'x'));
        EXPECT_TRUE(mFile::SetFileDateTime(p(relativo), DataHora::FromQDateTime(hora)));
    }
};

TEST_F(Listagem, MasksIgnoreLetterCaseAndSkipHiddenFilesAndFolders) {
    raiz.Criar("d/NOTA.XML");
    raiz.Criar("d/b.xml");
    raiz.Criar("d/.oculto.xml");
    raiz.Criar("d/leiame");
    QDir().mkpath(p("d/pasta.xml"));
    QStringList saida;
    EXPECT_TRUE(mFile::GetFiles(saida, p("d/*.XML")));
    EXPECT_EQ(saida, QStringList({"b.xml", "NOTA.XML"}));
    EXPECT_TRUE(mFile::GetFiles(saida, p("d/nota.xml"), true));
    EXPECT_EQ(saida, QStringList({p("d/NOTA.XML")}));
    mFile::GetFiles(saida, p("d/*.*"));
    EXPECT_EQ(saida, QStringList({"b.xml", "leiame", "NOTA.XML"}));
    mFile::GetFiles(saida, p("d/.*"));
    EXPECT_EQ(saida, QStringList({".oculto.xml"}));
    EXPECT_FALSE(mFile::GetFiles(saida, p("d/")));
    EXPECT_TRUE(mFile::FileExists(p("d/N?TA.*")));
    EXPECT_FALSE(mFile::FileExists(p("d/pasta.xml")));
    // A Windows path reaches the same folder through the mapped drive.
    EXPECT_TRUE(mFile::FileExists("C:\\D\\nota.xml"));
}

TEST_F(Listagem, TimeBoundsAreInclusiveAndDetailsGiveTheListingLine) {
    const QDateTime t1(QDate(2023, 5, 1), QTime(8, 0, 0));
    Criar("l/a.txt", 10, t1);
    Criar("l/b.txt", 20, t1.addDays(1));
    Criar("l/c.txt", 30, t1.addDays(2));
    const TDateTime dia1 = DataHora::FromQDateTime(t1);
    QStringList saida;
    mFile::GetFiles(saida, p("l/*.txt"), false, true, dia1 + 1, dia1 + 2);
    EXPECT_EQ(saida, QStringList({"b.txt;02/05/2023 08:00:00;20", "c.txt;03/05/2023 08:00:00;30"}));
    mFile::GetFiles(saida, p("l/*.txt"), false, false, -1, dia1);
    EXPECT_EQ(saida, QStringList({"a.txt"}));
}

TEST_F(Listagem, RecordsInNameOrderOrByTimeStably) {
    const QDateTime t(QDate(2023, 5, 1), QTime(8, 0, 0, 700));
    Criar("r/c.txt", 3, t);
    Criar("r/A.txt", 1, t.addSecs(60));
    Criar("r/b.txt", 2, t);
    TcrvArrayArquivo lista;
    ASSERT_TRUE(mFile::GetFiles(lista, p("r/*.txt")));
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(lista[0].Nome, p("r/A.txt"));
    EXPECT_EQ(lista[0].Tamanho, 1);
    mFile::GetFiles(lista, p("r/*.txt"), true);
    QStringList nomes;
    for (const TcrvArquivo& a : lista)
        nomes << mFile::FileName(a.Nome);
    EXPECT_EQ(nomes, QStringList({"b.txt", "c.txt", "A.txt"}));
    // The time is that of the listing line: whole seconds.
    EXPECT_EQ(DataHora::ToQDateTime(lista[0].DataHora), t.addMSecs(-700));
    EXPECT_FALSE(mFile::GetFiles(lista, p("r/*.doc")));
    EXPECT_TRUE(lista.isEmpty());
}

TEST_F(Listagem, RecursiveWalksAreDepthFirstAndSkipHiddenFolders) {
    raiz.Criar("w/1.txt");
    raiz.Criar("w/.h.txt");
    raiz.Criar("w/a/2.TXT");
    raiz.Criar("w/a/x/3.txt");
    raiz.Criar("w/b/4.txt");
    raiz.Criar("w/.git/5.txt");
    QFile::link(p("w"), p("w/b/volta"));  // a loop must not hang the walk
    TcrvArrayString arquivos;
    mFile::GetFilesRecursive(arquivos, p("w/*.txt"));
    EXPECT_EQ(arquivos, QStringList({p("w/.h.txt"), p("w/1.txt"), p("w/a/2.TXT"), p("w/a/x/3.txt"),
                                     p("w/b/4.txt")}));
    QStringList pastas;
    mFile::GetDirectoriesRecursive(pastas, p("w"));
    EXPECT_EQ(pastas, QStringList({p("w/a/"), p("w/b/"), p("w/a/x/")}));
    mFile::GetDirectories(p("w"), pastas);
    EXPECT_EQ(pastas, QStringList({".", "..", ".git", "a", "b"}));
}

TEST_F(Listagem, SizesTimesAndEmptiness) {
    const QDateTime t(QDate(2022, 12, 31), QTime(23, 59, 58));
    Criar("s/a.bin", 5, t);
    EXPECT_EQ(mFile::FileLength(p("s/a.bin")), 5);
    EXPECT_EQ(mFile::FileLength(p("s/nada")), -1);
    EXPECT_EQ(mFile::FileSize(p("s/nada")), 0);
    EXPECT_EQ(DataHora::ToQDateTime(mFile::GetFileDateTime(p("s/a.bin"))), t);
    EXPECT_EQ(mFile::GetFileDateTime(p("s/nada")), 0);
    EXPECT_GT(mFile::GetFolderDateTime(p("s/")), 0);
    EXPECT_FALSE(mFile::SetFileDateTime(p("s/nada"), 1));
    Criar("s/b.bin", 1, t.addSecs(1));
    EXPECT_EQ(mFile::GetFileModificadoRecentemente({p("s/nada"), p("s/b.bin"), p("s/a.bin")}),
              p("s/b.bin"));
    EXPECT_EQ(mFile::GetFileModificadoRecentemente({p("s/nada")}), "");
    EXPECT_FALSE(mFile::IsDirectoryEmpty(p("s")));
    QDir().mkpath(p("vazia"));
    EXPECT_TRUE(mFile::IsDirectoryEmpty(p("vazia")));
    EXPECT_TRUE(mFile::IsDirectoryEmpty(p("nao-existe")));
}

}  // namespace
