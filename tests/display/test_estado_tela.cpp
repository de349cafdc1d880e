#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QSignalSpy>

#include "display/estado/EstadoTela.h"

using namespace Protocolo;
using P = TEstadoTela::EParte;

namespace {

// Command 4's parameter text: the first payment mean, four empty ones, change or missing amount,
// total 100, discounts 10, no surcharge.
QString Meios(const QString& titulo, const QString& valor, const QString& trocoOuFalta) {
    return titulo + u'|' + valor + QStringLiteral("|||||||||") + trocoOuFalta +
           QStringLiteral("|100|10|0");
}

struct TPasso {
    EComando comando;
    QString parametros;
};

struct TCaso {
    const char* nome;
    QList<TPasso> passos;  // the last one's parts are checked
    TEstadoTela::EPartes partes;
    ETroco troco;
    const char* valorTroco;
    const char* liquido;
    bool descontoAberto;
    const char* desconto;  // kept while closed
    const char* meio1;     // title of the first mean
};

}  // namespace

TEST(EstadoTela, CommandsDecideThePaymentSummary) {
    const QString resumo = QStringLiteral("100|10|0|7");
    const TCaso casos[] = {
        {"summary",
         {{EComando::ExibirResumoPagamento, resumo}},
         P::Pagamento | P::MostrarPagamento,
         ETroco::Nenhum,
         "",
         "100,00",
         true,
         "-10,00",
         ""},
        {"change due",
         {{EComando::ExibirResumoPagamento, resumo},
          {EComando::ExibirMeiosPagamento, Meios("Dinheiro", "150,00", "-50")}},
         P::Pagamento,
         ETroco::Troco,
         "50,00",
         "100,00",
         true,
         "-10,00",
         "Dinheiro"},
        {"still missing",
         {{EComando::ExibirMeiosPagamento, Meios("Cartão", "80,00", "20")}},
         P::Pagamento,
         ETroco::Falta,
         "20,00",
         "100,00",
         true,
         "-10,00",
         "Cartão"},
        {"paid exactly",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "100,00", "0")}},
         P::Pagamento,
         ETroco::Nenhum,
         "",
         "100,00",
         true,
         "-10,00",
         "Pix"},
        {"no first mean: no change row",
         {{EComando::ExibirMeiosPagamento, Meios("", "150,00", "-50")}},
         P::Pagamento,
         ETroco::Nenhum,
         "",
         "100,00",
         true,
         "-10,00",
         ""},
        {"the same means twice change nothing",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")},
          {EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")}},
         {},
         ETroco::Falta,
         "20,00",
         "100,00",
         true,
         "-10,00",
         "Pix"},
        {"short summary only resets, texts kept",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")},
          {EComando::ExibirResumoPagamento, QStringLiteral("100|10|0")}},
         P::Pagamento,
         ETroco::Nenhum,
         "",
         "0,00",
         false,
         "-10,00",
         ""},
        {"short means change nothing",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20").section(u'|', 0, 12)}},
         {},
         ETroco::Nenhum,
         "",
         "0,00",
         false,
         "",
         ""},
        {"command 104 only asks for the page",
         {{EComando::ExibirPagamento, {}}},
         P::MostrarPagamento,
         ETroco::Nenhum,
         "",
         "0,00",
         false,
         "",
         ""},
        {"command 2 without \"1\" keeps the sale",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")},
          {EComando::ExibirVenda, QStringLiteral("0")}},
         P::MostrarVenda,
         ETroco::Falta,
         "20,00",
         "100,00",
         true,
         "-10,00",
         "Pix"},
        {"command 2 with \"1\" is a new sale",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")},
          {EComando::ExibirVenda, QStringLiteral("1")}},
         P::Pagamento | P::MostrarVenda,
         ETroco::Nenhum,
         "",
         "0,00",
         false,
         "-10,00",
         ""},
        {"command 5 clears",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")}, {EComando::LimparVenda, {}}},
         P::Pagamento,
         ETroco::Nenhum,
         "",
         "0,00",
         false,
         "-10,00",
         ""},
        {"other commands leave the state",
         {{EComando::ExibirMeiosPagamento, Meios("Pix", "1", "20")},
          {EComando::AdicionarDebug, QStringLiteral("a|b")}},
         {},
         ETroco::Falta,
         "20,00",
         "100,00",
         true,
         "-10,00",
         "Pix"},
    };
    for (const TCaso& c : casos) {
        SCOPED_TRACE(c.nome);
        TEstadoTela estado;
        QSignalSpy mudou(&estado, &TEstadoTela::Mudou);
        TEstadoTela::EPartes partes;
        for (const TPasso& passo : c.passos)
            partes = estado.Aplicar(passo.comando, passo.parametros);
        EXPECT_EQ(partes, c.partes);
        // Mudou names the same parts, and nothing is emitted for a command that changes nothing.
        const qsizetype emitidos = mudou.count();
        if (c.partes) {
            ASSERT_GE(emitidos, 1);
            EXPECT_EQ(mudou.last().at(0).value<TEstadoTela::EPartes>(), c.partes);
        }
        const TPagamentoTela& p = estado.PagamentoTela();
        EXPECT_EQ(p.Troco, c.troco);
        EXPECT_EQ(p.ValorTroco, QString::fromUtf8(c.valorTroco));
        EXPECT_EQ(p.Liquido, QString::fromUtf8(c.liquido));
        EXPECT_EQ(p.DescontoAberto, c.descontoAberto);
        EXPECT_EQ(p.Desconto, QString::fromUtf8(c.desconto));
        EXPECT_EQ(p.Meios[0].Titulo, QString::fromUtf8(c.meio1));
    }
}

