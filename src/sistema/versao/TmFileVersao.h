#pragma once
// File utilities of the library (class operations of a stateless class).

#include <QString>
#include "base/mLib.h"

namespace TmFile {

// Version text of a program file's version resource: its "FileVersion" string, or its
// "ProductVersion" string when the former is missing or only blanks (and a ProductVersion
// exists), exactly as stored (not trimmed). "" when the file has no readable version
// resource, or no "\VarFileInfo\Translation" to name its string table; "0.0" when the lookup
// failed with an exception. Reads the file on every call.
QString GetVersaoArquivo(const QString& asArquivo);

// GetVersaoArquivo without its last character and then up to and including the last "."
// before it: 23.9.4.0 gives 23.9.4, "0.0" gives 0, a text without a point gives "".
QString GetVersaoArquivo3Niveis(const QString& asArquivo);

}  // namespace TmFile
