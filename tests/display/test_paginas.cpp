#include <gtest/gtest.h>

#include <QBuffer>
#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "desenho/fontes/Fontes.h"
#include "display/estado/EstadoTela.h"
#include "display/telas/FundoPadrao.h"
#include "display/telas/ImagemFundo.h"
#include "display/telas/LeitorImagem.h"
#include "display/telas/PaginaPagamento.h"
#include "display/telas/PaginaVenda.h"
#include "display/telas/PaginasSimples.h"

inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

namespace {

// CTest's test discovery runs this program without the tests' environment; it must start
// without a display there too.
const bool kSemTela = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}();

using L = ELinhaPagamento;
using namespace Protocolo;

// Command 4's fields: five means (title, value), then change-or-missing, total, discounts and
// surcharges.
QString Meios(const QStringList& meios, const QString& trocoOuFalta,
              const QString& descontos = "0") {
    QStringList campos = meios;
    while (campos.size() < 10)
        campos << QString();
    return (campos << trocoOuFalta << "100" << descontos << "0").join(u'|');
}

// The grid's columns: Nr, Barras, Nome, Unit, Qtd, Tipo, Total.
QStringList TextosDaLinha(const TTabelaItens& tb, int linha) {
    QStringList textos;
    for (int c = 0; c < tb.columnCount(); ++c)
        textos << tb.index(linha, c).data().toString();
    return textos;
}

QList<QStringList> Linhas(const TTabelaItens& tb) {
    QList<QStringList> linhas;
    for (int r = 0; r < tb.rowCount(); ++r)
        linhas << TextosDaLinha(tb, r);
    return linhas;
}

QColor CorDoPainel(const QWidget* painel) {
    return painel->palette().color(QPalette::Window);
}

QColor CorDoTexto(const QLabel* rotulo) {
    return rotulo->palette().color(QPalette::WindowText);
}

const QColor kBranco(Qt::white);

class Paginas : public ::testing::Test {
protected:
    Paginas() {
        // Shown, so that resizing reaches the pages at once.
        pagamento.resize(784, 741);
        venda.resize(800, 600);
        pagamento.show();
        venda.show();
        pagamento.Mostrar(estado.PagamentoTela());
        QObject::connect(&estado, &TEstadoTela::Mudou, [this](TEstadoTela::EPartes partes) {
            if (partes & (TEstadoTela::Linhas | TEstadoTela::LinhasAcrescidas))
                venda.MostrarLinhas(estado.LinhasVenda(), !partes.testFlag(TEstadoTela::Linhas));
            if (partes.testFlag(TEstadoTela::Total))
                venda.MostrarTotal(estado.TotalVenda());
            pagamento.Mostrar(estado.PagamentoTela());
            pedidosVenda += partes.testFlag(TEstadoTela::MostrarVenda);
            pedidosPagamento += partes.testFlag(TEstadoTela::MostrarPagamento);
        });
    }

    // The commands that need a number of fields, as the window's dispatch runs them: the
    // parameter text is read by the protocol, and a text without the fields reaches no page.
    // The pages show the screen state, as on the window.
    void ExibirResumoPagamento(const QString& parametros) {
        estado.Aplicar(EComando::ExibirResumoPagamento, parametros);
    }
    void ExibirMeiosPagamento(const QString& parametros) {
        estado.Aplicar(EComando::ExibirMeiosPagamento, parametros);
    }
    void LimparVenda() { estado.Aplicar(EComando::LimparVenda, {}); }
    void CarregarListaItens(const QString& lista) {
        estado.Aplicar(EComando::CarregarListaItens, lista);
    }
    void CancelarItem(const QString& parametros) {
        estado.Aplicar(EComando::CancelarItem, parametros);
    }
    void DescontoItem(const QString& parametros) {
        estado.Aplicar(EComando::DescontoItem, parametros);
    }
    void AcrescimoItem(const QString& parametros) {
        estado.Aplicar(EComando::AcrescimoItem, parametros);
    }
    void ExibirVenda(const QString& parametros) {
        estado.Aplicar(EComando::ExibirVenda, parametros);
    }

