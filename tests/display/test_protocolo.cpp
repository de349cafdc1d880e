#include <gtest/gtest.h>

#include <functional>

#include "display/protocolo/Protocolo.h"

using namespace Protocolo;

namespace {

// An amount in cents.
Currency Centavos(std::int64_t centavos) {
    return Currency::FromRaw(centavos * 100);
}

}  // namespace

TEST(Protocolo, CodesOfTheCommands) {
    const std::pair<int, EComando> comandos[] = {
        {1, EComando::CarregarListaItens},    {2, EComando::ExibirVenda},
        {3, EComando::ExibirResumoPagamento}, {4, EComando::ExibirMeiosPagamento},
        {5, EComando::LimparVenda},           {6, EComando::ExibirInfo},
        {7, EComando::AdicionarDebug},        {8, EComando::CancelarItem},
        {9, EComando::DescontoItem},          {'e', EComando::AcrescimoItem},
        {'f', EComando::ExibirImagem},        {'g', EComando::FecharImagem},
        {'h', EComando::ExibirPagamento},     {'P', EComando::ExibirCodigoPix},
        {'Q', EComando::MontarCodigoPix},     {'R', EComando::RemoverCodigoPix},
    };
    int comCodigo = 0;
    for (int codigo = -1; codigo <= 0x10000; ++codigo)
        comCodigo += ComandoDoCodigo(codigo).has_value();
    EXPECT_EQ(comCodigo, int(std::size(comandos)));
    for (const auto& [codigo, comando] : comandos) {
        EXPECT_EQ(ComandoDoCodigo(codigo), comando) << codigo;
        EXPECT_EQ(CodigoDoComando(comando), codigo);
    }
}

TEST(Protocolo, ItemListGivesItsRecordsInOrder) {
    const TRegistroItem arroz{.Nr = 1,
                              .Barras = "123",
                              .Nome = "ARROZ 5KG",
                              .Qtd = Centavos(200),
                              .Tipo = "UN",
                              .Unit = Centavos(2190),
                              .Total = Centavos(4380),
                              .Cancelado = false,
                              .Desconto = {},
                              .Acrescimo = {}};
    EXPECT_EQ(LerListaItens("1|123|ARROZ 5KG|2|UN|21,90|43,80||0|0|0&TOTAL|43,80|||||||||"),
              (QList<TRegistroLista>{arroz, TRegistroTotal{"43,80"}}));

    const QList<TRegistroLista> lista = LerListaItens(
        "x|\"A|B\"|PAO|(1.234,5)|KG|-2|abc|C|0,50|0,25|"  // quoted field, odd numbers
        "&TOTAL|9,99"                                     // a short total record: skipped
        "&1|2|3|4|5|6|7|c|8|9"                            // 10 fields: skipped
        "&total|T|||||||||"                               // not a total record: an item
        "&TOTAL||||||||||");
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(std::get<TRegistroItem>(lista[0]), (TRegistroItem{.Nr = 0,
                                                                .Barras = "A|B",
                                                                .Nome = "PAO",
                                                                .Qtd = -Centavos(123450),
                                                                .Tipo = "KG",
                                                                .Unit = -Centavos(200),
                                                                .Total = {},
                                                                .Cancelado = true,
                                                                .Desconto = Centavos(50),
                                                                .Acrescimo = Centavos(25)}));
    EXPECT_EQ(std::get<TRegistroItem>(lista[1]).Barras, "T");
    EXPECT_FALSE(std::get<TRegistroItem>(lista[1]).Cancelado);
    EXPECT_EQ(std::get<TRegistroTotal>(lista[2]).Texto, "");

    EXPECT_TRUE(LerListaItens("").isEmpty());
}

// Each reader gives its record from the minimum number of fields on, and nothing below it.
TEST(Protocolo, CommandsWithTooFewFieldsGiveNoRecord) {
    auto campos = [](int n) { return QStringList(n, QStringLiteral("1")).join(u'|'); };
    const struct {
        const char* comando;
        int minimo;
        std::function<bool(const QString&)> lido;
    } casos[] = {
        {"3", kCamposResumoPagamento, [](auto& t) { return LerResumoPagamento(t).has_value(); }},
        {"4", kCamposMeiosPagamento, [](auto& t) { return LerMeiosPagamento(t).has_value(); }},
        {"8", kCamposCancelamentoItem, [](auto& t) { return LerCancelamentoItem(t).has_value(); }},
        {"9, 101", kCamposAjusteItem, [](auto& t) { return LerAjusteItem(t).has_value(); }},
        {"1", kCamposRegistroLista, [](auto& t) { return !LerListaItens(t).isEmpty(); }},
    };
    for (const auto& caso : casos) {
        EXPECT_FALSE(caso.lido(campos(caso.minimo - 1))) << caso.comando;
        EXPECT_TRUE(caso.lido(campos(caso.minimo))) << caso.comando;
        EXPECT_TRUE(caso.lido(campos(caso.minimo + 3))) << caso.comando;
    }
    EXPECT_FALSE(LerAjusteItem(""));
}

TEST(Protocolo, FieldsOfThePaymentAndSingleRowCommands) {
    EXPECT_EQ(LerResumoPagamento("100|10|0|-7|x"),
              (TResumoPagamento{Centavos(10000), Centavos(1000), {}, -Centavos(700)}));

    const auto meios = LerMeiosPagamento("Dinheiro|150,00|||Pix|<b>1</b>|||||-50|100|1|2");
    ASSERT_TRUE(meios);
    EXPECT_EQ(meios->Meios[0], (TMeioPagamento{"Dinheiro", "150,00"}));
    EXPECT_EQ(meios->Meios[1], (TMeioPagamento{"", ""}));
    EXPECT_EQ(meios->Meios[2], (TMeioPagamento{"Pix", "<b>1</b>"}));
    EXPECT_EQ(meios->TrocoOuFalta, -Centavos(5000));
    EXPECT_EQ(meios->Total, Centavos(10000));
    EXPECT_EQ(meios->Descontos, Centavos(100));
    EXPECT_EQ(meios->Acrescimos, Centavos(200));

    EXPECT_EQ(LerCancelamentoItem("7|ARROZ|43,80|22,67"),
              (TCancelamentoItem{7, "ARROZ", Centavos(4380), Centavos(2267)}));
    EXPECT_EQ(LerAjusteItem("1,00|98,00"), (TAjusteItem{Centavos(100), Centavos(9800)}));
}

TEST(Protocolo, InfoDebugAndFlagTexts) {
    const struct {
        const char* parametros;
        TInfo info;
    } infos[] = {
        {"Obrigado|Volte sempre", {"Obrigado", "Volte sempre"}},
        {"Sem barra", {"Sem barra", ""}},
        {"a|b|c", {"a", "b"}},
        {"\"a|b\"", {"\"a", "b\""}},  // quotes mean nothing here
        {"", {"", ""}},
    };
    for (const auto& caso : infos)
        EXPECT_EQ(LerInfo(caso.parametros), caso.info) << caso.parametros;

    EXPECT_EQ(LerLinhaDebug("a|b\rc\r"), "a|bc");

    for (const char* texto : {"1 ", " 1", "", "11", "0"})
        EXPECT_FALSE(ParametroUm(texto)) << texto;
    EXPECT_TRUE(ParametroUm("1"));
}
