#pragma once
// Text routines of the library (unit mString): number formatting for screens and printed
// columns, splitting and joining, searching and counting, character classes and accent folding.
// All operations are static and keep no state; positions are 1-based as in the library's
// strings. "The decimal separator" is the settings snapshot (mConst::Regionais()), "live" the
// process-wide record (FormatSettings()); number patterns are those of FormatoNumerico.h.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <bitset>

#include "Currency.h"
#include "mConst.h"

using TArrayStr = QVector<QString>;
// A set of 8-bit character codes; characters above 255 are never in it.
using TSysCharSet = std::bitset<256>;

class TmStr {
public:
    // ---- Numbers (column widths above kLarguraMaxima raise EConvertError) ----
    static constexpr int kLarguraMaxima = 1 << 20;

    // Empty: abTrueIfEmpty; otherwise true when the text holds only digits and decimal
    // separators.
    static bool IsNumero(QStringView asText, bool abTrueIfEmpty);
    // The value in the number pattern, with the live separators; ". " for exactly 0 when
    // abPontoQuandoZero.
    static QString Formata(double Valor, QStringView Formato, bool abPontoQuandoZero);
    // A currency amount in the pattern, taken exactly: 2,675 gives «2,68» with "0.00", where
    // the double nearest to it (2.67499999...) gives «2,67».
    static QString Formata(Currency Valor, QStringView Formato, bool abPontoQuandoZero);
    // Pattern "##,##0" with adDecimais decimals.
    static QString Formata(double adValor, int adDecimais);
    // A decimal comma before the last aiCasasDecimais characters («12345», 2: «123,45»); "."
    // instead with abAnsi. Shorter text: the comma and the whole text; a count of 0 or less puts
    // the comma at the end.
    static QString FormataDecimal(QStringView asValor, int aiCasasDecimais, bool abAnsi);
    // The value in a pattern of Tamanho zeros («0042», «-0042»); Tamanho 0 or less: general form.
    static QString StrZero(int Valor, int Tamanho);
    // Exactly Decimais decimals (live separator, no grouping), every "-" dropped, filled with
    // "0" on the left to Tamanho, never cut.
    static QString StrZeroFloat(double Valor, int Tamanho, int Decimais);
    // The StrZero text. RemoveNegativo is accepted and changes nothing: callers have always
    // received the StrZero text, minus sign included, and stored texts depend on it.
    static QString StrZeroNegativo(int Valor, int Tamanho, bool RemoveNegativo);
    // Groups a digit string in threes from the right with "." whatever the settings.
    static QString FormataNumeroPontos(QStringView Numero);
    // The integer's decimal digits grouped; a minus sign stays in front of the groups.
    static QString FormataNumeroPontos(int Numero);

    // Fixed-width amount column: "." (or "0"/"-0" for small amounts when cIsAtivaMenosZero) in
    // place of a zero amount, thousands separators dropped from the left while too wide,
    // asterisks when it still does not fit; otherwise fill, cStrFinal, number.
    static QString FormataValor(double Valor, int Tamanho, int Decimal,
                                bool MostraPontoNoLugarDeZero, bool cIsAtivaMenosZero,
                                QChar cPreenchimentoVazio, QStringView cStrFinal);
    // Column of Tamanho characters with a zero mark (" .  " aligned, else "   .") for zero
    // amounts; MilhaoSemPonto / MilSemPonto drop the first thousands separator of amounts above
    // a million / a thousand.
    static QString FormataPonto(double Valor, int Tamanho, bool Alinhado, QStringView Formato,
                                bool NumInteiro, bool MilhaoSemPonto, bool MilSemPonto);
    // Currency column: zero as a point, whole amounts without ",000".
    static QString FormataPonto3Casas(Currency Valor, int Tamanho, QStringView Formato);
    // Column that shows the value's own decimals (those of its general text form, at most 18),
    // the integer part in Formato's integer section (the text before its first "."),
    // right-aligned in Tamanho blanks and never cut. Zero: " ." and as many blanks as Formato
    // has characters after its first ".", right-aligned the same way.
    static QString FormataPontoEx(double Valor, int Tamanho, QStringView Formato);
    // The value in Formato preceded by PadChar up to Tamanho; with abCortarTexto cut to the
    // rightmost Tamanho characters.
    static QString PadRight(double Valor, int Tamanho, QChar PadChar, QStringView Formato,
                            bool abCortarTexto);
    // As PadRight; exactly 0 gives PadChar repeated Tamanho - 1 times and ".".
    static QString PadRightPonto(double Valor, int Tamanho, QChar PadChar, QStringView Formato,
                                 bool abCortarTexto);