    QLabel* Rotulo(const char* nome) { return venda.findChild<QLabel*>(QLatin1String(nome)); }
    QWidget* Filho(const char* nome) { return venda.findChild<QWidget*>(QLatin1String(nome)); }
    QString TotalVenda() { return Rotulo("lbTotalVenda")->text(); }

    TEstadoTela estado;
    TPaginaPagamento pagamento;
    TPaginaVenda venda;
    int pedidosVenda = 0;      // commands that asked for the sale page
    int pedidosPagamento = 0;  // commands that asked for the payment page
};

}  // namespace

// ---- Sale page ----

TEST_F(Paginas, ItemListFillsTheTableShowsTheGridAndAsksForThePage) {
    pedidosVenda = 0;
    QSignalSpy visibilidade(&venda, &TPaginaVenda::VisibilidadeMudou);

    CarregarListaItens("1|123|ARROZ 5KG|2|UN|21,90|43,80||0|0|0&TOTAL|43,80|||||||||");

    EXPECT_EQ(Linhas(venda.Tb()),
              (QList<QStringList>{{"1", "123", "ARROZ 5KG", "21,90", "2", "UN", "43,80"}}));
    EXPECT_EQ(TotalVenda(), "43,80");
    EXPECT_EQ(pedidosVenda, 1);
    ASSERT_EQ(visibilidade.count(), 1);
    EXPECT_TRUE(visibilidade.at(0).at(0).toBool());
    EXPECT_FALSE(Filho("Grid")->isHidden());
    EXPECT_FALSE(Filho("pnlTotal")->isHidden());

    // The next list replaces the rows; without a total record the label stays.
    CarregarListaItens("2|9|FEIJAO|1|KG|8,00|8,00||0|0|0");
    EXPECT_EQ(Linhas(venda.Tb()),
              (QList<QStringList>{{"2", "9", "FEIJAO", "8,00", "1", "KG", "8,00"}}));
    EXPECT_EQ(TotalVenda(), "43,80");

    // A list with only a total record leaves the table empty: grid and total panel hidden.
    CarregarListaItens("TOTAL|12,00|||||||||");
    EXPECT_EQ(venda.Tb().rowCount(), 0);
    EXPECT_EQ(TotalVenda(), "12,00");
    EXPECT_FALSE(visibilidade.last().at(0).toBool());
    EXPECT_TRUE(Filho("Grid")->isHidden());
    EXPECT_TRUE(Filho("pnlTotal")->isHidden());
}

TEST_F(Paginas, ItemRecordsGiveTheirRows) {
    const QString k1252 = QString::fromUtf8("AÇÚCAR € ") + QChar(0xFFFD) + QChar(0x4E2D);
    struct Caso {
        const char* nome;
        QString lista;
        QList<QStringList> linhas;
    } casos[] = {
        {"cancelled item adds a CANCELADO row",
         "3|7891|LEITE|1|UN|4,50|4,50|C|0|0|",
         {{"3", "7891", "LEITE", "4,50", "1", "UN", "4,50"},
          {"3", "CANCELADO", "LEITE", "", "", ".", "-4,50"}}},
        {"lower-case c is not a cancellation",
         "3|7891|LEITE|1|UN|4,50|4,50|c|0|0|",
         {{"3", "7891", "LEITE", "4,50", "1", "UN", "4,50"}}},
        {"discount above 0 adds a row, surcharge 0 none",
         "4|1|PAO|1|UN|2,00|2,00||0,50|0|",
         {{"4", "1", "PAO", "2,00", "1", "UN", "2,00"},
          {"", "", "DESCONTO ITEM", "", "", ".", "-0,50"}}},
        {"surcharge adds a row, negative discount none",
         "4|1|PAO|1|UN|2,00|2,00||-1|1,5|",
         {{"4", "1", "PAO", "2,00", "1", "UN", "2,00"},
          {"", "", "ACRESCIMO ITEM", "", "", ",", "1,50"}}},
        {"a record of 10 fields is skipped, the others stay",
         "1|A|X|1|UN|1|1||0|0&2|B|Y|1|UN|1|1||0|0|",
         {{"2", "B", "Y", "1,00", "1", "UN", "1,00"}}},
        {"texts are cut to 14, 30 and 2 characters",
         "5|12345678901234567890|" + QString(40, u'N') + "|1|UNX|1|1||0|0|",
         {{"5", "12345678901234", QString(30, u'N'), "1,00", "1", "UN", "1,00"}}},
        {"characters outside Windows-1252 are stored as ?",
         "6||" + k1252 + "|1|UN|1|1||0|0|",
         {{"6", "", QString::fromUtf8("AÇÚCAR € ??"), "1,00", "1", "UN", "1,00"}}},
        {"unreadable number is 0, quantities show up to 3 decimals",
         "x|1|Z|1234,5678|UN|0|abc||0|0|",
         {{"0", "1", "Z", "0,00", "1.234,568", "UN", "0,00"}}},
        {"empty list", "", {}},
    };
    for (const Caso& caso : casos) {
        CarregarListaItens(caso.lista);
        EXPECT_EQ(Linhas(venda.Tb()), caso.linhas) << caso.nome;
    }
}

