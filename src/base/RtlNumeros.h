#pragma once
// The strict number conversions of the platform's run-time library that the settings file and
// the text routines share: the general text form of floats and currencies and the strict float,
// currency and integer readers. They follow given format settings; the convenience forms use the
// live record (FormatSettings()).

#include <QString>
#include <cstdint>
#include <optional>

#include "base/Currency.h"
#include "base/ExportacaoBase.h"
#include "base/mConst.h"

namespace Rtl {

// General text form: at most 15 significant digits, trailing zeros dropped, the decimal
// separator of the settings, no grouping, "-" for negatives; scientific form («1E-6»,
// «1,5E20») when the magnitude is below 0.00001 or the integer part has more than 15 digits.
ORVANE_BASE_EXPORT QString FloatToStr(double value, const TFormatSettings& fs);
ORVANE_BASE_EXPORT QString FloatToStr(double value);
// General text form of a currency: up to four decimals, trailing zeros dropped.
ORVANE_BASE_EXPORT QString CurrToStr(Currency value, const TFormatSettings& fs);
ORVANE_BASE_EXPORT QString CurrToStr(Currency value);

// Strict float parse: optional surrounding spaces and tabs, optional sign, digits with at most
// one decimal separator of the settings (a point is not one where the region uses a comma), an
// optional exponent. Empty result for anything else and for values above a double's range; a
// value below the smallest double (a denormal's half) reads as zero, as the platform's parse
// rounds it.
ORVANE_BASE_EXPORT std::optional<double> TryStrToFloat(QStringView text, const TFormatSettings& fs);
ORVANE_BASE_EXPORT std::optional<double> TryStrToFloat(QStringView text);
// The grammar of TryStrToFloat read exactly into the currency type (rounded to four decimals,
// ties to even); empty beyond the type's range.
ORVANE_BASE_EXPORT std::optional<Currency> TryStrToCurr(QStringView text,
                                                        const TFormatSettings& fs);
ORVANE_BASE_EXPORT std::optional<Currency> TryStrToCurr(QStringView text);

// Strict integer parse: optional leading spaces and tabs, optional sign, decimal digits, or
// hexadecimal digits after "$", "x" or "0x"; nothing may follow; the value must fit the type
// (hexadecimal of the full width reads as two's complement, as the platform's parse does).
ORVANE_BASE_EXPORT std::optional<std::int32_t> TryStrToInt(QStringView text);
ORVANE_BASE_EXPORT std::optional<std::int64_t> TryStrToInt64(QStringView text);
// As TryStrToInt with decimal digits only: a "$" or "0x" prefix makes the text unreadable.
ORVANE_BASE_EXPORT std::optional<std::int32_t> TryStrToIntDecimal(QStringView text);

}  // namespace Rtl
