#pragma once
// Wrapping by measured width for screen labels (proportional fonts). The text is measured through
// TMedidorTexto, so this unit needs no drawing surface: desenho/medidor/TMedidorFonte.h
// measures with a Qt font, tests with fixed widths. Measuring runs where the measurer may be used
// (for a Qt font, the GUI thread).

#include <QString>
#include <QStringView>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

// What a drawing surface answers about text: widths and heights in pixels with its current font,
// and the width of the screen it draws on.
class ORVANE_SISTEMA_EXPORT TMedidorTexto {
public:
    virtual ~TMedidorTexto() = default;
    virtual int TextWidth(QStringView texto) const = 0;
    virtual int TextHeight(QStringView texto) const = 0;
    virtual int LarguraTela() const = 0;
};

struct ORVANE_SISTEMA_EXPORT TStringInfo {
    int LineCount = 0;
    int MaxLineWidth = 0;  // pixels
    int TextHeight = 0;    // pixels
    QString ScreenText;    // the wrapped lines joined by carriage return and line feed

    void Clear() { *this = TStringInfo(); }
};

namespace TmStr {

// asText wrapped to aiMaxLineWidth pixels (0 or less, or wider than the screen: half the screen
// width). Each carriage return starts a paragraph (line feeds are ignored); a paragraph is cut
// into words and blanks (SplitB), which are added to the line while its measured width stays
// within the limit; the item that would pass it starts the next line (an item wider than the
// limit on an empty line stays there, alone). Every line counts, an empty paragraph too, and
// ScreenText holds exactly LineCount lines. MaxLineWidth is the widest line; TextHeight the
// height of "A" times LineCount.
ORVANE_SISTEMA_EXPORT TStringInfo GetStringInfo(QStringView asText, const TMedidorTexto& aoCanvas,
                                                int aiMaxLineWidth);

}  // namespace TmStr
