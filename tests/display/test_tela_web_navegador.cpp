// The customer's page in a real browser beside the window: the window runs in this process
// (offscreen) with its POS port and its page's port on loopback, a sale and a payment are driven
// over the POS port, and headless Chromium (chromium, chromium-driver, python3-selenium) reads
// back from the page's DOM the rows, total, payment rows, colours and change that the window
// shows, and the POS's picture as the browser decodes it. With ORVANE_CAPTURAS_WEB naming a folder,
// the page's screenshots at a phone's and a tablet's size are left there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QTcpSocket>
#include <memory>

#include "display/canal/CanalComandos.h"
#include "display/janela/TPrincipalVivavaDazovadForm.h"
#include "display/web/ServidorTela.h"
#include "support/BackEndRoteiro.h"
#include "support/JanelaPorTcp.h"
#include "support/RaizTemporaria.h"

namespace {

// "rgb(r, g, b)" as the browser computes a colour.
QColor CorCss(const QJsonValue& css) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral(R"(rgba?\((\d+), (\d+), (\d+))")).match(css.toString());
    return m.hasMatch()
               ? QColor(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
               : QColor();
}

class TelaWebNavegador : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const char* programa : {"/usr/bin/chromium", "/usr/bin/chromedriver"})
            if (!QFileInfo(QString::fromLatin1(programa)).isExecutable())
                GTEST_FAIL() << programa
                             << " is missing (scripts/install-deps.sh installs chromium, "
                                "chromium-driver and python3-selenium)";
    }

    void SetUp() override {
        porta_ = PortaLivre();
        portaWeb_ = PortaLivre();
        raiz_.Criar(QStringLiteral("frente/config/Orvane.crv"),
                    QStringLiteral("[Config]\r\nPorta=%1\r\nPortaWeb=%2\r\nTelaCheia=0\r\n"
                                   "Largura=1024\r\nAltura=768\r\n")
                        .arg(porta_)
                        .arg(portaWeb_)
                        .toLatin1());
        TmDlg::InstalarBackEnd(dialogos_);
        janela_ = std::make_unique<TPrincipalVivavaDazovadForm>();
        janela_->show();
        ASSERT_TRUE(Aguardar([&] { return janela_->Canal().Ativo(); }));
        ASSERT_NE(janela_->ServidorWeb(), nullptr);
        ASSERT_EQ(janela_->ServidorWeb()->Porta(), portaWeb_);
        pos_.connectToHost(QHostAddress::LocalHost, porta_);
        ASSERT_TRUE(pos_.waitForConnected(5000));
    }
    void TearDown() override { TmDlg::InstalarBackEnd(nullptr); }

    void Enviar(const QByteArray& linha) {
        QSignalSpy despacho(&janela_->Canal(), &CanalComandos::Comando);
        pos_.write(linha);
        pos_.flush();
        ASSERT_TRUE(Aguardar([&] { return despacho.count() > 0; })) << linha.left(60).data();
    }

    // What the page shows once it shows `pagina`, with screenshots named after it.
    QJsonObject LerPagina(const QString& pagina) {
        QStringList argumentos = {QStringLiteral(NAVEGADOR_TELA),
                                  QStringLiteral("http://127.0.0.1:%1/").arg(portaWeb_), pagina};
        const QString capturas = qEnvironmentVariable("ORVANE_CAPTURAS_WEB");
        if (!capturas.isEmpty())
            argumentos << capturas << pagina;
        QProcess navegador;
        navegador.start(QStringLiteral("/usr/bin/python3"), argumentos);
        // The window's event loop runs meanwhile, as it would beside a browser.
        EXPECT_TRUE(Aguardar([&] { return navegador.state() == QProcess::NotRunning; }, 120000));
        EXPECT_EQ(navegador.exitCode(), 0) << navegador.readAllStandardError().toStdString();
        return QJsonDocument::fromJson(navegador.readAllStandardOutput()).object();
    }

    template <typename T>
    T* Filho(const char* nome) {
        T* w = janela_->findChild<T*>(QLatin1String(nome));
        EXPECT_NE(w, nullptr) << nome;
        return w;
    }
    QWidget* Ativa() { return Filho<QStackedWidget>("PageControl")->currentWidget(); }

    // Whether the window's grab of the grid cell holds pixels of exactly this colour: the
    // strokes of its text.
    bool CelulaTemCor(int linha, int coluna, const QColor& cor) {
        auto* grade = Filho<QTableView>("Grid");
        const QModelIndex indice = grade->model()->index(linha, coluna);
        grade->scrollTo(indice);
        const QImage celula = grade->viewport()->grab(grade->visualRect(indice)).toImage();
        for (int y = 0; y < celula.height(); ++y)
            for (int x = 0; x < celula.width(); ++x)
                if (celula.pixelColor(x, y).rgb() == cor.rgb())
                    return true;
        return false;
    }

    RaizTemporaria raiz_;
    std::shared_ptr<TBackEndRoteiro> dialogos_ = std::make_shared<TBackEndRoteiro>();
    quint16 porta_ = 0;
    quint16 portaWeb_ = 0;
    std::unique_ptr<TPrincipalVivavaDazovadForm> janela_;
    QTcpSocket pos_;
};

}  // namespace

