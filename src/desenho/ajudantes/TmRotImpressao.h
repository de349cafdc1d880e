#pragma once
// Plain lines on paper: one document, the lines in the given font from 10 units off the top-left
// corner, each the height of "A" plus 5 units below the previous one. A line that would run
// off the page's foot starts a new page, so no line is lost.

#include <QFont>
#include <QStringList>

#include "desenho/ExportacaoDesenhoWidgets.h"

class QPaintDevice;
class QPagedPaintDevice;

namespace TmRot {

// On the system's default printer; false when there is none or it cannot be opened.
ORVANE_DESENHOWIDGETS_EXPORT bool PrintStrings(const QStringList& aoStrings, const QFont& aoFont);
// On any paint device (a printer, a PDF writer, an image); pages are turned only on a paged one.
ORVANE_DESENHOWIDGETS_EXPORT bool PrintStrings(const QStringList& aoStrings, const QFont& aoFont,
                                               QPaintDevice& aoDestino);

}  // namespace TmRot
