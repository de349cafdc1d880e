#include <gtest/gtest.h>

#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <string>

#include "sistema/versao/TmRotVersao.h"

namespace {

QString fixture(const char* nome) {
    return QStringLiteral(FIXTURES_PE "/%1.exe").arg(nome);
}

TEST(GetFileVersao, KeepsTheFirstLevelsWithTheSeparator) {
    const QString normal = fixture("versao_normal");  // 23.9.4.0
    struct Caso {
        QString arquivo;
        int niveis;
        const char* separador;
        const char* versao;
    };
    const Caso casos[] = {
        {normal, 2, "_", "23_9"},
        {normal, 4, "", "23940"},
        {normal, 0, ".", "23.9.4.0"},
        {normal, 3, ".", "23.9.4"},
        {normal, 1, ".", "23"},
        {normal, -1, "-", "23-9-4-0"},
        {fixture("versao_sem_ponto"), 3, ".", "7"},
        {fixture("versao_produto"), 0, ".", "  "},  // blank FileVersion, no ProductVersion
        {fixture("versao_produto"), 2, ".", ""},
        {fixture("sem_traducao"), 3, ".", ""},
        {fixture("sem_versao"), 3, ".", ""},
        {QStringLiteral("/nao/existe.exe"), 3, ".", ""},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(mRot::GetFileVersao(c.arquivo, c.niveis, QString::fromLatin1(c.separador)),
                  QString::fromLatin1(c.versao))
            << c.arquivo.toStdString() << " " << c.niveis;
    }
}

TEST(GetFileVersao, ApplicationVersionHasThreeLevels) {
    EXPECT_EQ(TmRot::GetApplicationVersao(), QStringLiteral("23.9.4"));
}

// The twelve strings as exiftool reads them from the same files (files of one string table:
// exiftool reads the first table, this reader the one the translation names).
TEST(GetEXEVersionData, AgreesWithExiftool) {
    const char* const chaves[] = {"CompanyName",      "FileDescription", "FileVersion",
                                  "InternalName",     "LegalCopyright",  "LegalTrademarks",
                                  "OriginalFileName", "ProductName",     "ProductVersion",
                                  "Comments",         "PrivateBuild",    "SpecialBuild"};
    for (const char* nome : {"versao_completa", "versao_normal", "versao_sem_ponto"}) {
        QProcess exiftool;
        QStringList argumentos{QStringLiteral("-args"), QStringLiteral("-charset"),
                               QStringLiteral("UTF8")};
        for (const char* chave : chaves)
            argumentos << QStringLiteral("-") + QLatin1String(chave);
        exiftool.start(QStringLiteral(EXIFTOOL),
                       argumentos << QStringLiteral("--") << fixture(nome));
        ASSERT_TRUE(exiftool.waitForFinished(60000));
        QMap<QString, QString> esperado;
        for (const QString& linha :
             QString::fromUtf8(exiftool.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            esperado[linha.section(u'=', 0, 0).mid(1)] = linha.section(u'=', 1);
        ASSERT_FALSE(esperado.isEmpty()) << nome;

        const TEXEVersionData dados = TmRot::GetEXEVersionData(fixture(nome));
        const QString lidos[] = {
            dados.CompanyName,      dados.FileDescription, dados.FileVersion,
            dados.InternalName,     dados.LegalCopyright,  dados.LegalTrademarks,
            dados.OriginalFileName, dados.ProductName,     dados.ProductVersion,
            dados.Comments,         dados.PrivateBuild,    dados.SpecialBuild};
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(lidos[i], esperado.value(QLatin1String(chaves[i])))
                << nome << " " << chaves[i];
    }
    EXPECT_EQ(TmRot::GetEXEVersionData(fixture("versao_completa")).LegalCopyright,
              QStringLiteral("Copyright © 2026 Orvane Indústria"));
}

// The error carries the system's code and its text.
TEST(GetEXEVersionData, RaisesTheSystemsError) {
    QTemporaryDir pasta;
    const std::pair<QString, int> casos[] = {
        {pasta.filePath("ausente.exe"), ENOENT},
        {pasta.path(), EISDIR},
        {fixture("versao_normal") + QStringLiteral("/x"), ENOTDIR},
        {fixture("sem_versao"), ENODATA},
        {fixture("sem_traducao"), ENODATA},
    };
    for (const auto& [arquivo, codigo] : casos) {
        try {
            TmRot::GetEXEVersionData(arquivo);
            ADD_FAILURE() << arquivo.toStdString();
        } catch (const EOSError& e) {
            EXPECT_EQ(e.Codigo(), codigo) << arquivo.toStdString();
            EXPECT_TRUE(e.Mensagem().endsWith(qt_error_string(codigo))) << e.what();
            EXPECT_TRUE(e.Mensagem().startsWith(
                QStringLiteral("Erro do sistema. Código: %1.").arg(codigo)));
        }
    }
}

}  // namespace