TEST(EstadoTela, TotalsOpenSubtotalDiscountAndSurchargeRows) {
    struct {
        const char* resumo;
        bool bruto, desconto, acrescimo;
        const char *textoBruto, *textoDesconto, *textoAcrescimo;
    } casos[] = {
        {"100|5|5|0", true, true, true, "100,00", "-5,00", "+5,00"},
        {"100|0|2,675|0", true, false, true, "97,33", "", "+2,68"},  // exact decimal rounding
        {"1234,5|0|0|0", false, false, false, "", "", ""},
        {"100|0|x|0", false, false, false, "", "", ""},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.resumo);
        TEstadoTela estado;
        estado.Aplicar(EComando::ExibirResumoPagamento, QString::fromLatin1(c.resumo));
        const TPagamentoTela& p = estado.PagamentoTela();
        EXPECT_EQ(p.BrutoAberto, c.bruto);
        EXPECT_EQ(p.Bruto, QString::fromLatin1(c.textoBruto));
        EXPECT_EQ(p.DescontoAberto, c.desconto);
        EXPECT_EQ(p.Desconto, QString::fromLatin1(c.textoDesconto));
        EXPECT_EQ(p.AcrescimoAberto, c.acrescimo);
        EXPECT_EQ(p.Acrescimo, QString::fromLatin1(c.textoAcrescimo));
    }
}

