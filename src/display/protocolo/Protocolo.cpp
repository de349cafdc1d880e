#include "display/protocolo/Protocolo.h"

#include <QStringList>

#include "display/protocolo/ListaSep.h"
#include "texto/conversao/TmConv.h"
#include "texto/separacao/TmStrSepara.h"

namespace Protocolo {

namespace {

// The fields of a record split on '|', or nothing when it has fewer than the command needs.
std::optional<QStringList> Campos(QStringView texto, int minimo) {
    QStringList campos = DividirCampos(texto, u'|');
    if (campos.size() < minimo)
        return std::nullopt;
    return campos;
}

Currency Valor(const QString& campo) {
    return TmConv::Str2Curr(campo);
}

int Numero(const QString& campo) {
    return TmConv::ToInt(campo, 0);
}

std::optional<TRegistroLista> LerRegistroLista(QStringView registro) {
    const auto campos = Campos(registro, kCamposRegistroLista);
    if (!campos)
        return std::nullopt;
    const QStringList& c = *campos;
    if (c[0] == QLatin1String("TOTAL"))
        return TRegistroTotal{c[1]};
    return TRegistroItem{.Nr = Numero(c[0]),
                         .Barras = c[1],
                         .Nome = c[2],
                         .Qtd = Valor(c[3]),
                         .Tipo = c[4],
                         .Unit = Valor(c[5]),
                         .Total = Valor(c[6]),
                         .Cancelado = c[7] == QLatin1String("C"),
                         .Desconto = Valor(c[8]),
                         .Acrescimo = Valor(c[9])};
}

}  // namespace

std::optional<EComando> ComandoDoCodigo(int codigo) {
    for (const EComando comando : kComandos)
        if (CodigoDoComando(comando) == codigo)
            return comando;
    return std::nullopt;
}

QList<TRegistroLista> LerListaItens(const QString& parametros) {
    QList<TRegistroLista> registros;
    for (const QString& texto : DividirCampos(parametros, u'&'))
        if (auto registro = LerRegistroLista(texto))
            registros.append(std::move(*registro));
    return registros;
}

std::optional<TResumoPagamento> LerResumoPagamento(const QString& parametros) {
    const auto c = Campos(parametros, kCamposResumoPagamento);
    if (!c)
        return std::nullopt;
    return TResumoPagamento{Valor((*c)[0]), Valor((*c)[1]), Valor((*c)[2]), Valor((*c)[3])};
}

std::optional<TMeiosPagamento> LerMeiosPagamento(const QString& parametros) {
    const auto c = Campos(parametros, kCamposMeiosPagamento);
    if (!c)
        return std::nullopt;
    TMeiosPagamento meios;
    for (int m = 0; m < kMeiosPagamento; ++m)
        meios.Meios[m] = {(*c)[2 * m], (*c)[2 * m + 1]};
    meios.TrocoOuFalta = Valor((*c)[10]);
    meios.Total = Valor((*c)[11]);
    meios.Descontos = Valor((*c)[12]);
    meios.Acrescimos = Valor((*c)[13]);
    return meios;
}

TInfo LerInfo(const QString& parametros) {
    return {TmStr::Separa(parametros, u'|', 1), TmStr::Separa(parametros, u'|', 2)};
}

QString LerLinhaDebug(const QString& parametros) {
    return QString(parametros).remove(u'\r');
}

std::optional<TCancelamentoItem> LerCancelamentoItem(const QString& parametros) {
    const auto c = Campos(parametros, kCamposCancelamentoItem);
    if (!c)
        return std::nullopt;
    return TCancelamentoItem{Numero((*c)[0]), (*c)[1], Valor((*c)[2]), Valor((*c)[3])};
}

std::optional<TAjusteItem> LerAjusteItem(const QString& parametros) {
    const auto c = Campos(parametros, kCamposAjusteItem);
    if (!c)
        return std::nullopt;
    return TAjusteItem{Valor((*c)[0]), Valor((*c)[1])};
}

bool ParametroUm(const QString& parametros) {
    return parametros == u"1";
}

}  // namespace Protocolo
