#pragma once
// Wrapping and justification of monospaced text (receipts and reports), counted in characters,
// and lists laid out in newspaper columns. A blank is the space character; "trimmed" removes
// every character of code 32 or less from both ends.
//
// Widths of 0 or less never hang nor drop text: a line width below 1 does not wrap (each
// paragraph is one line), and a word longer than the line is cut at the width by the paragraph
// routines (QuebraTexto, which never cuts words, puts it alone on its line). Every character
// other than the blanks at a break ends up in some line.

#include <QString>
#include <QStringList>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmStr {

// Greedy wrapping into asLista (cleared first): the trimmed text, runs of blanks taken as one,
// words joined by one blank while a line stays within aiMaxLength; a longer word stands alone.
ORVANE_SISTEMA_EXPORT void QuebraTexto(QStringView asTexto, int aiMaxLength, QStringList& asLista);

// The trimmed line widened to aiQtCaracteres by spreading blanks over the gaps between words,
// the leftmost gaps taking one more when they do not divide evenly. A line already that wide,
// or with no gap to widen, comes back trimmed.
ORVANE_SISTEMA_EXPORT QString JustificarMonoEspacado(QStringView asLinha, int aiQtCaracteres);

// Lines of at most aiMaxCaracteresLinha characters, each cut at the last blank that keeps it
// within the width (a word alone longer than the width is cut at the width), trimmed; with
// abJustificado every line but the last is justified to the width. aiCaracteresIdentacao is
// accepted and has no effect, as callers have always received the lines without indentation.
ORVANE_SISTEMA_EXPORT QStringList FormataParagrafo(QStringView asLinha, int aiMaxCaracteresLinha,
                                                   int aiCaracteresIdentacao, bool abJustificado);

// Saida (cleared first) receives Linha wrapped to TamLinha: line feeds are dropped, a carriage
// return ends a line (a hard break, so an empty line between two returns stays); otherwise a line
// ends at a soft break as in FormataParagrafo. With Justificar, a line longer than 10 characters
// that ends at a soft break and has more than two characters after it is justified to TamLinha.
// Lines are added trimmed, the last one too however short it is.
ORVANE_SISTEMA_EXPORT void FormatarParagrafo(QStringList& Saida, QStringView Linha, int TamLinha,
                                             bool Justificar);

// Resultado (cleared first) receives Original in blocks of Linhas x Colunas items. In a block of
// n items there are ceil(n / Colunas) rows and the items fill it column by column from the top;
// with AjustarColunas the columns after the first (n mod Colunas) hold one row fewer, so only the
// last row stays short. Each row is its cells, each filled with blanks or cut to TamCol
// characters; LinhaEntreBlocos adds an empty line after each block. Linhas of 0 or less puts all
// items in one block; Colunas below 1 counts as 1; TamCol below 0 as 0.
ORVANE_SISTEMA_EXPORT void FormataColunas(const QStringList& Original, QStringList& Resultado,
                                          int Linhas, int Colunas, int TamCol, bool AjustarColunas,
                                          bool LinhaEntreBlocos);

}  // namespace TmStr
