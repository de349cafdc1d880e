// The settings page driven as an operator drives it, with the settings file checked afterwards
// line by line.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "desenho/controles/ACombo.h"
#include "desenho/controles/ASpin.h"
#include "desenho/formularios/mMensagemPlus.h"
#include "display/telas/PaginaConfiguracao.h"
#include "support/RaizTemporaria.h"
#include "support/Respostas.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << texto.toStdString();
}
QT_END_NAMESPACE

namespace {

const QString kArquivo = QStringLiteral("frente/config/Orvane.crv");

class PaginaConfiguracaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        pagina.DefinirAcoes([this] { chamadas << QStringLiteral("venda"); },
                            [this] { chamadas << QStringLiteral("posicionar"); });
        pagina.resize(400, 260);
    }
    void TearDown() override {
        EXPECT_EQ(TmDialogForm::RespostasPendentes(), 0);
        TmDialogForm::DescartarRespostas();
    }
    void Gravar(const QByteArray& conteudo) { raiz.Criar(kArquivo, conteudo); }
    QByteArray Conteudo() const {
        QFile f(raiz.Caminho() + QLatin1Char('/') + kArquivo);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList Linhas() const {
        QStringList linhas = QString::fromLatin1(Conteudo()).split(QStringLiteral("\r\n"));
        EXPECT_EQ(linhas.takeLast(), QString());  // every line ends in CR LF
        return linhas;
    }
    void Mostrar() {
        pagina.show();
        pagina.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&pagina));
    }
    QString Focado() {
        QCoreApplication::processEvents();
        return pagina.focusWidget() ? pagina.focusWidget()->objectName() : QString();
    }

    RaizTemporaria raiz;
    TPaginaConfiguracao pagina;
    QStringList chamadas;
    // The page's controls, found by their object names.
    TASpin* const edPorta = Respostas::Filho<TASpin>(pagina, "edPorta");
    TACombo* const edMonitor = Respostas::Filho<TACombo>(pagina, "edMonitor");
    QCheckBox* const cbAdaptarImagemVenda =
        Respostas::Filho<QCheckBox>(pagina, "cbAdaptarImagemVenda");
    QCheckBox* const cbTelaCheia = Respostas::Filho<QCheckBox>(pagina, "cbTelaCheia");
    TASpin* const edLargura = Respostas::Filho<TASpin>(pagina, "edLargura");
    TASpin* const edAltura = Respostas::Filho<TASpin>(pagina, "edAltura");
    QPushButton* const btAplicar = Respostas::Filho<QPushButton>(pagina, "btAplicar");
    QPushButton* const btPadrao = Respostas::Filho<QPushButton>(pagina, "btPadrao");
};

const QStringList kPadrao = {"[Config]",    "Ativa=1",     "Porta=22334",
                             "Monitor=1",   "TelaCheia=1", "AdaptarFundoVenda=0",
                             "Largura=800", "Altura=600"};

TEST_F(PaginaConfiguracaoTest, AMissingFileShowsTheDefaultsAndApplyCreatesIt) {
    QDir().mkpath(raiz.Caminho() + QStringLiteral("/frente/config"));
    pagina.AbrirConfiguracao();
    EXPECT_EQ(edPorta->Value(), 22334);
    EXPECT_EQ(edMonitor->ItemIndex(), 0);
    EXPECT_FALSE(cbAdaptarImagemVenda->isChecked());
    EXPECT_TRUE(cbTelaCheia->isChecked());
    EXPECT_EQ(edLargura->Value(), 800);
    EXPECT_EQ(edAltura->Value(), 600);
    EXPECT_FALSE(edLargura->isEnabled());
    EXPECT_FALSE(edAltura->isEnabled());

    QTest::mouseClick(btAplicar, Qt::LeftButton);
    EXPECT_EQ(Linhas(), kPadrao);
    EXPECT_EQ(chamadas, (QStringList{"venda", "posicionar"}));
}

TEST_F(PaginaConfiguracaoTest, OutOfRangeValuesShowAsTheNearestChoiceAndAreWrittenSo) {
    Gravar("[Config]\r\nPorta=1000\r\nMonitor=6\r\n; monitor do cliente\r\n\r\n[Outra]\r\nx=1\r\n");
    pagina.AbrirConfiguracao();
    EXPECT_EQ(edPorta->Value(), 20000);
    EXPECT_EQ(edMonitor->ItemIndex(), -1);
    QTest::mouseClick(btAplicar, Qt::LeftButton);
    EXPECT_EQ(Linhas(), (QStringList{"[Config]", "Porta=20000", "Monitor=0", "; monitor do cliente",
                                     "Ativa=1", "TelaCheia=1", "AdaptarFundoVenda=0", "Largura=800",
                                     "Altura=600", "", "[Outra]", "x=1"}));
}

