#include "sistema/agenda/TmRotAgenda.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include "base/ArquivoInteiro.h"
#include "base/FormatoDataHora.h"
#include "sistema/processos/internal/ArquivoTrava.h"
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

// Cron runs the command through /bin/sh and reads an unescaped "%" as a newline: each word is
// single-quoted for the shell, and each "%" closes and reopens the quotes before "\%" so that
// no backslash of the word can pair with cron's escape.
QString PalavraCron(const QString& palavra) {
    QString citada = palavra;
    citada.replace(u'\'', QLatin1String("'\\''")).replace(u'%', QLatin1String("''\\%"));
    return u'\'' + citada + u'\'';
}

// "Mon,Fri" (as DiasCalendario writes it) as cron's day numbers "1,5".
QString DiasCron(const QString& dias) {
    static const QStringList ordem{
        QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
        QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat")};
    QStringList numeros;
    for (const QString& dia : dias.split(u','))
        numeros << QString::number(ordem.indexOf(dia));
    return numeros.join(u',');
}

QString MarcaCron(const QString& nomeUnidade) {
    return QStringLiteral("# orvane-task ") + nomeUnidade;
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

// The user's crontab is read, changed and written back under this lock, so two programs
// scheduling at once never write a table that misses the other's task. Waiting is bounded: a
// holder's crontab calls end within their own time limits.
class TravaCron {
public:
    TravaCron()
        : fd_(ArquivoTrava::Abrir(TmRot::ArquivoTravaCron(), ArquivoTrava::EDono::Usuario)) {
        const QDeadlineTimer prazo(kEsperaMs);
        while (fd_ >= 0 && flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || prazo.hasExpired()) {
                close(fd_);
                fd_ = -1;
            } else {
                QThread::msleep(10);
            }
        }
    }
    ~TravaCron() {
        if (fd_ >= 0)
            close(fd_);  // gives the lock back
    }
    TravaCron(const TravaCron&) = delete;
    TravaCron& operator=(const TravaCron&) = delete;
    bool Tomada() const { return fd_ >= 0; }

private:
    static constexpr int kEsperaMs = 90000;
    int fd_;
};

}  // namespace

namespace TmRot {

QString ArquivoTravaCron() {
    return ArquivoTrava::PastaDoUsuario() + QStringLiteral("/orvane-crontab-%1.lock").arg(getuid());
}

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

bool AgendarSystemd(const QString& asNomeTarefa, const QString& asCmdLine, TDateTime ahHora,
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

bool GerenciadorUsuario() {
    return Systemctl({QStringLiteral("show-environment")}) == 0;
}

QString LinhaCron(const QString& asCmdLine, TDateTime ahHora, const QString& asDiasSemana) {
    const bool diario = asDiasSemana.trimmed() == QLatin1String("*");
    const QString dias = diario ? QStringLiteral("*") : DiasCron(DiasCalendario(asDiasSemana));
    const QStringList palavras = QProcess::splitCommand(asCmdLine);
    if ((!diario && DiasCalendario(asDiasSemana).isEmpty()) || palavras.isEmpty() ||
        asCmdLine.contains(u'\n') || asCmdLine.contains(u'\r'))
        return {};
    QStringList citadas;
    for (const QString& palavra : palavras)
        citadas << PalavraCron(palavra);
    return Rtl::FormatDateTime(u"nn hh", ahHora) + QStringLiteral(" * * ") + dias + u' ' +
           citadas.join(u' ');
}

namespace {

bool LerCrontab(QString& asTexto) {
    QProcess crontab;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    crontab.setProcessEnvironment(ambiente);
    crontab.start(QStringLiteral("crontab"), {QStringLiteral("-l")});
    if (!crontab.waitForFinished(30000) || crontab.exitStatus() != QProcess::NormalExit)
        return false;
    asTexto = QString::fromUtf8(crontab.readAllStandardOutput());
    // "no crontab for <user>" is the only failure that means an empty table; any other one
    // must not let a rewrite drop the user's entries.
    return crontab.exitCode() == 0 || crontab.readAllStandardError().startsWith("no crontab for ");
}

QString SemTarefa(const QString& asTabela, const QString& asMarca) {
    QStringList linhas = asTabela.split(u'\n');
    for (qsizetype i = linhas.indexOf(asMarca); i >= 0; i = linhas.indexOf(asMarca))
        linhas.remove(i, std::min<qsizetype>(2, linhas.size() - i));
    while (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas.isEmpty() ? QString() : linhas.join(u'\n') + u'\n';
}

}  // namespace

bool AgendarCron(const QString& asNomeTarefa, const QString& asCmdLine, TDateTime ahHora,
                 const QString& asDiasSemana, QString& asExecCmd) {
    const QString linha = LinhaCron(asCmdLine, ahHora, asDiasSemana);
    if (linha.isEmpty())
        return false;
    const TravaCron trava;
    QString tabela;
    if (!trava.Tomada() || !LerCrontab(tabela))
        return false;
    const QString marca = MarcaCron(NomeUnidade(asNomeTarefa));
    const QByteArray nova = (SemTarefa(tabela, marca) + marca + u'\n' + linha + u'\n').toUtf8();
    QProcess crontab;
    crontab.setStandardOutputFile(QProcess::nullDevice());
    crontab.setStandardErrorFile(QProcess::nullDevice());
    asExecCmd = QStringLiteral("crontab -");
    crontab.start(QStringLiteral("crontab"), {QStringLiteral("-")});
    if (!crontab.waitForStarted(30000))
        return false;
    crontab.write(nova);
    crontab.closeWriteChannel();
    return crontab.waitForFinished(30000) && crontab.exitStatus() == QProcess::NormalExit &&
           crontab.exitCode() == 0;
}

bool AgendarWindowsTaks(const QString& asNomeTarefa, const QString& asCmdLine, TDateTime ahHora,
                        const QString& asDiasSemana, QString& asExecCmd) {
    return GerenciadorUsuario()
               ? AgendarSystemd(asNomeTarefa, asCmdLine, ahHora, asDiasSemana, asExecCmd)
               : AgendarCron(asNomeTarefa, asCmdLine, ahHora, asDiasSemana, asExecCmd);
}

}  // namespace TmRot
