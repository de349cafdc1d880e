#pragma once
// File masks as Windows reads them: a path whose last part may hold the wildcards "*" (any run
// of characters, none included) and "?" (exactly one character). Letter case is ignored, as in
// Windows names, so "*.XML" matches "nota.xml" (QDir's name filters are case-sensitive on Linux
// and are not used for this). As in the Windows file search, a trailing ".*" also matches a name
// without an extension: "*.*" matches every name.

#include <QString>
#include <QStringList>
#include <QStringView>

namespace MascaraArquivos {

// Whether the text holds a wildcard.
bool TemCuringa(QStringView texto);

// Whether nome matches mascara as a whole. Runs in time proportional to the product of the
// lengths at worst, whatever the input.
bool Corresponde(QStringView nome, QStringView mascara);

// The full paths of the plain files (no folders, no hidden files) in the mask's folder whose
// names match its last part, sorted by name ignoring case. A mask without wildcards names one
// file. The mask takes "\" as a separator too and goes through CaminhoWindows::Mapear.
QStringList Listar(const QString& mascara);

}  // namespace MascaraArquivos