    // ---- Splitting and fields ----
    // Field Posicao (1-based; below 1 counts as 1); empty past the last field.
    static QString Separa(QStringView Texto, QChar Separador, int Posicao);
    // Every field (separators + 1 of them), untrimmed; with IgnorarStringVazias fields that are
    // empty after trimming are skipped.
    static void Split(QStringView Texto, QChar Separador, QStringList& MatrizSaida,
                      bool IgnorarStringVazias, bool LimpaMatrizSaida);
    static TcrvArrayString Split(QStringView asTexto, QChar asSeparador);
    // Non-empty fields read as decimal integers, unreadable ones as 0.
    static TcrvArrayInteger SplitInt(QStringView asTexto, QChar asSeparador);
    // Field aiParte (1-based); EListError outside the fields.
    static QString SplitPart(QStringView asTexto, QChar asSeparador, int aiParte);
    // Comma-separated values: double quotes toggle quoting and are dropped; a trailing empty
    // field is not added.
    static void SplitCSV(QStringList& asMatrizSaida, QStringView asTexto, QChar asSeparador,
                         bool abLimpaMatrizSaida);
    // Runs between tokens and every token as an item of its own.
    static void SplitB(QStringView asText, QChar asSplitToken, QStringList& aoOut);
    // Item aiIndexPart (0-based) of SplitB; empty at or past the end, EListError when negative.
    static QString GetStringPart(QStringView asText, QChar asSplitChar, int aiIndexPart);
    // Fields quoted for SQL (fields already between single quotes kept), joined again.
    static QString SplitInQuotedStr(QStringView asTexto, QChar asSeparador);
    static QString GetStringFilterIn(QStringView asLista, QStringView asSeparador, bool abQuoted);
    static QString QuotedList(QStringView asLista, QStringView asSeparador);

    // ---- Joining and arrays ----
    // asEste becomes asComEste when empty, else asEste + separator + asComEste. With
    // asValidaSeJaExiste, asComEste is not added when it is already one of the items of asEste
    // (split on the separator, compared under full upper-casing): a set-like list.
    static void Concatena(QString& asEste, QStringView asComEste,
                          QStringView asSeparadorSePreenchido, bool asValidaSeJaExiste);
    static QString Concatena(const TcrvArrayString& aaLista, QStringView asSeparador);
    static void ConcatenaInicio(QString& asEste, QStringView asComEste,
                                QStringView asSeparadorSePreenchido);
    static QString ArrayConcatToStr(const TcrvArrayString& aaArrayStr, QStringView asSeparador,
                                    bool abQuoted);
    static QString ArrayStrConcatToStr(const TArrayStr& aaArrayStr, QStringView asSeparador,
                                       bool abQuoted);
    static QString ArrayIntToStr(const QList<int>& aaArrayInt, QStringView asSeparador);
    static QString ArrayCharToString(const QList<QChar>& aaChar);
    static QStringList crvAStrToTStrings(const TcrvArrayString& aaLista);
    static void AddArray(TcrvArrayString& aaLista, const QString& asValor);
    static void AddArray(TcrvArrayInteger& aaLista, int aiValor);
    static void ClearArray(TcrvArrayString& aaLista);
    static void ClearArray(TcrvArrayInteger& aaLista);

    // ---- Searching, comparing, counting ----
    static QString Replace(QStringView Texto, QStringView Este, QStringView PorEste,
                           bool IgnoraCaseSensitive);
    static int Ocorre(QStringView Texto, QStringView SubTexto);
    static int OcorreCh(QStringView Texto, QChar CharParaContar);
    static int ContarRepeticaoCaracter(QStringView Texto, QChar Caracter);
    static bool Contem(QStringView asTexto, const QStringList& aaTextos);
    static int ContemPos(QStringView asTexto, const QStringList& aaTextos);
    static bool ContemTodos(QStringView asTexto, const QStringList& aaTextos);
    static bool ContemInt(int aiInteiro, const QList<int>& aaArrayInteiro);
    static bool StartsWith(QStringView Texto, QStringView Value, bool abIgnoreCase);
    static bool EndsWith(QStringView Texto, QStringView Value);
    static bool EqualsIgnoreCase(QStringView asValue, QStringView asValue2);
    static QString CopyStr(QStringView asTexto, QStringView asInicio, QStringView asFim);
    static int PosReverse(QStringView asSubStr, QStringView asStr);
    static int PosPrimeiroNumero(QStringView asText);
    static int GetPosCaracterBackJumpingNCaracter(QStringView Texto, QChar Caracter,
                                                  int QtdeCaracter);

    // ---- Cleaning and character classes ("trim" removes codes 32 and below) ----
    static QString RemoveEspacosDuplos(QStringView S);
    static QString RemoveEnter(QStringView asText);
    static QString Clear(QStringView S);
    static QString RemoveCaracterLeft(QStringView Texto, QChar Caracter);
    static QString RemoveZerosEsquerda(QStringView Texto);
    static QString OnlyDigits(QStringView Texto);
    static QString SomenteNumeros(QStringView Texto, bool DeleteDecimalSeparator);
    static QString RemoveNumeros(QStringView Texto);
    static QString SomenteLetras(QStringView Texto, QStringView IgnorarCaracter);
    static QString SomenteAlfa(QStringView Texto, QStringView asCaracterSubstituir);
    static QString SomenteASCII(QStringView Texto);
    static QString Somente(QStringView asTexto, const TSysCharSet& asLista, bool abTrim);
    static QString SomenteCaracteresValidos(QStringView asTexto);
    static QString SomenteCaracteresValidosXML_WS(QStringView asTexto);
    static QString RemoveAcentos(QStringView Texto, bool abRemovePequenoO);
    static QString RemoveAcentosSQL(QStringView Texto);
    static QString LimparStringParaSQL(QStringView Texto);
    static QString RemoveCaracteresEspeciais(QStringView Texto);
    static void RemoverBOM_StringList(QStringList& Lista);
};

class mStr : public TmStr {};
