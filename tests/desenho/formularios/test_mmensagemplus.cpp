// The real message window, answered through its test hook as a user would answer it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "base/CodePage.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "dialogos/mensagens/mMensagem.h"
#include "support/Respostas.h"

namespace {

using TResposta = TmDialogForm::TResposta;
using Respostas::Filho;

QPushButton* Botao(TmDialogForm& f, const char* nome) {
    return Filho<QPushButton>(f, QString::fromLatin1(nome));
}
QLabel* Rotulo(TmDialogForm& f, const char* nome) {
    return Filho<QLabel>(f, QString::fromLatin1(nome));
}

// What a dialog looked like when it opened.
struct TVisto {
    QString legenda, titulo, corpo, ok, cancelar, focado;
    QColor corTitulo;
    bool temIcone = false, cancelarVisivel = false, detalhesVisivel = false, pausaVisivel = false;
    bool contadorAtivo = false;
};

TVisto Ver(TmDialogForm& f) {
    TVisto v;
    v.legenda = f.windowHandle()->title();  // as the title bar shows it
    v.titulo = Rotulo(f, "MensLabel")->text();
    v.corpo = f.Mensagem();
    v.ok = Botao(f, "OkBtn")->text();
    v.cancelar = Botao(f, "CancelarBtn")->text();
    v.focado = f.focusWidget() ? f.focusWidget()->objectName() : QString();
    v.corTitulo = Rotulo(f, "MensLabel")->palette().color(QPalette::WindowText);
    v.temIcone = !Rotulo(f, "IconeImg")->pixmap().isNull();
    v.cancelarVisivel = Botao(f, "CancelarBtn")->isVisible();
    v.detalhesVisivel = Botao(f, "DetalhesBtn")->isVisible();
    v.pausaVisivel = Filho<QToolButton>(f, "btPause")->isVisible();
    v.contadorAtivo = Filho<QTimer>(f, "tmrOK")->isActive();
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
        {"Sim", Respostas::ClicarOk(), true},
        {"Enter", Respostas::TeclarEnter(), true},
        {"Nao", Respostas::ClicarCancelar(), false},
        {"Esc", Respostas::TeclarEsc(), false},
        {"caixa de fechar", Respostas::FecharJanela(), false},
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
    TmDialogForm::ResponderProximo(VerE(v, Respostas::TeclarEnter()));
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
            posOk = Botao(f, "OkBtn")->geometry().topRight();
            posCancelar = Botao(f, "CancelarBtn")->geometry().topRight();
            Botao(f, "OkBtn")->click();
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
        while (Filho<QTimer>(f, "tmrOK")->isActive()) {
            legendas.push_back(Botao(f, "OkBtn")->text());
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
        QTest::mouseClick(Filho<QToolButton>(f, "btPause"), Qt::LeftButton);
        pausado = Ver(f);
        Botao(f, "CancelarBtn")->click();
    });
    EXPECT_FALSE(TmDlg::ConfirmaOkTimer(QStringLiteral("Fechando"), QStringLiteral("Já vai"), 5));
    EXPECT_FALSE(pausado.contadorAtivo);
    EXPECT_FALSE(pausado.pausaVisivel);
    EXPECT_EQ(pausado.ok, QStringLiteral("OK"));

    // An unattended information countdown answers too.
    TmDialogForm::ResponderProximo(Respostas::DeixarContadorAcabar());
    TmDlg::InformaTimer(QStringLiteral("Pronto"), 2);
}

TEST_F(DialogoTest, OpeningTheDetailsStopsTheCountdownAndGrowsTheWindow) {
    TVisto aberto;
    QSize normal, tamanhoAberto, tamanhoFechado;
    int linhas = 0;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        auto* memo = Filho<QPlainTextEdit>(f, "DetalhesMemo");
        normal = f.size();
        QTest::mouseClick(Botao(f, "DetalhesBtn"), Qt::LeftButton);
        aberto = Ver(f);
        tamanhoAberto = f.size();
        linhas = memo->document()->blockCount();
        EXPECT_TRUE(memo->isVisible());
        QTest::mouseClick(Botao(f, "DetalhesBtn"), Qt::LeftButton);
        tamanhoFechado = f.size();
        EXPECT_FALSE(memo->isVisible());
        Botao(f, "OkBtn")->click();
    });
    EXPECT_TRUE(TmDlg::ErroTimer(QStringLiteral("Falhou"), QStringLiteral("Veja os detalhes"),
                                 QStringLiteral("um\r\ndois\ntrês\rquatro¿cinco"), 10));
    EXPECT_FALSE(aberto.contadorAtivo);
    EXPECT_EQ(aberto.ok, QStringLiteral("OK"));
    EXPECT_EQ(tamanhoAberto, QSize(normal.width() + 8, normal.height() + 165));
    EXPECT_EQ(tamanhoFechado, normal);
    EXPECT_EQ(linhas, 5);
}

