#pragma once
// The placement rules of the display window, kept free of widgets so that they can be checked
// against any list of monitors.

#include <QList>
#include <QRect>
#include <QString>
#include <cstdint>

constexpr int kPortaPadrao = 22334;

// A monitor as the platform enumerates it.
struct TMonitor {
    QRect Limites;  // bounds in desktop pixels (not the work area)
    bool Primario = false;
    int Numero = 0;
};

// The listener's port for the stored "Porta": a 16-bit number, so the value is taken modulo
// 65536 (negative values wrap as a 16-bit number would); 0 means the default port.
std::uint16_t PortaEfetiva(int porta);

// Top-left corner for the stored "Monitor" (1 = first in enumeration order). A number above
// the monitor count gives (1, 1). A number below 1 (a hand-edited file, or "Aplicar" with no
// entry selected, which writes 0) gives the first monitor: the operator asked for no other.
QPoint CantoDoMonitor(const QList<TMonitor>& monitores, int monitorConfigurado);

// The text of the per-monitor information box shown when "Debug" is on.
QString TextoMonitor(int indice, const TMonitor& monitor);
