// Windows file masks: matching ignoring case, and the plain files of a folder they select.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "sistema/arquivos/internal/Mascara.h"

namespace {

TEST(Mascara, MatchesAsWindowsDoesIgnoringCase) {
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
            ArquivosInterno::Corresponde(QString::fromUtf8(c.nome), QString::fromUtf8(c.mascara)),
            c.esperado)
            << c.nome << " " << c.mascara;
}

TEST(Mascara, ListsOnlyPlainFilesInNameOrder) {
    QTemporaryDir pasta;
    for (const char* nome : {"b.XML", "a.xml", "c.txt", ".oculto.xml"}) {
        QFile f(pasta.filePath(QString::fromUtf8(nome)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QDir(pasta.path()).mkdir(QStringLiteral("d.xml"));
    const auto listar = [](const QString& mascara) {
        QStringList nomes;
        for (const QFileInfo& arquivo :
             ArquivosInterno::Correspondencias(mascara, ArquivosInterno::TEntradas::Arquivos))
            nomes += arquivo.fileName();
        return nomes;
    };
    const QStringList esperados{QStringLiteral("a.xml"), QStringLiteral("b.XML")};
    EXPECT_EQ(listar(pasta.filePath(QStringLiteral("*.xml"))), esperados);
    EXPECT_EQ(listar(pasta.path() + QStringLiteral("\\*.xml")), esperados);
    EXPECT_TRUE(listar(pasta.filePath(QStringLiteral("nada/*.xml"))).isEmpty());
}

}  // namespace
