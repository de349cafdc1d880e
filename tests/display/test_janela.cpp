// The whole display driven over real TCP, as a POS drives it: the window runs in this process
// (offscreen), its listener on a free loopback port, and every check reads the widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QDeadlineTimer>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <functional>

#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "display/telas/Apresentacao.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/PaginaVenda.h"
#include "display/telas/PaginasSimples.h"
#include "display/telas/TabelaItens.h"
#include "registro/diario/Diario.h"
#include "support/CapturaErroPadrao.h"
#include "support/JanelaPorTcp.h"
#include "support/RaizTemporaria.h"

namespace {

// Processes events until the condition holds or 5 s pass.

class Janela : public ::testing::Test {
protected:
    void SetUp() override {
        porta_ = PortaLivre();
        raiz_.Criar(QStringLiteral("frente/config/Orvane.crv"),
                    (QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\nLargura=1024\r\n"
                                    "Altura=768\r\n")
                         .arg(porta_) +
                     chavesExtras_)
                        .toLatin1());
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
        janela_->show();
        ASSERT_TRUE(Aguardar([&] { return janela_->Canal().Ativo(); }));
        pos_.connectToHost(QHostAddress::LocalHost, porta_);
        ASSERT_TRUE(pos_.waitForConnected(5000));
    }

    // Sends lines on the POS's connection and waits for the dispatch that follows them.
    void Enviar(const QByteArray& linhas) {
        QSignalSpy despacho(&janela_->Canal(), &CanalComandos::Comando);
        pos_.write(linhas);
        pos_.flush();
        ASSERT_TRUE(Aguardar([&] { return despacho.count() > 0; })) << linhas.left(60).data();
    }

