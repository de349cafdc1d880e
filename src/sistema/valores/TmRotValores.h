#pragma once
// Value helpers of TmRot: one-line choosers between two values, Null substitutes for database
// values, table-driven mappers, membership tests and small list helpers. None keeps state; none
// fails except where a conversion of a non-Null variant cannot be done (EConvertError, see
// Variante) and CaseDo's check of its lists.
//
// Text versus Boolean: a string literal converts to bool before it converts to QString, so every
// family that has both a text and a Boolean overload also has one for literals (const char*),
// which answers the text.

#include <QByteArray>
#include <QChar>
#include <QString>
#include <concepts>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/Variante.h"
#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

class QObject;

namespace TmRot {

// ---- Choosers: RTrue when Condicao, else RFalse ----
inline QString IfThen(bool Condicao, const QString& RTrue, const QString& RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline QString IfThen(bool Condicao, const char* RTrue, const char* RFalse) {
    return QString::fromUtf8(Condicao ? RTrue : RFalse);
}
inline int IfThen(bool Condicao, int RTrue, int RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline QObject* IfThen(bool Condicao, QObject* RTrue, QObject* RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline bool IfThen(bool Condicao, bool RTrue, bool RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline QChar IfThen(bool Condicao, QChar RTrue, QChar RFalse) {
    return Condicao ? RTrue : RFalse;
}
// Character literals ('a', u'a') would otherwise take the integer overload.
template <typename C>
requires std::same_as<C, char> || std::same_as<C, char16_t>
inline QChar IfThen(bool Condicao, C RTrue, C RFalse) {
    return IfThen(Condicao, QChar(RTrue), QChar(RFalse));
}
inline Variante IfThen(bool Condicao, const Variante& RTrue, const Variante& RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline double IfThenFloat(bool Condicao, double RTrue, double RFalse) {
    return Condicao ? RTrue : RFalse;
}
inline double IfFloat(bool Condicao, double RTrue, double RFalse) {
    return IfThenFloat(Condicao, RTrue, RFalse);
}
inline TDateTime IfThenDate(bool Condicao, TDateTime RTrue, TDateTime RFalse) {
    return Condicao ? RTrue : RFalse;
}

// ---- Substitutes ----
// Variavel unchanged, unless nothing but characters of code 32 or less remain after trimming.
ORVANE_SISTEMA_EXPORT QString IfVazio(const QString& Variavel, const QString& RespSeVazio);
// ValueIfNull when V is Null, else V converted to the type of ValueIfNull.
ORVANE_SISTEMA_EXPORT double IfNull(const Variante& V, double ValueIfNull);
ORVANE_SISTEMA_EXPORT QString IfNull(const Variante& V, const QString& ValueIfNull);
ORVANE_SISTEMA_EXPORT QString IfNull(const Variante& V, const char* ValueIfNull);
ORVANE_SISTEMA_EXPORT bool IfNull(const Variante& V, bool ValueIfNull);
ORVANE_SISTEMA_EXPORT Variante IfNull(const Variante& V, const Variante& ValueIfNull);
ORVANE_SISTEMA_EXPORT int IfIntNull(const Variante& V, int ValueIfNull);
ORVANE_SISTEMA_EXPORT TDateTime IfDateNull(const Variante& V, TDateTime ValueIfNull);
// Null when aoValue equals aoNullValue (by Variante's equality), else aoValue.
ORVANE_SISTEMA_EXPORT Variante NullIf(const Variante& aoValue, const Variante& aoNullValue);
ORVANE_SISTEMA_EXPORT Variante GetVariantValueString(const QString& asValue, bool abNullIfEmpty);
ORVANE_SISTEMA_EXPORT Variante GetVariantValueInt(int aiValue, bool abNullIfZero);
ORVANE_SISTEMA_EXPORT Variante GetVariantValueDouble(double adValue, bool abNullIfZero);
// The variant's text read as a number with the live regional settings; 0 when it does not read.
ORVANE_SISTEMA_EXPORT double VarToFloat(const Variante& avValue);

// ---- Mappers: the result at the position of the first key equal to Valor, else Default ----
// Keys compare exactly (texts case-sensitively). CaseDo and CaseDoInt first require lists of
// the same length: otherwise they warn "CaseDo: Quantidade de parâmetros incorretas" through
// TmDlg::InformaAbort, which ends the caller with the silent abort.
ORVANE_SISTEMA_EXPORT QString CaseDo(const QString& Valor, const TcrvArrayString& ComparaCom,
                                     const TcrvArrayString& Retornos, const QString& Default);
ORVANE_SISTEMA_EXPORT QString CaseDoInt(int Valor, const TcrvArrayInteger& ComparaCom,
                                        const TcrvArrayString& Retornos, const QString& Default);
// No length check: a key whose position lies past aiRetorno answers aiDefault.
ORVANE_SISTEMA_EXPORT int CaseDoInteger(int aiValor, const TcrvArrayInteger& aiResultado,
                                        const TcrvArrayInteger& aiRetorno, int aiDefault);

// ---- Membership, greater, Booleans ----
ORVANE_SISTEMA_EXPORT bool ContemStr(const QString& Valor, const TcrvArrayString& Lista);
ORVANE_SISTEMA_EXPORT bool ContemInt(int Valor, const TcrvArrayInteger& Lista);
inline Currency Max(Currency Valor1, Currency Valor2) {
    return Valor1 < Valor2 ? Valor2 : Valor1;
}
inline int MaxInt(int Valor1, int Valor2) {
    return Valor1 < Valor2 ? Valor2 : Valor1;
}
// "Sim" or "Não".
ORVANE_SISTEMA_EXPORT QString BoolToStr(bool abValue);

// ---- Lists ----
inline void AddArrayStr(TcrvArrayString& aaArray, const QString& asValue) {
    aaArray.append(asValue);
}
inline void AddArrayInt(TcrvArrayInteger& aaArray, int aiValue) {
    aaArray.append(aiValue);
}
inline void ClearArrayStr(TcrvArrayString& aaArray) {
    aaArray.clear();
}
inline void ClearArrayInt(TcrvArrayInteger& aaArray) {
    aaArray.clear();
}
// The texts of the variants, Null as the empty text.
ORVANE_SISTEMA_EXPORT TcrvArrayString ArrayVarToStr(const TcrvArrayVariant& aaValue);
// The integers of the variants (Variante::ToInt), Null as 0.
ORVANE_SISTEMA_EXPORT TcrvArrayInteger ArrayVarToInt(const TcrvArrayVariant& aaValue);
// One character per byte of the first aiSize bytes, each numbered as its byte (0 to 255);
// a size past the array stops at its end, a negative size gives the empty text.
ORVANE_SISTEMA_EXPORT QString ByteArrayToString(const QByteArray& arBytes, int aiSize);

}  // namespace TmRot