TEST_F(Paginas, ShortTotalRecordIsIgnored) {
    CarregarListaItens("TOTAL|5,00|||||||||");
    CarregarListaItens("TOTAL|9,99");
    EXPECT_EQ(TotalVenda(), "5,00");
}

TEST_F(Paginas, TextsFromThePosAreNotReadAsMarkup) {
    const QString marcado = "<b>R$ 9,00</b>";
    CarregarListaItens("TOTAL|" + marcado + "|||||||||");
    ExibirMeiosPagamento(Meios({marcado, "<i>1</i>"}, "0"));
    TPaginaInfo info;
    info.ExibirInfo(LerInfo(marcado + "|" + marcado));
    for (QLabel* rotulo :
         {Rotulo("lbTotalVenda"), pagamento.Titulo(L::Meio1),
          info.findChild<QLabel*>("lbInfoTexto"), info.findChild<QLabel*>("lbInfoValor")}) {
        EXPECT_EQ(rotulo->text(), marcado);
        EXPECT_GE(rotulo->sizeHint().width(),
                  QFontMetrics(rotulo->font()).horizontalAdvance(marcado));
    }
}

// Amounts at the ends of the currency's range: negations and sums stop at the range's ends.
TEST_F(Paginas, ExtremeAmountsDoNotOverflow) {
    const QString minimo = "-922337203685477,5808";
    CarregarListaItens("1|1|Z|1|UN|1|" + minimo + "|C|0|0|");
    DescontoItem(minimo + "|0");
    ASSERT_EQ(venda.Tb().rowCount(), 3);
    EXPECT_TRUE(venda.Tb().index(1, 6).data().toString().startsWith("922.337.203.685.477,"));
    EXPECT_TRUE(venda.Tb().index(2, 6).data().toString().startsWith("922.337.203.685.477,"));

    ExibirResumoPagamento("1|922337203685477|922337203685477|0");
    EXPECT_EQ(pagamento.Painel(L::Bruto)->height(), 52);
    EXPECT_EQ(pagamento.Valor(L::Bruto)->text(), "1,00");
    ExibirMeiosPagamento(Meios({"Pix", "1"}, minimo));
    EXPECT_TRUE(pagamento.Valor(L::Troco)->text().startsWith("922.337.203.685.477,"));
}

TEST_F(Paginas, SingleRowCommandsAddToTheSaleAndSetTheTotal) {
    CarregarListaItens("1|123|ARROZ|1|UN|10,00|10,00||0|0|");
    pedidosVenda = 0;

    DescontoItem("1,00|98,00");
    EXPECT_EQ(TotalVenda(), "R$98,00");
    AcrescimoItem("0,25|98,25");
    EXPECT_EQ(TotalVenda(), "R$98,25");
    AcrescimoItem("0,25|2,675");  // amounts round as the decimals they are
    EXPECT_EQ(TotalVenda(), "R$2,68");
    CancelarItem("1|ARROZ|10|1234,5");
    EXPECT_EQ(TotalVenda(), "R$1.234,50");

    // Too few fields: nothing.
    CancelarItem("1|ARROZ|10");
    DescontoItem("1,00");
    AcrescimoItem("");
    EXPECT_EQ(TotalVenda(), "R$1.234,50");

    EXPECT_EQ(Linhas(venda.Tb()),
              (QList<QStringList>{{"1", "123", "ARROZ", "10,00", "1", "UN", "10,00"},
                                  {"", "", "DESCONTO ITEM", "", "", ".", "-1,00"},
                                  {"", "", "ACRESCIMO ITEM", "", "", ",", "0,25"},
                                  {"", "", "ACRESCIMO ITEM", "", "", ",", "0,25"},
                                  {"1", "CANCELADO", "ARROZ", "", "", ".", "-10,00"}}));
    EXPECT_EQ(pedidosVenda, 0);
}

