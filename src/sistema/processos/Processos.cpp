#include "sistema/processos/Processos.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <vector>

#include "dialogos/mensagens/mMensagem.h"
#include "sistema/processos/Execucao.h"
#include "sistema/processos/internal/Pidfd.h"

namespace {

constexpr int kLetrasNomeCurto = 15;

struct TProcesso {
    pid_t pid = 0;
    QStringList nomes;  // short name, program file name, first word of the command line
};

QString SemExe(QString nome) {
    if (nome.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        nome.chop(4);
    return nome;
}

QString NomeProcurado(const QString& nome) {
    return SemExe(QFileInfo(QString(nome).replace(u'\\', u'/')).fileName());
}

QByteArray LerArquivoProc(const QByteArray& caminho) {
    QFile arquivo(QString::fromLocal8Bit(caminho));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// The names of the process, or nothing when it has ended (or is a zombie) meanwhile.
std::optional<TProcesso> LerProcesso(pid_t pid) {
    const QByteArray pasta = "/proc/" + QByteArray::number(pid);
    const QByteArray stat = LerArquivoProc(pasta + "/stat");
    // "pid (short name) state ...": the short name may itself hold ")" and blanks.
    const qsizetype abre = stat.indexOf('('), fecha = stat.lastIndexOf(')');
    if (abre < 0 || fecha < abre || fecha + 2 >= stat.size() || stat[fecha + 2] == 'Z')
        return std::nullopt;
    TProcesso processo;
    processo.pid = pid;
    processo.nomes << SemExe(QString::fromUtf8(stat.mid(abre + 1, fecha - abre - 1)));
    char destino[4096];
    const ssize_t tamanho = readlink((pasta + "/exe").constData(), destino, sizeof destino);
    if (tamanho > 0) {
        QString programa = QString::fromLocal8Bit(destino, tamanho);
        programa.remove(QLatin1String(" (deleted)"));
        processo.nomes << SemExe(QFileInfo(programa).fileName());
    }
    const QByteArray linha = LerArquivoProc(pasta + "/cmdline");
    const QByteArray primeira = linha.left(linha.indexOf('\0'));
    if (!primeira.isEmpty())
        processo.nomes << SemExe(QFileInfo(QString::fromLocal8Bit(primeira)).fileName());
    return processo;
}

// Every running process, or nothing with the reason in erro when /proc cannot be read.
std::optional<std::vector<TProcesso>> ListarProcessos(QString& erro) {
    DIR* proc = opendir("/proc");
    if (!proc) {
        erro = QStringLiteral("Não foi possível ler a lista de processos: %1")
                   .arg(QString::fromLocal8Bit(strerror(errno)));
        return std::nullopt;
    }
    std::vector<TProcesso> processos;
    while (const dirent* entrada = readdir(proc)) {
        char* fim = nullptr;
        const long pid = strtol(entrada->d_name, &fim, 10);
        if (pid <= 0 || *fim != '\0')
            continue;
        if (auto processo = LerProcesso(static_cast<pid_t>(pid)))
            processos.push_back(std::move(*processo));
    }
    closedir(proc);
    return processos;
}

bool Combina(const TProcesso& processo, const QString& procurado) {
    for (const QString& nome : processo.nomes)
        if (nome.compare(procurado, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool AlgumCombina(const QString& nome, QString& erro) {
    const QString procurado = NomeProcurado(nome);
    const auto processos = ListarProcessos(erro);
    if (!processos)
        return false;
    for (const TProcesso& processo : *processos)
        if (Combina(processo, procurado))
            return true;
    return false;
}

// Ends the process when it still is one that matches: the pidfd pins the process, so the names
// read after opening it belong to the process the signal reaches.
bool Encerrar(pid_t pid, const QString& procurado) {
    const int pidfd = Pidfd::Abrir(pid);
    if (pidfd < 0)
        return false;
    const auto processo = LerProcesso(pid);
    const bool encerrou =
        processo && Combina(*processo, procurado) && Pidfd::Sinalizar(pidfd, SIGKILL);
    close(pidfd);
    return encerrou;
}

}  // namespace

namespace TmFile {

bool IsProcessoAtivo(const QString& ExeFileName) {
    QString erro;
    return AlgumCombina(ExeFileName, erro);
}

int KillTask(const QString& ExeFileName) {
    const QString procurado = NomeProcurado(ExeFileName);
    QString erro;
    const auto processos = ListarProcessos(erro);
    if (!processos)
        return 0;
    int resultado = 0;
    for (const TProcesso& processo : *processos)
        if (processo.pid != getpid() && Combina(processo, procurado))
            resultado = Encerrar(processo.pid, procurado) ? 1 : 0;
    return resultado;
}

int GetNumeroProcessos(const QString& NomeExe) {
    const QString procurado = NomeProcurado(NomeExe).left(kLetrasNomeCurto);
    QString erro;
    const auto processos = ListarProcessos(erro);
    if (!processos)
        return 0;
    int total = 0;
    for (const TProcesso& processo : *processos)
        for (const QString& nome : processo.nomes)
            if (nome.left(kLetrasNomeCurto).compare(procurado, Qt::CaseInsensitive) == 0) {
                ++total;
                break;
            }
    return total;
}

}  // namespace TmFile

namespace TmRot {

int KillTask(const QString& ExeFileName) {
    return TmFile::KillTask(ExeFileName);
}

bool ProcessoAtivo(const QString& NomeExe) {
    QString erro;
    const bool ativo = AlgumCombina(NomeExe, erro);
    if (!erro.isEmpty())
        TmDlg::Erro(erro);
    return ativo;
}

bool InativarProcesso(const QString& NomeExe) {
    TmFile::KillTask(NomeExe);
    for (int verificacao = 0; verificacao < 11; ++verificacao) {
        if (!ProcessoAtivo(NomeExe))
            return true;
        Delay(500);
    }
    return !ProcessoAtivo(NomeExe);
}

bool FinalizarProcesso(const QString& NomeExe) {
    for (int rodada = 0; rodada < 5 && ProcessoAtivo(NomeExe); ++rodada) {
        InativarProcesso(NomeExe);
        Delay(3000);
    }
    if (!ProcessoAtivo(NomeExe))
        return true;
    Delay(3000);
    if (!ProcessoAtivo(NomeExe))
        return true;
    return TmDlg::Confirma(QStringLiteral("Foram executadas 5 tentativas de finalizar o ") +
                           NomeExe +
                           QStringLiteral(" mas não houve sucesso!\r\rContinuar mesmo assim?"));
}

}  // namespace TmRot
