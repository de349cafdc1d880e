#pragma once
// Path texts: arithmetic on the text alone, nothing is looked up (but GetUniqueFilePath, which
// asks what exists). Both "/" and "\" are read as separators, so Windows paths work as well as
// the paths of this machine; a delimiter these routines add is "/". A "folder with delimiter"
// ends in a separator.

#include <QString>

#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// Pasta with a delimiter added when it does not end in one. The empty text stays empty: a
// delimiter alone would name the root folder, never what an empty folder name meant.
ORVANE_SISTEMA_EXPORT QString DirBarra(const QString& Pasta);
// The folder of the running program, with delimiter.
ORVANE_SISTEMA_EXPORT QString DirExe();
// Every "\" doubled, for embedding in SQL or escaped texts.
ORVANE_SISTEMA_EXPORT QString DirAnsi(const QString& Pasta);
// Every pair of backslashes collapsed to one, pairs taken from the end ("\\\" gives "\\").
ORVANE_SISTEMA_EXPORT QString DirAnsiRead(const QString& asPath);
// cFile up to and including its last separator; "" when it has none.
ORVANE_SISTEMA_EXPORT QString ExtractDir(const QString& cFile);
// asPathFile resolved against the folder asBasePath: each "..\" (or "../") in it climbs one
// level of the base, and is then removed ("C:\a\b\" with "..\x.txt" gives "C:\a\x.txt").
ORVANE_SISTEMA_EXPORT QString ExtractAbsoluteFile(const QString& asBasePath,
                                                  const QString& asPathFile);
// The parent folder with delimiter: one trailing separator dropped, then everything after the
// last separator; a text without separator comes back with a delimiter; "" gives "".
ORVANE_SISTEMA_EXPORT QString DirectoryGetParent(const QString& Pasta);
// The folder aiQtdNiveis levels above the folder part of asFolder (its last part counts as a
// file name unless asFolder ends in a separator), with delimiter; "" when there are not enough
// levels. "C:\a\b\c\" one level up is "C:\a\b\", three "C:\", four "".
ORVANE_SISTEMA_EXPORT QString SubirNivel(const QString& asFolder, int aiQtdNiveis);
// The folder part with delimiter ("" when none), the name part, the extension with its point
// ("" when the name has no point).
ORVANE_SISTEMA_EXPORT QString FileDirectoryName(const QString& Arquivo);
ORVANE_SISTEMA_EXPORT QString FileName(const QString& Arquivo);
ORVANE_SISTEMA_EXPORT QString FileExtension(const QString& Arquivo);
// The name part cut before its first "." ("a.b.c" gives "a").
ORVANE_SISTEMA_EXPORT QString FileNameSemExt(const QString& Arquivo);
// asFilePath with "." + asExt appended unless it already ends so, ignoring case.
ORVANE_SISTEMA_EXPORT QString SetFileExt(const QString& asFilePath, const QString& asExt);
// Nome without / \ : * ? " < > |.
ORVANE_SISTEMA_EXPORT QString LimpaNomeArquivo(const QString& Nome);
// The short (8.3) form of a path: this platform has none, the path comes back unchanged.
ORVANE_SISTEMA_EXPORT QString getFileNameDOS(const QString& FileName);
// aPath, or aPath with "_1", "_2", ... before its extension (at the end when it has none): the
// first name under which no file exists.
ORVANE_SISTEMA_EXPORT QString GetUniqueFilePath(const QString& aPath);

}  // namespace TmFile

namespace ArquivosInterno {
bool Separador(QChar c);
// The path with its extension replaced by novaExtensao (which brings its own point), or with it
// appended when the name has none: "a.txt" with ".001" gives "a.001".
QString TrocarExtensao(const QString& caminho, const QString& novaExtensao);
}  // namespace ArquivosInterno
