#pragma once
// Conversions between text and numbers (unit mConvert). Readers are forgiving by fixed rules and
// never fail unless stated; "the decimal separator" is the library's settings snapshot
// (mConst::Regionais()), "live settings" the process-wide record (FormatSettings()).

#include <QString>
#include <QStringView>
#include <cstdint>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/mLib.h"

namespace TmConv {

// Sign: negative when the text holds a "-" anywhere, or both "(" and ")". Then every
// character other than the digits and the decimal separator is dropped and the rest is read
// with the live settings (digits with at most one decimal separator). Empty, unreadable
// (two separators, a lone separator) or beyond a double's range: 0.
double Str2Float(QStringView Valor);
// The same reading taken exactly in decimal, to the nearest ten-thousandth with exact ties
// to the even neighbour («0,00005» is 0, «0,00015» is 0,0002). Beyond the currency's range
// the text counts as unreadable: 0.
Currency Str2Curr(QStringView Valor);
// A whole signed decimal integer (leading blanks, one "+" or "-"; "$", "x" or "0x" prefix
// for hexadecimal); DefaultParaErro when unreadable or out of range (sign-extended by ToInt64).
// Decimal text must lie in the type's signed range. Hexadecimal text is a bit pattern of the
// type's width: its digits, leading zeros aside, must fit in 32 bits (64 for ToInt64) and are
// read as two's complement, so «$FFFFFFFF» is -1 for ToInt and «0x0ffffffffffffffff» is -1 for
// ToInt64, while ToInt gives the default for the latter; a "-" before it negates the pattern.
// This is the platform's own integer reading, which settings holding colours and masks rely on.
int ToInt(QStringView Texto, int DefaultParaErro);
std::int64_t ToInt64(QStringView Texto, int DefaultParaErro);
// True exactly when the first character is "S", "s" or "1".
bool ToBoolean(QStringView Texto);
// "S"/"N" ("."/"N" for the Pontinho form's false), between single quotes with ComAspas.
QString FromBoolean(bool Valor, bool ComAspas);
QString FromBooleanPontinho(bool Valor, bool ComAspas);
// A number written with "." as decimal point: every thousands separator becomes the decimal
// separator, then Str2Float.
double StrAnsi2Float(QStringView Valor);
// Str2Float in general text form with "." as decimal point («-1234.56»), for SQL and files.
QString Str2FloatAnsi(QStringView Valor);
// General text form without thousands separators and with "." as decimal point.
QString FloatToAnsi(double Valor);
// The value in the number pattern, then every "," replaced by "." whatever the settings.
QString FloatToAnsiFormated(double Valor, QStringView Formato);
// Keeps the digits and the decimal separator, drops every ".", reads the rest with the live
// settings; the sign is lost. Empty or unreadable: EConvertError.
double StrFormated2Float(QStringView asValor);
double StrFormated2FloatDef(QStringView asValor, double adDefault);
// «mm/dd/yyyy[ hh:nn[:ss]]», optionally between single quotes (pComAspas): the date plus the
// time of day read with the live settings (0 when the time part is empty or unreadable).
// pDefaultParamErro when a part is not an integer or the date does not exist.
TDateTime StrAnsiToDate(QStringView pData, TDateTime pDefaultParamErro, bool pComAspas);

}  // namespace TmConv
