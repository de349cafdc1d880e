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
QString IfVazio(const QString& Variavel, const QString& RespSeVazio);
// ValueIfNull when V is Null, else V converted to the type of ValueIfNull.
double IfNull(const Variante& V, double ValueIfNull);
QString IfNull(const Variante& V, const QString& ValueIfNull);
QString IfNull(const Variante& V, const char* ValueIfNull);
bool IfNull(const Variante& V, bool ValueIfNull);
Variante IfNull(const Variante& V, const Variante& ValueIfNull);
int IfIntNull(const Variante& V, int ValueIfNull);
TDateTime IfDateNull(const Variante& V, TDateTime ValueIfNull);
// Null when aoValue equals aoNullValue (by Variante's equality), else aoValue.
Variante NullIf(const Variante& aoValue, const Variante& aoNullValue);
Variante GetVariantValueString(const QString& asValue, bool abNullIfEmpty);
Variante GetVariantValueInt(int aiValue, bool abNullIfZero);
Variante GetVariantValueDouble(double adValue, bool abNullIfZero);
// The variant's text read as a number with the live regional settings; 0 when it does not read.
double VarToFloat(const Variante& avValue);

// ---- Mappers: the result at the position of the first key equal to Valor, else Default ----
// Keys compare exactly (texts case-sensitively). CaseDo and CaseDoInt first require lists of
// the same length: otherwise they warn "CaseDo: Quantidade de parâmetros incorretas" through
// TmDlg::InformaAbort, which ends the caller with the silent abort.
QString CaseDo(const QString& Valor, const TcrvArrayString& ComparaCom,
               const TcrvArrayString& Retornos, const QString& Default);
QString CaseDoInt(int Valor, const TcrvArrayInteger& ComparaCom, const TcrvArrayString& Retornos,
                  const QString& Default);
// No length check: a key whose position lies past aiRetorno answers aiDefault.
int CaseDoInteger(int aiValor, const TcrvArrayInteger& aiResultado,
                  const TcrvArrayInteger& aiRetorno, int aiDefault);

// ---- Membership, greater, Booleans ----
bool ContemStr(const QString& Valor, const TcrvArrayString& Lista);
bool ContemInt(int Valor, const TcrvArrayInteger& Lista);
inline Currency Max(Currency Valor1, Currency Valor2) {
    return Valor1 < Valor2 ? Valor2 : Valor1;
}
inline int MaxInt(int Valor1, int Valor2) {
    return Valor1 < Valor2 ? Valor2 : Valor1;
}
// "Sim" or "Não".
QString BoolToStr(bool abValue);

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
TcrvArrayString ArrayVarToStr(const TcrvArrayVariant& aaValue);
// The integers of the variants (Variante::ToInt), Null as 0.
TcrvArrayInteger ArrayVarToInt(const TcrvArrayVariant& aaValue);
// One character per byte of the first aiSize bytes, each numbered as its byte (0 to 255);
// a size past the array stops at its end, a negative size gives the empty text.
QString ByteArrayToString(const QByteArray& arBytes, int aiSize);

}  // namespace TmRot