    template <typename T>
    T* Filho(const char* nome) {
        T* w = janela_->findChild<T*>(QLatin1String(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    QString Texto(const char* rotulo) { return Filho<QLabel>(rotulo)->text(); }
    int Altura(const char* painel) { return Filho<QWidget>(painel)->height(); }
    QWidget* Ativa() { return Filho<QStackedWidget>("PageControl")->currentWidget(); }
    bool StatusVisivel() { return Filho<QWidget>("StatusBar1")->isVisible(); }

    RaizTemporaria raiz_;
    QString chavesExtras_;  // further lines of Orvane.crv, set by a derived fixture
    quint16 porta_ = 0;
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
    QTcpSocket pos_;
};

TEST_F(Janela, AWholeSaleFromItemsToPaymentAndBackToIdle) {
    // 1024 x 768 is the outer size; the offscreen platform's frame is 2 pixels on every side.
    EXPECT_EQ(janela_->frameGeometry().size(), QSize(1024, 768));
    EXPECT_EQ(janela_->size(), QSize(1020, 764));
    EXPECT_FALSE(StatusVisivel());  // idle: only the background shows

    Enviar(Linha(1,
                 "1|7891000100103|ARROZ 5KG|2|UN|21,90|43,80||0|0|0&"
                 "2|789|REFRIGERANTE 2L|1|UN|8,99|8,99|C|0|0|0&"
                 "3|790|FEIJAO 1KG|3|UN|7,49|22,47||0,50|0,20|0&"
                 "TOTAL|R$ 66,47|||||||||"));
    const TTabelaItens& tb = Filho<TPaginaVenda>("TabVenda")->Tb();
    ASSERT_EQ(tb.rowCount(), 6);  // items, a cancellation, a discount and a surcharge row
    EXPECT_EQ(tb.Linha(2).TextoExibido(ECampoItem::Barras), QStringLiteral("CANCELADO"));
    EXPECT_EQ(tb.Linha(2).TextoExibido(ECampoItem::Total), QStringLiteral("-8,99"));
    EXPECT_EQ(tb.Linha(4).TextoExibido(ECampoItem::Nome), QStringLiteral("DESCONTO ITEM"));
    EXPECT_EQ(tb.Linha(5).TextoExibido(ECampoItem::Total), QStringLiteral("0,20"));
    EXPECT_EQ(Texto("lbTotalVenda"), QStringLiteral("R$ 66,47"));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabVenda"));
    EXPECT_TRUE(StatusVisivel());

    // The grid as painted: the cancellation row's text is red on the window colour (row 3).
    auto* grade = Filho<QTableView>("Grid");
    const QImage imagem = grade->viewport()->grab().toImage();
    const int y = grade->rowViewportPosition(2) + grade->rowHeight(2) / 2;
    bool vermelho = false;
    for (int x = 0; x < grade->columnWidth(0) + grade->columnWidth(1); ++x)
        vermelho = vermelho || imagem.pixelColor(x, y) == QColor(Qt::red);
    EXPECT_TRUE(vermelho);

    Enviar(Linha(8, "1|ARROZ 5KG|43,80|22,67"));
    Enviar(Linha(9, "1,00|21,67"));
    Enviar(Linha(101, "2,00|23,67"));
    EXPECT_EQ(tb.rowCount(), 9);
    EXPECT_EQ(Texto("lbTotalVenda"), QStringLiteral("R$23,67"));

    Enviar(Linha(3, "23,67|1,00|2,00|0"));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabPgto"));
    EXPECT_EQ(Texto("lbBruto"), QStringLiteral("22,67"));
    // The payment page, built for this first payment, is placed for the window's width at its
    // first show, as a page built with the window would have been.
    TPaginaPagamento referencia;
    referencia.CentralizarLinhaPagamento(janela_->width());
    EXPECT_EQ(Filho<QLabel>("lbTitBruto")->x(), referencia.Titulo(ELinhaPagamento::Bruto)->x());
    EXPECT_EQ(Filho<QLabel>("lbBruto")->x(), referencia.Valor(ELinhaPagamento::Bruto)->x());
    EXPECT_EQ(Texto("lbDesconto"), QStringLiteral("-1,00"));
    EXPECT_EQ(Texto("lbAcrescimo"), QStringLiteral("+2,00"));
    EXPECT_EQ(Texto("lbLiquido"), QStringLiteral("23,67"));

    Enviar(Linha(4, "Dinheiro|50,00|||||||||-26,33|23,67|1,00|2,00"));
    EXPECT_EQ(Texto("lbMeio1"), QStringLiteral("50,00"));
    EXPECT_EQ(Altura("pnlMeio1"), 52);
    EXPECT_EQ(Altura("pnlMeio2"), 1);
    EXPECT_EQ(Texto("lbTitTroco"), QStringLiteral("Troco"));
    EXPECT_EQ(Texto("lbTroco"), QStringLiteral("26,33"));
    EXPECT_EQ(Filho<QLabel>("lbTroco")->palette().color(QPalette::WindowText), QColor(0, 0, 0x80));

    Enviar(Linha(4, "Dinheiro|10,00|||||||||13,67|23,67|1,00|2,00"));
    EXPECT_EQ(Texto("lbTitTroco"), QStringLiteral("Falta"));
    EXPECT_EQ(Filho<QLabel>("lbTroco")->palette().color(QPalette::WindowText), QColor(Qt::red));

    Enviar(Linha(6, "Obrigado pela preferência|Volte sempre"));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabInfo"));
    EXPECT_EQ(Texto("lbInfoTexto"),
              QStringLiteral("Obrigado pela prefer\uFFFD\uFFFDncia"));  // bytes above 127
    EXPECT_EQ(Texto("lbInfoValor"), QStringLiteral("Volte sempre"));
    // The value centred on half the window's client height, the text one value height above it.
    EXPECT_EQ(Filho<QLabel>("lbInfoValor")->geometry(),
              QRect(1, 353, Filho<QWidget>("TabInfo")->width(), 58));
    EXPECT_EQ(Filho<QLabel>("lbInfoTexto")->y(), 295);

    Enviar(Linha(5, ""));
    EXPECT_EQ(tb.rowCount(), 0);
    EXPECT_EQ(Texto("lbTotalVenda"), QStringLiteral("0,00"));
    EXPECT_FALSE(StatusVisivel());
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabInfo"));  // clearing does not change the page
}

TEST_F(Janela, PictureShownFromThePosFileAndClosed) {
    QImage quadro(40, 20, QImage::Format_RGB32);
    quadro.fill(Qt::blue);
    const QString arquivo = raiz_.Criar(QStringLiteral("frente/OrvaneImg.bmp"));
    ASSERT_TRUE(quadro.save(arquivo, "BMP"));

    Enviar(Linha(102, ""));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabImg"));
    EXPECT_EQ(Filho<TCaixaImagem>("Img")->Imagem().size(), QSize(40, 20));
    const QSize pagina = Filho<QWidget>("TabImg")->size();
    EXPECT_EQ(Filho<TCaixaImagem>("Img")->geometry(),
              QRect(60, (pagina.height() - (pagina.width() - 120)) / 2, pagina.width() - 120,
                    pagina.width() - 120));

    Enviar(Linha(103, "1"));
    EXPECT_FALSE(QFile::exists(arquivo));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabVenda"));
    Enviar(Linha(103, "0"));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabPgto"));
}

TEST_F(Janela, TimingAndLineRulesOfTheChannel) {
    // Two lines within 100 ms: only the second runs.
    Enviar(Linha(6, "primeira|1") + Linha(6, "segunda|2"));
    EXPECT_EQ(Texto("lbInfoTexto"), QStringLiteral("segunda"));

    // Lines spaced apart on one connection: each runs.
    for (int i = 0; i < 3; ++i)
        Enviar(Linha(7, QByteArray::number(i)));
    EXPECT_EQ(Filho<QPlainTextEdit>("Memo1")->toPlainText(), QStringLiteral("0\n1\n2"));

    // A 20000-byte line closes that connection; a new one works.
    pos_.write(QByteArray(1, char(7)) + QByteArray(20000, 'x') + '\n');
    ASSERT_TRUE(Aguardar([&] { return pos_.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(Filho<QPlainTextEdit>("Memo1")->blockCount(), 3);
    pos_.connectToHost(QHostAddress::LocalHost, porta_);
    ASSERT_TRUE(pos_.waitForConnected(5000));
    Enviar(Linha(6, "nova|conexão"));
    EXPECT_EQ(Texto("lbInfoTexto"), QStringLiteral("nova"));
}

TEST_F(Janela, F12SwitchesToTheSettingsPageAndBackWithoutSaving) {
    const QString arquivo = raiz_.Caminho() + QStringLiteral("/frente/config/Orvane.crv");
    const QByteArray antes = [&] {
        QFile f(arquivo);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    QTest::keyClick(janela_.get(), Qt::Key_F12);
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabConfig"));
    QTest::keyClick(janela_.get(), Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabVenda"));
    QFile f(arquivo);
    f.open(QIODevice::ReadOnly);
    EXPECT_EQ(f.readAll(), antes);
}

}  // namespace

// The POS's encoding named in Orvane.crv: names with accents reach the sale table whole, in the
// encoding named; without the key the same bytes show as today: each byte above 127 is replaced,
// and the table's 8-bit field keeps the replacement as "?".
struct CasoCodificacao {
    const char* nome;
    const char* chave;  // the line of Orvane.crv, empty for none
    QByteArray acucar, pao;
    QString esperadoAcucar, esperadoPao;
};

class JanelaCodificada : public Janela, public ::testing::WithParamInterface<CasoCodificacao> {
protected:
    JanelaCodificada() { chavesExtras_ = QString::fromLatin1(GetParam().chave); }
};

TEST_P(JanelaCodificada, SaleNamesKeepTheirAccents) {
    const CasoCodificacao& caso = GetParam();
    Enviar(Linha(1, "1|789|" + caso.acucar + "|1|UN|4,99|4,99||0|0|0&2|790|" + caso.pao +
                        "|1|KG|12,90|12,90||0|0|0&TOTAL|R$ 17,89|||||||||"));
    const TTabelaItens& tb = Filho<TPaginaVenda>("TabVenda")->Tb();
    ASSERT_EQ(tb.rowCount(), 2);
    EXPECT_EQ(tb.Linha(0).TextoExibido(ECampoItem::Nome), caso.esperadoAcucar);
    EXPECT_EQ(tb.Linha(1).TextoExibido(ECampoItem::Nome), caso.esperadoPao);
}

INSTANTIATE_TEST_SUITE_P(Codificacoes, JanelaCodificada,
                         ::testing::Values(CasoCodificacao{"Utf8", "CodificacaoPOS=UTF-8\r\n",
                                                           "A\xC3\x87\xC3\x9A"
                                                           "CAR CRISTAL 5KG",
                                                           "P\xC3\x83O FRANC\xC3\x8AS",
                                                           QStringLiteral("AÇÚCAR CRISTAL 5KG"),
                                                           QStringLiteral("PÃO FRANCÊS")},
                                           CasoCodificacao{"Windows1252",
                                                           "CodificacaoPOS=Windows-1252\r\n",
                                                           "A\xC7\xDA"
                                                           "CAR CRISTAL 5KG",
                                                           "P\xC3O FRANC\xCA"
                                                           "S",
                                                           QStringLiteral("AÇÚCAR CRISTAL 5KG"),
                                                           QStringLiteral("PÃO FRANCÊS")},
                                           CasoCodificacao{"SemChave", "",
                                                           "A\xC7\xDA"
                                                           "CAR CRISTAL 5KG",
                                                           "P\xC3O FRANC\xCA"
                                                           "S",
                                                           QStringLiteral("A??CAR CRISTAL 5KG"),
                                                           QStringLiteral("P?O FRANC?S")}),
                         [](const auto& info) { return std::string(info.param.nome); });

// The journal on standard error: the listener, each connection with its peer and each command;
// what a sale holds only when the installer turned that on.
class JanelaDiario : public Janela, public ::testing::WithParamInterface<bool> {
protected:
    JanelaDiario() {
        chavesExtras_ =
            QStringLiteral("NivelDiario=depuracao\r\nDiarioVenda=%1\r\n").arg(GetParam() ? 1 : 0);
    }
    void TearDown() override { Diario::DefinirNivel(Diario::kNivelPadrao); }

    CapturaErroPadrao erro_;
};

TEST_P(JanelaDiario, ListenerConnectionsAndCommandsWithoutTheSaleUnlessAllowed) {
    Enviar(Linha(1, "1|789|ARROZ 5KG|1|UN|21,90|21,90||0|0|0&TOTAL|R$ 21,90|||||||||"));
    const QString diario = QString::fromUtf8(erro_.Texto());
    EXPECT_TRUE(diario.contains(QStringLiteral(" INFO ouvindo na porta %1\n").arg(porta_)))
        << diario.toStdString();
    EXPECT_TRUE(diario.contains(QStringLiteral(" INFO conexão de ") +
                                pos_.localAddress().toString() +
                                QStringLiteral(" porta %1\n").arg(pos_.localPort())))
        << diario.toStdString();
    EXPECT_TRUE(diario.contains(QStringLiteral(" DEPURACAO comando 1")));
    EXPECT_EQ(diario.contains(QStringLiteral("ARROZ 5KG")), GetParam());
    EXPECT_EQ(diario.contains(QStringLiteral("21,90")), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Detalhes, JanelaDiario, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "ComVenda" : "SemVenda");
});

TEST_F(Janela, SelfTestShowsThePortAndTrafficAndAnyKeyOrCommandLeavesIt) {
    Enviar(Linha(6, "um|1"));
    QTest::keyClick(janela_.get(), Qt::Key_F10);
    ASSERT_EQ(Ativa(), Filho<QWidget>("TabAutoteste"));
    const QString texto = Texto("lbAutoteste");
    EXPECT_TRUE(texto.contains(QStringLiteral("Porta %1: ouvindo").arg(porta_)))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("Linhas recebidas: 1\n")));
    EXPECT_TRUE(texto.contains(
        QStringLiteral("Última conexão: 127.0.0.1 porta %1 às ").arg(pos_.localPort())));
    EXPECT_TRUE(texto.contains(QStringLiteral("Monitor 1: ")));

    QTest::keyClick(janela_.get(), Qt::Key_A);
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabVenda"));

    QTest::keyClick(janela_.get(), Qt::Key_F10);
    ASSERT_EQ(Ativa(), Filho<QWidget>("TabAutoteste"));
    Enviar(Linha(7, "linha de depuração"));
    EXPECT_EQ(Ativa(), Filho<QWidget>("TabVenda"));
}

TEST(JanelaSemEscuta, NoticeOnTheIdleScreenUntilThePortOpens) {
    RaizTemporaria raiz;
    auto ocupante = std::make_unique<QTcpServer>();
    ASSERT_TRUE(ocupante->listen(QHostAddress::Any, 0));
    const quint16 porta = ocupante->serverPort();
    raiz.Criar(QStringLiteral("frente/config/Orvane.crv"),
               QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\n").arg(porta).toLatin1());
    TPrincipalVivavaDazovadForm janela;
    janela.show();
    auto* aviso = janela.findChild<QLabel*>(QStringLiteral("lbSemEscuta"));
    ASSERT_NE(aviso, nullptr);
    EXPECT_FALSE(janela.Canal().Ativo());
    EXPECT_TRUE(aviso->isVisible());
    EXPECT_TRUE(aviso->text().contains(QString::number(porta)));

    ocupante.reset();
    EXPECT_TRUE(Aguardar([&] { return janela.Canal().Ativo(); }));
    EXPECT_FALSE(aviso->isVisible());
}

// Legible mode: the grid fills the window's width, its columns, font and rows scaled alike.
class JanelaLegivel : public Janela {
protected:
    JanelaLegivel() { chavesExtras_ = QStringLiteral("Legivel=1\r\nAltoContraste=1\r\n"); }
};

TEST_F(JanelaLegivel, GridScalesToTheWindowInHighContrast) {
    Enviar(Linha(1, "1|789|ARROZ 5KG|2|UN|21,90|43,80|C|0|0,20|0&TOTAL|R$ 0,20|||||||||"));
    auto* grade = Filho<QTableView>("Grid");
    const int barra = grade->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grade);
    const double fator = (grade->width() - barra) / 756.0;
    ASSERT_GT(fator, 1.3);
    EXPECT_NEAR(grade->columnWidth(int(ECampoItem::Nome)), 278 * fator, 1);
    EXPECT_NEAR(grade->columnWidth(int(ECampoItem::Total)), 87 * fator, 1);
    EXPECT_GT(grade->rowHeight(0), QFontMetrics(grade->font()).height());
    EXPECT_GT(
        grade->font().pixelSize() > 0 ? grade->font().pixelSize() : grade->font().pointSizeF(), 0);
    EXPECT_EQ(grade->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(grade->rowViewportPosition(2) + grade->rowHeight(2) <= grade->viewport()->height(),
              true);  // the newest row is in view
}

// The idle slideshow: pictures of the folder in turn with a cross-fade, no timer during a sale,
// and none at all without a folder.
class JanelaApresentacao : public Janela {
protected:
    JanelaApresentacao() {
        for (const auto& [nome, cor] :
             {std::pair{"a.png", Qt::red}, std::pair{"b.png", Qt::blue}}) {
            QImage imagem(64, 48, QImage::Format_RGB32);
            imagem.fill(cor);
            QByteArray png;
            QBuffer saida(&png);
            saida.open(QIODevice::WriteOnly);
            imagem.save(&saida, "PNG");
            raiz_.Criar(QStringLiteral("frente/slides/") + QLatin1String(nome), png);
        }
        raiz_.Criar(QStringLiteral("frente/slides/c.png"), "not a picture");
        chavesExtras_ =
            QStringLiteral("PastaApresentacao=c:\\frente\\slides\r\nIntervaloApresentacao=1\r\n");
    }
};

TEST_F(JanelaApresentacao, PicturesInTurnWithAFadeAndNoTimerDuringASale) {
    auto* apresentacao = Filho<TApresentacao>("Apresentacao");
    auto* timer = apresentacao->findChild<QTimer*>(QStringLiteral("tmSlides"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(apresentacao->isVisible());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(apresentacao->Atual().toImage().pixelColor(0, 0), QColor(Qt::red));

    // The next tick fades to b.png; the unreadable c.png is skipped back to a.png.
    ASSERT_TRUE(Aguardar(
        [&] { return apresentacao->Atual().toImage().pixelColor(0, 0) == QColor(Qt::blue); }));
    EXPECT_TRUE(Aguardar(
        [&] { return apresentacao->Transicao() > 0.2 && apresentacao->Transicao() < 0.8; }));
    ASSERT_TRUE(Aguardar(
        [&] { return apresentacao->Atual().toImage().pixelColor(0, 0) == QColor(Qt::red); }));

    Enviar(Linha(1, "1|789|ARROZ 5KG|1|UN|21,90|21,90||0|0|0&TOTAL|R$ 21,90|||||||||"));
    EXPECT_FALSE(apresentacao->isVisible());
    EXPECT_FALSE(timer->isActive());
    Enviar(Linha(5, ""));
    EXPECT_TRUE(apresentacao->isVisible());
    EXPECT_TRUE(timer->isActive());
}

TEST_F(Janela, WithoutASlideshowFolderNoSlideshowTimerRuns) {
    auto* apresentacao = Filho<TApresentacao>("Apresentacao");
    EXPECT_FALSE(apresentacao->isVisible());
    EXPECT_FALSE(apresentacao->findChild<QTimer*>(QStringLiteral("tmSlides"))->isActive());
}
