#pragma once
// The "ANSI code page" of the library: Windows-1252, the code page of the Brazilian Windows
// installations whose files the system reads and writes. A character the code page lacks is
// written as "?"; the five bytes 1252 leaves undefined read as the C1 controls of the same code.

#include <QByteArray>
#include <QString>

#include "base/ExportacaoBase.h"

namespace CodePage {
ORVANE_BASE_EXPORT QString DeAnsi(QByteArrayView bytes);
ORVANE_BASE_EXPORT QByteArray ParaAnsi(QStringView text);
// The byte the character becomes ('?' when the code page lacks it).
ORVANE_BASE_EXPORT char ParaAnsi(QChar c);
}  // namespace CodePage

namespace CodePage {
// Text of a file whose encoding is not declared, as the library reads such files (electronic
// invoices, text-file jobs, XML): UTF-8 when the bytes start with its mark (dropped) or are valid
// UTF-8 as a whole, else Windows-1252. Files of Brazilian Windows installations are one or the
// other; a Windows-1252 text with accents is practically never valid UTF-8, and plain ASCII reads
// the same either way.
ORVANE_BASE_EXPORT QString DeArquivo(QByteArrayView bytes);
// Whether the bytes of a file without a byte-order mark are read, and written back, as UTF-8:
// valid UTF-8 holding some byte above 127. Plain ASCII reads the same in both encodings and is
// written back as Windows-1252, the encoding of new files, so that a program of the Windows
// installations reading the file with its code page still reads what is added to it.
ORVANE_BASE_EXPORT bool SemMarcaEmUtf8(QByteArrayView bytes);
}  // namespace CodePage
