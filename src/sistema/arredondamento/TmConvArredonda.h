#pragma once
// Rounding, truncation and tolerant comparison of numbers, and the small integer routines built
// beside them (unit mConvert).
//
// The library keeps several rounding rules, and they differ on purpose:
// - Trunca cuts the value's written decimal digits: its general text form, 15 significant
//   digits. That is what removes base-2 noise: 2.3 is stored as 2.29999..., is written «2,3» and
//   cuts to 2.3 (and -2.3 to -2.3), where cutting the binary value would give 2.29.
// - Arredonda rounds to nearest with exact ties to the even neighbour, decided on the stored
//   binary value of the fraction in 80-bit extended precision: 0.135 is stored slightly above
//   and goes up to 0.14, 0.155 slightly below and goes down to 0.15. Stored figures depend on
//   this, so it is kept exactly as it always was.
// - ArredondaSimples rounds currency amounts half away from zero, exactly (2.675 is 2.68,
//   0.265 is 0.27).
// - ArredondaAritmetica applies a five rule to the written decimal digits.
// Comparisons compare T(v) = Arredonda(Trunca(v, Decimais + 1), Decimais): cut to one more
// decimal than wanted, then rounded.
//
// Common rules: a count of decimals below 0 counts as 0; NaN and the infinities pass through
// the rounding routines unchanged; the integer routines never trap (a zero divisor raises
// EDivByZero, base/ErrosAritmeticos.h). Results do not depend on the regional settings.

#include <QString>
#include <QStringView>

#include "base/Currency.h"
#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmConv {

// ---- Rounding ----

// Valor cut toward zero to Decimais decimals of its written form: 12.3456 with 2 is 12.34,
// -1.239 with 2 is -1.23, 0.00005 with 4 is 0, 1E-6 with 6 is 1E-6. A value written with 15
// or more integer digits (no decimals in its text) is cut exactly instead.
ORVANE_SISTEMA_EXPORT double Trunca(double Valor, int Decimais);
// To Precisao decimals, ties to even on the stored fraction: 2.5 with 0 is 2, 3.5 is 4,
// -2.5 is -2, 0.125 with 2 is 0.12.
ORVANE_SISTEMA_EXPORT double Arredonda(double Valor, int Precisao);
// Arredonda(Trunca(Valor, Precisao + 1), Precisao): 1.0049999 with 2 is 1.
ORVANE_SISTEMA_EXPORT double TruncaArredonda(double Valor, int Precisao);

// Half away from zero at the 2nd decimal, at CasasDecimais (4 or more changes nothing; below
// 0 rounds to tens, hundreds...), at the 3rd (Qtd). A rounded amount beyond the currency's
// range becomes the largest rounded amount within it.
ORVANE_SISTEMA_EXPORT Currency ArredondaSimples(Currency Valor);
ORVANE_SISTEMA_EXPORT Currency ArredondaSimples(Currency Valor, int CasasDecimais);
ORVANE_SISTEMA_EXPORT Currency ArredondaSimplesQtd(Currency Valor);

// The five rule on the written digits, at AQtdeCasas decimals (0 to 6; more keeps 6, since only
// six decimals take part). The value is first written with six decimals, half away from zero
// (2.9999996 is 3,000000). Then, ArredondarValor off, the digits beyond AQtdeCasas are
// dropped; on, with d the first dropped digit and L the last kept one (the units digit when
// AQtdeCasas is 0): d below 5 keeps, above 5 goes up; d equal to 5 goes up when L is odd, when
// L is 0, or when any later digit is not 0, and keeps when L is 2, 4, 6 or 8 and only zeros
// follow. So 2.125 with 2 is 2.12, 2.135 is 2.14, 2.105 is 2.11 and 2.1251 is 2.13. Going up
// carries into the integer part (0.995 is 1). A 5 after a 0 going up is this library's rule:
// it differs from ABNT NBR 5891, which keeps the even 0 (2.105 would be 2.10 there). Negative
// values: the rule applies to the magnitude and the sign is kept.
ORVANE_SISTEMA_EXPORT double ArredondaAritmetica(double AValorEntrada, int AQtdeCasas,
                                                 bool ArredondarValor);

// Values below 0.0001, negative ones included, become 0; the others pass unchanged.
ORVANE_SISTEMA_EXPORT double ConfereBugZero(double Valor);

