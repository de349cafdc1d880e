// The real message window, answered through its test hook as a user would answer it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "base/CodePage.h"
#include "messages/dialogos/TratamentoErros.h"
#include "messages/dialogos/mMensagem.h"
#include "messages/formularios/mMensagemPlus.h"

namespace {

using TResposta = TmDialogForm::TResposta;

// What a dialog looked like when it opened.
struct TVisto {
    QString legenda, titulo, corpo, ok, cancelar, focado;
    QColor corTitulo;
    bool temIcone = false, cancelarVisivel = false, detalhesVisivel = false, pausaVisivel = false;
    bool contadorAtivo = false;
};

TVisto Ver(TmDialogForm& f) {
    TVisto v;
    v.legenda = f.windowTitle();
    v.titulo = f.MensLabel->text();
    v.corpo = f.Mensagem();
    v.ok = f.OkBtn->text();
    v.cancelar = f.CancelarBtn->text();
    v.focado = f.focusWidget() ? f.focusWidget()->objectName() : QString();
    v.corTitulo = f.MensLabel->palette().color(QPalette::WindowText);
    v.temIcone = !f.IconeImg->pixmap().isNull();
    v.cancelarVisivel = f.CancelarBtn->isVisible();
    v.detalhesVisivel = f.DetalhesBtn->isVisible();
    v.pausaVisivel = f.btPause->isVisible();
    v.contadorAtivo = f.tmrOK->isActive();
    return v;
}

// Looks at the dialog, then answers it.
TResposta VerE(TVisto& visto, TResposta resposta) {
    return [&visto, resposta](TmDialogForm& f) {
        visto = Ver(f);
        resposta(f);
    };
}

class DialogoTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TmDialogForm::DescartarRespostas();
    }
};

TEST_F(DialogoTest, ConfirmaShowsTheQuestionLookAndAnswersByHowItWasClosed) {
    struct Caso {
        const char* nome;
        TResposta resposta;
        bool esperado;
    };
    const std::vector<Caso> casos = {
        {"Sim", TmDialogForm::ClicarOk(), true},
        {"Enter", TmDialogForm::TeclarEnter(), true},
        {"Nao", TmDialogForm::ClicarCancelar(), false},
        {"Esc", TmDialogForm::TeclarEsc(), false},
        {"caixa de fechar", TmDialogForm::FecharJanela(), false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TVisto v;
        TmDialogForm::ResponderProximo(VerE(v, c.resposta));
        EXPECT_EQ(
            TmDlg::Confirma(QStringLiteral("Voltar as configurações padrão?"), false, true, false),
            c.esperado);
        EXPECT_EQ(v.legenda, QStringLiteral("Confirmação"));
        EXPECT_EQ(v.titulo, QStringLiteral("Confirmação"));
        EXPECT_EQ(v.corpo, QStringLiteral("Voltar as configurações padrão?"));
        EXPECT_EQ(v.corTitulo, QColor(0x80, 0x00, 0x80));
        EXPECT_TRUE(v.temIcone);
        EXPECT_EQ(v.ok, QStringLiteral("&Sim"));
        EXPECT_EQ(v.cancelar, QStringLiteral("&Não"));
        EXPECT_TRUE(v.cancelarVisivel);
        EXPECT_EQ(v.focado, QStringLiteral("OkBtn"));
        EXPECT_FALSE(v.detalhesVisivel);
        EXPECT_FALSE(v.pausaVisivel);
    }
}

TEST_F(DialogoTest, ConfirmaWithFocoNaoAnswersNoOnEnter) {
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, TmDialogForm::TeclarEnter()));
    EXPECT_FALSE(TmDlg::Confirma(QStringLiteral("Apagar?"), true));
    EXPECT_EQ(v.focado, QStringLiteral("CancelarBtn"));
}

TEST_F(DialogoTest, EachKindHasItsCaptionColourAndOneOkButton) {
    struct Caso {
        TMsgDlgType tipo;
        QString legenda;
        QColor cor;
        bool icone;
    };
    const std::vector<Caso> casos = {
        {TMsgDlgType::mtWarning, "Atenção", QColor(0xF0, 0x4E, 0x00), true},
        {TMsgDlgType::mtError, "Erro", QColor(0xFF, 0x00, 0x00), true},
        {TMsgDlgType::mtInformation, "Informação", QColor(0x00, 0x00, 0xFF), true},
        {TMsgDlgType::mtCustom, "Título", QColor(0x00, 0x00, 0xFF), false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.legenda.toStdString());
        TVisto v;
        QPoint posOk, posCancelar;
        TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
            v = Ver(f);
            posOk = f.OkBtn->geometry().topRight();
            posCancelar = f.CancelarBtn->geometry().topRight();
            f.OkBtn->click();
        });
        EXPECT_TRUE(TmDialogForm::Executar(QStringLiteral("Linha de título"),
                                           QStringLiteral("Corpo"), QString(), c.tipo));
        EXPECT_EQ(v.legenda, c.legenda);
        EXPECT_EQ(v.titulo, QStringLiteral("Linha de título"));
        EXPECT_EQ(v.corTitulo, c.cor);
        EXPECT_EQ(v.temIcone, c.icone);
        EXPECT_EQ(v.ok, QStringLiteral("&OK"));
        EXPECT_FALSE(v.cancelarVisivel);
        EXPECT_EQ(posOk, posCancelar);  // OK took the cancel button's place
    }
}

