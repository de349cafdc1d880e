#pragma once
// Dates and times: moving dates, completing dates typed into masked fields, clock texts and minute
// counts, dates for SQL text and for people, week, month and year bounds, periods of a range and
// the range in words, and the local offset from UTC.
//
// Values are the library's TDateTime (days since 30 December 1899, the fraction the time of day;
// 0 stands for "no date" where an operation says so). "Now" and "today" come from the base clock
// (base/Relogio.h). Formats use the library's pattern letters (base/FormatoDataHora.h) and the
// regional snapshot (mConst::Regionais()): "/" and ":" in a pattern are its separators, except in
// the ANSI texts, which always write "-" and ":". Days of the week are numbered 1 Sunday to
// 7 Saturday unless an operation says otherwise. Nothing here raises: bad input gives the neutral
// value that each operation names; a value that is not a date of the years 1..9999 gives 0,
// false or the empty text wherever a calendar date is needed. Moving a date by days, hours or
// minutes follows the calendar across 30 December 1899 (where the number's sign flips while the
// fraction still counts forward).

#include <QString>
#include <QStringView>
#include <QTimeZone>
#include <QVector>

#include "base/TDateTime.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

struct TPeriodo {
    TDateTime DtInicial = 0;
    TDateTime DtFinal = 0;
};
using TAPeriodo = QVector<TPeriodo>;