// ---- Comparison ----

// T(Valor1) as above.
ORVANE_SISTEMA_EXPORT double FloatComp(double Valor1, int Decimais);
// True when T(Valor1) and T(Valor2) have the same general text form; otherwise, with a
// DiferencaAceitavel other than 0, exactly when -DiferencaAceitavel <= T(Valor1) - T(Valor2)
// <= DiferencaAceitavel in extended precision (a negative tolerance never matches; 1.00 and
// 1.02 at a tolerance of exactly 0.02 do not match, the stored 1.02 being slightly above).
ORVANE_SISTEMA_EXPORT bool FloatIgual(double Valor1, double Valor2, int Decimais,
                                      double DiferencaAceitavel);
ORVANE_SISTEMA_EXPORT bool FloatMaior(double Valor1, double Valor2, int Decimais);
ORVANE_SISTEMA_EXPORT bool FloatMenor(double Valor1, double Valor2, int Decimais);
// The amount in cents, cut toward zero (12.3456 is 1234); amounts beyond the 32-bit range
// saturate to it, which keeps their order.
ORVANE_SISTEMA_EXPORT int FormatCurrencyToCompare(Currency Valor);

// ---- Arithmetic ----

// Valor1 / Valor2, or 0 when the division fails (zero divisor, invalid operation, overflow) or
// the quotient's general text form is scientific (below 0.00001 in magnitude, or more than 15
// integer digits): 1 / 300000 is 0. Never raises.
ORVANE_SISTEMA_EXPORT double Divide(double Valor1, double Valor2);

// Whether Multiplo is a whole multiple of Valor: false when Multiplo is 0 or below Valor, and
// in every overload with an Integer when Multiplo is 1; otherwise true when Valor is 1 or
// Multiplo / Valor has no fraction. A Valor of 0 that reaches the division raises EDivByZero.
// So 4 is a multiple of 2 and of 4, 2 is not one of 4, 1 is one of 1 only as doubles.
ORVANE_SISTEMA_EXPORT bool IsMultiplo(int Valor, int Multiplo);
ORVANE_SISTEMA_EXPORT bool IsMultiplo(double Valor, double Multiplo);
ORVANE_SISTEMA_EXPORT bool IsMultiplo(int Valor, double Multiplo);
ORVANE_SISTEMA_EXPORT bool IsMultiplo(double Valor, int Multiplo);

// The remainder of the amounts' whole parts (cut toward zero), with the sign of the dividend:
// -7 and 2 give -1. A divisor whose whole part is 0 raises EDivByZero; a remainder beyond the
// 32-bit range (possible only when both whole parts are) raises EIntOverflow.
ORVANE_SISTEMA_EXPORT int RestoInt(Currency acDividendo, Currency acDivisor);

ORVANE_SISTEMA_EXPORT bool InRangeInt(int aiNumero, int aiInicial, int aiFinal);

// The bits of Valor from bit DigitosBinario down to bit 0 as "1" and "0" (5 with 7 is
// «00000101»); bits above 31 repeat the sign bit. Empty for a negative DigitosBinario;
// EConvertError above TmStr::kLarguraMaxima.
ORVANE_SISTEMA_EXPORT QString IntToBin(int Valor, int DigitosBinario);

// The numbers in decimal joined by asSeparador: 1, 2, 3 with "," give «1,2,3»; an empty list
// gives an empty text.
ORVANE_SISTEMA_EXPORT QString ArrayIntToInStr(const TcrvArrayInteger& aaInt,
                                              QStringView asSeparador);

// Check digit of a digit string, weights 2, 1, 2... from the rightmost digit, two-digit
// products replaced by the sum of their digits: (10 - sum mod 10) mod 10, as one character.
// «261533» gives «4»; the empty text «0». A character that is not a digit raises EConvertError.
ORVANE_SISTEMA_EXPORT QString Modulo10(QStringView Codigo);

// Volume: the product of the measures; CalcCubaM takes centimetres and gives cubic metres.
ORVANE_SISTEMA_EXPORT double CalcCubaCm(double Altura, double Largura, double Profundidade);
ORVANE_SISTEMA_EXPORT double CalcCubaM(double AlturaCm, double LarguraCm, double ProdundidadeCM);

}  // namespace TmConv