TEST(EstadoTela, SaleRowsCarryTheirKindsAndTheTotal) {
    using T = ETipoLinha;
    struct TLinhaEsperada {
        T tipo;
        const char* nome;
        const char* total;
    };
    struct {
        const char* nome;
        QList<TPasso> passos;
        TEstadoTela::EPartes partes;  // of the last step
        QList<TLinhaEsperada> linhas;
        const char* totalVenda;
    } casos[] = {
        {"list with cancelled, discounted and surcharged items and a total",
         {{EComando::CarregarListaItens,
           QStringLiteral("1|1|ARROZ|1|UN|10|10|C|0|0|&2|2|FEIJAO|1|KG|8|8||1|0,5|&"
                          "TOTAL|R$ 7,50|||||||||")}},
         P::Linhas | P::Total | P::MostrarVenda,
         {{T::Item, "ARROZ", "10,00"},
          {T::Cancelamento, "ARROZ", "-10,00"},
          {T::Item, "FEIJAO", "8,00"},
          {T::Desconto, "DESCONTO ITEM", "-1,00"},
          {T::Acrescimo, "ACRESCIMO ITEM", "0,50"}},
         "R$ 7,50"},
        {"markup stays text",
         {{EComando::CarregarListaItens, QStringLiteral("1|1|<b>X</b>|1|UN|1|1||0|0|")}},
         P::Linhas | P::MostrarVenda,
         {{T::Item, "<b>X</b>", "1,00"}},
         "0,00"},
        {"later commands append rows and set the total",
         {{EComando::CarregarListaItens, QStringLiteral("1|1|ARROZ|1|UN|10|10||0|0|")},
          {EComando::DescontoItem, QStringLiteral("1|9")},
          {EComando::CancelarItem, QStringLiteral("1|ARROZ|10|0")}},
         P::LinhasAcrescidas | P::Total,
         {{T::Item, "ARROZ", "10,00"},
          {T::Desconto, "DESCONTO ITEM", "-1,00"},
          {T::Cancelamento, "ARROZ", "-10,00"}},
         "R$0,00"},
        {"short commands change nothing",
         {{EComando::CarregarListaItens, QStringLiteral("1|1|ARROZ|1|UN|10|10||0|0|")},
          {EComando::AcrescimoItem, QStringLiteral("1")}},
         {},
         {{T::Item, "ARROZ", "10,00"}},
         "0,00"},
        {"command 5 clears rows and total",
         {{EComando::CarregarListaItens, QStringLiteral("1|1|A|1|UN|1|1||0|0|&TOTAL|1|||||||||")},
          {EComando::LimparVenda, {}}},
         P::Linhas | P::Total,
         {},
         "0,00"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        TEstadoTela estado;
        TEstadoTela::EPartes partes;
        for (const TPasso& passo : c.passos)
            partes = estado.Aplicar(passo.comando, passo.parametros);
        EXPECT_EQ(partes, c.partes);
        EXPECT_EQ(estado.TotalVenda(), QString::fromUtf8(c.totalVenda));
        ASSERT_EQ(estado.LinhasVenda().size(), c.linhas.size());
        for (qsizetype i = 0; i < c.linhas.size(); ++i) {
            const TLinhaItem& linha = estado.LinhasVenda()[i];
            EXPECT_EQ(linha.Tipo(), c.linhas[i].tipo) << i;
            EXPECT_EQ(linha.TextoExibido(ECampoItem::Nome), QString::fromUtf8(c.linhas[i].nome));
            EXPECT_EQ(linha.TextoExibido(ECampoItem::Total), QString::fromUtf8(c.linhas[i].total));
        }
    }
}

TEST(EstadoTela, InfoTextsAskForTheirPageEveryTime) {
    TEstadoTela estado;
    EXPECT_EQ(estado.Aplicar(EComando::ExibirInfo, QStringLiteral("Peso|<i>1,5</i> kg|x")),
              P::Info | P::MostrarInfo);
    EXPECT_EQ(estado.InfoTela().Texto, "Peso");
    EXPECT_EQ(estado.InfoTela().Valor, "<i>1,5</i> kg");
    EXPECT_EQ(estado.Aplicar(EComando::ExibirInfo, QStringLiteral("Peso|<i>1,5</i> kg")),
              P::MostrarInfo);
}

TEST(EstadoTela, CommandsChooseThePageAndTheirPixCode) {
    const QString pix = QStringLiteral(
        "00020126580014br.gov.bcb.pix0136123e4567-e12b-12d1-a456-4266554400005204000053039865802BR"
        "5913Fulano de Tal6008BRASILIA62070503***63041D3D|Pague aqui|12,34");
    struct TCasoPix {
        const char* nome;
        TPasso passo;
        TEstadoTela::EPartes partes;  // with a code shown before
        EPaginaTela pagina;
        bool pixFica;
    };
    const TCasoPix casos[] = {
        {"remove", {EComando::RemoverCodigoPix, {}}, P::Pix, EPaginaTela::Pagamento, false},
        {"new list",
         {EComando::CarregarListaItens, {}},
         P::Linhas | P::Pix | P::MostrarVenda,
         EPaginaTela::Venda,
         false},
        {"new sale",
         {EComando::LimparVenda, {}},
         P::Linhas | P::Pix,
         EPaginaTela::Pagamento,
         false},
        {"summary",
         {EComando::ExibirResumoPagamento, QStringLiteral("1|0|0|1")},
         P::Pagamento | P::Pix | P::MostrarPagamento,
         EPaginaTela::Pagamento,
         false},
        {"paid",
         {EComando::ExibirMeiosPagamento, Meios("Pix", "12,34", "0")},
         P::Pagamento | P::Pix,
         EPaginaTela::Pagamento,
         false},
        {"still missing",
         {EComando::ExibirMeiosPagamento, Meios("Pix", "2,00", "10")},
         P::Pagamento,
         EPaginaTela::Pagamento,
         true},
        {"sale shown",
         {EComando::ExibirVenda, QStringLiteral("0")},
         P::MostrarVenda,
         EPaginaTela::Venda,
         true},
        {"picture closed to the sale",
         {EComando::FecharImagem, QStringLiteral("1")},
         P::MostrarVenda,
         EPaginaTela::Venda,
         true},
        {"picture closed to the payment",
         {EComando::FecharImagem, QStringLiteral("0")},
         P::MostrarPagamento,
         EPaginaTela::Pagamento,
         true},
        {"info",
         {EComando::ExibirInfo, QStringLiteral("a|b")},
         P::Info | P::MostrarInfo,
         EPaginaTela::Info,
         true},
    };
    for (const TCasoPix& c : casos) {
        SCOPED_TRACE(c.nome);
        TEstadoTela estado;
        estado.Aplicar(EComando::CarregarListaItens,
                       QStringLiteral("1|789|Arroz|1|UN|12,34|12,34||0|0|0&"));
        EXPECT_EQ(estado.Aplicar(EComando::ExibirCodigoPix, pix), P::Pix | P::MostrarPagamento);
        EXPECT_EQ(estado.PixTela()->Legenda, "Pague aqui");
        EXPECT_EQ(estado.PaginaTela(), EPaginaTela::Pagamento);
        EXPECT_EQ(estado.Aplicar(c.passo.comando, c.passo.parametros), c.partes);
        EXPECT_EQ(estado.PaginaTela(), c.pagina);
        EXPECT_EQ(estado.PixTela().has_value(), c.pixFica);
    }
}

TEST(EstadoTela, PicturesAreNamedByTheirContent) {
    TEstadoTela estado;
    QSignalSpy mudou(&estado, &TEstadoTela::Mudou);
    estado.ExibirImagem("BM abc");
    EXPECT_EQ(estado.PaginaTela(), EPaginaTela::Imagem);
    EXPECT_EQ(estado.ImagemTela().Hash,
              QCryptographicHash::hash("BM abc", QCryptographicHash::Sha256).toHex());
    estado.ExibirImagem("BM abc");  // the same picture again: only the page is asked for
    estado.DefinirFundo("fundo");
    estado.DefinirFundo("fundo");  // no change, no signal
    estado.DefinirFundo({});       // back to the built-in background
    ASSERT_EQ(mudou.size(), 4);
    EXPECT_EQ(mudou[0][0].value<TEstadoTela::EPartes>(), P::Imagem | P::MostrarImagem);
    EXPECT_EQ(mudou[1][0].value<TEstadoTela::EPartes>(), TEstadoTela::EPartes(P::MostrarImagem));
    EXPECT_EQ(mudou[2][0].value<TEstadoTela::EPartes>(), TEstadoTela::EPartes(P::Fundo));
    EXPECT_TRUE(estado.FundoTela().Vazia());
    EXPECT_EQ(estado.FundoTela().Conteudo, QByteArray());
}
