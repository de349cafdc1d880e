#pragma once
// The strict number conversions of the platform's run-time library that the settings file and
// the text routines share. They follow given format settings; the convenience forms use the live
// record (FormatSettings()).

#include <QString>
#include <cstdint>
#include <optional>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/mConst.h"

namespace Rtl {

// General text form: at most 15 significant digits, trailing zeros dropped, the decimal
// separator of the settings, no grouping, "-" for negatives; scientific form («1E-6»,
// «1,5E20») when the magnitude is below 0.00001 or the integer part has more than 15 digits.
QString FloatToStr(double value, const TFormatSettings& fs);
QString FloatToStr(double value);
// General text form of a currency: up to four decimals, trailing zeros dropped.
QString CurrToStr(Currency value, const TFormatSettings& fs);
QString CurrToStr(Currency value);

// Strict float parse: optional surrounding blanks, optional sign, digits with at most one
// decimal separator of the settings (a point is not one where the region uses a comma), an
// optional exponent. Empty result for anything else and for values outside a double's range.
std::optional<double> TryStrToFloat(QStringView text, const TFormatSettings& fs);
std::optional<double> TryStrToFloat(QStringView text);
// The grammar of TryStrToFloat read exactly into the currency type (rounded to four decimals,
// ties to even); empty beyond the type's range.
std::optional<Currency> TryStrToCurr(QStringView text, const TFormatSettings& fs);
std::optional<Currency> TryStrToCurr(QStringView text);

// Strict integer parse: optional leading blanks, optional sign, decimal digits, or hexadecimal
// digits after "$", "x" or "0x"; nothing may follow; the value must fit the type (hexadecimal
// of the full width reads as two's complement, as the platform's parse does).
std::optional<std::int32_t> TryStrToInt(QStringView text);
std::optional<std::int64_t> TryStrToInt64(QStringView text);

// Date and time text forms. Dates are always written day first, whatever the regional order:
// "DD/MM/YYYY" with "/" the date separator, "HH:NN:SS" (24-hour clock) with ":" the time
// separator; fractions of a second are dropped. A value outside the years 1 to 9999 (or not a
// number) gives the empty text.
QString DateToStr(TDateTime value, const TFormatSettings& fs);
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value, const TFormatSettings& fs);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value, const TFormatSettings& fs);  // date, one blank, time
QString DateTimeToStr(TDateTime value);

// Strict date parse: three numbers in the regional short-date order (ShortDateFormat), joined
// by the date separator, surrounding blanks allowed and nothing else. Day and month take one or
// two digits, the year one to four; a year written with one or two digits falls in 1950..2049
// (the fixed window of current Windows versions: 49 is 2049, 50 is 1950). The date must exist.
std::optional<TDateTime> TryStrToDate(QStringView text, const TFormatSettings& fs);
std::optional<TDateTime> TryStrToDate(QStringView text);
// Strict time parse: hours and minutes, optionally seconds, joined by the time separator, then
// optionally the decimal separator and one to three digits of a fraction of a second (".5" is
// 500 ms); each number one or two digits, 0..23, 0..59, 0..59; surrounding blanks allowed.
// No AM/PM.
std::optional<TDateTime> TryStrToTime(QStringView text, const TFormatSettings& fs);
std::optional<TDateTime> TryStrToTime(QStringView text);
// A date, a time, or a date and a time separated by blanks (a date alone is midnight, a time
// alone is on day 0), as the platform's date-and-time parse accepts them.
std::optional<TDateTime> TryStrToDateTime(QStringView text, const TFormatSettings& fs);
std::optional<TDateTime> TryStrToDateTime(QStringView text);

}  // namespace Rtl
