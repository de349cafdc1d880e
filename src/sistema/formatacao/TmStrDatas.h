#pragma once
// Dates, times and sizes as text. Patterns are those of the library's date-time formatter
// (base/FormatoDataHora.h: "nn" minutes, "zzz" milliseconds) with the live regional settings.

#include <QString>
#include <QStringView>

#include "base/TDateTime.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// Data in Formato; empty when MostraDataNula is off and the text written is "30/12/1899" (the
// zero date).
ORVANE_SISTEMA_EXPORT QString FormataData(TDateTime Data, QStringView Formato, bool MostraDataNula);
ORVANE_SISTEMA_EXPORT QString FormataHora(TDateTime Hora, QStringView Formato);
ORVANE_SISTEMA_EXPORT QString FormataTempoDecorrido(TDateTime Tempo, QStringView Formato);
// Now (the library's clock) in Formato.
ORVANE_SISTEMA_EXPORT QString GetDataHora(QStringView Formato);
// «01h02m03s,456»; zero hours and minutes are left out («05s,123»), zero hours alone leave a
// blank in front («␣02m03s,456»). Hours are those of the day (a time of 25 hours shows 01h).
ORVANE_SISTEMA_EXPORT QString FormataTempoDecorridoPadrao(TDateTime Tempo);

// A date typed in digits (anything else in asData is dropped), by their count: none gives
// "null"; 4 are DDMM, written «DD/MM»; 6 are DDMMYY written «DD/MM/YY» with abDataCompleta,
// otherwise a month «01/MM/YYYY» read from MMYYYY, or from YYYY/MM when the first "/" of asData
// is its fifth character; 8 are DDMMYYYY, written «DD/MM/YYYY». Any other count gives the digits.
// With abAnsi a date other than "null" is written 'yyyy-mm-dd' between single quotes («DD/MM» in
// the current year, two-digit years in 1950 to 2049); EConvertError «'text' is not a valid date»
// when the text is not a date that exists.
ORVANE_SISTEMA_EXPORT QString FormataDataStr(QStringView asData, bool abDataCompleta, bool abAnsi);

// A size in bytes made readable: divided by 1024 while above 1000, up to Gb, written
// "#,##0.0#" with the live settings, a blank and the unit: «1.000,0 bytes», «1,46 Kb».
ORVANE_SISTEMA_EXPORT QString FormatarTamanho(double Total);

}  // namespace TmStr
