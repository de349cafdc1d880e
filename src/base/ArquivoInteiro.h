#pragma once
// The one way the library rewrites a whole file (settings, logs, text-file jobs, downloads): the
// new contents are written beside the file and renamed over it only when complete, so a failure
// or a killed process leaves the old file whole. The file keeps its permission bits.
//
// Where the folder does not let a new file be created (or the file cannot be renamed over, being
// a mount point) but the file itself is writable, the file is rewritten in place instead, because
// refusing would lose what the caller meant to save. The space is reserved first, so a full disk
// or a size limit fails before the old contents change; only a fault of the device can cut it.

#include <QByteArrayView>
#include <QString>

#include "base/ExportacaoBase.h"

namespace ArquivoInteiro {

// Replaces the contents of caminho with bytes, creating the file when it does not exist. On
// failure answers false and puts in motivo the reason the system gave.
ORVANE_BASE_EXPORT bool Gravar(const QString& caminho, QByteArrayView bytes, QString& motivo);

}  // namespace ArquivoInteiro
