#pragma once
// The standard folders and the maker's own, all with delimiter unless said otherwise. The
// Windows shell folders are the XDG folders of this machine (QStandardPaths); the Windows
// folders themselves, which this platform lacks, are their places under the folder that stands
// for drive C: (CaminhoWindows), so that files a program expects there are found where an
// installation puts them.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// C:\Windows\, C:\Windows\System32\ and the user's temporary folder.
ORVANE_SISTEMA_EXPORT QString PastaWindows();
ORVANE_SISTEMA_EXPORT QString PastaWindowsSystem();
ORVANE_SISTEMA_EXPORT QString PastaWindowsTemp();
// C:\Windows\SysWOW64\ when that folder exists, else C:\Windows\System32\.
ORVANE_SISTEMA_EXPORT QString PastaWindowsSystem32();
// The desktop (shell folders 0 and 16 are one folder here).
ORVANE_SISTEMA_EXPORT QString PastaWindowsDesktop();
ORVANE_SISTEMA_EXPORT QString GetPastaDesktop();
// The user's and the system's application menus (shell folders 11 and 22) and the user's
// application data (26).
ORVANE_SISTEMA_EXPORT QString GetPastaStartMenu();
ORVANE_SISTEMA_EXPORT QString GetPastaAllUsersStartMenu();
ORVANE_SISTEMA_EXPORT QString GetPastaDadosApplicativos();
// The folder of a Windows shell folder number (CSIDL), without delimiter; "" for a number this
// platform has no folder for.
ORVANE_SISTEMA_EXPORT QString GetSpecialFolderPath(int CSIDLFolder);
// The user's application data ($XDG_DATA_HOME): Windows told the local from the roaming one by
// its version, this platform has one.
ORVANE_SISTEMA_EXPORT QString GetPastaAppDataLocal();
ORVANE_SISTEMA_EXPORT QString GetPastaApp();
// GetPastaAppDataLocal + "Corvel/", and its "Temp/" and "Vestra/", created when missing.
ORVANE_SISTEMA_EXPORT QString GetDataUserFolderCorvel();
ORVANE_SISTEMA_EXPORT QString GetDataUserFolderTemp();
ORVANE_SISTEMA_EXPORT QString GetDataUserFolderVestra();
// The maker's installation root: for a network path ("\\server\..." or "//server/...") the path
// up to and including its folder "CORVEL" (case ignored), else the folder CORVEL of drive C:.
// A network path without that folder raises std::runtime_error "Path inválido para obter o root
// da Corvel!" when abShowException, else answers "".
ORVANE_SISTEMA_EXPORT QString GetCorvelRoot(const QString& asPath, bool abShowException = false);
// A new folder in the temporary folder named Prefixo + now as "YYMMDDHHNNSSZZZ", created.
ORVANE_SISTEMA_EXPORT QString GetNovaPastaTemp(const QString& Prefixo);
// Creates a new empty file with a unique name starting with Prefixo in the temporary folder and
// answers its name alone.
ORVANE_SISTEMA_EXPORT QString GetNomeArquivoTemp(const QString& Prefixo);

}  // namespace TmFile
