// Path texts (tables of cases), unique names, file sizes in words and the installation root.
#include <gtest/gtest.h>

#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "sistema/arquivos/TmFilePastas.h"
#include "support/RaizTemporaria.h"

namespace {

TEST(Caminhos, LevelsAndParents) {
    struct Caso {
        const char* pasta;
        int niveis;
        const char* esperado;
    };
    const Caso subir[] = {
        {"C:\\a\\b\\c\\", 1, "C:\\a\\b\\"},
        {"C:\\a\\b\\c\\", 3, "C:\\"},
        {"C:\\a\\b\\c\\", 4, ""},
        {"C:\\a\\b\\c", 1, "C:\\a\\"},
        {"/srv/a/b/", 1, "/srv/a/"},
        {"/srv/a/b/", 3, "/"},
        {"", 0, ""},
    };
    for (const Caso& c : subir)
        EXPECT_EQ(mFile::SubirNivel(c.pasta, c.niveis), QString(c.esperado)) << c.pasta << c.niveis;

    EXPECT_EQ(mFile::DirectoryGetParent("C:\\a\\b\\"), "C:\\a\\");
    EXPECT_EQ(mFile::DirectoryGetParent("/srv/a/b"), "/srv/a/");
    EXPECT_EQ(mFile::DirectoryGetParent(""), "");
    EXPECT_EQ(mFile::ExtractAbsoluteFile("C:\\a\\b\\", "..\\x.txt"), "C:\\a\\x.txt");
    EXPECT_EQ(mFile::ExtractAbsoluteFile("/srv/a/b", "../../x.txt"), "/srv/x.txt");
    EXPECT_EQ(mFile::ExtractAbsoluteFile("/srv/a", "x.txt"), "/srv/a/x.txt");
}

TEST(Caminhos, NamesAndExtensions) {
    EXPECT_EQ(mFile::FileNameSemExt("/p/a.b.c"), "a");
    EXPECT_EQ(mFile::FileExtension("/p.d/nota"), "");
    EXPECT_EQ(mFile::FileExtension("C:\\p\\nota.XML"), ".XML");
    EXPECT_EQ(mFile::FileName("C:\\p\\nota.XML"), "nota.XML");
    EXPECT_EQ(mFile::ExtractDir("C:\\p/q\\nota.XML"), "C:\\p/q\\");
    EXPECT_EQ(mFile::SetFileExt("NOTA.XML", "xml"), "NOTA.XML");
    EXPECT_EQ(mFile::SetFileExt("nota", "xml"), "nota.xml");
    EXPECT_EQ(mFile::LimpaNomeArquivo("a/b\\c:d*e?f\"g<h>i|j"), "abcdefghij");
    EXPECT_EQ(mFile::DirAnsi("C:\\a"), "C:\\\\a");
    EXPECT_EQ(mFile::DirAnsiRead("C:\\\\a\\\\\\b"), "C:\\a\\\\b");
    EXPECT_EQ(mFile::DirBarra("/a"), "/a/");
    EXPECT_EQ(mFile::DirBarra("C:\\a\\"), "C:\\a\\");
    EXPECT_EQ(mFile::DirBarra(""), "");  // never the root folder
}

TEST(Caminhos, UniqueNameSkipsExistingOnes) {
    RaizTemporaria raiz;
    const QString b = raiz.Criar("a/b.txt");
    raiz.Criar("a/b_1.txt");
    EXPECT_EQ(mFile::GetUniqueFilePath(b), raiz.Caminho() + "/a/b_2.txt");
    EXPECT_EQ(mFile::GetUniqueFilePath("C:\\a\\b.txt"), "C:\\a\\b_2.txt");
    EXPECT_EQ(mFile::GetUniqueFilePath(raiz.Caminho() + "/a/c"), raiz.Caminho() + "/a/c");
}

TEST(Caminhos, FileSizeInWords) {
    const std::pair<qint64, const char*> casos[] = {
        {0, "0 bytes"},
        {1023, "1023 bytes"},
        {1536, "1,5 Kb"},
        {1048576, "1 Mb"},
        {1048575, "1023,9 Kb"},
        {1099511627776, "1 Tb"},
        {1LL << 50, "1 Inesperado"},
    };
    for (const auto& [bytes, texto] : casos)
        EXPECT_EQ(mFile::FormatFileSize(bytes), QString(texto)) << bytes;
}

TEST(Caminhos, InstallationRoot) {
    RaizTemporaria raiz;
    raiz.Criar("Corvel/x");
    EXPECT_EQ(mFile::GetCorvelRoot("C:\\x\\y\\z.exe"), raiz.Caminho() + "/Corvel/");
    EXPECT_EQ(mFile::GetCorvelRoot("\\\\srv\\dados\\corvel\\app\\"), "\\\\srv\\dados\\corvel\\");
    EXPECT_EQ(mFile::GetCorvelRoot("//srv/dados/CORVEL"), "//srv/dados/CORVEL/");
    EXPECT_EQ(mFile::GetCorvelRoot("\\\\srv\\dados\\app\\"), "");
    EXPECT_THROW(mFile::GetCorvelRoot("\\\\srv\\dados\\corvelx\\", true), std::runtime_error);
}

TEST(Pastas, MakerFoldersAreCreatedUnderTheUsersData) {
    RaizTemporaria raiz;
    const VariavelTemporaria dados("XDG_DATA_HOME", (raiz.Caminho() + "/dados").toUtf8());
    EXPECT_EQ(mFile::GetDataUserFolderVestra(), raiz.Caminho() + "/dados/Corvel/Vestra/");
    EXPECT_TRUE(mFile::DirectoryExists(raiz.Caminho() + "/dados/Corvel/Vestra"));
    EXPECT_EQ(mFile::GetSpecialFolderPath(26), raiz.Caminho() + "/dados");
    EXPECT_EQ(mFile::GetSpecialFolderPath(9999), "");
    EXPECT_EQ(mFile::PastaWindowsSystem32(), raiz.Caminho() + "/Windows/System32/");
    raiz.Criar("windows/syswow64/x");
    EXPECT_EQ(mFile::PastaWindowsSystem32(), raiz.Caminho() + "/windows/syswow64/");
}

TEST(Pastas, TemporaryNamesAreNewFiles) {
    const QString nome = mFile::GetNomeArquivoTemp("orv");
    ASSERT_TRUE(nome.startsWith("orv"));
    EXPECT_TRUE(QFile::exists(mFile::PastaWindowsTemp() + nome));
    QFile::remove(mFile::PastaWindowsTemp() + nome);
}

}  // namespace
