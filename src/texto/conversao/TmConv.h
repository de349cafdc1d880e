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
#include "texto/ExportacaoTexto.h"

namespace TmConv {

// Sign: negative when the text holds a "-" anywhere, or both "(" and ")". Then every
// character other than the digits and the decimal separator is dropped and the rest is read
// with the live settings (digits with at most one decimal separator). Empty, unreadable
// (two separators, a lone separator) or beyond a double's range: 0.
ORVANE_TEXTO_EXPORT double Str2Float(QStringView Valor);
// The same reading taken exactly in decimal, to the nearest ten-thousandth with exact ties
// to the even neighbour («0,00005» is 0, «0,00015» is 0,0002). Beyond the currency's range
// the text counts as unreadable: 0.
ORVANE_TEXTO_EXPORT Currency Str2Curr(QStringView Valor);
// A whole signed decimal integer (leading blanks, one "+" or "-"; "$", "x" or "0x" prefix
// for hexadecimal); DefaultParaErro when unreadable or out of range (sign-extended by ToInt64).
// Decimal text must lie in the type's signed range. Hexadecimal text is a bit pattern of the
// type's width: its digits, leading zeros aside, must fit in 32 bits (64 for ToInt64) and are
// read as two's complement, so «$FFFFFFFF» is -1 for ToInt and «0x0ffffffffffffffff» is -1 for
// ToInt64, while ToInt gives the default for the latter; a "-" before it negates the pattern.
// This is the platform's own integer reading, which settings holding colours and masks rely on.
ORVANE_TEXTO_EXPORT int ToInt(QStringView Texto, int DefaultParaErro);
ORVANE_TEXTO_EXPORT std::int64_t ToInt64(QStringView Texto, int DefaultParaErro);
// True exactly when the first character is "S", "s" or "1".
ORVANE_TEXTO_EXPORT bool ToBoolean(QStringView Texto);
// "S"/"N" ("."/"N" for the Pontinho form's false), between single quotes with ComAspas.
ORVANE_TEXTO_EXPORT QString FromBoolean(bool Valor, bool ComAspas);
ORVANE_TEXTO_EXPORT QString FromBooleanPontinho(bool Valor, bool ComAspas);
// A number written with "." as decimal point: every thousands separator becomes the decimal
// separator, then Str2Float.
ORVANE_TEXTO_EXPORT double StrAnsi2Float(QStringView Valor);
// Str2Float in general text form with "." as decimal point («-1234.56»), for SQL and files.
ORVANE_TEXTO_EXPORT QString Str2FloatAnsi(QStringView Valor);
// General text form without thousands separators and with "." as decimal point.
ORVANE_TEXTO_EXPORT QString FloatToAnsi(double Valor);
// The value in the number pattern, then every "," replaced by "." whatever the settings.
ORVANE_TEXTO_EXPORT QString FloatToAnsiFormated(double Valor, QStringView Formato);
// Keeps the digits and the decimal separator, drops every ".", reads the rest with the live
// settings; the sign is lost. Empty or unreadable: EConvertError.
ORVANE_TEXTO_EXPORT double StrFormated2Float(QStringView asValor);
ORVANE_TEXTO_EXPORT double StrFormated2FloatDef(QStringView asValor, double adDefault);
// «mm/dd/yyyy[ hh:nn[:ss]]», optionally between single quotes (pComAspas): the date plus the
// time of day read with the live settings (0 when the time part is empty or unreadable).
// pDefaultParamErro when a part is not an integer or the date does not exist.
ORVANE_TEXTO_EXPORT TDateTime StrAnsiToDate(QStringView pData, TDateTime pDefaultParamErro,
                                            bool pComAspas);

// Plain literals and other UTF-8 text, as a POS program writes them: TmConv::Str2Curr("1234,56")
// reads as Str2Curr(u"1234,56"). These convert the text once; a QString or a u"" literal takes the
// forms above, without a copy.
inline double Str2Float(const char* Valor) {
    return Str2Float(QString::fromUtf8(Valor));
}
inline Currency Str2Curr(const char* Valor) {
    return Str2Curr(QString::fromUtf8(Valor));
}
inline int ToInt(const char* Texto, int DefaultParaErro) {
    return ToInt(QString::fromUtf8(Texto), DefaultParaErro);
}
inline std::int64_t ToInt64(const char* Texto, int DefaultParaErro) {
    return ToInt64(QString::fromUtf8(Texto), DefaultParaErro);
}
inline bool ToBoolean(const char* Texto) {
    return ToBoolean(QString::fromUtf8(Texto));
}
inline double StrAnsi2Float(const char* Valor) {
    return StrAnsi2Float(QString::fromUtf8(Valor));
}
inline QString Str2FloatAnsi(const char* Valor) {
    return Str2FloatAnsi(QString::fromUtf8(Valor));
}
inline QString FloatToAnsiFormated(double Valor, const char* Formato) {
    return FloatToAnsiFormated(Valor, QString::fromUtf8(Formato));
}
inline double StrFormated2Float(const char* asValor) {
    return StrFormated2Float(QString::fromUtf8(asValor));
}
inline double StrFormated2FloatDef(const char* asValor, double adDefault) {
    return StrFormated2FloatDef(QString::fromUtf8(asValor), adDefault);
}
inline TDateTime StrAnsiToDate(const char* pData, TDateTime pDefaultParamErro, bool pComAspas) {
    return StrAnsiToDate(QString::fromUtf8(pData), pDefaultParamErro, pComAspas);
}

}  // namespace TmConv
