#pragma once
// Instalments and apportionment of TmRot, on the currency's exact ten-thousandths: every cut is
// taken on the exact quotient, never on a double near it, so the parts of a total always add up
// to it to the last ten-thousandth. Also the volume of a parcel.

#include <QString>
#include <stdexcept>

#include "base/Currency.h"
#include "base/ErroComMensagem.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

// A calculation asked with arguments it cannot take (no instalments, an instalment number
// outside them, a document without total, nothing to spread); the message says what to inform.
class ECalculoInvalido : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

namespace TmRot {

// Instalment aiNrParcela (1 to aiQtdParcelas) of adValorTotal: the total divided by the count
// and cut toward zero to whole cents (TmConv::Trunca to 2 decimals, taken exactly), the
// difference to the total added to the first instalment, or to the last with
// abAdicionarDifAoFinal. 100,00 in 3: 33,34 33,33 33,33 (33,33 33,33 33,34 with the flag).
// ECalculoInvalido for a count below 1 or a number outside 1 to the count.
ORVANE_SISTEMA_EXPORT Currency GetValorParcela(Currency adValorTotal, int aiQtdParcelas,
                                               int aiNrParcela, bool abAdicionarDifAoFinal);

// An item's share of adValorTotalRatear (a discount, a freight) spread over a document of
// adValorTotal in proportion to adValorTotalItem, cut toward zero to whole cents. The last item
// (abIsUtilmoItem) takes instead what remains after adTotalAcumuladoRateiro, the sum of the
// shares of the items before it, so the shares add up to the amount spread. ECalculoInvalido
// when the document total or the amount to spread is 0. A share beyond the currency's range
// saturates at its end.
ORVANE_SISTEMA_EXPORT Currency GetValorRateioItem(Currency adValorTotal, Currency adValorTotalItem,
                                                  Currency adValorTotalRatear,
                                                  Currency adTotalAcumuladoRateiro,
                                                  bool abIsUtilmoItem);

// Cubic metres of a parcel measured in centimetres.
ORVANE_SISTEMA_EXPORT double CubagemM3(double lVL_ALTURA, double lVL_LARGURA,
                                       double lVL_PROFUNDIDADE);

}  // namespace TmRot
