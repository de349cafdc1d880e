#pragma once
// MD5 digests (RFC 1321) of TmRot, written as 32 upper-case hexadecimal digits in byte order.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// The digest of the text in 7-bit ASCII: every UTF-16 code unit above 127 counts as "?".
ORVANE_SISTEMA_EXPORT QString MD5(const QString& asTexto);
// The digest of the file's bytes, read in blocks (a file of any size is never held whole).
// EInOutError «Arquivo <path> não encontrado» when the file does not exist, and an EInOutError
// naming the file and the system's reason when it cannot be read to its end.
ORVANE_SISTEMA_EXPORT QString MD5File(const QString& asArquivo);

}  // namespace TmRot