TEST_F(DialogoTest, CountdownClosesWithOkAndThePauseStopsIt) {
    std::vector<QString> legendas;
    TVisto v;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        v = Ver(f);
        while (f.tmrOK->isActive()) {
            legendas.push_back(f.OkBtn->text());
            f.tmrOKTimer();
        }
    });
    EXPECT_TRUE(TmDlg::ConfirmaOkTimer(QStringLiteral("Fechando"), QStringLiteral("Já vai"), 5));
    EXPECT_TRUE(v.contadorAtivo);
    EXPECT_TRUE(v.pausaVisivel);
    EXPECT_EQ(v.ok, QStringLiteral("&OK[5]"));
    EXPECT_EQ(v.cancelar, QStringLiteral("Cancela&r"));  // a counting confirmation keeps OK/Cancel
    EXPECT_EQ(legendas, (std::vector<QString>{"&OK[5]", "&OK[4]", "&OK[3]", "&OK[2]", "&OK[1]"}));

    TVisto pausado;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        QTest::mouseClick(f.btPause, Qt::LeftButton);
        pausado = Ver(f);
        f.CancelarBtn->click();
    });
    EXPECT_FALSE(TmDlg::ConfirmaOkTimer(QStringLiteral("Fechando"), QStringLiteral("Já vai"), 5));
    EXPECT_FALSE(pausado.contadorAtivo);
    EXPECT_FALSE(pausado.pausaVisivel);
    EXPECT_EQ(pausado.ok, QStringLiteral("OK"));

    // An unattended information countdown answers too.
    TmDialogForm::ResponderProximo(TmDialogForm::DeixarContadorAcabar());
    TmDlg::InformaTimer(QStringLiteral("Pronto"), 2);
}

TEST_F(DialogoTest, OpeningTheDetailsStopsTheCountdownAndGrowsTheWindow) {
    TVisto aberto;
    QSize normal, expandido, tamanhoAberto, tamanhoFechado;
    int linhas = 0;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        normal = f.size();
        QTest::mouseClick(f.DetalhesBtn, Qt::LeftButton);
        aberto = Ver(f);
        tamanhoAberto = f.size();
        expandido = f.irExpandedSize;
        linhas = f.DetalhesMemo->document()->blockCount();
        EXPECT_TRUE(f.DetalhesMemo->isVisible());
        QTest::mouseClick(f.DetalhesBtn, Qt::LeftButton);
        tamanhoFechado = f.size();
        EXPECT_FALSE(f.DetalhesMemo->isVisible());
        f.OkBtn->click();
    });
    EXPECT_TRUE(TmDlg::ErroTimer(QStringLiteral("Falhou"), QStringLiteral("Veja os detalhes"),
                                 QStringLiteral("um\r\ndois\ntrês\rquatro¿cinco"), 10));
    EXPECT_FALSE(aberto.contadorAtivo);
    EXPECT_EQ(aberto.ok, QStringLiteral("OK"));
    EXPECT_EQ(tamanhoAberto, expandido);
    EXPECT_EQ(expandido.width(), normal.width() + 8);
    EXPECT_GT(expandido.height(), normal.height());
    EXPECT_EQ(tamanhoFechado, normal);
    EXPECT_EQ(linhas, 5);
}

TEST_F(DialogoTest, DetailsAreSavedInWindows1252WithCrLfThroughTheSaveDialog) {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("detalhes.txt"));
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        EXPECT_EQ(f.SD->selectedFiles().value(0).section('/', -1),
                  QStringLiteral("mensagem_vestra.txt"));
        QTest::mouseClick(f.DetalhesBtn, Qt::LeftButton);
        QTimer::singleShot(0, f.SD, [&] {
            f.SD->selectFile(arquivo);
            static_cast<QDialog*>(f.SD)->accept();  // what the Save button does
        });
        QTest::mouseClick(f.SalvarBtn, Qt::LeftButton);
        f.OkBtn->click();
    });
    TmDlg::Erro(QString(), QStringLiteral("Falhou"), QStringLiteral("ação   um\ndois\r\rfim"), 0,
                QString());
    QFile salvo(arquivo);
    ASSERT_TRUE(salvo.open(QIODevice::ReadOnly));
    EXPECT_EQ(salvo.readAll(), CodePage::ParaAnsi(u"ação um\r\ndois\r\n\r\nfim\r\n"));
}

