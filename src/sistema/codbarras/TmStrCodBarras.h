#pragma once
// Product barcodes (GTIN: EAN-13, EAN-8, UPC-A and the 14-digit code of shipping units) and
// random cheque lines (CMC-7) for tests and demonstrations (unit mString).
//
// A GTIN ends in a check digit over its body with alternating weights 3 and 1, weight 3 on the
// digit next to the check digit. The body is filled with "0" on the left to 12 characters (13
// for the 14-digit code), so that one routine serves EAN-8 (7-digit body), UPC-A (11) and
// EAN-13 (12); a longer body is not cut, and only its first 12 (13) characters count. A
// character that is not a digit among those raises EConvertError in the check-digit routines;
// the validators answer false for any text that is not all digits instead.

#include <QString>
#include <QStringView>
#include <cstdint>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// «789123456789» gives «5»; «1234567» gives «0»; the empty text «0».
ORVANE_SISTEMA_EXPORT QString GetCodBarraDigito(QStringView Valor);
// Valor followed by its check digit: «789123456789» gives «7891234567895».
ORVANE_SISTEMA_EXPORT QString GeraCodBarra(QStringView Valor);
// The same on a 13-digit body: «1789123456789» gives «2».
ORVANE_SISTEMA_EXPORT QString GetCodBarra14Digito(QStringView Valor);
ORVANE_SISTEMA_EXPORT QString GeraCodBarra14(QStringView Valor);

// A complete code: false unless it is all digits and reads as a non-zero 64-bit integer; then,
// with abValidar14Digito and exactly 14 characters, IsCodBarra14Valido; otherwise whether it
// ends in the check digit of the rest (so a 14-digit code without the flag is tested over its
// first 12 characters and normally fails).
ORVANE_SISTEMA_EXPORT bool IsCodBarraValido(QStringView Valor, bool abValidar14Digito);
ORVANE_SISTEMA_EXPORT bool IsCodBarra14Valido(QStringView Valor);

// The check digit apart and the rest in groups of three from the right, all separated by ".":
// «7891234567895» gives «789.123.456.789.5», «12» gives «1.2», a single character itself.
ORVANE_SISTEMA_EXPORT QString FormataCodigoBarrasPonto(QStringView Codigo);

// A random cheque line of 30 digits in the field layout of a Brazilian cheque's magnetic line:
// block 1 (7 digits), check digit of block 2, block 2 (10), check digit of block 1, block 3 (10),
// check digit of block 3; check digits by TmConv::Modulo10. The digits come from one
// process-wide pseudo-random generator, seeded at random on first use; any thread may call.
ORVANE_SISTEMA_EXPORT QString GetCmc7();
// Seeds that generator, so that a test sees the same lines on every run.
ORVANE_SISTEMA_EXPORT void SemearGeradorCmc7(std::uint32_t semente);

}  // namespace TmStr
