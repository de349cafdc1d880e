#pragma once
// The library's date-time: days since 30 December 1899 as a double, the fraction being the time
// of day. For dates before that day the integer part is negative while the fraction still counts
// forward from midnight (-1.25 is 29 December 1899, 06:00). All conversions live here.

#include <QDate>
#include <QDateTime>
#include <QTime>

using TDateTime = double;

namespace DataHora {
TDateTime FromQDate(const QDate& date);
TDateTime FromQDateTime(const QDateTime& dateTime);  // local wall-clock time
TDateTime FromQTime(const QTime& time);              // the time of day alone
// A day (whole number) and a time of day (fraction) joined with the sign convention above.
TDateTime Combinar(TDateTime dia, TDateTime horaDoDia);
QDate ToQDate(TDateTime value);
QTime ToQTime(TDateTime value);  // rounded to the millisecond
QDateTime ToQDateTime(TDateTime value);
TDateTime DatePart(TDateTime value);
TDateTime TimePart(TDateTime value);
// 1 = Sunday .. 7 = Saturday
int DayOfWeek(TDateTime value);
}  // namespace DataHora