TEST_F(DialogoTest, AFailedSaveIsReported) {
    QTemporaryDir pasta;
    QString aviso;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        TmDialogForm::ResponderProximo([&](TmDialogForm& erro) {
            aviso = erro.Mensagem();
            erro.OkBtn->click();
        });
        f.SalvarComo(pasta.path());  // a folder cannot be written as a file
        f.OkBtn->click();
    });
    TmDlg::Erro(QStringLiteral("Falhou"), QStringLiteral("Texto"), QStringLiteral("detalhe"), 0,
                QString());
    EXPECT_EQ(aviso, QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(pasta.path()));
}

TEST_F(DialogoTest, DetailsNormalisation) {
    EXPECT_EQ(TmDialogForm::NormalizarDetalhes(QStringLiteral("a    b\r\nc\nd\re¿f")),
              QStringLiteral("a b\r\nc\r\nd\r\ne\r\nf"));
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, TmDialogForm::ClicarOk()));
    TmDlg::Informa(QStringLiteral("T"), QStringLiteral("Corpo"), QStringLiteral("   \r\n  "));
    EXPECT_FALSE(v.detalhesVisivel);
}

TEST_F(DialogoTest, CtrlCCopiesTitleAndBodyWhileTheDetailsAreClosed) {
    QApplication::clipboard()->clear();
    TmDialogForm::ResponderProximo([](TmDialogForm& f) {
        QTest::keyClick(f.OkBtn, Qt::Key_C, Qt::ControlModifier);
        f.OkBtn->click();
    });
    TmDlg::Alerta(QStringLiteral("Título"), QStringLiteral("um\ndois\rtrês"), QString());
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Título\r\n\r\num\r\ndois\r\ntrês"));
}

TEST_F(DialogoTest, AServerMessageInAnErrorShowsAsInformation) {
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, TmDialogForm::ClicarOk()));
    TmDlg::Erro(QString(), QStringLiteral("Falha ao gravar"), QString(), 0,
                QStringLiteral("ERROR: P0001: [#MSG]Estoque insuficiente[#MSG_FIM] SQL: insert"));
    EXPECT_EQ(v.legenda, QStringLiteral("Informação"));
    EXPECT_EQ(v.corpo, QStringLiteral("Estoque insuficiente"));
}

TEST_F(DialogoTest, TheWindowFitsItsTextWithinHalfTheScreen) {
    const QString longo = QString(QStringLiteral("palavra ")).repeated(200);
    QSize tamanho, corpo;
    int larguraTela = 0;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        tamanho = f.size();
        corpo = f.BodyLabel->size();
        larguraTela = f.screen()->geometry().width();
        f.OkBtn->click();
    });
    TmDlg::Informa(longo);
    const int maximo = (larguraTela - (59 + 40)) / 2;
    EXPECT_LE(corpo.width(), maximo);
    EXPECT_GT(corpo.height(), 5 * QFontMetrics(QFont()).height() / 2);
    EXPECT_GE(tamanho.width(), 370);
    EXPECT_EQ(tamanho.height(), 60 + corpo.height() + 41 + 20);

    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        tamanho = f.size();
        f.OkBtn->click();
    });
    TmDlg::Informa(QStringLiteral("Curto"));
    EXPECT_EQ(tamanho, QSize(370, 212));
}

TEST_F(DialogoTest, ExecutarOpcaoUsesTheGivenCaptions) {
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, TmDialogForm::ClicarCancelar()));
    EXPECT_FALSE(TmDialogForm::ExecutarOpcao(QStringLiteral("Escolha"), QStringLiteral("Qual?"),
                                             QString(), QStringLiteral("&Este"),
                                             QStringLiteral("&Aquele")));
    EXPECT_EQ(v.legenda, QStringLiteral("Escolha"));
    EXPECT_EQ(v.titulo, QStringLiteral("Escolha"));
    EXPECT_EQ(v.ok, QStringLiteral("&Este"));
    EXPECT_EQ(v.cancelar, QStringLiteral("&Aquele"));
    EXPECT_TRUE(v.cancelarVisivel);
}

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

TEST_F(DialogoTest, ErrorsOfEventHandlersReachTheApplicationsHandler) {
    TObjetoQueFalha objeto;
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, TmDialogForm::ClicarOk()));
    QEvent evento(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&objeto, &evento));
    EXPECT_EQ(v.legenda, QStringLiteral("Erro"));
    EXPECT_EQ(v.corpo, QStringLiteral("Falha ao imprimir"));

    objeto.silencioso = true;
    QCoreApplication::sendEvent(&objeto, &evento);  // no dialog: nothing queued is consumed
}

}  // namespace