// The save dialog refuses a file in a folder that does not exist and stays open; a file in a
// folder that exists gets the details in Windows-1252 with CR LF breaks.
TEST_F(DialogoTest, DetailsAreSavedThroughTheSaveDialogOnlyIntoAFolderThatExists) {
    QTemporaryDir pasta;
    const QString semPasta = pasta.filePath(QStringLiteral("nao/existe/detalhes.txt"));
    const QString arquivo = pasta.filePath(QStringLiteral("detalhes.txt"));
    QString aviso;
    bool abertoAposAviso = false;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        auto* sd = Filho<QFileDialog>(f, "SD");
        EXPECT_EQ(sd->selectedFiles().value(0).section('/', -1),
                  QStringLiteral("mensagem_vestra.txt"));
        QTest::mouseClick(Botao(f, "DetalhesBtn"), Qt::LeftButton);
        QTimer::singleShot(0, sd, [&, sd] {
            TmDialogForm::ResponderProximo([&](TmDialogForm& alerta) {
                aviso = alerta.Mensagem();
                Botao(alerta, "OkBtn")->click();
            });
            // What the user types into the name field, then the Save button.
            auto* nome = Filho<QLineEdit>(*sd, "fileNameEdit");
            nome->setText(semPasta);
            static_cast<QDialog*>(sd)->accept();
            abertoAposAviso = sd->isVisible();
            nome->setText(arquivo);
            static_cast<QDialog*>(sd)->accept();
        });
        QTest::mouseClick(Botao(f, "SalvarBtn"), Qt::LeftButton);
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Erro(QString(), QStringLiteral("Falhou"), QStringLiteral("ação   um\ndois\r\rfim"), 0,
                QString());
    EXPECT_EQ(aviso, QStringLiteral("A pasta \"%1\" não existe. Escolha uma pasta que exista.")
                         .arg(pasta.filePath(QStringLiteral("nao/existe"))));
    EXPECT_TRUE(abertoAposAviso);
    EXPECT_FALSE(QFileInfo::exists(semPasta));
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
            Botao(erro, "OkBtn")->click();
        });
        f.SalvarComo(pasta.path());  // a folder cannot be written as a file
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Erro(QStringLiteral("Falhou"), QStringLiteral("Texto"), QStringLiteral("detalhe"), 0,
                QString());
    EXPECT_EQ(aviso, QStringLiteral("Não foi possível gravar o arquivo \"%1\".").arg(pasta.path()));
}

TEST_F(DialogoTest, DetailsNormalisation) {
    EXPECT_EQ(TmDialogForm::NormalizarDetalhes(QStringLiteral("a    b\r\nc\nd\re¿f")),
              QStringLiteral("a b\r\nc\r\nd\r\ne\r\nf"));
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, Respostas::ClicarOk()));
    TmDlg::Informa(QStringLiteral("T"), QStringLiteral("Corpo"), QStringLiteral("   \r\n  "));
    EXPECT_FALSE(v.detalhesVisivel);
}

TEST_F(DialogoTest, CtrlCCopiesTitleAndBodyWhileTheDetailsAreClosed) {
    QApplication::clipboard()->clear();
    TmDialogForm::ResponderProximo([](TmDialogForm& f) {
        QTest::keyClick(Botao(f, "OkBtn"), Qt::Key_C, Qt::ControlModifier);
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Alerta(QStringLiteral("Título"), QStringLiteral("um\ndois\rtrês"), QString());
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("Título\r\n\r\num\r\ndois\r\ntrês"));
}

TEST_F(DialogoTest, AServerMessageInAnErrorShowsAsInformation) {
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, Respostas::ClicarOk()));
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
        corpo = Rotulo(f, "BodyLabel")->size();
        larguraTela = f.screen()->geometry().width();
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Informa(longo);
    const int maximo = (larguraTela - (59 + 40)) / 2;
    EXPECT_LE(corpo.width(), maximo);
    EXPECT_GT(corpo.height(), 5 * QFontMetrics(QFont()).height() / 2);
    EXPECT_GE(tamanho.width(), 370);
    EXPECT_EQ(tamanho.height(), 60 + corpo.height() + 41 + 20);

    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        tamanho = f.size();
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Informa(QStringLiteral("Curto"));
    EXPECT_EQ(tamanho, QSize(370, 212));
}

TEST_F(DialogoTest, TitleAndBodyShowAsPlainTextNeverAsMarkup) {
    const QString titulo = QStringLiteral("<b>Pedido</b> &amp; <a href='x'>nota</a>");
    const QString corpo = QStringLiteral("<i>1 < 2</i><br>fim");
    std::vector<std::pair<Qt::TextFormat, QString>> rotulos;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        for (const char* nome : {"MensLabel", "BodyLabel"})
            rotulos.emplace_back(Rotulo(f, nome)->textFormat(), Rotulo(f, nome)->text());
        Botao(f, "OkBtn")->click();
    });
    TmDlg::Alerta(titulo, corpo, QStringLiteral("<u>detalhe</u>"));
    ASSERT_EQ(rotulos.size(), 2u);
    EXPECT_EQ(rotulos[0], std::make_pair(Qt::PlainText, titulo));
    EXPECT_EQ(rotulos[1], std::make_pair(Qt::PlainText, corpo));
}

TEST_F(DialogoTest, ExecutarOpcaoUsesTheGivenCaptions) {
    TVisto v;
    TmDialogForm::ResponderProximo(VerE(v, Respostas::ClicarCancelar()));
    EXPECT_FALSE(TmDialogForm::ExecutarOpcao(QStringLiteral("Escolha [*]"), QStringLiteral("Qual?"),
                                             QString(), QStringLiteral("&Este"),
                                             QStringLiteral("&Aquele")));
    EXPECT_EQ(v.legenda, QStringLiteral("Escolha [*]"));  // not taken for the modified mark
    EXPECT_EQ(v.titulo, QStringLiteral("Escolha [*]"));
    EXPECT_EQ(v.ok, QStringLiteral("&Este"));
    EXPECT_EQ(v.cancelar, QStringLiteral("&Aquele"));
    EXPECT_TRUE(v.cancelarVisivel);
}

}  // namespace
