#pragma once
// Helpers over a form's widgets. The Windows containers map to Qt's: a group box is QGroupBox,
// a panel a QFrame, a tab sheet a page of a QTabWidget (its tab is the page's "active page").
// Tab order is the order QWidget::nextInFocusChain walks.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include "base/mLib.h"
#include "desenho/ExportacaoDesenhoWidgets.h"

class QWidget;

namespace TmRot {

// The control and all its parents enabled and not hidden; a page of a tab widget counts by its
// tab (visible and enabled), whichever page is current.
ORVANE_DESENHOWIDGETS_EXPORT bool CanFocus(const QWidget* pControle);
// Makes every tab page above the control its tab widget's current page.
ORVANE_DESENHOWIDGETS_EXPORT void SetPageControl(QWidget* pControle);
// A container hands the focus to its first child in tab order that takes it; any other control,
// when CanFocus holds, gets its pages shown and the focus. True when a control took the focus.
ORVANE_DESENHOWIDGETS_EXPORT bool SetFocus(QWidget* pControle);
// The named control's windowed children sorted by tab order (direct children only).
ORVANE_DESENHOWIDGETS_EXPORT QList<QWidget*> GetListaOrdenadaWinControl(const QWidget* aoParent);
// Enables or disables the children, descending into containers instead of disabling them.
ORVANE_DESENHOWIDGETS_EXPORT void HabilitaControles(QWidget* aoComponente, bool aoEnabled);
// Enables or disables the direct children, and theirs when abRecursive.
ORVANE_DESENHOWIDGETS_EXPORT void AlterarHabilitacaoFilhos(QWidget* aoParent, bool abEnabled,
                                                           bool abRecursive);
// The titles of the control and its parents, outermost first, joined by asSeparador; the
// window's title left out when abIgnoraForm. Untitled widgets are skipped.
ORVANE_DESENHOWIDGETS_EXPORT QString GetCaptionRecursivo(const QWidget* aoComp, bool abIgnoraForm,
                                                         const QString& asSeparador);

// Black for colours whose red + green + blue exceed 384, white otherwise.
ORVANE_DESENHOWIDGETS_EXPORT QColor InverteCor(const QColor& aoCor);
// "$00" followed by blue, green and red as two upper-case hexadecimal digits each (the stored
// form of a Windows colour).
ORVANE_DESENHOWIDGETS_EXPORT QString ColorToStr(const QColor& aoCor);
// Later duplicates removed, first occurrences kept in order.
ORVANE_DESENHOWIDGETS_EXPORT void StringListDistinct(QStringList& aoLista);

}  // namespace TmRot
