#pragma once
// The standard colour-text conversion of the screens' designed properties: a colour name
// ("clWhite", "clNavy", ...) or an integer colour value 0x00BBGGRR written in decimal or in
// hexadecimal after "$" or "0x" ("$00EAEAFF" is the RGB colour #FFEAEA).

#include <QColor>
#include <QStringView>
#include <optional>

// Empty for an unknown name, unreadable text, or a value that names a system colour or palette
// entry instead of an RGB colour (a high byte other than 0).
std::optional<QColor> CorDeTexto(QStringView texto);
