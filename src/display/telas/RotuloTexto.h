#pragma once
// The labels of the display's pages. What they show comes from the POS (texts and amounts sent
// on a command line) and is shown as sent: always plain text, never read as markup, so that
// "<b>", "&lt;" or "<img src=...>" in a line are characters on the screen and nothing else.

#include <QString>

class QFont;
class QLabel;
class QWidget;

// A plain-text label with its object name, designed text and font.
QLabel* NovoRotuloTexto(QWidget* pai, const QString& nome, const QString& texto,
                        const QFont& fonte);
