#pragma once
// Files the program carries inside itself, as Qt resources: the resource of type T and name N
// is ":/T/N" (for example ":/ZIP/FONTES"), and it is written out as the file "N.T".

#include <QString>

#include "sistema/ExportacaoSistemaRecursos.h"

namespace TmRot {

// Writes the resource to asOutFolder/asResourceName.asResType, creating the folder; an old file
// there is replaced whole (a link at that name is refused, never written through). A "ZIP"
// resource (any case) with abDescompactZIP is then unpacked into the folder, overwriting, and
// the written archive deleted when the unpacking succeeded. A type or name that is not a plain
// file name (empty, ".", "..", or holding "/") is refused. True when the file was written (and
// unpacked when asked); on failure, with abShowFailMessage, the error
// «Não foi possivel extrair o arquivo "N.T"» is shown.
ORVANE_SISTEMARECURSOS_EXPORT bool ExtractResource(const QString& asResType,
                                                   const QString& asResourceName,
                                                   const QString& asOutFolder,
                                                   bool abDescompactZIP = false,
                                                   bool abShowFailMessage = true);

}  // namespace TmRot
