// The application object: errors of event handlers reach the application's handler, and the
// main window that dialogs centre on.
#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>

#include "desenho/formularios/TAplicacao.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "dialogos/mensagens/mMensagem.h"
#include "support/Respostas.h"

namespace {

// An error that escapes an event handler is shown by the application's handler; a silent abort
// is not.
class TObjetoQueFalha : public QObject {
public:
    bool silencioso = false;

protected:
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (silencioso)
            throw EAbortSilencioso();
        throw std::runtime_error("Falha ao imprimir");
    }
};

class TAplicacaoTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TmDialogForm::DescartarRespostas();
    }
    static TAplicacao& Aplicacao() {
        return *static_cast<TAplicacao*>(QCoreApplication::instance());
    }
};

TEST_F(TAplicacaoTest, ErrorsOfEventHandlersReachTheApplicationsHandler) {
    TObjetoQueFalha objeto;
    QString legenda, corpo;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        legenda = f.windowTitle();
        corpo = f.Mensagem();
        Respostas::ClicarOk()(f);
    });
    QEvent evento(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(legenda, QStringLiteral("Erro"));
    EXPECT_EQ(corpo, QStringLiteral("Falha ao imprimir"));

    // A silent abort shows no dialog: an answer queued beforehand is still waiting after it (and
    // a dialog wrongly shown takes it and closes, instead of blocking the test).
    objeto.silencioso = true;
    bool mostrado = false;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        mostrado = true;
        Respostas::ClicarOk()(f);
    });
    EXPECT_FALSE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_FALSE(mostrado);
    EXPECT_EQ(TmDialogForm::RespostasPendentes(), 1);
    TmDialogForm::DescartarRespostas();
}

// The first ordinary window shown is the main window; a dialog asked to centre on its owner
// centres on it even while another window is active.
TEST_F(TAplicacaoTest, ADialogCentredOnItsOwnerCentresOnTheMainWindow) {
    Aplicacao().DefinirJanelaPrincipal(nullptr);
    QWidget principal;
    principal.setGeometry(40, 30, 700, 500);
    principal.show();
    QWidget outra;
    outra.setGeometry(600, 400, 300, 200);
    outra.show();
    outra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&outra));
    EXPECT_EQ(TAplicacao::JanelaPrincipal(), &principal);

    QPoint centro;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        centro = f.frameGeometry().center();
        Respostas::ClicarOk()(f);
    });
    TmDlg::Confirma(QStringLiteral("Seguir?"), false, true, true);
    EXPECT_EQ(centro, principal.frameGeometry().center());
}

}  // namespace