TEST_F(Paginas, ClearingTheSaleResetsTableTotalAndPaymentPage) {
    CarregarListaItens("1|123|ARROZ|1|UN|10,00|10,00||0|0|&TOTAL|10,00|||||||||");
    ExibirResumoPagamento("100|10|0|0");
    pedidosVenda = 0;
    QSignalSpy visibilidade(&venda, &TPaginaVenda::VisibilidadeMudou);

    LimparVenda();

    EXPECT_EQ(venda.Tb().rowCount(), 0);
    EXPECT_EQ(TotalVenda(), "0,00");
    EXPECT_EQ(pagamento.Valor(L::Liquido)->text(), "0,00");
    EXPECT_EQ(pagamento.Painel(L::Desconto)->height(), 1);
    EXPECT_EQ(pedidosVenda, 0);
    ASSERT_EQ(visibilidade.count(), 1);
    EXPECT_FALSE(visibilidade.at(0).at(0).toBool());
    EXPECT_TRUE(Filho("Grid")->isHidden());
}

TEST_F(Paginas, ShowingTheSaleClearsItOnlyForExactlyOne) {
    pedidosVenda = 0;
    CarregarListaItens("1|123|ARROZ|1|UN|10,00|10,00||0|0|");
    ExibirVenda("1 ");
    EXPECT_EQ(venda.Tb().rowCount(), 1);
    ExibirVenda("1");
    EXPECT_EQ(venda.Tb().rowCount(), 0);
    EXPECT_EQ(pedidosVenda, 3);
}

