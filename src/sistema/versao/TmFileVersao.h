#pragma once
// File utilities of the library (class operations of a stateless class): the version of a
// program file, and version texts compared level by level.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

// Comparison operators of VersaoMaior, with the library's ordinal values.
enum geTiposComparacao {
    tcIgual = 0,
    tcDiferente = 1,
    tcMaior = 2,
    tcMaiorIgual = 3,
    tcMenor = 4,
    tcMenorIgual = 5,
};

namespace TmFile {

// Version text of a program file's version resource: its "FileVersion" string, or its
// "ProductVersion" string when the former is missing or only blanks (and a ProductVersion
// exists), exactly as stored (not trimmed). "" when the file has no readable version
// resource, or no "\VarFileInfo\Translation" to name its string table; "0.0" when the lookup
// failed with an exception. Reads the file on every call.
ORVANE_SISTEMA_EXPORT QString GetVersaoArquivo(const QString& asArquivo);

// GetVersaoArquivo without its last character and then up to and including the last "."
// before it: 23.9.4.0 gives 23.9.4, "0.0" gives 0, a text without a point gives "".
ORVANE_SISTEMA_EXPORT QString GetVersaoArquivo3Niveis(const QString& asArquivo);

// asMaior compared with asAtual by the operator (asMaior is the left operand: tcMaior asks
// whether asMaior is the greater). Each text is split on "." into all its fields, empty ones
// included; each field is right-aligned to five characters with "0" (a longer field keeps its
// last five) and the fields are joined into a key; the keys compare ordinally, a proper prefix
// being the smaller. So 1.2.10 is greater than 1.2.3, 1.2.0 greater than 1.2, and 1.123456
// equals 1.23456.
ORVANE_SISTEMA_EXPORT bool VersaoMaior(const QString& asAtual, const QString& asMaior,
                                       geTiposComparacao aeTpComparacao);

// True when asAtual is blank, or asNova is a newer version than asAtual (VersaoMaior, tcMaior).
ORVANE_SISTEMA_EXPORT bool NovaVersao(const QString& asAtual, const QString& asNova);

}  // namespace TmFile
