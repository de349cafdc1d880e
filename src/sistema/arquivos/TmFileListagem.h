#pragma once
// Existence, size and time of files, and listings with masks. A mask is a path whose last part
// may hold * and ?, matched as Windows does: letter case ignored ("*.TXT" finds "nota.txt"),
// "*.*" every name. Listings with masks find plain files only: no folders, no devices, and no
// hidden files (names starting with ".") unless the mask's name starts with "." itself. Entries
// come in name order, letter case ignored. Times are the library's TDateTime in local time.

#include <QString>
#include <QStringList>

#include "base/TDateTime.h"
#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

namespace TmFile {

// True when a plain file matches (Arquivo may be a mask).
ORVANE_SISTEMA_EXPORT bool FileExists(const QString& Arquivo);
// True when the folder exists (links followed).
ORVANE_SISTEMA_EXPORT bool DirectoryExists(const QString& Nome);
// True when the folder holds nothing, or cannot be listed.
ORVANE_SISTEMA_EXPORT bool IsDirectoryEmpty(const QString& Path);
// Size in bytes; -1 when not found. Sizes beyond 32 bits give INT_MAX rather than a wrapped
// (possibly negative) count.
ORVANE_SISTEMA_EXPORT int FileLength(const QString& Arquivo);
// Size in bytes; 0 when not found.
ORVANE_SISTEMA_EXPORT qint64 FileSize(const QString& Arquivo);
// The size in words: divided by 1024 while 1024 or more, cut (not rounded) to one decimal,
// written with the regional decimal separator and no zero decimal, then " bytes", " Kb", " Mb",
// " Gb", " Tb" (" Inesperado" beyond): 1536 gives "1,5 Kb".
ORVANE_SISTEMA_EXPORT QString FormatFileSize(qint64 aiBytes);
// The last write time; 0 when not found. The folder form drops one trailing separator first.
ORVANE_SISTEMA_EXPORT TDateTime GetFileDateTime(const QString& Arquivo);
ORVANE_SISTEMA_EXPORT TDateTime GetFolderDateTime(const QString& Pasta);
// True when the file exists and its last write time was set.
ORVANE_SISTEMA_EXPORT bool SetFileDateTime(const QString& Arquivo, TDateTime NovaData);
// The entry of the list whose file was written last (the first of equal ones); "" when none has
// a time above 0.
ORVANE_SISTEMA_EXPORT QString GetFileModificadoRecentemente(const QStringList& ListaArquivos);

// Fills Saida with the plain files matching the mask whose write time lies within the bounds
// (inclusive; -1 for no bound): the mask's folder + name when IncluirPasta, else the name; with
// Detalhes the listing line: name;DD/MM/YYYY HH:NN:SS;size. True when Saida is not empty.
ORVANE_SISTEMA_EXPORT bool GetFiles(QStringList& Saida, const QString& Arquivos,
                                    bool IncluirPasta = false, bool Detalhes = false,
                                    TDateTime ahDtInicial = -1, TDateTime ahDtFinal = -1);
// The matching files as records (full path, write time to the second, size), in the order of
// their listing lines compared as texts ignoring case, or by write time (stable) when
// abOrdenarDataHora. True when the array is not empty.
ORVANE_SISTEMA_EXPORT bool GetFiles(TcrvArrayArquivo& asLista, const QString& asArquivos,
                                    bool abOrdenarDataHora = false);
// The files matching the mask's name in its folder, hidden ones included, then those of every
// subfolder whose name does not start with ".", depth first; full paths when IncluirPasta.
ORVANE_SISTEMA_EXPORT void GetFilesRecursive(TcrvArrayString& Saida, const QString& Arquivos,
                                             bool IncluirPasta = true);
// The folders in Caminho, "." and ".." included: names, or full paths when FullPath.
ORVANE_SISTEMA_EXPORT void GetDirectories(const QString& Caminho, QStringList& Saida,
                                          bool FullPath = false);
// Every folder below the folder Arquivos at any depth (names not starting with "."), full path
// with delimiter: first the direct subfolders, then below each of them in turn.
ORVANE_SISTEMA_EXPORT void GetDirectoriesRecursive(QStringList& Saida, const QString& Arquivos);

}  // namespace TmFile
