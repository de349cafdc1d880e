// The dialogs on the standard message dialog, answered through its test hook as a user would.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QWindow>

#include "desenho/aguarde/TdbxAguardeForm.h"
#include "desenho/dialogos/TDialogoMensagem.h"
#include "desenho/dialogos/TmDlgPlataforma.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "sistema/som/TmSpeaker.h"
#include "support/Respostas.h"

namespace {

using TResposta = TDialogoMensagem::TResposta;
using Respostas::Filho;

QPushButton* Botao(TDialogoMensagem& d, int k) {
    return Filho<QPushButton>(d, QStringLiteral("Botao%1").arg(k));
}

TResposta Clicar(int k) {
    return [k](TDialogoMensagem& d) { Botao(d, k)->click(); };
}

TResposta Fechar() {
    return [](TDialogoMensagem& d) { d.close(); };
}

void Teclar(TDialogoMensagem& d, int tecla) {
    QWidget* alvo = d.focusWidget() ? d.focusWidget() : &d;
    QKeyEvent pressiona(QEvent::KeyPress, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &pressiona);
}

// What the dialog looked like when it opened.
struct TVisto {
    QString legenda, mensagem, focado;
    QStringList botoes;  // captions, in row order
    QPoint posicao;
};

TResposta VerE(TVisto& visto, TResposta resposta) {
    return [&visto, resposta](TDialogoMensagem& d) {
        visto.legenda = d.windowHandle()->title();
        visto.mensagem = d.Mensagem()->text();
        visto.focado = d.focusWidget() ? d.focusWidget()->objectName() : QString();
        visto.posicao = d.pos();
        QList<QPushButton*> botoes = d.findChildren<QPushButton*>();
        std::sort(botoes.begin(), botoes.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        for (const QPushButton* b : botoes)
            if (b->width() > 0)
                visto.botoes << b->text();
        resposta(d);
    };
}

// Every test runs with a wait window open: each dialog must close it first.
class PlataformaTest : public ::testing::Test {
protected:
    void SetUp() override {
        Aguarde::Instalar(aguarde);
        Aguarde::MostraAguarde(QStringLiteral("Lendo"));
    }
    void TearDown() override {
        EXPECT_EQ(aguarde->Janela(), nullptr);
        Aguarde::Instalar(nullptr);
        EXPECT_EQ(TDialogoMensagem::RespostasPendentes(), 0);
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TDialogoMensagem::DescartarRespostas();
        TmDialogForm::DescartarRespostas();
    }
    std::shared_ptr<TAguardeQt> aguarde = std::make_shared<TAguardeQt>();
};

const TcrvArrayString kSeis{"Um", "Dois", "Três", "Quatro", "Cinco", "Seis"};

TEST_F(PlataformaTest, ShowFocusesTheDefaultButtonAndAnswersItsPosition) {
    const struct {
        TcrvArrayString botoes;
        int padrao;
        TResposta resposta;
        QString focado;
        int esperado;
    } casos[] = {
        {{"A", "B", "C"}, 2, Clicar(2), "Botao2", 2},
        {{"A", "B", "C"}, 2, Fechar(), "Botao2", 0},
        {kSeis, 5, [](TDialogoMensagem& d) { Teclar(d, Qt::Key_Return); }, "Botao5", 5},
        {kSeis, 6, Clicar(1), "Botao6", 1},
        // An empty caption makes no button; the others keep their positions.
        {{"A", "", "C"}, 3, Clicar(3), "Botao3", 3},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.esperado);
        Aguarde::MostraAguarde(QStringLiteral("Lendo"));
        TVisto visto;
        TDialogoMensagem::ResponderProximo(VerE(visto, caso.resposta));
        EXPECT_EQ(TmDlg::Show(caso.botoes, QStringLiteral("Escolha <b>um</b>"), caso.padrao,
                              QStringLiteral("Opções"), TMsgDlgType::mtWarning),
                  caso.esperado);
        EXPECT_EQ(visto.focado, caso.focado);
        EXPECT_EQ(visto.legenda, QStringLiteral("Opções"));
        EXPECT_EQ(visto.mensagem, QStringLiteral("Escolha <b>um</b>"));
        QStringList esperadas;
        for (const QString& b : caso.botoes)
            if (!b.isEmpty())
                esperadas << b;
        EXPECT_EQ(visto.botoes, esperadas);
    }
}

TEST_F(PlataformaTest, DefaultButtonOutsideTheCaptionsMeansNoneAndEnterPressesNothing) {
    for (const int padrao : {0, -1, 4, 7}) {
        SCOPED_TRACE(padrao);
        TVisto visto;
        bool abertoAposEnter = false;
        TDialogoMensagem::ResponderProximo(VerE(visto, [&](TDialogoMensagem& d) {
            Teclar(d, Qt::Key_Return);
            QCoreApplication::processEvents();
            abertoAposEnter = d.isVisible();
            d.close();
        }));
        EXPECT_EQ(TmDlg::Show({"A", "B", "C"}, QStringLiteral("?"), padrao, QString()), 0);
        EXPECT_FALSE(visto.focado.startsWith(QLatin1String("Botao")));
        EXPECT_TRUE(abertoAposEnter);
    }
}

TEST_F(PlataformaTest, ShowPlacesTheWindowWithXAsTopAndYAsLeft) {
    TVisto visto;
    TDialogoMensagem::ResponderProximo(VerE(visto, Clicar(1)));
    TmDlg::Show({"A"}, QStringLiteral("?"), 1, QString(), TMsgDlgType::mtInformation, 40, 120);
    EXPECT_EQ(visto.posicao, QPoint(120, 40));
}

TEST_F(PlataformaTest, SevenCaptionsGiveTheErrorAndNoDialog) {
    QString erro;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        erro = f.Mensagem();
        Respostas::ClicarOk()(f);
    });
    TcrvArrayString sete = kSeis;
    sete << QStringLiteral("Sete");
    EXPECT_EQ(TmDlg::Show(sete, QStringLiteral("?"), 1, QString()), 0);
    EXPECT_EQ(erro, QStringLiteral("Máximo 6 botões!"));
    Aguarde::MostraAguarde(QStringLiteral("Lendo"));
    TmDialogForm::ResponderProximo(Respostas::ClicarOk());
    EXPECT_EQ(TmDlg::MensagemEventos(sete, {}, {}, QString(), QStringLiteral("?")), 0);
}

