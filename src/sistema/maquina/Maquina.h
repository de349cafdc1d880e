#pragma once
// The machine the program runs on: memory, host and user names, the environment and the session,
// network addresses and the disk that stands for drive C: (base/CaminhoWindows.h).
//
// Addresses come from the network interfaces, never from resolving the host name (on Debian the
// host name resolves to 127.0.1.1, which no other machine can reach). Nothing here raises except
// GetCurrentMemoryUsage; failures give the neutral value each operation names.

#include <QString>
#include <QStringList>
#include <cstdint>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

enum TVersaoWindows {
    vw95,
    vw98,
    vwNT,
    vw2000,
    vwXP,
    vwVista,
    vwServer2008,
    vw7,
    vw8,
    vwServer2012,
    vw10
};

namespace TmRot {

// The Windows version of the installation that drive C: stands for (a Windows folder there, as
// in a Wine prefix): the file version of C:\Windows\SysWOW64\winver.exe (else System32),
// major.minor mapped to "Windows XP", "Windows 7", "Windows 10"... (workstation names: no product
// type is known here). "Windows ?" when there is no readable winver.exe, which VersaoWindows reads
// as vwNT. The running Linux system is reported apart, by SistemaOperacionalStr.
ORVANE_SISTEMA_EXPORT QString VersaoWindowsStr();
ORVANE_SISTEMA_EXPORT TVersaoWindows VersaoWindows();
// The name's first hit, in this order: "2000", "2003", "Server 2008", "Server 2012", "2012",
// "XP", "Vista", "7", "8", "10"; vwNT when none.
ORVANE_SISTEMA_EXPORT TVersaoWindows VersaoWindowsDoNome(const QString& nome);
// "XP" for "5.1", "8.1" for "6.3"...; "?" for an unknown version.
ORVANE_SISTEMA_EXPORT QString NomeVersaoWindows(const QString& majorMinor);
// PRETTY_NAME of /etc/os-release ("Debian GNU/Linux 12 (bookworm)"), else the kernel's name
// and release.
ORVANE_SISTEMA_EXPORT QString SistemaOperacionalStr();

// Gives freed heap memory back to the system (malloc_trim), then runs waiting events.
ORVANE_SISTEMA_EXPORT void TrimAppMemorySize();
// The process's resident size in bytes (VmRSS); EOSError when it cannot be read.
ORVANE_SISTEMA_EXPORT std::int64_t GetCurrentMemoryUsage();

// False for a 64-bit program; for a 32-bit one, whether the kernel is 64-bit.
ORVANE_SISTEMA_EXPORT bool Is64Bits();
// The host name, cut before its first "." when asked; "NomePC" when it cannot be read.
ORVANE_SISTEMA_EXPORT QString GetComputerName(bool RemoveDominio = false);
// The effective user's login name, at most 256 characters; "NomeUsuarioWin" when unknown.
ORVANE_SISTEMA_EXPORT QString GetWindowsUser();
// The variable's value, at most 256 characters ("" when unset).
ORVANE_SISTEMA_EXPORT QString GetVariavelAmbiente(const QString& EnVar);

// Now as "dd/mm/yyyy hh:nn:ss", then " - GMT (", the standard offset from UTC as
// TmDt::GetTimeZone writes it (-03:00 in Brazil, 05:30 in India) and ")".
ORVANE_SISTEMA_EXPORT QString FusoHorarioComputador();

// IPv4 addresses of the interfaces that are up: the others' first, loopback last, in interface
// order. GetLocalIP is the first of them ("" with no interface up).
ORVANE_SISTEMA_EXPORT QStringList GetLocalIPs();
ORVANE_SISTEMA_EXPORT QString GetLocalIP();
ORVANE_SISTEMA_EXPORT bool IsIPLocal(const QString& Ip);
// The hardware address of the first interface with one (up interfaces first, loopback never),
// as six upper-case hexadecimal pairs joined by "-"; "" when there is none.
ORVANE_SISTEMA_EXPORT QString GetMacAddress();
ORVANE_SISTEMA_EXPORT QString GetLocalEnderecoMac();

// Free space of drive C: for its user (statvfs), in whole millions of bytes; 0 on error.
ORVANE_SISTEMA_EXPORT std::int64_t HDLivreMb();
// Free space of drive C: and the total memory, as " Gb" (bytes / 1024³, rounded) above
// 1,000,000,000 bytes, " Mb" (/ 1024², rounded) above 1,000,000, else " Kb" (/ 1024).
ORVANE_SISTEMA_EXPORT QString GetDiskFreeStr();
ORVANE_SISTEMA_EXPORT QString GetSystemMem();
// Sizes as GetDiskFreeStr writes them.
ORVANE_SISTEMA_EXPORT QString TamanhoTexto(std::int64_t bytes);
// The disk holding drive C: reports itself not rotational (/sys/dev/block/.../queue/rotational);
// false on any error.
ORVANE_SISTEMA_EXPORT bool IsDiscoSSD();
// The logical-processor count field of the processor identification (leaf 1), the online
// processor count where there is no such instruction; the brand text, "" when there is none.
ORVANE_SISTEMA_EXPORT int GetProcessadorCount();
ORVANE_SISTEMA_EXPORT QString GetProcessadorStr();

}  // namespace TmRot

enum TTipoImpressao { tiLPT, tiCOM, tiPRN, tiREDE };

namespace TmFile {

// Whether port aiPorta opens for reading and writing, and no other program holds it: "LPT" n
// is /dev/lp(n-1), "COM" n /dev/ttyS(n-1), opened without waiting for a carrier and without
// becoming the terminal, then locked (flock, as the serial tools agree) and closed at once.
// tiPRN and tiREDE are always false and touch nothing. The reason of a failure goes to asMsg.
ORVANE_SISTEMA_EXPORT bool PortaOK(int aiPorta, TTipoImpressao aeTipo, QString& asMsg);

}  // namespace TmFile

namespace TmTS {

ORVANE_SISTEMA_EXPORT QString GetVariavelAmbiente(const QString& EnVar);
// SESSIONNAME, else the logind session (XDG_SESSION_ID); USERNAME, else USER.
ORVANE_SISTEMA_EXPORT QString GetSecaoLogado();
ORVANE_SISTEMA_EXPORT QString GetUsuarioLogado();
// Inside a remote session: an SSH or xrdp login (the variables they set).
ORVANE_SISTEMA_EXPORT bool IsTerminalService();
// The logind session number (XDG_SESSION_ID when it is a number), 0 when there is none.
ORVANE_SISTEMA_EXPORT int GetIdSecao();

}  // namespace TmTS
