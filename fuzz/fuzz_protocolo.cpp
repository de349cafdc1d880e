// The protocol's readers on arbitrary parameter text (quotes, NUL characters and '&' included),
// without a window. Besides the sanitizers' checks: each command's record exists exactly when the
// field splitter gives at least that record's field count, and carries those fields; the item
// list holds one record per '&' record with at least 11 fields, in order; the info command cuts
// at every bar, quotes aside; a debug line is the text without its CRs; the codes and commands
// map both ways.
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "base/mConst.h"
#include "display/protocolo/ListaSep.h"
#include "display/protocolo/Protocolo.h"
#include "texto/conversao/TmConv.h"

namespace {

using namespace Protocolo;

QStringList Campos(const QString& texto) {
    return DividirCampos(texto, u'|');
}

template <typename Registro>
void ExigirExisteComCampos(const std::optional<Registro>& registro, const QString& parametros,
                           int minimo) {
    Exigir(registro.has_value() == (Campos(parametros).size() >= minimo));
}

void VerificarLista(const QString& parametros) {
    const QList<TRegistroLista> lidos = LerListaItens(parametros);
    qsizetype i = 0;
    for (const QString& texto : DividirCampos(parametros, u'&')) {
        const QStringList campos = Campos(texto);
        if (campos.size() < kCamposRegistroLista)
            continue;
        Exigir(i < lidos.size());
        const TRegistroLista& lido = lidos[i++];
        if (campos[0] == QLatin1String("TOTAL")) {
            const auto* total = std::get_if<TRegistroTotal>(&lido);
            Exigir(total && total->Texto == campos[1]);
            continue;
        }
        const auto* item = std::get_if<TRegistroItem>(&lido);
        Exigir(item && item->Nr == TmConv::ToInt(campos[0], 0) && item->Barras == campos[1] &&
               item->Nome == campos[2] && item->Qtd == TmConv::Str2Curr(campos[3]) &&
               item->Tipo == campos[4] && item->Total == TmConv::Str2Curr(campos[6]) &&
               item->Cancelado == (campos[7] == QLatin1String("C")));
    }
    Exigir(i == lidos.size());
}

void VerificarRegistros(const QString& parametros) {
    const QStringList campos = Campos(parametros);
    const auto resumo = LerResumoPagamento(parametros);
    ExigirExisteComCampos(resumo, parametros, kCamposResumoPagamento);
    if (resumo)
        Exigir(resumo->Total == TmConv::Str2Curr(campos[0]) &&
               resumo->TrocoOuFalta == TmConv::Str2Curr(campos[3]));
    const auto meios = LerMeiosPagamento(parametros);
    ExigirExisteComCampos(meios, parametros, kCamposMeiosPagamento);
    if (meios)
        Exigir(meios->Meios[0].Titulo == campos[0] && meios->Meios[4].Valor == campos[9] &&
               meios->Acrescimos == TmConv::Str2Curr(campos[13]));
    const auto cancelamento = LerCancelamentoItem(parametros);
    ExigirExisteComCampos(cancelamento, parametros, kCamposCancelamentoItem);
    if (cancelamento)
        Exigir(cancelamento->Nr == TmConv::ToInt(campos[0], 0) && cancelamento->Nome == campos[1]);
    const auto ajuste = LerAjusteItem(parametros);
    ExigirExisteComCampos(ajuste, parametros, kCamposAjusteItem);
    if (ajuste)
        Exigir(ajuste->Valor == TmConv::Str2Curr(campos[0]) &&
               ajuste->TotalVenda == TmConv::Str2Curr(campos[1]));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    mConst::DefinirRegionais(TFormatSettings::Brasileiro());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString parametros =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    VerificarLista(parametros);
    VerificarRegistros(parametros);
    const TInfo info = LerInfo(parametros);
    Exigir(info.Texto == parametros.section(u'|', 0, 0) &&
           info.Valor == parametros.section(u'|', 1, 1));
    Exigir(LerLinhaDebug(parametros) == QString(parametros).remove(u'\r'));
    Exigir(ParametroUm(parametros) == (parametros == QLatin1String("1")));
    for (int codigo = -1; codigo <= 256; ++codigo) {
        if (const auto comando = ComandoDoCodigo(codigo))
            Exigir(CodigoDoComando(*comando) == codigo);
    }
    return 0;
}
