#include "sistema/agenda/TmRotAgenda.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "base/ArquivoInteiro.h"
#include "base/FormatoDataHora.h"
#include "sistema/processos/internal/NomeSeguro.h"

namespace {

QString PalavraExec(const QString& palavra) {
    QString citada = QStringLiteral("\"");
    for (const QChar c : palavra) {
        if (c == u'"' || c == u'\\')
            citada += u'\\';
        else if (c == u'%' || c == u'$')
            citada += c;
        if (c == u'\n' || c == u'\r')
            citada += QLatin1String("\\n");
        else
            citada += c;
    }
    return citada + u'"';
}

// "MON,FRI" as "Mon,Fri"; "" when a day is not a known one.
QString DiasCalendario(const QString& dias) {
    static const QStringList conhecidos{
        QStringLiteral("MON"), QStringLiteral("TUE"), QStringLiteral("WED"), QStringLiteral("THU"),
        QStringLiteral("FRI"), QStringLiteral("SAT"), QStringLiteral("SUN")};
    QStringList escritos;
    for (const QString& dia : dias.split(u',')) {
        const QString nome = dia.trimmed().toUpper();
        if (!conhecidos.contains(nome))
            return {};
        escritos << nome.left(1) + nome.mid(1).toLower();
    }
    return escritos.join(u',');
}

int Systemctl(const QStringList& argumentos) {
    QProcess systemctl;
    systemctl.setStandardOutputFile(QProcess::nullDevice());
    systemctl.setStandardErrorFile(QProcess::nullDevice());
    systemctl.start(QStringLiteral("systemctl"),
                    QStringList{QStringLiteral("--user")} + argumentos);
    if (!systemctl.waitForFinished(30000) || systemctl.exitStatus() != QProcess::NormalExit)
        return -1;
    return systemctl.exitCode();
}

}  // namespace

namespace TmRot {

QString PastaUnidades() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/systemd/user");
}

QString NomeUnidade(const QString& asNomeTarefa) {
    // systemd unit names allow "%" only as an escape of its own: the escaped name uses "_" there.
    return QStringLiteral("orvane-") + NomeSeguro::Escapar(asNomeTarefa).replace(u'%', u'_');
}

QString UnidadeServico(const QString& asCmdLine) {
    QStringList palavras;
    for (const QString& palavra : QProcess::splitCommand(asCmdLine))
        palavras << PalavraExec(palavra);
    return QStringLiteral(
               "[Unit]\nDescription=Orvane scheduled task\n\n[Service]\nType=oneshot\nExecStart=") +
           palavras.join(u' ') + u'\n';
}

QString UnidadeTimer(TDateTime ahHora, const QString& asDiasSemana) {
    const QString dias =
        asDiasSemana.trimmed() == QLatin1String("*") ? QString() : DiasCalendario(asDiasSemana);
    if (dias.isEmpty() && asDiasSemana.trimmed() != QLatin1String("*"))
        return {};
    const QString quando = (dias.isEmpty() ? QString() : dias + u' ') + QStringLiteral("*-*-* ") +
                           Rtl::FormatDateTime(u"hh:nn:ss", ahHora);
    return QStringLiteral("[Unit]\nDescription=Orvane scheduled task\n\n[Timer]\nOnCalendar=") +
           quando + QStringLiteral("\n\n[Install]\nWantedBy=timers.target\n");
}

bool AgendarWindowsTaks(const QString& asNomeTarefa, const QString& asCmdLine, TDateTime ahHora,
                        const QString& asDiasSemana, QString& asExecCmd) {
    const QString timer = UnidadeTimer(ahHora, asDiasSemana);
    if (timer.isEmpty() || QProcess::splitCommand(asCmdLine).isEmpty())
        return false;
    const QString nome = NomeUnidade(asNomeTarefa);
    const QString pasta = PastaUnidades();
    Systemctl(
        {QStringLiteral("disable"), QStringLiteral("--now"), nome + QStringLiteral(".timer")});
    QString motivo;
    if (!QDir().mkpath(pasta) ||
        !ArquivoInteiro::Gravar(pasta + u'/' + nome + QStringLiteral(".service"),
                                UnidadeServico(asCmdLine).toUtf8(), motivo) ||
        !ArquivoInteiro::Gravar(pasta + u'/' + nome + QStringLiteral(".timer"), timer.toUtf8(),
                                motivo))
        return false;
    Systemctl({QStringLiteral("daemon-reload")});
    const QStringList ativar{QStringLiteral("enable"), QStringLiteral("--now"),
                             nome + QStringLiteral(".timer")};
    asExecCmd = QStringLiteral("systemctl --user ") + ativar.join(u' ');
    return Systemctl(ativar) == 0;
}

}  // namespace TmRot
