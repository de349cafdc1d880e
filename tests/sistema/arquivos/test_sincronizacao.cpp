// A failed sync is a failed write. This program answers fsync itself (a definition here takes
// the place of the C library's for the whole process), failing with EIO while a test asks it to,
// as a failing disk does; the writers must report it and leave the old file at its name.
#include <gtest/gtest.h>

#include <sys/syscall.h>
#include <unistd.h>

#include <QDir>
#include <cerrno>

#include "base/ArquivoInteiro.h"
#include "sistema/arquivos/TesteArquivos.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/zip/TZip.h"

namespace {

bool falharSincronizacao = false;

// fsync failing with EIO for the life of one scope.
class DiscoFalhando {
public:
    DiscoFalhando() { falharSincronizacao = true; }
    ~DiscoFalhando() { falharSincronizacao = false; }
    DiscoFalhando(const DiscoFalhando&) = delete;
    DiscoFalhando& operator=(const DiscoFalhando&) = delete;
};

}  // namespace

extern "C" int fsync(int fd) {
    if (falharSincronizacao) {
        errno = EIO;
        return -1;
    }
    return int(::syscall(SYS_fsync, fd));
}

namespace {

using Sincronizacao = TesteArquivos;

TEST_F(Sincronizacao, AFailedSyncIsReportedAndTheOldFileStays) {
    raiz.Criar("dados.ini", "antigo");
    raiz.Criar("origem/dados.ini", "novo");
    raiz.Criar("arquivo.txt", "conteudo");
    ASSERT_TRUE(TZip::Compactar(p("arquivo.txt"), p("pacote.zip")));
    const QByteArray pacote = Ler("pacote.zip");
    {
        DiscoFalhando disco;
        const auto falha = ArquivoInteiro::Escrever(p("dados.ini"), "novo");
        ASSERT_TRUE(falha.has_value());
        EXPECT_EQ(falha->erro, EIO);
        EXPECT_FALSE(TmFile::CopiarArquivo(p("origem/dados.ini"), raiz.Caminho()));
        EXPECT_FALSE(TZip::Compactar(p("origem/dados.ini"), p("pacote.zip")));
        EXPECT_TRUE(UltimoErroZip.contains(qt_error_string(EIO))) << UltimoErroZip.toStdString();
    }
    EXPECT_EQ(Ler("dados.ini"), "antigo");
    EXPECT_EQ(Ler("pacote.zip"), pacote);
    EXPECT_EQ(QDir(raiz.Caminho()).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no temporary file is left beside the targets";
    ASSERT_TRUE(TZip::Compactar(p("origem/dados.ini"), p("pacote.zip")));
    EXPECT_NE(Ler("pacote.zip"), pacote);
}

}  // namespace
