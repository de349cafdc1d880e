#include "sistema/maquina/Maquina.h"

#include <fcntl.h>
#include <malloc.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QThread>

#include <cmath>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include "base/CaminhoWindows.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/datas/TmDtDatas.h"
#include "sistema/versao/TmFileVersao.h"
#include "sistema/versao/TmRotVersao.h"

namespace {

constexpr int kLimiteTexto = 256;

QByteArray LerArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

// The number after "chave:" in a /proc file of "key: value kB" lines, in bytes; -1 when absent.
std::int64_t ValorKb(const QByteArray& texto, const QByteArray& chave) {
    for (const QByteArray& linha : texto.split('\n'))
        if (linha.startsWith(chave + ':')) {
            bool ok = false;
            const qint64 kb =
                linha.mid(chave.size() + 1).trimmed().split(' ').value(0).toLongLong(&ok);
            return ok ? kb * 1024 : -1;
        }
    return -1;
}

bool InterfaceLigada(const QNetworkInterface& interface) {
    return interface.flags().testFlag(QNetworkInterface::IsUp) &&
           interface.flags().testFlag(QNetworkInterface::IsRunning);
}

bool Loopback(const QNetworkInterface& interface) {
    return interface.flags().testFlag(QNetworkInterface::IsLoopBack);
}

QString Unidade(double valor, const char* sufixo) {
    return QString::number(std::llround(valor)) + QLatin1String(sufixo);
}

}  // namespace

namespace TmRot {

QString NomeVersaoWindows(const QString& majorMinor) {
    static const QHash<QString, QString> nomes{
        {QStringLiteral("5.0"), QStringLiteral("Server 2000")},
        {QStringLiteral("5.1"), QStringLiteral("XP")},
        {QStringLiteral("5.2"), QStringLiteral("XP 64")},
        {QStringLiteral("6.0"), QStringLiteral("Vista")},
        {QStringLiteral("6.1"), QStringLiteral("7")},
        {QStringLiteral("6.2"), QStringLiteral("8")},
        {QStringLiteral("6.3"), QStringLiteral("8.1")}};
    if (majorMinor.section(u'.', 0, 0) == QLatin1String("10"))
        return QStringLiteral("10");
    return nomes.value(majorMinor, QStringLiteral("?"));
}

QString VersaoWindowsStr() {
    QString pasta = CaminhoWindows::Mapear(QStringLiteral("C:\\Windows\\SysWOW64"));
    if (!QFileInfo(pasta).isDir())
        pasta = CaminhoWindows::Mapear(QStringLiteral("C:\\Windows\\System32"));
    const QString versao = TmFile::GetVersaoArquivo(pasta + QStringLiteral("/winver.exe"));
    return QStringLiteral("Windows ") + NomeVersaoWindows(versao.section(u'.', 0, 1));
}

TVersaoWindows VersaoWindowsDoNome(const QString& nome) {
    const std::pair<const char*, TVersaoWindows> ordem[] = {{"2000", vw2000},
                                                            {"2003", vwNT},
                                                            {"Server 2008", vwServer2008},
                                                            {"Server 2012", vwServer2012},
                                                            {"2012", vwNT},
                                                            {"XP", vwXP},
                                                            {"Vista", vwVista},
                                                            {"7", vw7},
                                                            {"8", vw8},
                                                            {"10", vw10}};
    for (const auto& [trecho, versao] : ordem)
        if (nome.contains(QLatin1String(trecho)))
            return versao;
    return vwNT;
}

TVersaoWindows VersaoWindows() {
    return VersaoWindowsDoNome(VersaoWindowsStr());
}

QString SistemaOperacionalStr() {
    for (const QByteArray& linha : LerArquivo(QStringLiteral("/etc/os-release")).split('\n'))
        if (linha.startsWith("PRETTY_NAME="))
            return QString::fromUtf8(linha.mid(12)).remove(u'"').trimmed();
    utsname sistema{};
    if (uname(&sistema) != 0)
        return {};
    return QString::fromLocal8Bit(sistema.sysname) + u' ' + QString::fromLocal8Bit(sistema.release);
}

void TrimAppMemorySize() {
    malloc_trim(0);
    QCoreApplication::processEvents();
}

std::int64_t GetCurrentMemoryUsage() {
    const std::int64_t bytes = ValorKb(LerArquivo(QStringLiteral("/proc/self/status")), "VmRSS");
    if (bytes < 0)
        throw EOSError(errno ? errno : ENODATA);
    return bytes;
}

bool Is64Bits() {
    if constexpr (sizeof(void*) == 8)
        return false;
    utsname sistema{};
    return uname(&sistema) == 0 && QByteArray(sistema.machine).contains("64");
}

QString GetComputerName(bool RemoveDominio) {
    char nome[256] = {};
    if (gethostname(nome, sizeof nome - 1) != 0 || nome[0] == '\0')
        return QStringLiteral("NomePC");
    const QString host = QString::fromLocal8Bit(nome);
    return RemoveDominio ? host.section(u'.', 0, 0) : host;
}

QString GetWindowsUser() {
    const passwd* usuario = getpwuid(geteuid());
    if (!usuario || !usuario->pw_name || !*usuario->pw_name)
        return QStringLiteral("NomeUsuarioWin");
    return QString::fromLocal8Bit(usuario->pw_name).left(kLimiteTexto);
}

QString GetVariavelAmbiente(const QString& EnVar) {
    return qEnvironmentVariable(EnVar.toLocal8Bit().constData()).left(kLimiteTexto);
}

QString FusoHorarioComputador() {
    return Rtl::FormatDateTime(u"dd/mm/yyyy hh:nn:ss", Relogio::Agora()) +
           QStringLiteral(" - GMT (") + TmDt::GetTimeZone() + u')';
}

QStringList GetLocalIPs() {
    QStringList externos, locais;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!InterfaceLigada(interface))
            continue;
        for (const QNetworkAddressEntry& entrada : interface.addressEntries())
            if (entrada.ip().protocol() == QAbstractSocket::IPv4Protocol)
                (Loopback(interface) ? locais : externos) << entrada.ip().toString();
    }
    return externos + locais;
}

