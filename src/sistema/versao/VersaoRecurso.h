#pragma once
// Reader of the Windows version resource (the VS_VERSIONINFO block) of a program file, with the
// three operations of the Windows version API: the block's size, the block itself, and a value
// found by sub-block path.
//
// Files understood:
// - Windows PE files, PE32 and PE32+: the block is the first resource of type RT_VERSION (16),
//   first name or id, first language.
// - ELF64 little-endian files (this system's own programs): the block is the contents of the
//   section ".rsrc_version", written at build time by orvane_embed_version() of
//   cmake/VersionResource.cmake.
// Anything else, and any file whose structures do not hold together (truncated, corrupted,
// offsets outside the file), has no version block. Reads are bounded: a block is at most 64 KiB
// (its length field is 16 bits), whatever a hostile file claims.

#include <QByteArray>
#include <QString>
#include <optional>

#include "sistema/ExportacaoSistema.h"

namespace VersaoRecurso {

// Name of the ELF section that holds the program's own version block.
inline constexpr char SecaoElf[] = ".rsrc_version";

// Size in bytes of the file's version block; 0 when it has none or cannot be read.
ORVANE_SISTEMA_EXPORT quint32 Tamanho(const QString& asArquivo);

// Reads the file's version block into aBloco; false (aBloco emptied) when it has none.
ORVANE_SISTEMA_EXPORT bool Ler(const QString& asArquivo, QByteArray& aBloco);

// The value of the entry at sub-block path asSubBloco ("\" separated, letter case ignored,
// empty components skipped, so "\VarFileInfo\Translation\" finds the translation table and
// "\" the root's fixed file information). Text values are UTF-16LE with their NUL.
// Nothing when the path is not in the block.
ORVANE_SISTEMA_EXPORT std::optional<QByteArray> Consultar(const QByteArray& aBloco,
                                                          const QString& asSubBloco);

// First entry of "\VarFileInfo\Translation": language in the low 16 bits, code page in the high.
ORVANE_SISTEMA_EXPORT std::optional<quint32> Traducao(const QByteArray& aBloco);

// The string entry asChave of the string table named by the first translation
// ("\StringFileInfo\" + language and code page as 4 lower-case hex digits each + "\" + asChave),
// as text up to its NUL. Nothing when the block has no translation or no such entry: without a
// translation there is no table to look in.
ORVANE_SISTEMA_EXPORT std::optional<QString> TextoDaTabela(const QByteArray& aBloco,
                                                           const QString& asChave);

// TextoDaTabela of the file's version block; nothing when the file has no block.
ORVANE_SISTEMA_EXPORT std::optional<QString> TextoDoArquivo(const QString& asArquivo,
                                                            const QString& asChave);

}  // namespace VersaoRecurso
