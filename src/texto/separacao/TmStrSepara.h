#pragma once
// Text splitting, joining, searching and cleanup: fields by separator, CSV, SQL lists, arrays,
// occurrence counts, character classes and accent folding. Positions are 1-based; "the decimal
// separator" is the settings snapshot (mConst::Regionais()).

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <bitset>

#include "base/mConst.h"
#include "base/mLib.h"

using TArrayStr = QVector<QString>;
// A set of 8-bit character codes; characters above 255 are never in it.
using TSysCharSet = std::bitset<256>;

namespace TmStr {
// ---- Splitting and fields ----
// Field Posicao (1-based; below 1 counts as 1); empty past the last field.
QString Separa(QStringView Texto, QChar Separador, int Posicao);
// Every field (separators + 1 of them), untrimmed; with IgnorarStringVazias fields that are
// empty after trimming are skipped.
void Split(QStringView Texto, QChar Separador, QStringList& MatrizSaida, bool IgnorarStringVazias,
           bool LimpaMatrizSaida);
TcrvArrayString Split(QStringView asTexto, QChar asSeparador);
// Non-empty fields read as decimal integers by the strict reader (leading spaces and a sign
// allowed, nothing after the digits, no hexadecimal prefix), unreadable ones as 0.
TcrvArrayInteger SplitInt(QStringView asTexto, QChar asSeparador);
// Field aiParte (1-based); EListError outside the fields.
QString SplitPart(QStringView asTexto, QChar asSeparador, int aiParte);
// Comma-separated values: double quotes toggle quoting and are dropped; a trailing empty
// field is not added.
void SplitCSV(QStringList& asMatrizSaida, QStringView asTexto, QChar asSeparador,
              bool abLimpaMatrizSaida);
// Runs between tokens and every token as an item of its own.
void SplitB(QStringView asText, QChar asSplitToken, QStringList& aoOut);
// Item aiIndexPart (0-based) of SplitB; empty at or past the end, EListError when negative.
QString GetStringPart(QStringView asText, QChar asSplitChar, int aiIndexPart);
// Fields quoted for SQL (fields already between single quotes kept), joined again.
QString SplitInQuotedStr(QStringView asTexto, QChar asSeparador);
QString GetStringFilterIn(QStringView asLista, QStringView asSeparador, bool abQuoted);
QString QuotedList(QStringView asLista, QStringView asSeparador);

// ---- Joining and arrays ----
// asEste becomes asComEste when empty, else asEste + separator + asComEste. With
// asValidaSeJaExiste, asComEste is not added when it is already one of the items of asEste
// (split on the separator, compared under full upper-casing): a set-like list.
void Concatena(QString& asEste, QStringView asComEste, QStringView asSeparadorSePreenchido,
               bool asValidaSeJaExiste);
QString Concatena(const TcrvArrayString& aaLista, QStringView asSeparador);
void ConcatenaInicio(QString& asEste, QStringView asComEste, QStringView asSeparadorSePreenchido);
QString ArrayConcatToStr(const TcrvArrayString& aaArrayStr, QStringView asSeparador, bool abQuoted);
QString ArrayStrConcatToStr(const TArrayStr& aaArrayStr, QStringView asSeparador, bool abQuoted);
QString ArrayIntToStr(const QList<int>& aaArrayInt, QStringView asSeparador);
QString ArrayCharToString(const QList<QChar>& aaChar);
QStringList crvAStrToTStrings(const TcrvArrayString& aaLista);
void AddArray(TcrvArrayString& aaLista, const QString& asValor);
void AddArray(TcrvArrayInteger& aaLista, int aiValor);
void ClearArray(TcrvArrayString& aaLista);
void ClearArray(TcrvArrayInteger& aaLista);

// ---- Searching, comparing, counting ----
QString Replace(QStringView Texto, QStringView Este, QStringView PorEste, bool IgnoraCaseSensitive);
int Ocorre(QStringView Texto, QStringView SubTexto);
int OcorreCh(QStringView Texto, QChar CharParaContar);
int ContarRepeticaoCaracter(QStringView Texto, QChar Caracter);
bool Contem(QStringView asTexto, const QStringList& aaTextos);
int ContemPos(QStringView asTexto, const QStringList& aaTextos);
bool ContemTodos(QStringView asTexto, const QStringList& aaTextos);
bool ContemInt(int aiInteiro, const QList<int>& aaArrayInteiro);
bool StartsWith(QStringView Texto, QStringView Value, bool abIgnoreCase);
bool EndsWith(QStringView Texto, QStringView Value);
bool EqualsIgnoreCase(QStringView asValue, QStringView asValue2);
QString CopyStr(QStringView asTexto, QStringView asInicio, QStringView asFim);
int PosReverse(QStringView asSubStr, QStringView asStr);
int PosPrimeiroNumero(QStringView asText);
int GetPosCaracterBackJumpingNCaracter(QStringView Texto, QChar Caracter, int QtdeCaracter);

// ---- Cleaning and character classes ("trim" removes codes 32 and below) ----
QString RemoveEspacosDuplos(QStringView S);
QString RemoveEnter(QStringView asText);
QString Clear(QStringView S);
QString RemoveCaracterLeft(QStringView Texto, QChar Caracter);
QString RemoveZerosEsquerda(QStringView Texto);
QString OnlyDigits(QStringView Texto);
QString SomenteNumeros(QStringView Texto, bool DeleteDecimalSeparator);
QString RemoveNumeros(QStringView Texto);
QString SomenteLetras(QStringView Texto, QStringView IgnorarCaracter);
QString SomenteAlfa(QStringView Texto, QStringView asCaracterSubstituir);
QString SomenteASCII(QStringView Texto);
QString Somente(QStringView asTexto, const TSysCharSet& asLista, bool abTrim);
QString SomenteCaracteresValidos(QStringView asTexto);
QString SomenteCaracteresValidosXML_WS(QStringView asTexto);
QString RemoveAcentos(QStringView Texto, bool abRemovePequenoO);
QString RemoveAcentosSQL(QStringView Texto);
QString LimparStringParaSQL(QStringView Texto);
QString RemoveCaracteresEspeciais(QStringView Texto);
void RemoverBOM_StringList(QStringList& Lista);

}  // namespace TmStr
