#pragma once
// The placement rules of the display window, kept free of widgets so that they can be checked
// against any list of monitors.

#include <QList>
#include <QRect>
#include <QString>

#include "display/regras/ConfiguracaoDisplay.h"

// A monitor as the platform enumerates it.
struct TMonitor {
    QRect Limites;  // bounds in desktop pixels (not the work area)
    bool Primario = false;
    int Numero = 0;
};

// Top-left corner for the stored "Monitor" (1 = first in enumeration order). A number above
// the monitor count gives (1, 1). A number below 1 (a hand-edited file, or "Aplicar" with no
// entry selected, which writes 0) gives the first monitor: the operator asked for no other.
QPoint CantoDoMonitor(const QList<TMonitor>& monitores, int monitorConfigurado);

// The corner of the window's frame: the one "Left" and "Top" fix, else the monitor's.
QPoint CantoDaJanela(const QList<TMonitor>& monitores, const ConfiguracaoDisplay& config);

// The position, in the list, of the monitor a full-screen window with this corner covers: the
// first one whose bounds hold the corner; a corner outside every monitor (a hand-edited "Top"
// and "Left", or (1, 1) when the first monitor does not start at the origin) gives the first
// monitor, never merely the nearest. An empty list gives -1.
int MonitorDoCanto(const QList<TMonitor>& monitores, QPoint canto);

// The text of the per-monitor information box shown when "Debug" is on.
QString TextoMonitor(int indice, const TMonitor& monitor);
