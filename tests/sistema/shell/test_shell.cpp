#include "sistema/shell/TmRotShell.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

#include "support/BackEndRoteiro.h"

namespace {

class Shell : public ::testing::Test {
protected:
    void SetUp() override { TmDlg::InstalarBackEnd(roteiro_); }
    std::shared_ptr<TBackEndRoteiro> roteiro_ = std::make_shared<TBackEndRoteiro>();
};

// Without xdg-open on PATH the address is offered on the clipboard.
TEST_F(Shell, ASiteThatCannotOpenIsOfferedOnTheClipboard) {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nao/existe");
    TmRot::AbreSite(QStringLiteral("https://exemplo.com.br/?a=1"));
    TmRot::AbreSite(QStringLiteral("   "));
    qputenv("PATH", path);
    ASSERT_EQ(roteiro_->dialogos.size(), 1u);
    EXPECT_TRUE(roteiro_->dialogos[0].Mensagem.startsWith(
        QStringLiteral("Não foi possível abrir o site: https://exemplo.com.br/?a=1\r\r")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("https://exemplo.com.br/?a=1"));
}

TEST_F(Shell, OptionsNeverReachTheOpener) {
    EXPECT_FALSE(TmRot::AbreExplorer(QStringLiteral("--version")));
    EXPECT_FALSE(TmRot::AbreExplorer(QStringLiteral("-x")));
}

TEST_F(Shell, RegistraDllLoadsTheLibraryOrSaysWhy) {
    EXPECT_TRUE(TmFile::RegistraDll(QStringLiteral("libz.so.1")));
    EXPECT_FALSE(TmFile::RegistraDll(QStringLiteral("/nao/existe/DllInscE32.dll")));
    ASSERT_EQ(roteiro_->dialogos.size(), 1u);
    EXPECT_TRUE(roteiro_->dialogos[0].Mensagem.startsWith(QStringLiteral(
        "não foi possível copiar ou registrar a dll /nao/existe/DllInscE32.dll.\r(")));
}

}  // namespace