TEST_F(PlataformaTest, HandlersRunAndOnlyTheirFalseEntriesKeepTheDialogOpen) {
    QStringList executados;
    const auto registra = [&](const char* nome) {
        return [&executados, nome](QObject* sender) {
            executados << QString::fromLatin1(nome) + QLatin1Char(':') + sender->objectName();
        };
    };
    bool abertoAposPrimeiro = false;
    TDialogoMensagem::ResponderProximo([&](TDialogoMensagem& d) {
        Botao(d, 1)->click();
        abertoAposPrimeiro = d.isVisible();
        Botao(d, 2)->click();
    });
    // Both arrays shorter than the buttons: the third has no handler and closes.
    EXPECT_EQ(
        TmDlg::MensagemEventos({"Ver", "Gravar", "Sair"}, {registra("ver"), registra("gravar")},
                               {false}, QString(), QStringLiteral("?")),
        2);
    EXPECT_TRUE(abertoAposPrimeiro);
    EXPECT_EQ(executados, (QStringList{"ver:Botao1", "gravar:Botao2"}));

    // FechaClique false on a button without a handler: it closes, as it could do nothing else.
    TDialogoMensagem::ResponderProximo(Clicar(3));
    EXPECT_EQ(TmDlg::MensagemEventos({"Ver", "Gravar", "Sair"}, {registra("ver")},
                                     {true, true, false}, QString(), QStringLiteral("?")),
              3);
}

