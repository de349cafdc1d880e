#include "sistema/processos/Execucao.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <optional>
#include <vector>

#include "base/ArquivoInteiro.h"
#include "base/internal/Texto.h"
#include "sistema/processos/internal/Pidfd.h"

extern char** environ;

namespace {

enum class TEspera { Nenhuma, ComEventos, Bloqueando };

struct TLinha {
    QString programa;
    QStringList argumentos;
};

std::optional<TLinha> MontarLinha(const QString& executavel, const QString& params) {
    QStringList palavras = QProcess::splitCommand(params);
    if (!TextoInterno::Aparar(executavel).isEmpty())
        return TLinha{executavel, palavras};
    if (palavras.isEmpty())
        return std::nullopt;
    const QString programa = palavras.takeFirst();
    return TLinha{programa, palavras};
}

int CodigoDeSaida(int status) {
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    switch (const int sinal = WTERMSIG(status)) {
        case SIGHUP:
            return TmFile::kExitPromptFechado;
        case SIGINT:
            return 255;
        case SIGTERM:
        case SIGKILL:
            return 1;
        default:
            return 128 + sinal;
    }
}

std::optional<pid_t> Iniciar(const TLinha& linha, const QString& pasta) {
    std::vector<QByteArray> palavras{QFile::encodeName(linha.programa)};
    for (const QString& argumento : linha.argumentos)
        palavras.push_back(argumento.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& palavra : palavras)
        argv.push_back(palavra.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t acoes;
    posix_spawn_file_actions_init(&acoes);
    const QByteArray pastaLocal = QFile::encodeName(pasta);
    if (!TextoInterno::Aparar(pasta).isEmpty())
        posix_spawn_file_actions_addchdir_np(&acoes, pastaLocal.constData());
    pid_t pid = 0;
    const int erro = posix_spawnp(&pid, argv[0], &acoes, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&acoes);
    if (erro != 0)
        return std::nullopt;
    return pid;
}

int EsperarBloqueando(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return TmFile::kAindaAtivo;
    return CodigoDeSaida(status);
}

// The event loop runs until the child's pidfd says it ended, or until the application quits
// (then the child is left running and the answer is kAindaAtivo).
int EsperarComEventos(pid_t pid) {
    const int pidfd = Pidfd::Abrir(pid);
    if (pidfd < 0 || !QCoreApplication::instance())
        return EsperarBloqueando(pid);
    {
        QEventLoop laco;
        QSocketNotifier aviso(pidfd, QSocketNotifier::Read);
        QObject::connect(&aviso, &QSocketNotifier::activated, &laco, &QEventLoop::quit);
        laco.exec();
    }
    close(pidfd);
    int status = 0;
    return waitpid(pid, &status, WNOHANG) == pid ? CodigoDeSaida(status) : TmFile::kAindaAtivo;
}

bool Executar(const TLinha& linha, const QString& pasta, TEspera espera, int& codigo) {
    codigo = 0;
    if (espera == TEspera::Nenhuma) {
        QProcess processo;
        processo.setProgram(linha.programa);
        processo.setArguments(linha.argumentos);
        if (!TextoInterno::Aparar(pasta).isEmpty())
            processo.setWorkingDirectory(pasta);
        return processo.startDetached();
    }
    const auto pid = Iniciar(linha, pasta);
    if (!pid)
        return false;
    codigo = espera == TEspera::ComEventos ? EsperarComEventos(*pid) : EsperarBloqueando(*pid);
    return true;
}

bool Executar(const QString& pasta, const QString& executavel, const QString& params,
              TEspera espera, int& codigo) {
    codigo = 0;
    const auto linha = MontarLinha(executavel, params);
    return linha && Executar(*linha, pasta, espera, codigo);
}

}  // namespace

namespace TmFile {

QString GetMsgExitCode(int aiExitCode) {
    switch (aiExitCode) {
        case kExitPromptFechado:
            return QStringLiteral("Cancelamento do processo (Prompt fechado)");
        case 255:
            return QStringLiteral("Cancelamento do processo (Ctrl + C)");
        case 1:
            return QStringLiteral("Processo finalizado (Gerenciador de tarefas)");
        default:
            return {};
    }
}

bool WinExec32(const QString& Parametros) {
    int codigo = 0;
    return Executar({}, {}, Parametros, TEspera::Nenhuma, codigo);
}

}  // namespace TmFile

namespace TmRot {

bool WinExec32(const QString& ProgramaEParametros, int) {
    return TmFile::WinExec32(ProgramaEParametros);
}

bool ExecWin(const QString& WorkDir, const QString& ExecutableFile, const QString& Params, int,
             bool abWaitForCompletion, int& aiExitCode) {
    return Executar(WorkDir, ExecutableFile, Params,
                    abWaitForCompletion ? TEspera::ComEventos : TEspera::Nenhuma, aiExitCode);
}

bool ExecWin(const QString& WorkDir, const QString& ExecutableFile, const QString& Params,
             int WindowStyle, bool abWaitForCompletion) {
    int codigo = 0;
    return ExecWin(WorkDir, ExecutableFile, Params, WindowStyle, abWaitForCompletion, codigo);
}

bool ExecWinWait(const QString& WorkDir, const QString& ExecutableFile, const QString& Params,
                 int WindowStyle, int& aiExitCode) {
    return ExecWin(WorkDir, ExecutableFile, Params, WindowStyle, true, aiExitCode);
}

bool ExecWinWait(const QString& WorkDir, const QString& ExecutableFile, const QString& Params,
                 int WindowStyle) {
    return ExecWin(WorkDir, ExecutableFile, Params, WindowStyle, true);
}

bool ExecDOSWait(const QString& WorkDir, const QString& ExecutableFile, const QString& Params,
                 int) {
    int codigo = 0;
    return Executar(WorkDir, ExecutableFile, Params, TEspera::Bloqueando, codigo);
}

bool gfExecBATDOSWait(const QString& asDiretorio, const QString& asNomeBAT,
                      const QStringList& asComando, bool) {
    const QString script = QDir(asDiretorio).filePath(asNomeBAT);
    QString motivo;
    if (!ArquivoInteiro::Gravar(script, asComando.join(u'\n').append(u'\n').toUtf8(), motivo))
        return false;
    int codigo = 0;
    return Executar(TLinha{QStringLiteral("/bin/sh"), {script}}, asDiretorio, TEspera::Bloqueando,
                    codigo);
}

bool RunAsAdmin(const QString& lsFileName, const QString& lsParams, bool abWaitForCompletion,
                int& aiExitCode) {
    const TEspera espera = abWaitForCompletion ? TEspera::ComEventos : TEspera::Nenhuma;
    if (geteuid() == 0)
        return Executar({}, lsFileName, lsParams, espera, aiExitCode);
    const TLinha linha{QStringLiteral("pkexec"),
                       QStringList{lsFileName} + QProcess::splitCommand(lsParams)};
    return Executar(linha, {}, espera, aiExitCode);
}

void Delay(int MSecs) {
    if (!QCoreApplication::instance()) {
        QThread::msleep(static_cast<unsigned long>(std::max(MSecs, 0)));
        return;
    }
    QEventLoop laco;
    QTimer::singleShot(std::max(MSecs, 0), &laco, &QEventLoop::quit);
    laco.exec();
}

bool DoEvents() {
    QCoreApplication::processEvents();
    return QCoreApplication::closingDown();
}

}  // namespace TmRot
