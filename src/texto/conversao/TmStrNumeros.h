#pragma once
// Numbers as text for screens and printed columns: the library's number patterns, zero-filled
// and grouped numbers, fixed-width amount columns. Positions are 1-based; "the decimal separator"
// is the settings snapshot (mConst::Regionais()), "live" the process-wide record
// (FormatSettings()); number patterns are those of FormatoNumerico.h.

#include <QChar>
#include <QString>
#include <QStringView>

#include "base/Currency.h"
#include "base/mLib.h"
#include "texto/ExportacaoTexto.h"

namespace TmStr {

// ---- Numbers (column widths above kLarguraMaxima raise EConvertError) ----
inline constexpr int kLarguraMaxima = 1 << 20;

// Empty: abTrueIfEmpty; otherwise true when the text holds only digits and decimal
// separators.
ORVANE_TEXTO_EXPORT bool IsNumero(QStringView asText, bool abTrueIfEmpty);
// The value in the number pattern, with the live separators; ". " for exactly 0 when
// abPontoQuandoZero.
ORVANE_TEXTO_EXPORT QString Formata(double Valor, QStringView Formato, bool abPontoQuandoZero);
// A currency amount in the pattern, taken exactly: 2,675 gives «2,68» with "0.00", where
// the double nearest to it (2.67499999...) gives «2,67».
ORVANE_TEXTO_EXPORT QString Formata(Currency Valor, QStringView Formato, bool abPontoQuandoZero);
// Pattern "##,##0" with adDecimais decimals.
ORVANE_TEXTO_EXPORT QString Formata(double adValor, int adDecimais);
// A decimal comma before the last aiCasasDecimais characters («12345», 2: «123,45»); "."
// instead with abAnsi. Shorter text: the comma and the whole text; a count of 0 or less puts
// the comma at the end.
ORVANE_TEXTO_EXPORT QString FormataDecimal(QStringView asValor, int aiCasasDecimais, bool abAnsi);
// The value in a pattern of Tamanho zeros («0042», «-0042»); Tamanho 0 or less: general form.
ORVANE_TEXTO_EXPORT QString StrZero(int Valor, int Tamanho);
// Exactly Decimais decimals (live separator, no grouping), every "-" dropped, filled with
// "0" on the left to Tamanho, never cut.
ORVANE_TEXTO_EXPORT QString StrZeroFloat(double Valor, int Tamanho, int Decimais);
// The StrZero text. RemoveNegativo is accepted and changes nothing: callers have always
// received the StrZero text, minus sign included, and stored texts depend on it.
ORVANE_TEXTO_EXPORT QString StrZeroNegativo(int Valor, int Tamanho, bool RemoveNegativo);
// Groups a digit string in threes from the right with "." whatever the settings.
ORVANE_TEXTO_EXPORT QString FormataNumeroPontos(QStringView Numero);
// The integer's decimal digits grouped; a minus sign stays in front of the groups.
ORVANE_TEXTO_EXPORT QString FormataNumeroPontos(int Numero);

// Fixed-width amount column: "." (or "0"/"-0" for small amounts when cIsAtivaMenosZero) in
// place of a zero amount, thousands separators dropped from the left while too wide,
// asterisks when it still does not fit; otherwise fill, cStrFinal, number.
ORVANE_TEXTO_EXPORT QString FormataValor(double Valor, int Tamanho, int Decimal,
                                         bool MostraPontoNoLugarDeZero, bool cIsAtivaMenosZero,
                                         QChar cPreenchimentoVazio, QStringView cStrFinal);
// Column of Tamanho characters with a zero mark (" .  " aligned, else "   .") for zero
// amounts; MilhaoSemPonto / MilSemPonto drop the first thousands separator of amounts above
// a million / a thousand.
ORVANE_TEXTO_EXPORT QString FormataPonto(double Valor, int Tamanho, bool Alinhado,
                                         QStringView Formato, bool NumInteiro, bool MilhaoSemPonto,
                                         bool MilSemPonto);
// Currency column: zero as a point, whole amounts without ",000".
ORVANE_TEXTO_EXPORT QString FormataPonto3Casas(Currency Valor, int Tamanho, QStringView Formato);
// Column that shows the value's own decimals (those of its general text form, at most 18),
// the integer part in Formato's integer section (the text before its first "."),
// right-aligned in Tamanho blanks and never cut. Zero: " ." and as many blanks as Formato
// has characters after its first ".", right-aligned the same way.
ORVANE_TEXTO_EXPORT QString FormataPontoEx(double Valor, int Tamanho, QStringView Formato);
// The value in Formato preceded by PadChar up to Tamanho; with abCortarTexto cut to the
// rightmost Tamanho characters.
ORVANE_TEXTO_EXPORT QString PadRight(double Valor, int Tamanho, QChar PadChar, QStringView Formato,
                                     bool abCortarTexto);
// As PadRight; exactly 0 gives PadChar repeated Tamanho - 1 times and ".".
ORVANE_TEXTO_EXPORT QString PadRightPonto(double Valor, int Tamanho, QChar PadChar,
                                          QStringView Formato, bool abCortarTexto);
}  // namespace TmStr