TEST_F(PlataformaTest, ConfirmaTimerCountsDownOnOkAndPressesIt) {
    QStringList legendas;
    bool contadorAtivo = false;
    TDialogoMensagem::ResponderProximo([&](TDialogoMensagem& d) {
        contadorAtivo = Filho<QTimer>(d, QStringLiteral("tmrContador"))->isActive();
        legendas << Botao(d, 3)->text();
        for (int tique = 0; tique < 3; ++tique) {
            d.tmrContadorTimer();
            legendas << Botao(d, 3)->text();
        }
    });
    TmDlg::ConfirmaTimer(QStringLiteral("Continuar?"), 3);  // returns only once OK was pressed
    EXPECT_TRUE(contadorAtivo);
    EXPECT_EQ(legendas, (QStringList{"&Ok [3]", "&Ok [2]", "&Ok [1]", "&Ok [0]"}));
}

TEST_F(PlataformaTest, BlindEnterOnlyBeepsAndOnlySimAnswersTrue) {
    const struct {
        TResposta resposta;
        bool esperado;
    } casos[] = {{Clicar(1), true}, {Clicar(2), false}, {Fechar(), false}};
    for (const auto& caso : casos) {
        Aguarde::MostraAguarde(QStringLiteral("Lendo"));
        TVisto visto;
        int bipsAposEnter = 0;
        bool abertoAposEnter = false;
        int bips = 0;
        TSaidaSom contador;
        contador.Tom = [&](int, int) { ++bips; };
        TmSpeaker::InstalarSaida(contador);
        const auto restaurar = qScopeGuard([] { TmSpeaker::RestaurarSaida(); });
        TDialogoMensagem::ResponderProximo(VerE(visto, [&](TDialogoMensagem& d) {
            Teclar(d, Qt::Key_Return);
            Teclar(d, Qt::Key_Space);
            QKeyEvent solta(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
            QCoreApplication::sendEvent(d.focusWidget(), &solta);
            bipsAposEnter = bips;
            abertoAposEnter = d.isVisible();
            caso.resposta(d);
        }));
        EXPECT_EQ(TmDlg::ConfirmaUsuarioDesatento(QStringLiteral("Apagar tudo?")), caso.esperado);
        EXPECT_EQ(visto.focado, QStringLiteral("Botao3"));
        EXPECT_EQ(visto.botoes, (QStringList{"&Sim", "&Não"}));
        EXPECT_EQ(visto.legenda, QStringLiteral("Confirmação"));
        EXPECT_EQ(bipsAposEnter, 2);
        EXPECT_TRUE(abertoAposEnter);
    }
}

TEST_F(PlataformaTest, BlindConfirmationCentresSimAndNaoSevenPixelsApart) {
    TDialogoMensagem::ResponderProximo([](TDialogoMensagem& d) {
        const QPushButton* sim = Botao(d, 1);
        const QPushButton* nao = Botao(d, 2);
        EXPECT_EQ(nao->x(), sim->x() + sim->width() + 7);
        const int esquerda = (d.width() - sim->width() - nao->width() - 7) / 2;
        EXPECT_LE(std::abs(sim->x() - esquerda), 1);
        Botao(d, 2)->click();
    });
    TmDlg::ConfirmaUsuarioDesatento(QStringLiteral("Apagar tudo?"));
}

TEST_F(PlataformaTest, ShowMonoKeepsEveryBlankOnOneLineInTheMonospacedFont) {
    QString mensagem;
    bool quebra = true;
    QColor cor;
    TDialogoMensagem::ResponderProximo([&](TDialogoMensagem& d) {
        mensagem = d.Mensagem()->text();
        quebra = d.Mensagem()->wordWrap();
        cor = d.palette().color(QPalette::Window);
        Botao(d, 1)->click();
    });
    TmDlg::ShowMono(QStringLiteral("Item    Qtd     Total"), QStringLiteral("Cupom"),
                    TMsgDlgType::mtInformation, QPixmap(), QColor(0xFF, 0xFF, 0xE0));
    EXPECT_EQ(mensagem,
              QStringLiteral("Item\u00A0\u00A0\u00A0\u00A0Qtd\u00A0\u00A0\u00A0\u00A0\u00A0Total"));
    EXPECT_FALSE(quebra);
    EXPECT_EQ(cor, QColor(0xFF, 0xFF, 0xE0));
}

}  // namespace