TEST_F(TelaWebNavegador, PageShowsTheSaleAndPaymentAsTheWindowDoes) {
    Enviar(Linha(1,
                 "1|7891000|ARROZ TIPO 1 5KG|1|UN|24,90|24,90||0|0|0&"
                 "2|7892000|<b>x</b>|2|UN|3,50|7,00|C|0|0|0&"
                 "3|7893000|FEIJAO PRETO|1,5|KG|8,00|12,00||1,20|0|0&"
                 "TOTAL|R$ 35,70|||||||||"));
    ASSERT_EQ(Ativa(), Filho<QWidget>("TabVenda"));
    const QJsonObject venda = LerPagina(QStringLiteral("venda"));
    const QJsonArray linhas = venda["linhas"].toArray();
    const QAbstractItemModel* modelo = Filho<QTableView>("Grid")->model();
    ASSERT_EQ(linhas.size(), modelo->rowCount());
    ASSERT_EQ(linhas.size(), 5);
    const char* tipos[] = {"item", "item", "cancelamento", "item", "desconto"};
    for (int r = 0; r < modelo->rowCount(); ++r) {
        SCOPED_TRACE(r);
        const QJsonObject linha = linhas[r].toObject();
        EXPECT_EQ(linha["tipo"], tipos[r]);
        const QJsonArray textos = linha["textos"].toArray();
        for (int c = 0; c < modelo->columnCount(); ++c) {
            // The window paints a coloured row's mark in the row's background; the page omits it.
            if (c == 5 && linha["tipo"] != "item")
                continue;
            EXPECT_EQ(textos[c].toString(), modelo->index(r, c).data().toString()) << c;
        }
        EXPECT_TRUE(CelulaTemCor(r, 2, CorCss(linha["corNome"])))
            << linha["corNome"].toString().toStdString();
    }
    // Markup in a POS text is text on the page: no element, the characters as sent.
    EXPECT_EQ(linhas[1]["textos"][2], "<b>x</b>");
    EXPECT_EQ(linhas[1]["elementosNome"], 0);
    EXPECT_EQ(CorCss(linhas[2]["corNome"]), QColor(Qt::red));
    EXPECT_EQ(venda["total"].toString(), Filho<QLabel>("lbTotalVenda")->text());
    EXPECT_EQ(venda["total"], "R$ 35,70");

    Enviar(Linha(3, "35,70|1,20|0|0"));
    Enviar(Linha(4, "Dinheiro|50,00|Cartao|0,00|||||||-14,30|35,70|1,20|0"));
    ASSERT_EQ(Ativa(), Filho<QWidget>("TabPgto"));
    const QJsonObject pagamento = LerPagina(QStringLiteral("pagamento"));
    const QJsonArray rows = pagamento["pagamento"].toArray();
    ASSERT_EQ(rows.size(), 10);
    const char* sufixos[] = {"Bruto", "Desconto", "Acrescimo", "Liquido", "Meio1",
                             "Meio2", "Meio3",    "Meio4",     "Meio5",   "Troco"};
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(sufixos[i]);
        const QJsonObject linha = rows[i].toObject();
        const QString sufixo = QString::fromLatin1(sufixos[i]);
        auto* painel = janela_->findChild<QWidget*>(QStringLiteral("pnl") + sufixo);
        auto* titulo = janela_->findChild<QLabel*>(QStringLiteral("lbTit") + sufixo);
        auto* valor = janela_->findChild<QLabel*>(QStringLiteral("lb") + sufixo);
        const bool aberta = painel->height() > 1;
        EXPECT_EQ(linha["aberta"].toBool(), aberta);
        if (!aberta)
            continue;
        EXPECT_EQ(linha["titulo"].toString(), titulo->text());
        EXPECT_EQ(linha["valor"].toString(), valor->text());
        EXPECT_EQ(CorCss(linha["corTitulo"]), titulo->palette().color(QPalette::WindowText));
        EXPECT_EQ(CorCss(linha["corValor"]), valor->palette().color(QPalette::WindowText));
        if (painel->autoFillBackground()) {
            EXPECT_EQ(CorCss(linha["fundo"]), painel->palette().color(QPalette::Window));
        }
    }
    EXPECT_EQ(rows[9]["titulo"], "Troco");
    EXPECT_EQ(rows[9]["valor"], "14,30");
    EXPECT_EQ(rows[4]["valor"], "50,00");

    // The POS's picture, served by its content hash, decodes in the browser.
    QImage figura(64, 48, QImage::Format_RGB32);
    figura.fill(Qt::darkCyan);
    ASSERT_TRUE(figura.save(raiz_.Caminho() + QStringLiteral("/frente/OrvaneImg.bmp")));
    Enviar(Linha(102, ""));
    ASSERT_EQ(Ativa(), Filho<QWidget>("TabImg"));
    EXPECT_EQ(LerPagina(QStringLiteral("imagem"))["figura"], 64);
    EXPECT_TRUE(dialogos_->dialogos.empty());
}

TEST(TelaWebSemPorta, WithoutTheKeyNoPortIsOpened) {
    RaizTemporaria raiz;
    raiz.Criar(
        QStringLiteral("frente/config/Orvane.crv"),
        QStringLiteral("[Config]\r\nPorta=%1\r\nTelaCheia=0\r\n").arg(PortaLivre()).toLatin1());
    TPrincipalVivavaDazovadForm janela;
    EXPECT_EQ(janela.ServidorWeb(), nullptr);
}
