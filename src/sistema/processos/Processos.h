#pragma once
// The running processes, read from /proc, found by name, counted and ended.
//
// Matching: a process matches a name when one of its names equals the file-name part of the
// given name, ignoring case, both taken without a final ".exe" (so "Caixa.exe", "caixa" and
// "/opt/pdv/caixa" all find a program file named caixa). A process's names are its short name
// (the kernel's, cut to 15 characters), the file name of its program file and the file name of
// the first word of its command line. Processes that have ended but are not yet collected by
// their parent (zombies) are not running and match nothing.
//
// Ending a process is unconditional (SIGKILL), as the task manager does. The calling process is
// never ended by these routines, even when its own name is given: it would stop halfway through
// the list. A process is addressed through a pidfd taken before its names are checked, so a
// number reused by another program between the listing and the signal is never hit.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

ORVANE_SISTEMA_EXPORT bool IsProcessoAtivo(const QString& ExeFileName);
// Ends every matching process; 1 when the last one could be ended, 0 when it could not or none
// matched.
ORVANE_SISTEMA_EXPORT int KillTask(const QString& ExeFileName);
// Processes whose names agree with NomeExe in their first 15 characters, ignoring case and a
// final ".exe" (the kernel keeps only 15 characters of a short name).
ORVANE_SISTEMA_EXPORT int GetNumeroProcessos(const QString& NomeExe);

}  // namespace TmFile

namespace TmRot {

ORVANE_SISTEMA_EXPORT int KillTask(const QString& ExeFileName);
// As TmFile::IsProcessoAtivo; when the process list cannot be read, shows the reason with
// TmDlg::Erro and answers false.
ORVANE_SISTEMA_EXPORT bool ProcessoAtivo(const QString& NomeExe);
// Ends every matching process, then checks up to 11 times, 500 ms apart (Delay), whether one
// is still running. True when none is left.
ORVANE_SISTEMA_EXPORT bool InativarProcesso(const QString& NomeExe);
// True at once when nothing matches. Otherwise up to 5 rounds of InativarProcesso and a 3 s
// Delay while something still matches; when one survives them and another 3 s, asks the user
// whether to go on (TmDlg::Confirma) and answers the reply.
ORVANE_SISTEMA_EXPORT bool FinalizarProcesso(const QString& NomeExe);

}  // namespace TmRot
