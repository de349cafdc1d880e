#pragma once
// The number-pattern formatter behind TmStr::Formata and the column formatters.
//
// Pattern: up to three sections separated by ";" (outside quotes) for positive values, negative
// values and zero. A missing or empty negative section means the positive one with a leading
// "-"; a missing or empty zero section means the positive one. An empty pattern (or an empty
// positive section) gives the general text form (Rtl::FloatToStr). The value's sign picks the
// section (a negative value the negative one when present); the zero section is chosen when the
// value rounds to zero under the section its sign picked, and such a value shows no minus sign.
//
// In a section: "0" is a digit always shown, "#" a digit shown only when significant; the first
// "." places the decimal separator and the "0"/"#" after it are the decimals; a "," among the
// integer placeholders groups the integer digits in threes; "E+", "E-", "e+", "e-" followed by
// "0"s select scientific form (the "0"s are the exponent's minimum digits; "+" also writes a plus
// for positive exponents); text in single or double quotes and any other character is copied.
// The integer part always shows all its digits: those beyond the placeholders go at the first
// placeholder (a section without placeholders shows them where its decimal point or its end is).
// The decimal separator is written only when at least one decimal is shown.
//
// Rounding is half away from zero at the shown decimals, decided on the value's exact stored
// value taken to 18 significant digits (so 0.125 gives "0,13" and 2.675, stored as
// 2.67499999..., gives "2,67"); a currency is taken exactly. NaN and infinities give the general
// text form. Separators are those of the given settings (callers pass the live record).
// A pattern of more than 224 characters raises EConvertError("Format string too long").

#include <QString>
#include <QStringView>

#include "base/Currency.h"
#include "base/mConst.h"
#include "texto/ExportacaoTexto.h"

namespace FormatoNumerico {
ORVANE_TEXTO_EXPORT QString Formatar(double valor, QStringView formato, const TFormatSettings& fs);
ORVANE_TEXTO_EXPORT QString Formatar(Currency valor, QStringView formato,
                                     const TFormatSettings& fs);
}  // namespace FormatoNumerico