TEST_F(Paginas, TotalPanelLabelsKeepToTheRightEdge) {
    CarregarListaItens("1|123|ARROZ|1|UN|10,00|10,00||0|0|");
    venda.resize(1000, 700);
    EXPECT_EQ(Filho("pnlTotal")->geometry(), QRect(0, 636, 1000, 64));
    EXPECT_EQ(Filho("Grid")->geometry(), QRect(0, 0, 1000, 636));
    EXPECT_EQ(Rotulo("lbTituloTotal")->geometry(), QRect(948, 1, 41, 23));
    EXPECT_EQ(Rotulo("lbTotalVenda")->geometry(), QRect(749, 17, 240, 45));
    venda.resize(800, 600);
    EXPECT_EQ(Rotulo("lbTotalVenda")->geometry(), QRect(549, 17, 240, 45));

    const QFont valor = Rotulo("lbTotalVenda")->font();
    EXPECT_EQ(valor.pixelSize(), 37);
    EXPECT_TRUE(valor.bold());
    EXPECT_EQ(Rotulo("lbTituloTotal")->font().pixelSize(), 19);
    EXPECT_EQ(CorDoTexto(Rotulo("lbTituloTotal")), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(Rotulo("lbTotalVenda")->alignment(), Qt::AlignRight | Qt::AlignTop);
}

TEST_F(Paginas, GridPaintsRowsAndMarks) {
    CarregarListaItens(
        "1|123|ARROZ|2|UN|21,90|43,80|C|0|0|"      // item, then red CANCELADO
        "&2|456|FEIJAO|1|KG|8,00|8,00||0|0,10|");  // item, then green ACRESCIMO
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&venda));
    auto* grade = venda.findChild<QTableView*>("Grid");
    const QImage imagem = grade->viewport()->grab().toImage();
    const QColor janela = grade->palette().color(QPalette::Base);
    const QColor botao = grade->palette().color(QPalette::Button);
    ASSERT_NE(janela, botao);

    auto celula = [&](int linha, ECampoItem campo) {
        return grade->visualRect(venda.Tb().index(linha, static_cast<int>(campo)));
    };
    // Counts pixels of the cell that are not its background, and those close to a colour.
    auto contar = [&](const QRect& r, const QColor& fundo, const QColor& cor) {
        std::pair<int, int> n{0, 0};
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor p = imagem.pixelColor(x, y);
                if (p != fundo)
                    ++n.first;
                if (std::abs(p.red() - cor.red()) + std::abs(p.green() - cor.green()) +
                        std::abs(p.blue() - cor.blue()) <
                    40)
                    ++n.second;
            }
        return n;
    };

    for (int linha = 0; linha < 4; ++linha) {
        const QColor fundo = linha % 2 == 0 ? janela : botao;
        const QRect tipo = celula(linha, ECampoItem::Tipo);
        EXPECT_EQ(imagem.pixelColor(tipo.bottomRight()), fundo) << linha;
        EXPECT_EQ(imagem.pixelColor(tipo.topLeft()), fundo) << linha;
    }
    const QColor marrom(0x80, 0, 0), vermelho(0xFF, 0, 0), verde(0, 0x80, 0);
    EXPECT_GT(contar(celula(0, ECampoItem::Tipo), janela, marrom).second, 5);
    EXPECT_EQ(contar(celula(1, ECampoItem::Tipo), botao, vermelho).first, 0);
    EXPECT_GT(contar(celula(1, ECampoItem::Total), botao, vermelho).second, 5);
    EXPECT_GT(contar(celula(1, ECampoItem::Barras), botao, vermelho).second, 5);
    EXPECT_EQ(contar(celula(3, ECampoItem::Tipo), botao, verde).first, 0);
    EXPECT_GT(contar(celula(3, ECampoItem::Total), botao, verde).second, 5);
    EXPECT_GT(contar(celula(0, ECampoItem::Nome), janela, QColor(0, 0, 0xFF)).second, 5);

    // Text keeps 3 pixels from the right edge and 2 from the top.
    const QRect total = celula(0, ECampoItem::Total);
    EXPECT_EQ(
        contar(QRect(total.right() - 2, total.top(), 3, total.height()), janela, janela).first, 0);
    EXPECT_EQ(contar(QRect(total.left(), total.top(), total.width(), 2), janela, janela).first, 0);
    EXPECT_GT(
        contar(QRect(total.right() - 8, total.top(), 6, total.height()), janela, janela).first, 0);
}

TEST_F(Paginas, GridKeepsTheNewestRowInView) {
    QString lista;
    for (int i = 1; i <= 200; ++i)
        lista += QString("%1|%1|ITEM|1|UN|1|1||0|0|&").arg(i);
    venda.resize(800, 400);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&venda));
    CarregarListaItens(lista);
    auto* grade = venda.findChild<QTableView*>("Grid");
    ASSERT_NE(grade, nullptr);
    // The last row whole in view, and the top row not cut.
    auto ultimaVisivel = [&] {
        const QRect r = grade->visualRect(venda.Tb().index(venda.Tb().rowCount() - 1, 0));
        return grade->viewport()->rect().contains(r) &&
               grade->rowViewportPosition(grade->rowAt(0)) == 0;
    };
    EXPECT_TRUE(ultimaVisivel());
    DescontoItem("1|199");
    EXPECT_TRUE(ultimaVisivel());
    venda.resize(800, 300);  // as when the window's status bar appears
    EXPECT_TRUE(ultimaVisivel());
}