QString GetLocalIP() {
    return GetLocalIPs().value(0);
}

bool IsIPLocal(const QString& Ip) {
    return GetLocalIPs().contains(Ip.trimmed());
}

QString GetMacAddress() {
    QString desligada;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const QString mac = interface.hardwareAddress().toUpper().replace(u':', u'-');
        if (Loopback(interface) || mac.size() != 17 || mac == QLatin1String("00-00-00-00-00-00"))
            continue;
        if (InterfaceLigada(interface))
            return mac;
        if (desligada.isEmpty())
            desligada = mac;
    }
    return desligada;
}

QString GetLocalEnderecoMac() {
    return GetMacAddress();
}

namespace {
std::int64_t BytesLivresDriveC() {
    struct statvfs disco {};
    if (statvfs(QFile::encodeName(CaminhoWindows::RaizDriveC()).constData(), &disco) != 0)
        return -1;
    return static_cast<std::int64_t>(disco.f_bavail) * static_cast<std::int64_t>(disco.f_frsize);
}
}  // namespace

std::int64_t HDLivreMb() {
    const std::int64_t bytes = BytesLivresDriveC();
    return bytes < 0 ? 0 : bytes / 1'000'000;
}

QString TamanhoTexto(std::int64_t bytes) {
    if (bytes > 1'000'000'000)
        return Unidade(bytes / (1024.0 * 1024 * 1024), " Gb");
    if (bytes > 1'000'000)
        return Unidade(bytes / (1024.0 * 1024), " Mb");
    return QString::number(bytes / 1024) + QStringLiteral(" Kb");
}

QString GetDiskFreeStr() {
    return TamanhoTexto(std::max<std::int64_t>(BytesLivresDriveC(), 0));
}

QString GetSystemMem() {
    return TamanhoTexto(std::max<std::int64_t>(
        ValorKb(LerArquivo(QStringLiteral("/proc/meminfo")), "MemTotal"), 0));
}

bool IsDiscoSSD() {
    struct stat info {};
    if (stat(QFile::encodeName(CaminhoWindows::RaizDriveC()).constData(), &info) != 0)
        return false;
    const QString dispositivo =
        QStringLiteral("/sys/dev/block/%1:%2").arg(major(info.st_dev)).arg(minor(info.st_dev));
    // A partition has its disk's queue one folder up.
    for (const QString& fila : {dispositivo + QStringLiteral("/queue/rotational"),
                                dispositivo + QStringLiteral("/../queue/rotational")}) {
        const QByteArray valor = LerArquivo(fila).trimmed();
        if (!valor.isEmpty())
            return valor == "0";
    }
    return false;
}

int GetProcessadorCount() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(1, &a, &b, &c, &d))
        return static_cast<int>((b >> 16) & 0xFF);
#endif
    return QThread::idealThreadCount();
}

QString GetProcessadorStr() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned registros[12] = {};
    if (__get_cpuid_max(0x80000000, nullptr) < 0x80000004)
        return {};
    for (unsigned folha = 0; folha < 3; ++folha)
        __get_cpuid(0x80000002 + folha, &registros[folha * 4], &registros[folha * 4 + 1],
                    &registros[folha * 4 + 2], &registros[folha * 4 + 3]);
    const char* texto = reinterpret_cast<const char*>(registros);
    return QString::fromLatin1(texto, static_cast<qsizetype>(qstrnlen(texto, sizeof registros)));
#else
    return {};
#endif
}

}  // namespace TmRot

namespace TmFile {

bool PortaOK(int aiPorta, TTipoImpressao aeTipo, QString& asMsg) {
    if ((aeTipo != tiLPT && aeTipo != tiCOM) || aiPorta < 1)
        return false;
    const QString dispositivo =
        (aeTipo == tiLPT ? QStringLiteral("/dev/lp%1") : QStringLiteral("/dev/ttyS%1"))
            .arg(aiPorta - 1);
    const int fd = open(QFile::encodeName(dispositivo).constData(),
                        O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        asMsg = QStringLiteral("%1: %2").arg(dispositivo, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    const bool livre = flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (!livre)
        asMsg = QStringLiteral("%1: %2").arg(dispositivo, QString::fromLocal8Bit(strerror(errno)));
    close(fd);
    return livre;
}

}  // namespace TmFile

namespace TmTS {

QString GetVariavelAmbiente(const QString& EnVar) {
    return TmRot::GetVariavelAmbiente(EnVar);
}

namespace {
QString PrimeiraVariavel(const char* a, const char* b) {
    const QString valor = qEnvironmentVariable(a);
    return (valor.isEmpty() ? qEnvironmentVariable(b) : valor).left(kLimiteTexto);
}
}  // namespace

QString GetSecaoLogado() {
    return PrimeiraVariavel("SESSIONNAME", "XDG_SESSION_ID");
}

QString GetUsuarioLogado() {
    return PrimeiraVariavel("USERNAME", "USER");
}

bool IsTerminalService() {
    for (const char* variavel : {"SSH_CONNECTION", "SSH_CLIENT", "XRDP_SESSION"})
        if (!qEnvironmentVariableIsEmpty(variavel))
            return true;
    return false;
}

int GetIdSecao() {
    bool ok = false;
    const int id = qEnvironmentVariable("XDG_SESSION_ID").toInt(&ok);
    return ok ? id : 0;
}

}  // namespace TmTS
