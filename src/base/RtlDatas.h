#pragma once
// The strict date and time conversions of the platform's run-time library that the settings file
// and the text routines share: the date and time text forms and their readers. They follow given
// format settings; the convenience forms use the live record (FormatSettings()).

#include <QString>
#include <optional>

#include "base/ExportacaoBase.h"
#include "base/TDateTime.h"
#include "base/mConst.h"

namespace Rtl {

// Date and time text forms. Dates are always written day first, whatever the regional order:
// "dd/mm/yyyy" with "/" the date separator, "hh:nn:ss" (24-hour clock) with ":" the time
// separator (FormatDateTime's letters); fractions of a second are dropped. A value outside the
// years 1 to 9999 (or not a number) gives the empty text.
ORVANE_BASE_EXPORT QString DateToStr(TDateTime value, const TFormatSettings& fs);
ORVANE_BASE_EXPORT QString DateToStr(TDateTime value);
ORVANE_BASE_EXPORT QString TimeToStr(TDateTime value, const TFormatSettings& fs);
ORVANE_BASE_EXPORT QString TimeToStr(TDateTime value);
ORVANE_BASE_EXPORT QString DateTimeToStr(TDateTime value,
                                         const TFormatSettings& fs);  // date, one blank, time
ORVANE_BASE_EXPORT QString DateTimeToStr(TDateTime value);

// Strict date parse: three numbers in the regional short-date order (ShortDateFormat), joined
// by the date separator, surrounding spaces and tabs allowed and nothing else. Day and month take
// one or two digits, the year one to four; a year written with one or two digits falls in
// 1950..2049 (the fixed window of current Windows versions: 49 is 2049, 50 is 1950). The date
// must exist.
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToDate(QStringView text,
                                                         const TFormatSettings& fs);
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToDate(QStringView text);
// Strict time parse: hours and minutes, optionally seconds, joined by the time separator, then
// optionally the decimal separator and one to three digits of a fraction of a second (".5" is
// 500 ms); each number one or two digits, 0..23, 0..59, 0..59; surrounding spaces and tabs
// allowed. No AM/PM.
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToTime(QStringView text,
                                                         const TFormatSettings& fs);
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToTime(QStringView text);
// A date, a time, or a date and a time separated by spaces or tabs (a date alone is midnight, a
// time alone is on day 0), as the platform's date-and-time parse accepts them.
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToDateTime(QStringView text,
                                                             const TFormatSettings& fs);
ORVANE_BASE_EXPORT std::optional<TDateTime> TryStrToDateTime(QStringView text);

}  // namespace Rtl
