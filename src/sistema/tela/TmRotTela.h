#pragma once
// The display mode through xrandr: the modes of the first connected output of the X screen the
// program runs on ($DISPLAY), and switching that output to one of them. A switch lasts for the
// session only (nothing is written to a configuration), and a mode that the output does not list
// is never set: with no such mode the answer is false and the screen stays as it was.

#include <QList>
#include <QString>

#include "sistema/ExportacaoSistema.h"

namespace TmRot {

struct TModoTela {
    QString Nome;  // xrandr's name of the mode, e.g. "800x600"
    int Largura = 0;
    int Altura = 0;
    bool Atual = false;  // the output shows it now
};

// The output's modes in xrandr's order; empty without xrandr or without a connected output.
ORVANE_SISTEMA_EXPORT QList<TModoTela> ModosTela();
// Bits per pixel of the screen's root window; 0 when it cannot be read.
ORVANE_SISTEMA_EXPORT int ProfundidadeTela();
// Switches the output to its first listed mode of that size; false when there is none or
// xrandr refused.
ORVANE_SISTEMA_EXPORT bool MudarModoTela(int aiLargura, int aiAltura);
// 800 x 600 when the screen draws with more than 15 bits per pixel, else false.
ORVANE_SISTEMA_EXPORT bool MudarPara800x600();

// xrandr --query's text as the list above (the first connected output's modes).
ORVANE_SISTEMA_EXPORT QList<TModoTela> LerModosXrandr(const QString& asSaida);

}  // namespace TmRot
