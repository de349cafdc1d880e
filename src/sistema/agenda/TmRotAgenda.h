#pragma once
// Scheduled tasks as systemd user timers: a task is a pair of units "orvane-<name>.service"
// (running the command line) and "orvane-<name>.timer" (when), in the user's unit folder
// ($XDG_CONFIG_HOME/systemd/user). The name is escaped (sistema/processos/internal/NomeSeguro.h),
// so no name reaches another unit or folder. The command line is split into words by the usual
// quoting rules and each word written quoted for ExecStart= ("%" and "$" doubled, '"' and '\'
// escaped), so its text is never read as a specifier or a variable.

#include <QString>

#include "base/TDateTime.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// Replaces the task asNomeTarefa: asCmdLine at the time of day of ahHora, every day for
// asDiasSemana "*", else on the days listed ("MON,FRI": MON TUE WED THU FRI SAT SUN, any case).
// The old task's timer is stopped and its units removed first. asExecCmd is the systemctl
// command that started the timer. True when the units were written and systemd took the timer;
// false for an unknown day name (nothing changed then) or when the user's systemd refused it.
ORVANE_SISTEMA_EXPORT bool AgendarWindowsTaks(const QString& asNomeTarefa, const QString& asCmdLine,
                                              TDateTime ahHora, const QString& asDiasSemana,
                                              QString& asExecCmd);

// Where the user has no systemd manager (systemctl --user does not answer), the task is a line of
// the user's crontab instead, under the marker line "# orvane-task <escaped name>", written
// through "crontab -" with the user's other lines kept; asExecCmd is then "crontab -". Cron
// keeps minutes only: the seconds of ahHora are dropped. A command line with a line break is
// refused there (a crontab line cannot hold one), and so is a table crontab could not read.
// The read, the change and the write happen under an flock on ArquivoTravaCron(), which every
// program of the library run by the user takes first (waiting for a holder, 90 s at most): two
// tasks scheduled at once both stay in the table. A link, or a file not the user's own, at the
// lock's name refuses the task and changes nothing.

// The two ways, for callers and checks that want one of them.
ORVANE_SISTEMA_EXPORT bool AgendarSystemd(const QString& asNomeTarefa, const QString& asCmdLine,
                                          TDateTime ahHora, const QString& asDiasSemana,
                                          QString& asExecCmd);
ORVANE_SISTEMA_EXPORT bool AgendarCron(const QString& asNomeTarefa, const QString& asCmdLine,
                                       TDateTime ahHora, const QString& asDiasSemana,
                                       QString& asExecCmd);
ORVANE_SISTEMA_EXPORT bool GerenciadorUsuario();  // the user's systemd manager answers

// The crontab line ("mm hh * * dow 'word' ..."); "" for an unknown day name or a line break.
ORVANE_SISTEMA_EXPORT QString LinhaCron(const QString& asCmdLine, TDateTime ahHora,
                                        const QString& asDiasSemana);

// The lock file of the user's crontab: "orvane-crontab.lock" in the user's runtime folder
// (XDG_RUNTIME_DIR, when it is the user's own folder), else "/tmp/orvane-crontab-<uid>.lock".
ORVANE_SISTEMA_EXPORT QString ArquivoTravaCron();

// The unit texts, for the program's own checks.
ORVANE_SISTEMA_EXPORT QString UnidadeServico(const QString& asCmdLine);
// "" for an unknown day name.
ORVANE_SISTEMA_EXPORT QString UnidadeTimer(TDateTime ahHora, const QString& asDiasSemana);
ORVANE_SISTEMA_EXPORT QString PastaUnidades();
ORVANE_SISTEMA_EXPORT QString
NomeUnidade(const QString& asNomeTarefa);  // without ".service"/".timer"

}  // namespace TmRot
