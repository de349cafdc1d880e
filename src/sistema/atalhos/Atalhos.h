#pragma once
// Links on the user's desktop (the XDG desktop folder) as freedesktop desktop entries
// ("<name>.desktop", type Application): the program, its arguments and its working folder.
//
// The entry's file name is the caller's name escaped (sistema/processos/internal/NomeSeguro.h),
// so a name cannot leave the desktop folder; the Name= shown is the name as given. The Exec=
// line follows the Desktop Entry rules: an argument holding a reserved character is quoted, with
// '"', '`', '$' and '\' escaped inside the quotes, "%" is doubled (no field codes), and the
// line is then written as an entry string ("\" doubled, line breaks as "\n"). Entries are
// written whole (beside, then renamed), executable by their owner, as desktops ask of a
// launcher they trust.

#include <QString>
#include <QStringList>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// The desktop folder the links go to.
ORVANE_SISTEMA_EXPORT QString PastaDesktop();
// The Exec= value for a program and its arguments.
ORVANE_SISTEMA_EXPORT QString LinhaExec(const QString& programa, const QStringList& argumentos);

// Desktop link Nome to CaminhoCompleto, working folder its folder; an existing link of that name
// is deleted first (false when that fails). True when the link exists afterwards.
ORVANE_SISTEMA_EXPORT bool CriaAtalhoDesktop(const QString& Nome, const QString& CaminhoCompleto);
// Deletes the desktop link Nome; false when there is none.
ORVANE_SISTEMA_EXPORT bool DeletaAtalhoDesktop(const QString& Nome);

}  // namespace TmRot

namespace TmFile {

// A desktop link named as the file (without its extension) to asArquivo with the arguments of
// the command line asParArquivo, working folder the file's folder. True when it exists afterwards.
ORVANE_SISTEMA_EXPORT bool CriarAtalhoDesktop(const QString& asArquivo,
                                              const QString& asParArquivo);

}  // namespace TmFile
