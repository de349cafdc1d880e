#pragma once
// The progress state of the program's taskbar button, through the desktop's launcher-entry
// signal (com.canonical.Unity.LauncherEntry "Update") on the session bus. Without a session bus
// it does nothing, quietly, and every later call tries to reach the bus again.
//
// The signal knows no colours: the progress bar is shown full (1 of 1) for every state but 0,
// and the error state (3) also asks for the user's attention ("urgent").

#include <QString>

#include "dialogos/ExportacaoDialogos.h"

namespace BarraTarefas {

// 0 none, 1 indeterminate, 2 normal, 3 error, 4 paused.
ORVANE_DIALOGOS_EXPORT void SetTaskbarEstado(int aiEstado);

// The application URI the signal names: "application://" + the desktop entry's file name
// (the application name + ".desktop").
ORVANE_DIALOGOS_EXPORT QString UriAplicacao();

}  // namespace BarraTarefas
