#pragma once
// Choosing folders and files, and showing a file in the file manager. The file routines do not
// draw: the folder and file dialogs are asked of the chooser a program installs at start (the Qt
// dialogs of SeletorArquivosQt); without one nobody can be asked, and every dialog answers as
// if cancelled.

#include <QString>
#include <memory>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

// What the routines need from whoever shows the dialogs. Each answers "" when cancelled.
class ORVANE_SISTEMA_EXPORT TSeletorArquivos {
public:
    virtual ~TSeletorArquivos() = default;
    // A folder chosen in a folder dialog starting at inicial (when given).
    virtual QString EscolherPasta(const QString& titulo, const QString& inicial) = 0;
    // A file chosen in an open dialog with the filter ("Texto|*.txt|XML|*.xml", or a mask
    // alone), starting in pasta with arquivo preselected when given.
    virtual QString EscolherArquivo(const QString& titulo, const QString& filtro,
                                    const QString& pasta, const QString& arquivo) = 0;
};

namespace TmFile {

// The chooser every later dialog goes to; nullptr removes it.
ORVANE_SISTEMA_EXPORT void InstalarSeletorArquivos(std::shared_ptr<TSeletorArquivos> seletor);

// The folder chosen in a dialog titled "Selecione uma pasta", starting at PastaInicial when
// given; "" when cancelled.
ORVANE_SISTEMA_EXPORT QString GetPasta(const QString& PastaInicial = {});
// The same dialog starting at PastaDef: the chosen folder with delimiter, or PastaDef without a
// trailing separator when cancelled.
ORVANE_SISTEMA_EXPORT QString GetPastaDef(const QString& PastaDef);
// The file chosen in an open dialog titled "Abrir arquivo (" + asExtensao + ")", starting in the
// folder of asDiretorio with that file preselected when it exists; "" when cancelled.
ORVANE_SISTEMA_EXPORT QString SelecionaArquivo(const QString& asExtensao,
                                               const QString& asDiretorio);
// Shows the file selected in its folder in the desktop's file manager
// (org.freedesktop.FileManager1 over the session bus), or the folder asArquivo names when no
// such file exists; without that service the folder is opened with xdg-open. True when one of
// them was reached.
ORVANE_SISTEMA_EXPORT bool OpenExplorerFileSelect(const QString& asArquivo);

}  // namespace TmFile
