#pragma once
// The one way the library rewrites a whole file (settings, logs, text-file jobs, downloads): the
// new contents are written to a new file beside it under an unguessable name, synced, renamed
// over it and the folder synced, so a failure, a killed process or a power cut leaves the old
// file or the new one, never a cut one. The file keeps its permission bits. A link at the path
// is refused: the library never writes through a link it did not create.
//
// Where the folder does not let a new file be created (or the file cannot be renamed over, being
// a mount point) but the file itself is writable, the file is rewritten in place instead, because
// refusing would lose what the caller meant to save. The space is reserved first, so a full disk
// or a size limit fails before the old contents change; only a fault of the device can cut it.

#include <QByteArrayView>
#include <QString>

#include "base/ExportacaoBase.h"
#include "base/internal/SistemaArquivos.h"

namespace ArquivoInteiro {

// Replaces the contents of caminho with bytes, creating the file when it does not exist; the
// failure record when it could not (a failed sync included).
ORVANE_BASE_EXPORT SistemaArquivos::TResultado Escrever(const QString& caminho,
                                                        QByteArrayView bytes);
// The same answering false with the reason the system gave in motivo.
ORVANE_BASE_EXPORT bool Gravar(const QString& caminho, QByteArrayView bytes, QString& motivo);
// A new file beside caminho under an unguessable name, in temporario, holding bytes and with
// caminho's permission bits when it exists: for a writer that finishes the file itself (the zip
// writer) and then installs it with SistemaArquivos::Instalar.
ORVANE_BASE_EXPORT SistemaArquivos::TResultado Preparar(const QString& caminho,
                                                        QByteArrayView bytes, QString& temporario);

}  // namespace ArquivoInteiro
