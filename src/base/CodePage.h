#pragma once
// The "ANSI code page" of the library: Windows-1252, the code page of the Brazilian Windows
// installations whose files the system reads and writes. A character the code page lacks is
// written as "?"; the five bytes 1252 leaves undefined read as the C1 controls of the same code.

#include <QByteArray>
#include <QString>

namespace CodePage {
QString DeAnsi(QByteArrayView bytes);
QByteArray ParaAnsi(QStringView text);
// The byte the character becomes ('?' when the code page lacks it).
char ParaAnsi(QChar c);
}  // namespace CodePage
