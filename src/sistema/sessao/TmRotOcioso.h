#pragma once
// Seconds since the user's last keyboard or mouse input, asked of the desktop over the session
// bus: GNOME's idle monitor (org.gnome.Mutter.IdleMonitor, milliseconds), else the freedesktop
// screen saver (org.freedesktop.ScreenSaver.GetSessionIdleTime, seconds). 0 when neither
// answers (no desktop session): nobody is known to be away.

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

ORVANE_SISTEMA_EXPORT int SecondsIdle();

}  // namespace TmRot
