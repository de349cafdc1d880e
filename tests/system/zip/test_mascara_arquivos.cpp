// Windows file masks: matching ignoring case, and listing the plain files of a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "system/zip/MascaraArquivos.h"

namespace {

TEST(MascaraArquivos, Corresponde) {
    struct Caso {
        const char* nome;
        const char* mascara;
        bool esperado;
    };
    for (const Caso& c :
         {Caso{"nota.xml", "*.xml", true},
          {"NOTA.XML", "*.xml", true},
          {"nota.xmlx", "*.xml", false},
          {"nota.xml.bak", "*.xml", false},
          {"abc", "a?c", true},
          {"ac", "a?c", false},
          {"a.b.c", "*.c", true},
          {"sub/a.xml", "*.xml", true},
          {"README", "*.*", true},
          {"x", "x.*", true},
          {"x", "y.*", false},
          {"", "*", true},
          {"a", "", false},
          {"ação.TXT", "AÇÃO.txt", true},
          {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*c", false}})
        EXPECT_EQ(
            MascaraArquivos::Corresponde(QString::fromUtf8(c.nome), QString::fromUtf8(c.mascara)),
            c.esperado)
            << c.nome << " " << c.mascara;
}

TEST(MascaraArquivos, ListaSoArquivosComunsEmOrdem) {
    QTemporaryDir pasta;
    for (const char* nome : {"b.XML", "a.xml", "c.txt", ".oculto.xml"}) {
        QFile f(pasta.filePath(QString::fromUtf8(nome)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir(pasta.path()).mkdir(QStringLiteral("d.xml"));
    const QStringList esperados{pasta.filePath(QStringLiteral("a.xml")),
                                pasta.filePath(QStringLiteral("b.XML"))};
    EXPECT_EQ(MascaraArquivos::Listar(pasta.filePath(QStringLiteral("*.xml"))), esperados);
    QString comBarras = pasta.path() + QStringLiteral("\\*.xml");
    EXPECT_EQ(MascaraArquivos::Listar(comBarras), esperados);
    EXPECT_TRUE(MascaraArquivos::Listar(pasta.filePath(QStringLiteral("nada/*.xml"))).isEmpty());
}

}  // namespace
