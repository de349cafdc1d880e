#pragma once
// The library's date-time: days since 30 December 1899 as a double, the fraction being the time
// of day. For dates before that day the integer part is negative while the fraction still counts
// forward from midnight (-1.25 is 29 December 1899, 06:00). All conversions live here.

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "base/ExportacaoBase.h"

using TDateTime = double;

namespace DataHora {
ORVANE_BASE_EXPORT TDateTime FromQDate(const QDate& date);
ORVANE_BASE_EXPORT TDateTime FromQDateTime(const QDateTime& dateTime);  // local wall-clock time
ORVANE_BASE_EXPORT TDateTime FromQTime(const QTime& time);              // the time of day alone
// A day (whole number) and a time of day (fraction) joined with the sign convention above.
ORVANE_BASE_EXPORT TDateTime Combinar(TDateTime dia, TDateTime horaDoDia);
ORVANE_BASE_EXPORT QDate ToQDate(TDateTime value);
ORVANE_BASE_EXPORT QTime ToQTime(TDateTime value);  // rounded to the millisecond
ORVANE_BASE_EXPORT QDateTime ToQDateTime(TDateTime value);
ORVANE_BASE_EXPORT TDateTime DatePart(TDateTime value);
ORVANE_BASE_EXPORT TDateTime TimePart(TDateTime value);
// 1 = Sunday .. 7 = Saturday
ORVANE_BASE_EXPORT int DayOfWeek(TDateTime value);
}  // namespace DataHora
