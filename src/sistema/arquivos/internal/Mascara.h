#pragma once
// What the file routines share: how a path of the library reaches this machine, and how a mask
// ("folder/name" whose name may hold * and ?) selects the entries of its folder.

#include <QFileInfoList>
#include <QString>
#include <QStringView>

namespace ArquivosInterno {

// The path on this machine: Windows paths with drive C: are mapped (CaminhoWindows::Mapear),
// backslashes are separators. Every routine that touches the file system goes through it.
QString Local(const QString& caminho);

// True when the name matches the pattern as a Windows mask: letter case ignored, "*" any run,
// "?" one character, every other character itself; a trailing ".*" also matches a name without
// an extension ("*.*" matches every name). Never slower than the product of the two lengths.
bool Corresponde(QStringView nome, QStringView padrao);

enum class TEntradas { Arquivos, ArquivosEOcultos, Pastas };

// The entries of the mask's folder (the current folder when the mask has none) whose names match
// its last part, in name order ignoring case. Arquivos are plain files whose names do not start
// with "." unless the pattern does (the hidden files of this platform); ArquivosEOcultos adds the
// hidden ones; Pastas lists folders, hidden ones, "." and ".." included.
QFileInfoList Correspondencias(const QString& mascara, TEntradas entradas);

}  // namespace ArquivosInterno
