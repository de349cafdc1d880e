#pragma once
// Starting programs and waiting: from an argument list, never through a shell, so no text a
// caller passes becomes a shell command.
//
// A command line (ExecutableFile, Params, Parametros) is split into words by the usual quoting
// rules (double quotes group blanks, "" inside quotes is one quote; QProcess::splitCommand).
// ExecutableFile is one word as given, blanks included; without a folder it is searched on PATH.
// WindowStyle and show modes have no meaning for a Linux program and are accepted and ignored.
//
// The working folder: WorkDir, when not blank, is the child's current folder; the caller's own
// current folder never changes (a library routine moving the whole program's folder would break
// every relative path elsewhere in it). A WorkDir that does not exist fails the start.
//
// Exit codes: a program that exits gives its status; one ended by a signal gives the code its
// Windows counterpart shows, so GetMsgExitCode names the cause: SIGHUP (its terminal closed)
// kExitPromptFechado, SIGINT (Ctrl+C) 255, SIGTERM and SIGKILL (ended from outside, as the task
// manager does) 1; any other signal 128 + its number, as the shell reports it.
//
// Waiting with the event loop (ExecWin, ExecWinWait, RunAsAdmin, Delay) lets other events of the
// thread run meanwhile; a wait that the application's quitting interrupts answers with the
// exit code kAindaAtivo. ExecDOSWait and gfExecBATDOSWait block the thread.

#include <QString>
#include <QStringList>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

constexpr int kExitPromptFechado = static_cast<int>(0xC000013A);
constexpr int kAindaAtivo = 259;

// "Cancelamento do processo (Prompt fechado)", "Cancelamento do processo (Ctrl + C)",
// "Processo finalizado (Gerenciador de tarefas)" for kExitPromptFechado, 255 and 1; else "".
ORVANE_SISTEMA_EXPORT QString GetMsgExitCode(int aiExitCode);
// Starts the command line without waiting; true when it started.
ORVANE_SISTEMA_EXPORT bool WinExec32(const QString& Parametros);

}  // namespace TmFile

namespace TmRot {

ORVANE_SISTEMA_EXPORT bool WinExec32(const QString& ProgramaEParametros, int cTipoShow);
// Starts ExecutableFile with the words of Params (or, with ExecutableFile blank, the command
// line Params); false when nothing is given or the start fails. aiExitCode is 0 unless waited.
ORVANE_SISTEMA_EXPORT bool ExecWin(const QString& WorkDir, const QString& ExecutableFile,
                                   const QString& Params, int WindowStyle, bool abWaitForCompletion,
                                   int& aiExitCode);
ORVANE_SISTEMA_EXPORT bool ExecWin(const QString& WorkDir, const QString& ExecutableFile,
                                   const QString& Params, int WindowStyle,
                                   bool abWaitForCompletion);
ORVANE_SISTEMA_EXPORT bool ExecWinWait(const QString& WorkDir, const QString& ExecutableFile,
                                       const QString& Params, int WindowStyle, int& aiExitCode);
ORVANE_SISTEMA_EXPORT bool ExecWinWait(const QString& WorkDir, const QString& ExecutableFile,
                                       const QString& Params, int WindowStyle);
// Waits blocking the thread; true when it started.
ORVANE_SISTEMA_EXPORT bool ExecDOSWait(const QString& WorkDir, const QString& ExecutableFile,
                                       const QString& Params, int WindowStyle);
// Writes the lines to asDiretorio + asNomeBAT (a shell script here, written whole, executable
// for its owner only) and runs it with /bin/sh in that folder, blocking; true when it ran.
ORVANE_SISTEMA_EXPORT bool gfExecBATDOSWait(const QString& asDiretorio, const QString& asNomeBAT,
                                            const QStringList& asComando, bool abMostrarJanelaDOS);
// With elevation: the program runs through pkexec (its own prompt), directly when the caller
// already is root. A refusal answers pkexec's exit code when waited, as any other exit.
ORVANE_SISTEMA_EXPORT bool RunAsAdmin(const QString& lsFileName, const QString& lsParams,
                                      bool abWaitForCompletion, int& aiExitCode);

// Runs the thread's event loop for MSecs milliseconds (a timer ends it; no busy waiting). With
// no application object it sleeps.
ORVANE_SISTEMA_EXPORT void Delay(int MSecs);
// Runs the events already waiting; true when the application is shutting down.
ORVANE_SISTEMA_EXPORT bool DoEvents();

}  // namespace TmRot