namespace TmDt {

// ---- Moving dates ----
// Data (today at 00:00 when Data is 0) moved by Dias days, then Meses calendar months (the day
// clamped to the target month's length, the time of day kept), then Semanas weeks, then Anos
// years as 12 calendar months each. The order matters at month ends: 30 January 2024 plus a day
// and a month is 29 February (the day comes first), not 1 March.
ORVANE_SISTEMA_EXPORT TDateTime SetAjuste(TDateTime Data, int Dias, int Meses, int Semanas,
                                          int Anos);
ORVANE_SISTEMA_EXPORT TDateTime AddDays(TDateTime Data, int Dias);
ORVANE_SISTEMA_EXPORT TDateTime AddHours(TDateTime Data, int Horas);
ORVANE_SISTEMA_EXPORT TDateTime AddMinutes(TDateTime Data, int Minutos);
ORVANE_SISTEMA_EXPORT TDateTime AddMonths(TDateTime Data,
                                          int Meses);  // calendar months, day clamped, time kept
ORVANE_SISTEMA_EXPORT TDateTime AddYears(TDateTime Data, int Anos);
// The same day and month in year Ano at 00:00. 29 February becomes 28 February whatever the
// target year, leap years included, as stored dates made with it have always had. A year outside
// 1..9999 gives 0.
ORVANE_SISTEMA_EXPORT TDateTime SetYear(TDateTime Data, int Ano);

// ---- Bounds ----
// The Sunday at or before, the Saturday at or after Data; the time of day stays. These work on
// the value given: 0 is 30 December 1899, a Saturday (never "today").
ORVANE_SISTEMA_EXPORT TDateTime SetInicioDaSemana(TDateTime Data);
ORVANE_SISTEMA_EXPORT TDateTime SetFimDaSemana(TDateTime Data);
ORVANE_SISTEMA_EXPORT TDateTime SetInicioDoMes(TDateTime Data);  // the first day at 00:00
ORVANE_SISTEMA_EXPORT TDateTime SetFimDoMes(TDateTime Data);     // the last day at 23:59:59.999
ORVANE_SISTEMA_EXPORT TDateTime SetInicioDoAno(TDateTime Data);  // 1 January at 00:00
ORVANE_SISTEMA_EXPORT bool IsUltimoDiaMes(TDateTime Data);
ORVANE_SISTEMA_EXPORT int DaysInMonth(TDateTime Data);
ORVANE_SISTEMA_EXPORT bool IsLeapYear(TDateTime Data);
// adDataInicial <= adData <= adDataFinal.
ORVANE_SISTEMA_EXPORT bool Between(TDateTime adData, TDateTime adDataInicial,
                                   TDateTime adDataFinal);

// ---- Parts ----
ORVANE_SISTEMA_EXPORT int GetDia(TDateTime ahData);  // 1..31
ORVANE_SISTEMA_EXPORT int GetMes(TDateTime ahData);  // 1..12
ORVANE_SISTEMA_EXPORT int GetAno(TDateTime ahData,
                                 bool abAbreviado);  // four digits, or the last two (0..99)
// DtFinal - DtInicial in days, truncated toward zero (1 March 18:00 to 2 March 06:00 is 0).
ORVANE_SISTEMA_EXPORT int GetDiasDatas(TDateTime DtInicial, TDateTime DtFinal);
// Elapsed years, months and days from Data to DataAtual, each with at least two digits, joined
// by Separador («05/03/12»): whole average years (365.25 days), then whole average months
// (30.4375 days) from Data moved on by those years, then whole days from Data moved on by both
// in calendar years and months.
ORVANE_SISTEMA_EXPORT QString GetDetalheAnoMesDia(TDateTime Data, TDateTime DataAtual,
                                                  QStringView Separador);

// ---- Texts ----
// Whether the text is a date (a date and time when it holds ":") in the regional format.
ORVANE_SISTEMA_EXPORT bool DataValida(QStringView Data);
// The text as a date and time in the regional format, else Default.
ORVANE_SISTEMA_EXPORT TDateTime StrToDataHora(QStringView Dt, TDateTime Default);
// "yyyy-mm-dd hh:nn:ss" read field by field (year at 1-4, month 6-7, day 9-10, hour 12-13,
// minutes 15-16, seconds 18-19); a missing or unreadable field or a date or time that does not
// exist gives asDefault, so a date alone gives asDefault too.
ORVANE_SISTEMA_EXPORT TDateTime StrToDateTime(QStringView asData, TDateTime asDefault);

// Completes the text of a date mask "dd/mm/yyyy" or a date-time mask "dd/mm/yyyy hh:nn" whose
// unfilled positions are blanks. A field counts as typed when it reads as a non-zero integer.
//   - Shorter than 10 characters, or an empty date mask: today in the short date format; an
//     empty date-time mask: now in the date-time format ("c").
//   - No day typed: the text unchanged.
//   - No month: the current month and year after the day; no year: the current year; a year of
//     one to three digits: A < 50 is 20A, else 19A («98» is 1998, «00» 2000).
//   - A date-time mask (the text holds ":") gets the current hour and minutes when no hour is
//     typed; a typed hour and its minutes are kept as typed, whatever else was completed.
// Always answers a text.
ORVANE_SISTEMA_EXPORT QString CompletaData(QStringView Data);
// "hh:nn" from a masked time: empty gives "00:00"; otherwise cut or filled with blanks to five
// characters, and the blanks at positions 1, 2, 4 and 5 become "0" (1, blank, ":", 3, blank is
// «10:30»). Position 3 is never changed.
ORVANE_SISTEMA_EXPORT QString CompletaHora(QStringView Hora);
// Minutes of an "h:mm" text, negative when it starts with "-" («-01:30» is -90, «2:05» 125).
// Empty, ":" alone, unreadable fields or a count beyond an int give 0 for the part concerned
// (the whole result 0 when it would overflow).
ORVANE_SISTEMA_EXPORT int HoraParaMin(QStringView Hora);
// "hh:mm" of a minute count: 90 «01:30», -30 «-00:30», -90 «-001:30», 6000 «100:00».
// HoraParaMin reads every text written here back to the same count.
ORVANE_SISTEMA_EXPORT QString MinParaHora(int Minutos);
// A duration in words: 3723 «1 hora, 2 minutos e 3 segundos», 61 «1 minuto e 1 segundo»;
// 0 and negative counts give the empty text.
ORVANE_SISTEMA_EXPORT QString FormatarTempo(qint64 aiSegungos);

// Data in Formato, between single quotes (inner quotes doubled) when ComAspas.
ORVANE_SISTEMA_EXPORT QString Data2Ansi(TDateTime Data, QStringView Formato, bool ComAspas);
// 'YYYY-MM-DD HH:NN:SS' or 'YYYY-MM-DD', always between single quotes.
ORVANE_SISTEMA_EXPORT QString Data2Ansi(TDateTime Data, bool IncluirHora);
// A format written as a string literal must not fall into the Boolean overload above.
ORVANE_SISTEMA_EXPORT QString Data2Ansi(TDateTime Data, const char* Formato) = delete;
// HH:NN:SS of Data, between single quotes when ComAspas.
ORVANE_SISTEMA_EXPORT QString Hora2Ansi(TDateTime Data, bool ComAspas);
// "dd/mm/yyyy", a blank and the regional short day name in lower case without accents
// («09/12/2026 qua»).
ORVANE_SISTEMA_EXPORT QString DataDetalhe(TDateTime Data);

// ---- Names (fixed Brazilian Portuguese, not regional) ----
ORVANE_SISTEMA_EXPORT QString GetNomeMes(int aiNumero);  // 1..12 «Março»; else ""
ORVANE_SISTEMA_EXPORT QString
GetDiaSemana(int aiNumero, bool abAbreviado);  // 1 Sunday..7 «Sábado»/«Sáb»; else ""
// 1 Monday .. 7 Sunday from the third character of a Portuguese day name (seGunda, teRça,
// quArta, quInta, seXta, sáBado, doMingo), any case; shorter texts and other letters give 0.
ORVANE_SISTEMA_EXPORT int GetNumeroDiaSemana(QStringView pDia);

// ---- Ranges ----
// Consecutive periods of aiDias days from ahDtInicial: the first ends aiDias - 1 days after its
// start, the next starts a day later, and the last ends at ahDtFinal (1 to 10 March by 4: 1-4,
// 5-8, 9-10). Every day of a forward range lies in exactly one period. Equal dates, a reversed
// range, aiDias below 1, and dates that are not finite or lie outside the years 1..9999 give the
// one period from ahDtInicial to ahDtFinal.
ORVANE_SISTEMA_EXPORT TAPeriodo GetPeriodos(TDateTime ahDtInicial, TDateTime ahDtFinal, int aiDias);
// The range in short words, years as "yy" from 2000 on and "yyyy" before, parts joined by
// " até ": whole months as "mm/yy" («12/23», «11/23 até 01/24»), a whole first or last month
// beside a date («11/23 até 15/12/23»), otherwise two dates; one date when both are equal or
// only one is set (not 0); asTextoVazio when neither is. A month ends at its last day at 00:00
// or at the end of that day (SetFimDoMes).
ORVANE_SISTEMA_EXPORT QString GetExtPeriodo(TDateTime ahDtInicial, TDateTime ahDtFinal,
                                            QStringView asTextoVazio);

// ---- Time zone ----
// The standard (not daylight) offset from UTC of the system's time zone now, as hours and
// minutes: «-03:00» in Brazil, «05:30» in India, «-03:30» in Newfoundland; no sign when ahead
// of UTC.
ORVANE_SISTEMA_EXPORT QString GetTimeZone();
// The same for a given zone.
ORVANE_SISTEMA_EXPORT QString GetTimeZone(const QTimeZone& fuso);

}  // namespace TmDt
