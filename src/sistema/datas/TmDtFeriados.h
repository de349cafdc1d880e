#pragma once
// Easter and the Brazilian national holidays.
//
// Fixed holidays are recognised by day and month whatever the time of day; the movable ones
// (Easter Sunday, Carnaval 47 days before it, Good Friday 2 days before, Corpus Christi 60 days
// after) only at 00:00 of their day, as the date values the library's callers keep are whole days.
// 20 November is a national holiday from 2024 on (Law 14.759 of 21 December 2023); for earlier
// years it is not. Carnaval and Corpus Christi are listed although they are optional points in
// law, because the shops that use the library close on them.

#include <QString>

#include "base/TDateTime.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmDt {

// Easter Sunday (00:00) of a year of the Gregorian calendar (the computus holds from 1583 on;
// earlier years get the same rule applied backwards). A year outside 1..9999 gives 0.
ORVANE_SISTEMA_EXPORT TDateTime GetPascoa(int Ano);
ORVANE_SISTEMA_EXPORT bool IsFeriado(TDateTime Data);
// «Tiradentes», «Sexta-feira da Paixão»...; "" when Data is no holiday.
ORVANE_SISTEMA_EXPORT QString GetFeriadoStr(TDateTime Data);

}  // namespace TmDt
