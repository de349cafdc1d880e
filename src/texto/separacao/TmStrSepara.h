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
#include "texto/ExportacaoTexto.h"

using TArrayStr = QVector<QString>;
// A set of 8-bit character codes; characters above 255 are never in it.
using TSysCharSet = std::bitset<256>;

namespace TmStr {
// ---- Splitting and fields ----
// Field Posicao (1-based; below 1 counts as 1); empty past the last field.
ORVANE_TEXTO_EXPORT QString Separa(QStringView Texto, QChar Separador, int Posicao);
// Every field (separators + 1 of them), untrimmed; with IgnorarStringVazias fields that are
// empty after trimming are skipped.
ORVANE_TEXTO_EXPORT void Split(QStringView Texto, QChar Separador, QStringList& MatrizSaida,
                               bool IgnorarStringVazias, bool LimpaMatrizSaida);
ORVANE_TEXTO_EXPORT TcrvArrayString Split(QStringView asTexto, QChar asSeparador);
// Non-empty fields read as decimal integers by the strict reader (leading spaces and a sign
// allowed, nothing after the digits, no hexadecimal prefix), unreadable ones as 0.
ORVANE_TEXTO_EXPORT TcrvArrayInteger SplitInt(QStringView asTexto, QChar asSeparador);
// Field aiParte (1-based); EListError outside the fields.
ORVANE_TEXTO_EXPORT QString SplitPart(QStringView asTexto, QChar asSeparador, int aiParte);
// Comma-separated values: double quotes toggle quoting and are dropped; a trailing empty
// field is not added.
ORVANE_TEXTO_EXPORT void SplitCSV(QStringList& asMatrizSaida, QStringView asTexto,
                                  QChar asSeparador, bool abLimpaMatrizSaida);
// Runs between tokens and every token as an item of its own.
ORVANE_TEXTO_EXPORT void SplitB(QStringView asText, QChar asSplitToken, QStringList& aoOut);
// Item aiIndexPart (0-based) of SplitB; empty at or past the end, EListError when negative.
ORVANE_TEXTO_EXPORT QString GetStringPart(QStringView asText, QChar asSplitChar, int aiIndexPart);
// Fields quoted for SQL (fields already between single quotes kept), joined again.
ORVANE_TEXTO_EXPORT QString SplitInQuotedStr(QStringView asTexto, QChar asSeparador);
ORVANE_TEXTO_EXPORT QString GetStringFilterIn(QStringView asLista, QStringView asSeparador,
                                              bool abQuoted);
ORVANE_TEXTO_EXPORT QString QuotedList(QStringView asLista, QStringView asSeparador);

// ---- Joining and arrays ----
// asEste becomes asComEste when empty, else asEste + separator + asComEste. With
// asValidaSeJaExiste, asComEste is not added when it is already one of the items of asEste
// (split on the separator, compared under full upper-casing): a set-like list.
ORVANE_TEXTO_EXPORT void Concatena(QString& asEste, QStringView asComEste,
                                   QStringView asSeparadorSePreenchido, bool asValidaSeJaExiste);
ORVANE_TEXTO_EXPORT QString Concatena(const TcrvArrayString& aaLista, QStringView asSeparador);
ORVANE_TEXTO_EXPORT void ConcatenaInicio(QString& asEste, QStringView asComEste,
                                         QStringView asSeparadorSePreenchido);
ORVANE_TEXTO_EXPORT QString ArrayConcatToStr(const TcrvArrayString& aaArrayStr,
                                             QStringView asSeparador, bool abQuoted);
ORVANE_TEXTO_EXPORT QString ArrayStrConcatToStr(const TArrayStr& aaArrayStr,
                                                QStringView asSeparador, bool abQuoted);
ORVANE_TEXTO_EXPORT QString ArrayIntToStr(const QList<int>& aaArrayInt, QStringView asSeparador);
ORVANE_TEXTO_EXPORT QString ArrayCharToString(const QList<QChar>& aaChar);
ORVANE_TEXTO_EXPORT QStringList crvAStrToTStrings(const TcrvArrayString& aaLista);
ORVANE_TEXTO_EXPORT void AddArray(TcrvArrayString& aaLista, const QString& asValor);
ORVANE_TEXTO_EXPORT void AddArray(TcrvArrayInteger& aaLista, int aiValor);
ORVANE_TEXTO_EXPORT void ClearArray(TcrvArrayString& aaLista);
ORVANE_TEXTO_EXPORT void ClearArray(TcrvArrayInteger& aaLista);

// ---- Searching, comparing, counting ----
ORVANE_TEXTO_EXPORT QString Replace(QStringView Texto, QStringView Este, QStringView PorEste,
                                    bool IgnoraCaseSensitive);
ORVANE_TEXTO_EXPORT int Ocorre(QStringView Texto, QStringView SubTexto);
ORVANE_TEXTO_EXPORT int OcorreCh(QStringView Texto, QChar CharParaContar);
ORVANE_TEXTO_EXPORT int ContarRepeticaoCaracter(QStringView Texto, QChar Caracter);
ORVANE_TEXTO_EXPORT bool Contem(QStringView asTexto, const QStringList& aaTextos);
ORVANE_TEXTO_EXPORT int ContemPos(QStringView asTexto, const QStringList& aaTextos);
ORVANE_TEXTO_EXPORT bool ContemTodos(QStringView asTexto, const QStringList& aaTextos);
ORVANE_TEXTO_EXPORT bool ContemInt(int aiInteiro, const QList<int>& aaArrayInteiro);
ORVANE_TEXTO_EXPORT bool StartsWith(QStringView Texto, QStringView Value, bool abIgnoreCase);
ORVANE_TEXTO_EXPORT bool EndsWith(QStringView Texto, QStringView Value);
ORVANE_TEXTO_EXPORT bool EqualsIgnoreCase(QStringView asValue, QStringView asValue2);
ORVANE_TEXTO_EXPORT QString CopyStr(QStringView asTexto, QStringView asInicio, QStringView asFim);
ORVANE_TEXTO_EXPORT int PosReverse(QStringView asSubStr, QStringView asStr);
ORVANE_TEXTO_EXPORT int PosPrimeiroNumero(QStringView asText);
ORVANE_TEXTO_EXPORT int GetPosCaracterBackJumpingNCaracter(QStringView Texto, QChar Caracter,
                                                           int QtdeCaracter);

// ---- Cleaning and character classes ("trim" removes codes 32 and below) ----
ORVANE_TEXTO_EXPORT QString RemoveEspacosDuplos(QStringView S);
ORVANE_TEXTO_EXPORT QString RemoveEnter(QStringView asText);
ORVANE_TEXTO_EXPORT QString Clear(QStringView S);
ORVANE_TEXTO_EXPORT QString RemoveCaracterLeft(QStringView Texto, QChar Caracter);
ORVANE_TEXTO_EXPORT QString RemoveZerosEsquerda(QStringView Texto);
ORVANE_TEXTO_EXPORT QString OnlyDigits(QStringView Texto);
ORVANE_TEXTO_EXPORT QString SomenteNumeros(QStringView Texto, bool DeleteDecimalSeparator);
ORVANE_TEXTO_EXPORT QString RemoveNumeros(QStringView Texto);
ORVANE_TEXTO_EXPORT QString SomenteLetras(QStringView Texto, QStringView IgnorarCaracter);
ORVANE_TEXTO_EXPORT QString SomenteAlfa(QStringView Texto, QStringView asCaracterSubstituir);
ORVANE_TEXTO_EXPORT QString SomenteASCII(QStringView Texto);
ORVANE_TEXTO_EXPORT QString Somente(QStringView asTexto, const TSysCharSet& asLista, bool abTrim);
ORVANE_TEXTO_EXPORT QString SomenteCaracteresValidos(QStringView asTexto);
ORVANE_TEXTO_EXPORT QString SomenteCaracteresValidosXML_WS(QStringView asTexto);
ORVANE_TEXTO_EXPORT QString RemoveAcentos(QStringView Texto, bool abRemovePequenoO);
ORVANE_TEXTO_EXPORT QString RemoveAcentosSQL(QStringView Texto);
ORVANE_TEXTO_EXPORT QString LimparStringParaSQL(QStringView Texto);
ORVANE_TEXTO_EXPORT QString RemoveCaracteresEspeciais(QStringView Texto);
ORVANE_TEXTO_EXPORT void RemoverBOM_StringList(QStringList& Lista);

}  // namespace TmStr