TEST(ImagemFundo, CentresOrStretchesThePicture) {
    QImage vermelha(10, 10, QImage::Format_RGB32);
    vermelha.fill(Qt::red);
    TImagemFundo fundo;
    fundo.resize(100, 50);
    fundo.DefinirImagem(vermelha);
    QImage tela = fundo.grab().toImage();
    EXPECT_EQ(tela.pixelColor(45, 20), QColor(Qt::red));
    EXPECT_NE(tela.pixelColor(44, 20), QColor(Qt::red));
    EXPECT_NE(tela.pixelColor(55, 20), QColor(Qt::red));
    fundo.DefinirAdaptar(true);
    tela = fundo.grab().toImage();
    EXPECT_EQ(tela.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(tela.pixelColor(99, 49), QColor(Qt::red));
}

// A picture shown is whole: a file cut short, as when the POS is still writing it, is an error.
// The idle screen's picture is compiled in: a program that lost it would show a blank page.
TEST(FundoPadrao, TheIdlePictureIsCompiledInAndShownOnTheIdlePage) {
    const QImage imagem = FundoPadrao::Imagem();
    ASSERT_EQ(imagem.size(), QSize(600, 138));
    EXPECT_EQ(imagem.pixelColor(0, 0).alpha(), 0);      // transparent around the drawing
    EXPECT_EQ(imagem.pixelColor(68, 69).alpha(), 255);  // the emblem

    TPaginaVenda venda;
    venda.resize(800, 400);
    venda.ImgFundoVenda().DefinirImagem(imagem);
    const QImage tela = venda.grab().toImage();
    EXPECT_EQ(tela.pixelColor(100 + 68, 131 + 69), imagem.pixelColor(68, 69));
    EXPECT_EQ(venda.findChild<QTableView*>("Grid"), nullptr);  // no sale yet: no grid built
}

TEST(LerImagem, APictureCutShortIsAnError) {
    QImage quadro(16, 9, QImage::Format_RGB32);
    quadro.fill(Qt::darkCyan);
    QTemporaryDir pasta;
    for (const char* formato : {"bmp", "png", "jpg"}) {
        QByteArray bytes;
        QBuffer saida(&bytes);
        saida.open(QIODevice::WriteOnly);
        ASSERT_TRUE(quadro.save(&saida, formato));
        const QString caminho = pasta.filePath(QStringLiteral("imagem.") + formato);
        auto gravar = [&](const QByteArray& conteudo) {
            QFile arquivo(caminho);
            ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate));
            arquivo.write(conteudo);
        };
        gravar(bytes);
        EXPECT_EQ(LerImagem(caminho).size(), QSize(16, 9)) << formato;
        for (const qsizetype corte : {qsizetype(1), bytes.size() / 2}) {
            gravar(bytes.chopped(corte));
            EXPECT_THROW(LerImagem(caminho), std::runtime_error) << formato << " less " << corte;
        }
    }
    EXPECT_THROW(LerImagem(pasta.filePath("ausente.bmp")), std::runtime_error);
}

TEST(PaginaDebug, KeepsTheNewestLinesUpToItsBound) {
    TPaginaDebug debug;
    const int limite = TPaginaDebug::kMaximoLinhasDebug;
    for (int i = 0; i <= limite; ++i)
        debug.AdicionarDebug(QString::number(i));
    const auto* memo = debug.findChild<QPlainTextEdit*>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->blockCount(), limite);
    EXPECT_EQ(memo->document()->firstBlock().text(), "1");
    EXPECT_EQ(memo->document()->lastBlock().text(), QString::number(limite));
}

// ---- Payment page ----

