#pragma once
// Amounts written out in Portuguese words, for cheques, receipts and promissory notes, and the
// same words fitted into the two pre-printed lines of a cheque.
//
// The words and their spelling are fixed exactly as below («Cinqüenta», «Quatorze», «Um Mil»),
// not modernised: cheque printers and texts stored by earlier versions compare them letter for
// letter.
//
// Every rule (the words, the connectors and the currency noun) is decided on the amount rounded
// to cents, half away from zero: 0,001 reads «Zero» and 0,995 reads «Um Real», never «... de
// Real» for an amount that shows as a whole one.

#include <QString>

#include "base/Currency.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// The amount in words with the given names of the currency unit and of its hundredth
// («Um Mil, Duzentos e Trinta e Quatro Reais e Cinqüenta e Seis Centavos»); exactly zero is
// «Zero». Amounts below 0 or of a trillion or more (after rounding to cents) give the empty text.
ORVANE_SISTEMA_EXPORT QString Extenso(Currency Valor, const QString& IntSing,
                                      const QString& IntPlural, const QString& DecSing,
                                      const QString& DecPlural);

// The words of Valor in Reais, upper case without accents, broken into two cheque lines of
// Linha1 and Linha2 characters filled with asterisks, each ended by "^" («DOIS REAIS E CINQUENTA
// CENTAVOS*********^********************» when the words fit the first line). The empty text when
// the words do not fit both lines, when a width is 0 or less, or when the amount has no words.
ORVANE_SISTEMA_EXPORT QString QuebraExtenso(double Valor, int Linha1, int Linha2);

}  // namespace TmStr
