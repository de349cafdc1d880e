#pragma once
// The desktop's "open": a folder, file or address goes to xdg-open, started from an argument list
// and not waited for. A text starting with "-" is refused, so it never reaches xdg-open as an
// option.
//
// Stand-ins where Linux has no equivalent: the Internet options and the Windows services panels
// open the desktop's network and system settings programs where one is installed (false
// otherwise); a DLL is not registered but loaded once to check that it is a usable library.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// True when xdg-open started.
ORVANE_SISTEMA_EXPORT bool AbreExplorer(const QString& cLocal);
// Opens the address; when it cannot, shows «Não foi possível abrir o site: » with the address
// and the advice to paste it, and puts the address on the clipboard. A blank address does
// nothing.
ORVANE_SISTEMA_EXPORT void AbreSite(const QString& asUrl);
ORVANE_SISTEMA_EXPORT bool PropriedadesInternet();
ORVANE_SISTEMA_EXPORT bool ServicosWindows();

}  // namespace TmRot

namespace TmFile {

// True when asDll loads as a shared library; else shows «não foi possível copiar ou registrar a
// dll <name>.» and the loader's reason with TmDlg::Erro and answers false.
ORVANE_SISTEMA_EXPORT bool RegistraDll(const QString& asDll);

}  // namespace TmFile