TEST_F(Paginas, PaymentSummaryOpensTheRowsItsAmountsNeed) {
    struct Caso {
        const char* parametros;
        bool bruto, desconto, acrescimo;
        const char *textoBruto, *textoDesconto, *textoAcrescimo;
    } casos[] = {
        {"100|10|0|7", true, true, false, "110,00", "-10,00", ""},
        {"100|0|0|0", false, false, false, nullptr, "", ""},
        {"100|5|5|0", true, true, true, "100,00", "-5,00", "+5,00"},
        {"100|0|x|0", false, false, false, nullptr, "", ""},
    };
    for (const Caso& c : casos) {
        pedidosPagamento = 0;
        ExibirResumoPagamento(c.parametros);
        SCOPED_TRACE(c.parametros);
        EXPECT_EQ(pedidosPagamento, 1);
        EXPECT_EQ(pagamento.Valor(L::Liquido)->text(), "100,00");
        EXPECT_EQ(pagamento.Painel(L::Bruto)->height(), c.bruto ? 52 : 1);
        if (c.textoBruto) {
            EXPECT_EQ(pagamento.Valor(L::Bruto)->text(), c.textoBruto);
        }
        EXPECT_EQ(pagamento.Painel(L::Desconto)->height(), c.desconto ? 52 : 1);
        EXPECT_EQ(pagamento.Valor(L::Desconto)->text(), c.textoDesconto);
        EXPECT_EQ(CorDoPainel(pagamento.Painel(L::Desconto)),
                  c.desconto ? QColor(0xFF, 0xEA, 0xEA) : kBranco);
        EXPECT_EQ(pagamento.Painel(L::Acrescimo)->height(), c.acrescimo ? 52 : 1);
        EXPECT_EQ(pagamento.Valor(L::Acrescimo)->text(), c.textoAcrescimo);
        EXPECT_EQ(CorDoPainel(pagamento.Painel(L::Acrescimo)),
                  c.acrescimo ? QColor(0xDF, 0xDF, 0xFF) : kBranco);
        EXPECT_EQ(pagamento.Painel(L::Liquido)->height(), 52);
        EXPECT_EQ(pagamento.Painel(L::Meio1)->height(), 1);
        EXPECT_EQ(pagamento.Painel(L::Troco)->height(), 1);
    }
}

TEST_F(Paginas, ShortPaymentSummaryOnlyResetsThePage) {
    ExibirResumoPagamento("100|10|0|0");
    ExibirMeiosPagamento(Meios({"Dinheiro", "150,00"}, "-50", "10"));
    ASSERT_EQ(pagamento.Painel(L::Troco)->height(), 52);
    pedidosPagamento = 0;

    ExibirResumoPagamento("100|10|0");

    EXPECT_EQ(pedidosPagamento, 0);
    EXPECT_EQ(pagamento.Valor(L::Liquido)->text(), "0,00");
    for (L linha : {L::Bruto, L::Desconto, L::Acrescimo, L::Meio1, L::Troco})
        EXPECT_EQ(pagamento.Painel(linha)->height(), 1);
    EXPECT_EQ(pagamento.Titulo(L::Meio1)->text(), "");
    EXPECT_EQ(pagamento.Valor(L::Meio1)->text(), "");
    EXPECT_EQ(CorDoPainel(pagamento.Painel(L::Meio1)), kBranco);
    EXPECT_EQ(pagamento.Titulo(L::Troco)->text(), "");
    // The reset leaves the texts of subtotal, discount and surcharge.
    EXPECT_EQ(pagamento.Valor(L::Bruto)->text(), "110,00");
    EXPECT_EQ(pagamento.Valor(L::Desconto)->text(), "-10,00");
}

