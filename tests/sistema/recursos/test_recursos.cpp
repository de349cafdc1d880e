#include "sistema/recursos/TmRotRecursos.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "support/BackEndRoteiro.h"

namespace {

QByteArray Conteudo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray("(ausente)");
}

class Recursos : public ::testing::Test {
protected:
    void SetUp() override { TmDlg::InstalarBackEnd(roteiro_); }
    QString Em(const QString& nome) const { return QDir(pasta_.path()).filePath(nome); }
    QString Mensagens() const {
        QStringList textos;
        for (const TParametrosDialogo& d : roteiro_->dialogos)
            textos << d.Mensagem;
        return textos.join(u'|');
    }
    std::shared_ptr<TBackEndRoteiro> roteiro_ = std::make_shared<TBackEndRoteiro>();
    QTemporaryDir pasta_;
};

TEST_F(Recursos, ResourceIsWrittenIntoANewFolderAndReplacesAnOldFile) {
    const QString pasta = Em(QStringLiteral("nova/funda"));
    ASSERT_TRUE(TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("LEIAME"), pasta));
    EXPECT_EQ(Conteudo(pasta + QStringLiteral("/LEIAME.TXT")), "Leia-me: acentuação.\n");
    QFile velho(pasta + QStringLiteral("/LEIAME.TXT"));
    ASSERT_TRUE(velho.open(QIODevice::WriteOnly | QIODevice::Truncate));
    velho.write("versão antiga, bem mais longa que a nova\n");
    velho.close();
    ASSERT_TRUE(TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("LEIAME"), pasta));
    EXPECT_EQ(Conteudo(pasta + QStringLiteral("/LEIAME.TXT")), "Leia-me: acentuação.\n");
    EXPECT_TRUE(roteiro_->dialogos.empty());
}

TEST_F(Recursos, ZipIsUnpackedAndRemovedOnlyWhenAsked) {
    ASSERT_TRUE(TmRot::ExtractResource(QStringLiteral("zip"), QStringLiteral("PACOTE"),
                                       pasta_.path(), true));
    EXPECT_EQ(Conteudo(Em(QStringLiteral("sub/dentro.txt"))), "dentro do pacote\n");
    EXPECT_FALSE(QFile::exists(Em(QStringLiteral("PACOTE.zip"))));
    const QString outra = Em(QStringLiteral("fechado"));
    ASSERT_TRUE(
        TmRot::ExtractResource(QStringLiteral("zip"), QStringLiteral("PACOTE"), outra, false));
    EXPECT_TRUE(QFile::exists(outra + QStringLiteral("/PACOTE.zip")));
    EXPECT_FALSE(QFile::exists(outra + QStringLiteral("/sub")));
}

TEST_F(Recursos, FailuresAreToldAndTouchNothingOutside) {
    // A planted link at the target's name is refused, and the file it points at stays.
    const QString alvo = Em(QStringLiteral("alvo.txt"));
    QFile(alvo).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(alvo, Em(QStringLiteral("LEIAME.TXT"))));
    EXPECT_FALSE(
        TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("LEIAME"), pasta_.path()));
    EXPECT_EQ(Conteudo(alvo), "");
    EXPECT_FALSE(
        TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("FALTA"), pasta_.path()));
    EXPECT_FALSE(TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("../LEIAME"),
                                        Em(QStringLiteral("d"))));
    EXPECT_FALSE(TmRot::ExtractResource(QStringLiteral("TXT"), QStringLiteral("FALTA"),
                                        pasta_.path(), false, false));
    EXPECT_EQ(Mensagens(), QStringLiteral("Não foi possivel extrair o arquivo \"LEIAME.TXT\"|"
                                          "Não foi possivel extrair o arquivo \"FALTA.TXT\"|"
                                          "Não foi possivel extrair o arquivo \"../LEIAME.TXT\""));
    EXPECT_FALSE(QFile::exists(Em(QStringLiteral("LEIAME.TXT.TXT"))));
}

}  // namespace
