#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "sistema/versao/TmFileVersao.h"
#include "sistema/versao/VersaoRecurso.h"

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(FIXTURES_PE "/%1.exe").arg(nome);
}

struct CasoVersao {
    const char* arquivo;
    std::string versao;
    std::string tresNiveis;
};

// Real Windows program files: FileVersion in the table the translation names, ProductVersion
// when FileVersion is blank, nothing without a resource or without a translation.
TEST(GetVersaoArquivo, ReadsTheStringTableOfTheTranslation) {
    const CasoVersao casos[] = {
        {"versao_normal", "23.9.4.0", "23.9.4"},
        {"versao_produto", "2.0", "2"},
        {"versao_ingles", "1.2.3.45", "1.2.3"},  // PE32, table 040904b0
        {"versao_sem_ponto", "7", ""},
        {"sem_traducao", "", ""},
        {"sem_versao", "", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(TmFile::GetVersaoArquivo(fixture(c.arquivo)).toStdString(), c.versao)
            << c.arquivo;
        EXPECT_EQ(mFile::GetVersaoArquivo3Niveis(fixture(c.arquivo)).toStdString(), c.tresNiveis)
            << c.arquivo;
    }
}

TEST(GetVersaoArquivo, FilesWithoutVersionGiveEmptyText) {
    QTemporaryDir pasta;
    QFile texto(pasta.filePath("texto.exe"));
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
    texto.write("MZ nada aqui");
    texto.close();
    for (const QString& arquivo : {pasta.filePath("ausente.exe"), pasta.path(), texto.fileName(),
                                   QString(), QStringLiteral("/dev/zero")}) {
        EXPECT_EQ(TmFile::GetVersaoArquivo(arquivo), QString()) << arquivo.toStdString();
        EXPECT_EQ(TmFile::GetVersaoArquivo3Niveis(arquivo), QString()) << arquivo.toStdString();
    }
}

// The program's own file carries the block generated from the project version.
TEST(GetVersaoArquivo, ReadsTheRunningProgramsOwnVersion) {
    const QString proprio = QStringLiteral("/proc/self/exe");
    const QString versao = QStringLiteral(VERSAO_PROJETO);
    EXPECT_EQ(TmFile::GetVersaoArquivo(proprio), versao);
    EXPECT_EQ(TmFile::GetVersaoArquivo3Niveis(proprio), versao.left(versao.lastIndexOf(u'.')));
    EXPECT_EQ(versao, QStringLiteral("23.9.4.0"));

    QByteArray bloco;
    ASSERT_TRUE(VersaoRecurso::Ler(proprio, bloco));
    EXPECT_EQ(VersaoRecurso::Traducao(bloco), 0x04e40416u);
    const std::pair<const char*, const char*> textos[] = {
        {"CompanyName", "Orvane"},
        {"FileDescription", "test_sistema_versao"},
        {"InternalName", "test_sistema_versao"},
        {"OriginalFilename", "test_sistema_versao"},
        {"ProductName", "Orvane"},
        {"ProductVersion", VERSAO_PROJETO},
    };
    for (const auto& [chave, valor] : textos)
        EXPECT_EQ(VersaoRecurso::TextoDaTabela(bloco, chave), QString::fromLatin1(valor)) << chave;
}

// The generated block is byte for byte what the Windows resource compiler makes of the same
// version script, so Windows tools would read it as this reader does.
TEST(GetVersaoArquivo, OwnBlockMatchesTheResourceCompilers) {
    QByteArray proprio, compilado;
    ASSERT_TRUE(VersaoRecurso::Ler(QStringLiteral("/proc/self/exe"), proprio));
    ASSERT_TRUE(VersaoRecurso::Ler(fixture("versao_programa"), compilado));
    EXPECT_EQ(proprio.toHex(' ').toStdString(), compilado.toHex(' ').toStdString());
}

}  // namespace
