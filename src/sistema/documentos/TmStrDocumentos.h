#pragma once
// Brazilian registry numbers (unit mString): the check digits of the taxpayer numbers of persons
// (CPF, 11 digits) and companies (CNPJ, 14 characters), of the social-security number (PIS), the
// modulus-11 digit of access keys, state registrations (IE) by the rules of RegrasIE, and the
// display forms of these numbers, postal codes, telephones, product codes and vehicle plates.
//
// A CNPJ's twelve-character base may hold upper-case letters as well as digits (the alphanumeric
// CNPJ in force since July 2026); its two check digits stay numeric and are computed with the
// same weights over the characters' values (code minus 48): «12ABC34501DE» gives «35».
// Lower-case letters are upper-cased on input. Numeric CNPJs and CPFs are unaffected.
//
// Validators answer false for any text they cannot read; nothing here raises.

#include <QString>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistemaDocumentos.h"

namespace TmStr {

// The two check digits of a CPF base (9 digits) or of a CNPJ base (its first 12 characters),
// as text: «123456789» gives «09». Empty for a base of fewer than 12 characters that is not a
// CPF base, a base made only of zeros, or a base with characters a CPF or CNPJ cannot hold.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString CalculaDigitoCnpjCpf(QStringView Numero);

// A CPF (11 digits) or CNPJ (14 characters) with or without its marks ".", "/" and "-"; false
// for any other character, another count, one character repeated throughout, or wrong digits.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool IsCPFValido(QStringView Codigo);

// Exactly 11 digits (no marks) whose last is the check digit of the first ten; false for
// anything else, one digit repeated eleven times included.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool IsPISValido(QStringView Codigo);

// The modulus-11 digit of an access key's characters: weights 2 to 9 from the right, repeating;
// 11 minus the remainder when it is above 1, otherwise aiValorCasoCalculoMaior9; as decimal
// text. Letters count by their value (code minus 48). Empty for a text with other characters.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString CalcModulo11(QStringView S, int aiValorCasoCalculoMaior9);

// Whether aIE is a state registration of aUF. Only its digits count (and, for SP, a leading "P"
// of a rural producer). True without a check when aCGC trimmed has 11 characters (a person, who
// has no registration) or when aIE holds no digit («ISENTO»); false when aUF is not two
// characters or not an upper-case state code.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool isIEValido(const QString& aUF, const QString& aIE,
                                                const QString& aCGC);

// Whether strNumero starts with NrSequencias ascending numbers from its first digit:
// «12345678» with 4 is true; «89101112» with 4 is false («8910» against «891011»). False for
// texts of 2 characters or fewer and for a text not starting with a digit.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool isNumeroSequencial(QStringView strNumero, int NrSequencias);

// Display forms.
// 14 characters «12.345.678/0001-95», 11 «123.456.789-09», others the characters unchanged
// (digits and letters of the input).
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataCPFCNPJ(QStringView Valor);
// Without its leading zeros, "-" before the 11th character and "." before the 9th and the 4th:
// «123.45678.90-1». Marks past the end of a short text are appended, as the library always did.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataPIS(QStringView Valor);
// «123.456.789» and, for an 8-character input, «12.345.678»; «ISENTO» unchanged. Only digits
// and decimal separators are kept; the positions follow the trimmed input's length.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataIE(QStringView Valor);
// Digits and decimal separators; more than 5: «12345-678».
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataCEP(QStringView Valor);
// The first 11 digits: 7 «(00)123-4567», 8 «(00)1234-5678», 9 «(00)12345-6789», 10
// «(11)2345-6789», 11 «(11)98765-4321»; any other count the empty text.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataFone(QStringView Valor);
// Zero-filled on the left to 8 characters; exactly 8 become «1234.56.78», longer stay.
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataNCM(QStringView Valor);
// Zero-filled on the left to 8 characters and cut to the last 8: «1234.56.78».
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataTIPI(QStringView Valor);
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataTIPI(int Valor);
// "." before the 3rd and then the 7th character: «12.345.67».
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataCEST(QStringView Valor);
// Trimmed, "-" before the 4th character: «ABC-1234».
ORVANE_SISTEMADOCUMENTOS_EXPORT QString FormataPlacaVeiculo(QStringView Valor);

}  // namespace TmStr
