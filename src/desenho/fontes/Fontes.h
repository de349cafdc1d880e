#pragma once
// Fonts of the screens. The screens are designed with Windows fonts (Tahoma, Arial Narrow,
// Courier New, Lucida Console, ...) that Linux does not carry; each name gets a fallback chain to
// the free fonts of the same metrics or, where none exists, of the closest look.

#include <QFont>
#include <QString>
#include <QStringList>

#include "desenho/ExportacaoDesenho.h"

namespace Fontes {

// The families to try for a Windows font name, the Windows name first. An unknown name is
// tried alone (the platform's own substitution then applies).
ORVANE_DESENHO_EXPORT QStringList Familias(const QString& nomeWindows);

// A font for a Windows font name and a character height in pixels: the em height without the
// internal leading, which is what a negative font height means on Windows.
ORVANE_DESENHO_EXPORT QFont Fonte(const QString& nomeWindows, int alturaCaractere,
                                  bool negrito = false);

}  // namespace Fontes