TEST_F(PaginaConfiguracaoTest, TheFileIsReadAgainAtEveryOpening) {
    Gravar(
        "[Config]\r\nPorta=30000\r\nMonitor=3\r\nTelaCheia=0\r\nAdaptarFundoVenda=1\r\n"
        "Largura=99999\r\nAltura=700\r\n");
    pagina.AbrirConfiguracao();
    EXPECT_EQ(edPorta->Value(), 30000);
    EXPECT_EQ(edMonitor->currentText(), QStringLiteral("3"));
    EXPECT_TRUE(cbAdaptarImagemVenda->isChecked());
    EXPECT_FALSE(cbTelaCheia->isChecked());
    EXPECT_EQ(edLargura->Value(), 5120);
    EXPECT_EQ(edAltura->Value(), 700);
    EXPECT_TRUE(edLargura->isEnabled());

    edPorta->SetValue(40000);  // an edit not applied is lost at the next opening
    Gravar("[Config]\r\nMonitor=0\r\n");
    pagina.AbrirConfiguracao();
    EXPECT_EQ(edPorta->Value(), 22334);
    EXPECT_EQ(edMonitor->ItemIndex(), -1);  // outside 1 to 4: no entry
    EXPECT_TRUE(chamadas.isEmpty());
}

TEST_F(PaginaConfiguracaoTest, AnOperatorEditsWithTheKeyboardAndApplies) {
    Gravar("[Config]\r\nPorta=22334\r\n");
    pagina.AbrirConfiguracao();
    Mostrar();
    edPorta->setFocus();
    ASSERT_EQ(Focado(), QStringLiteral("edPorta"));
    QTest::keyClicks(edPorta, QStringLiteral("23000"));  // replaces the selected text
    QTest::keyClick(edPorta, Qt::Key_Return);
    ASSERT_EQ(Focado(), QStringLiteral("edMonitor"));

    // A closed list takes no typing; Alt+Down opens it, and the list takes the arrows.
    QTest::keyClick(edMonitor, Qt::Key_2);
    EXPECT_EQ(edMonitor->ItemIndex(), 0);
    QTest::keyClick(edMonitor, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(edMonitor->ListaAberta());
    QTest::keyClick(edMonitor->view(), Qt::Key_Down);
    QTest::keyClick(edMonitor->view(), Qt::Key_Return);
    EXPECT_FALSE(edMonitor->ListaAberta());
    EXPECT_EQ(edMonitor->currentText(), QStringLiteral("2"));
    Mostrar();  // the closed list gives the activation back to the page
    ASSERT_EQ(Focado(), QStringLiteral("edMonitor"));
    QTest::keyClick(edMonitor, Qt::Key_Return);
    ASSERT_EQ(Focado(), QStringLiteral("cbAdaptarImagemVenda"));

    QTest::keyClick(cbAdaptarImagemVenda, Qt::Key_Space);
    QTest::keyClick(cbAdaptarImagemVenda, Qt::Key_Tab);
    ASSERT_EQ(Focado(), QStringLiteral("cbTelaCheia"));
    QTest::keyClick(cbTelaCheia, Qt::Key_Space);  // clearing it enables the size
    EXPECT_TRUE(edLargura->isEnabled());
    EXPECT_TRUE(edAltura->isEnabled());
    QTest::keyClick(cbTelaCheia, Qt::Key_Tab);
    ASSERT_EQ(Focado(), QStringLiteral("edLargura"));
    QTest::keyClicks(edLargura, QStringLiteral("1024"));
    QTest::keyClick(edLargura, Qt::Key_Return);
    ASSERT_EQ(Focado(), QStringLiteral("edAltura"));
    QTest::keyClick(edAltura, Qt::Key_Up);  // arrows move between fields
    ASSERT_EQ(Focado(), QStringLiteral("edLargura"));
    QTest::keyClick(edLargura, Qt::Key_Down);
    ASSERT_EQ(Focado(), QStringLiteral("edAltura"));
    QTest::keyClicks(edAltura, QStringLiteral("768"));
    QTest::keyClick(edAltura, Qt::Key_Return);
    ASSERT_EQ(Focado(), QStringLiteral("btAplicar"));
    QTest::keyClick(btAplicar, Qt::Key_Space);

    EXPECT_EQ(Linhas(),
              (QStringList{"[Config]", "Porta=23000", "Ativa=1", "Monitor=2", "TelaCheia=0",
                           "AdaptarFundoVenda=1", "Largura=1024", "Altura=768"}));
    EXPECT_EQ(chamadas, (QStringList{"venda", "posicionar"}));

    // Ticking full screen again disables the size.
    cbTelaCheia->click();
    EXPECT_FALSE(edLargura->isEnabled());
}

TEST_F(PaginaConfiguracaoTest, PadraoAsksFirstAndAppliesTheDefaultsOnYes) {
    const QByteArray original =
        "[Config]\r\nPorta=30000\r\nMonitor=2\r\nTelaCheia=0\r\nLargura=1024\r\nAltura=768\r\n";
    Gravar(original);
    pagina.AbrirConfiguracao();
    Mostrar();

    QString pergunta, sim;
    TmDialogForm::ResponderProximo([&](TmDialogForm& f) {
        pergunta = f.Mensagem();
        sim = Respostas::Filho<QPushButton>(f, "OkBtn")->text();
        Respostas::ClicarCancelar()(f);
    });
    QTest::mouseClick(btPadrao, Qt::LeftButton);
    EXPECT_EQ(pergunta, QStringLiteral("Voltar as configurações padrão?"));
    EXPECT_EQ(sim, QStringLiteral("&Sim"));
    EXPECT_EQ(Conteudo(), original);
    EXPECT_EQ(edPorta->Value(), 30000);
    EXPECT_TRUE(edLargura->isEnabled());
    EXPECT_TRUE(chamadas.isEmpty());

    TmDialogForm::ResponderProximo(Respostas::ClicarOk());
    QTest::mouseClick(btPadrao, Qt::LeftButton);
    EXPECT_EQ(Linhas(),
              (QStringList{"[Config]", "Porta=22334", "Monitor=1", "TelaCheia=1", "Largura=800",
                           "Altura=600", "Ativa=1", "AdaptarFundoVenda=0"}));
    EXPECT_FALSE(edLargura->isEnabled());
    EXPECT_FALSE(edAltura->isEnabled());
    EXPECT_EQ(chamadas, (QStringList{"venda", "posicionar"}));
}

TEST_F(PaginaConfiguracaoTest, ANumberTypedPastItsRangeIsWrittenWithinIt) {
    Gravar("[Config]\r\n");
    pagina.AbrirConfiguracao();
    Mostrar();
    edPorta->setFocus();
    ASSERT_EQ(Focado(), QStringLiteral("edPorta"));
    QTest::keyClicks(edPorta, QStringLiteral("650099"));  // one digit past, then no more
    EXPECT_EQ(edPorta->Value(), 65009);
    pagina.btAplicarClick();  // as a shortcut would, with the focus still in the field
    EXPECT_TRUE(Linhas().contains(QStringLiteral("Porta=65000")));
}

TEST_F(PaginaConfiguracaoTest, AFolderThatDoesNotExistIsLeftAloneWithoutAMessage) {
    pagina.AbrirConfiguracao();
    QTest::mouseClick(btAplicar, Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(raiz.Caminho() + QLatin1Char('/') + kArquivo));
    EXPECT_EQ(chamadas, (QStringList{"venda", "posicionar"}));
}

TEST_F(PaginaConfiguracaoTest, ControlsSitAtTheirDesignedPlaces) {
    EXPECT_EQ(edPorta->geometry(), QRect(168, 32, 81, 22));
    EXPECT_EQ(edMonitor->geometry(), QRect(168, 60, 81, 21));
    EXPECT_EQ(edAltura->geometry(), QRect(168, 161, 81, 22));
    EXPECT_EQ(btPadrao->geometry(), QRect(281, 216, 75, 25));
    EXPECT_EQ(edPorta->EditLabel()->Caption(), QStringLiteral("Porta Socket"));
    EXPECT_EQ(edPorta->EditLabel()->geometry().right() + 1 + 6, 168);
    EXPECT_EQ(edMonitor->EditLabel()->Caption(), QStringLiteral("Monitor"));
    EXPECT_LT(edMonitor->EditLabel()->geometry().right(), 168);
    EXPECT_EQ(cbTelaCheia->text(), QStringLiteral("Tela cheia"));
}

}  // namespace