TEST_F(Paginas, PaymentMeansDecideTheChangeRow) {
    struct Caso {
        QString parametros;
        L meioAberto;
        const char *titulo, *valor;  // change row; null: closed
        QColor corTitulo, corValor;
    } casos[] = {
        {Meios({"Dinheiro", "150,00"}, "-50"), L::Meio1, "Troco", "50,00", Qt::black,
         QColor(0, 0, 0x80)},
        {Meios({"Dinheiro", "80,00"}, "20"), L::Meio1, "Falta", "20,00", QColor(0xFF, 0, 0),
         QColor(0xFF, 0, 0)},
        {Meios({"Dinheiro", "100,00"}, "0"), L::Meio1, nullptr, nullptr, {}, {}},
        {Meios({"", "150,00", "Cartao", "80,00"}, "20"), L::Meio2, nullptr, nullptr, {}, {}},
    };
    const QColor corMeio[] = {QColor(0xEA, 0xF4, 0xF4), QColor(0xDF, 0xEE, 0xEE)};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.parametros.toStdString());
        LimparVenda();
        pedidosPagamento = 0;
        ExibirMeiosPagamento(c.parametros);
        EXPECT_EQ(pedidosPagamento, 0);
        for (L meio : {L::Meio1, L::Meio2, L::Meio3}) {
            const bool aberto = meio == c.meioAberto;
            EXPECT_EQ(pagamento.Painel(meio)->height(), aberto ? 52 : 1);
            EXPECT_EQ(CorDoPainel(pagamento.Painel(meio)),
                      aberto ? corMeio[meio == L::Meio2] : kBranco);
        }
        const QStringList campos = c.parametros.split(u'|');
        const int indice = c.meioAberto == L::Meio1 ? 0 : 2;
        EXPECT_EQ(pagamento.Titulo(c.meioAberto)->text(), campos[indice]);
        EXPECT_EQ(pagamento.Valor(c.meioAberto)->text(), campos[indice + 1]);
        EXPECT_EQ(pagamento.Valor(L::Liquido)->text(), "100,00");
        EXPECT_EQ(pagamento.Painel(L::Troco)->height(), c.titulo ? 52 : 1);
        EXPECT_EQ(pagamento.Titulo(L::Troco)->text(), c.titulo ? c.titulo : "");
        EXPECT_EQ(pagamento.Valor(L::Troco)->text(), c.valor ? c.valor : "");
        if (c.titulo) {
            EXPECT_EQ(CorDoTexto(pagamento.Titulo(L::Troco)), c.corTitulo);
            EXPECT_EQ(CorDoTexto(pagamento.Valor(L::Troco)), c.corValor);
        }
    }

    // Fewer than 14 fields: nothing changes.
    LimparVenda();
    ExibirMeiosPagamento(Meios({"Pix", "10,00"}, "0").section(u'|', 0, 12));
    EXPECT_EQ(pagamento.Titulo(L::Meio1)->text(), "");
    EXPECT_EQ(pagamento.Valor(L::Liquido)->text(), "0,00");
}

TEST_F(Paginas, SpacerCentresTheStack) {
    LimparVenda();
    EXPECT_EQ(pagamento.EspacoPanel()->height(), 330);  // (741 - 61) / 2 - 10
    EXPECT_EQ(pagamento.Painel(L::Liquido)->geometry(), QRect(0, 333, 784, 52));

    ExibirResumoPagamento("100|10|0|0");  // three open rows: 163
    EXPECT_EQ(pagamento.EspacoPanel()->height(), 279);

    pagamento.resize(784, 100);  // taller than the page: the spacer stays at 0
    EXPECT_EQ(pagamento.EspacoPanel()->height(), 0);
    EXPECT_EQ(pagamento.Painel(L::Bruto)->y(), 0);
}

TEST_F(Paginas, RowLabelsAreCentredOnTheWindowWidth) {
    for (auto [largura, x] : {std::pair{1920, 645}, {1001, 185}, {301, -164}}) {
        pagamento.CentralizarLinhaPagamento(largura);
        for (int i = 0; i < 10; ++i) {
            const auto linha = static_cast<L>(i);
            EXPECT_EQ(pagamento.Titulo(linha)->geometry(), QRect(x, 0, 250, 38)) << largura;
            EXPECT_EQ(pagamento.Valor(linha)->geometry(), QRect(x + 260, -8, 250, 58)) << largura;
        }
    }
    EXPECT_EQ(pagamento.Titulo(L::Bruto)->font().pixelSize(), 31);
    EXPECT_FALSE(pagamento.Titulo(L::Bruto)->font().bold());
    EXPECT_EQ(pagamento.Valor(L::Bruto)->font().pixelSize(), 48);
    EXPECT_TRUE(pagamento.Valor(L::Bruto)->font().bold());
}

// ---- Shared helpers ----

TEST(Fontes, WindowsNamesFallBackToInstalledFonts) {
    EXPECT_EQ(Fontes::Familias("Arial Narrow"),
              (QStringList{"Arial Narrow", "Liberation Sans Narrow", "DejaVu Sans Condensed"}));
    EXPECT_EQ(Fontes::Familias("Desconhecida"), QStringList{"Desconhecida"});
    const QFont estreita = Fontes::Fonte("Arial Narrow", 21);
    EXPECT_EQ(QFontInfo(estreita).family(), "Liberation Sans Narrow");
    EXPECT_EQ(QFontInfo(estreita).pixelSize(), 21);
    EXPECT_EQ(QFontInfo(Fontes::Fonte("Tahoma", 37, true)).family(), "Liberation Sans");
}
