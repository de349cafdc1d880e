#pragma once
// Filling a text to a fixed width for printed columns. The side named by an operation is the side
// the fill goes against: PadLeft keeps the text on the left (fill after it), PadRight on the
// right (fill before it). A width below 0 counts as 0. Without cutting, a text already as wide as
// the width or wider comes back unchanged.

#include <QChar>
#include <QString>
#include <QStringView>

#include "base/mLib.h"

namespace TmStr {

// Text then PadChar up to Tamanho; with abCortarTexto a longer text keeps its first characters.
QString PadLeft(QStringView Texto, int Tamanho, QChar PadChar, bool abCortarTexto);
QString RealPadRight(QStringView asTexto, int aiTamanho, QChar acPadChar, bool abCortarTexto);
// PadChar up to Tamanho then the text; with abCortarTexto a longer text keeps its last
// characters. (The number overload of PadRight is in texto/conversao/TmStrNumeros.h.)
QString PadRight(QStringView Texto, int Tamanho, QChar PadChar, bool abCortarTexto);
QString RealPadLeft(QStringView asTexto, int aiTamanho, QChar acPadChar, bool abCortarTexto);
// Fill, StrFim, text (fill count: Tamanho - length of the text - length of StrFim), always cut to
// its last Tamanho characters.
QString PadRightStrFim(QStringView Texto, int Tamanho, QChar PadChar, QStringView StrFim);
// Centred, always exactly Tamanho wide: fill goes alternately after and before the text (after
// first, so an odd fill leaves one more after); a longer text loses characters alternately from
// its start and its end (the start first).
QString PadCenter(QStringView Texto, int Tamanho, QChar PadChar);
// Qtd blanks; Texto Qtd times. Nothing for a count of 0 or less.
QString Space(int Qtd);
QString RepeteStr(QStringView Texto, int Qtd);

}  // namespace TmStr
