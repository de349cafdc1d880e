#pragma once
// Filling a text to a fixed width for printed columns. The side named by an operation is the side
// the fill goes against: PadLeft keeps the text on the left (fill after it), PadRight on the
// right (fill before it). A width below 0 counts as 0. Without cutting, a text already as wide as
// the width or wider comes back unchanged.

#include <QChar>
#include <QString>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// Text then PadChar up to Tamanho; with abCortarTexto a longer text keeps its first characters.
ORVANE_SISTEMA_EXPORT QString PadLeft(QStringView Texto, int Tamanho, QChar PadChar,
                                      bool abCortarTexto);
ORVANE_SISTEMA_EXPORT QString RealPadRight(QStringView asTexto, int aiTamanho, QChar acPadChar,
                                           bool abCortarTexto);
// PadChar up to Tamanho then the text; with abCortarTexto a longer text keeps its last
// characters. (The number overload of PadRight is in texto/conversao/TmStrNumeros.h.)
ORVANE_SISTEMA_EXPORT QString PadRight(QStringView Texto, int Tamanho, QChar PadChar,
                                       bool abCortarTexto);
ORVANE_SISTEMA_EXPORT QString RealPadLeft(QStringView asTexto, int aiTamanho, QChar acPadChar,
                                          bool abCortarTexto);
// Fill, StrFim, text (fill count: Tamanho - length of the text - length of StrFim), always cut to
// its last Tamanho characters.
ORVANE_SISTEMA_EXPORT QString PadRightStrFim(QStringView Texto, int Tamanho, QChar PadChar,
                                             QStringView StrFim);
// Centred, always exactly Tamanho wide: fill goes alternately after and before the text (after
// first, so an odd fill leaves one more after); a longer text loses characters alternately from
// its start and its end (the start first).
ORVANE_SISTEMA_EXPORT QString PadCenter(QStringView Texto, int Tamanho, QChar PadChar);
// Qtd blanks; Texto Qtd times. Nothing for a count of 0 or less.
ORVANE_SISTEMA_EXPORT QString Space(int Qtd);
ORVANE_SISTEMA_EXPORT QString RepeteStr(QStringView Texto, int Qtd);

}  // namespace TmStr
