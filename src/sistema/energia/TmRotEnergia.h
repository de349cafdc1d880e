#pragma once
// Restarting and powering off the machine: after a 1 s wait (Delay, the event loop running),
// logind's Reboot or PowerOff on the system bus (org.freedesktop.login1), not interactive, so
// logind's own rules decide whether this user may (a polkit prompt is never shown). True when
// logind accepted the call.

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

ORVANE_SISTEMA_EXPORT bool Reboot();
ORVANE_SISTEMA_EXPORT bool DesligarPC();

}  // namespace TmRot
