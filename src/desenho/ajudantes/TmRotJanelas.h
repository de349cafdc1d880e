#pragma once
// Helpers over windows, menus and positions of the program's Qt widgets: which control has the
// focus, where a control sits, popping a menu up beside it, the path of a menu item, the open
// windows, one window of a kind, and bringing a window to the front.
//
// A menu item is a QAction; the item above it is the action of the QMenu that holds it
// (QMenu::menuAction), and the walk ends at an item that no QMenu holds (one on the menu bar).

#include <QApplication>
#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <initializer_list>

#include "desenho/ExportacaoDesenhoWidgets.h"

class QAction;
class QMenu;

namespace TmRot {

// One of the controls has the keyboard focus.
ORVANE_DESENHOWIDGETS_EXPORT bool Focused(std::initializer_list<const QWidget*> aoControles);
// The first and last of the control's windowed children in tab order; false when it has none.
ORVANE_DESENHOWIDGETS_EXPORT bool GetFirstAndLastControl(const QWidget* aoParent,
                                                         QWidget*& aoPrimeiro, QWidget*& aoUltimo);

// The control's top-left corner in its window's coordinates (a menu bar's height is part of
// them in Qt); GetPopupPos the point just below the control.
ORVANE_DESENHOWIDGETS_EXPORT QPoint GetAbsolutePos(const QWidget* aoControle);
ORVANE_DESENHOWIDGETS_EXPORT QPoint GetPopupPos(const QWidget* aoControle);

enum class TPosPopup { ppAbaixo, ppDireita, ppCentro };
// The screen point where ShowPopMenu opens: the control's bottom-left corner, its top-right
// corner or its centre (half width and height, truncated).
ORVANE_DESENHOWIDGETS_EXPORT QPoint PontoPopup(const QWidget* aoControle, TPosPopup aePosicao);
ORVANE_DESENHOWIDGETS_EXPORT void ShowPopMenu(const QWidget* aoControle, QMenu* aoPopMenu,
                                              TPosPopup aePosicao);

// The outermost item above aoItem (or aoItem itself) that has a caption.
ORVANE_DESENHOWIDGETS_EXPORT QAction* MenuPai(QAction* aoItem);
// The item and every item above it visible / enabled.
ORVANE_DESENHOWIDGETS_EXPORT bool MenuVisible(const QAction* aoItem);
ORVANE_DESENHOWIDGETS_EXPORT bool MenuEnabled(const QAction* aoItem);
// The captions from the outermost item down to aoItem, "&" marks removed ("&&" is an "&"),
// untitled items left out, joined by asSeparador.
ORVANE_DESENHOWIDGETS_EXPORT QString CaminhoMenu(const QAction* aoItem, const QString& asSeparador);
// The caption of MenuPai, "&" marks removed.
ORVANE_DESENHOWIDGETS_EXPORT QString CaminhoMenuPai(QAction* aoItem);

// The object names of the visible windows, the last first shown first, joined by " -> "; the about
// box, the vertical main window and the wait window are left out.
ORVANE_DESENHOWIDGETS_EXPORT QString GetFormAtual();

// An existing window of type T that no other widget owns, else a new one owned by aoOwner.
template <typename T>
T* CreateForm(QWidget* aoOwner = nullptr) {
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (auto* existente = qobject_cast<T*>(janela); existente && !existente->parentWidget())
            return existente;
    return new T(aoOwner);
}

// Restores the window when minimised, raises it and asks for activation; true when it is the
// active window afterwards (the window manager has the last word).
ORVANE_DESENHOWIDGETS_EXPORT bool ForceForegroundWindow(QWidget* hwnd);

}  // namespace TmRot
