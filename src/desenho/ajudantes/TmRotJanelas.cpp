#include "desenho/ajudantes/TmRotJanelas.h"

#include <QAction>
#include <QMenu>
#include <QWindow>

#include <algorithm>

#include "desenho/ajudantes/TmRotControles.h"

namespace {

// The item above aoItem: the action of the menu that holds it; nothing at the top.
QAction* ItemAcima(const QAction* item) {
    for (QObject* dono : item->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(dono); menu && menu->menuAction() != item)
            return menu->menuAction();
    return nullptr;
}

// aoItem and the items above it, outermost first.
QList<QAction*> Linhagem(const QAction* item) {
    QList<QAction*> itens;
    for (auto* atual = const_cast<QAction*>(item); atual; atual = ItemAcima(atual))
        itens.prepend(atual);
    return itens;
}

QString SemMarcas(QString texto) {
    return texto.replace(QLatin1String("&&"), QString(QChar(0)))
        .remove(u'&')
        .replace(QChar(0), u'&');
}

}  // namespace

namespace TmRot {

bool Focused(std::initializer_list<const QWidget*> aoControles) {
    const QWidget* foco = QApplication::focusWidget();
    return foco && std::find(aoControles.begin(), aoControles.end(), foco) != aoControles.end();
}

bool GetFirstAndLastControl(const QWidget* aoParent, QWidget*& aoPrimeiro, QWidget*& aoUltimo) {
    const QList<QWidget*> filhos = GetListaOrdenadaWinControl(aoParent);
    aoPrimeiro = filhos.isEmpty() ? nullptr : filhos.first();
    aoUltimo = filhos.isEmpty() ? nullptr : filhos.last();
    return !filhos.isEmpty();
}

QPoint GetAbsolutePos(const QWidget* aoControle) {
    return aoControle->mapTo(aoControle->window(), QPoint(0, 0));
}

QPoint GetPopupPos(const QWidget* aoControle) {
    return GetAbsolutePos(aoControle) + QPoint(0, aoControle->height());
}

QPoint PontoPopup(const QWidget* aoControle, TPosPopup aePosicao) {
    const int w = aoControle->width();
    const int h = aoControle->height();
    const QPoint local = aePosicao == TPosPopup::ppAbaixo    ? QPoint(0, h)
                         : aePosicao == TPosPopup::ppDireita ? QPoint(w, 0)
                                                             : QPoint(w / 2, h / 2);
    return aoControle->mapToGlobal(local);
}

void ShowPopMenu(const QWidget* aoControle, QMenu* aoPopMenu, TPosPopup aePosicao) {
    aoPopMenu->popup(PontoPopup(aoControle, aePosicao));
}

QAction* MenuPai(QAction* aoItem) {
    for (QAction* item : Linhagem(aoItem))
        if (!item->text().isEmpty())
            return item;
    return aoItem;
}

bool MenuVisible(const QAction* aoItem) {
    const QList<QAction*> itens = Linhagem(aoItem);
    return std::all_of(itens.begin(), itens.end(), [](QAction* a) { return a->isVisible(); });
}

bool MenuEnabled(const QAction* aoItem) {
    const QList<QAction*> itens = Linhagem(aoItem);
    return std::all_of(itens.begin(), itens.end(), [](QAction* a) { return a->isEnabled(); });
}

QString CaminhoMenu(const QAction* aoItem, const QString& asSeparador) {
    QStringList titulos;
    for (QAction* item : Linhagem(aoItem))
        if (!item->text().isEmpty())
            titulos << SemMarcas(item->text());
    return titulos.join(asSeparador);
}

QString CaminhoMenuPai(QAction* aoItem) {
    return SemMarcas(MenuPai(aoItem)->text());
}

QString GetFormAtual() {
    static const QStringList ignoradas{QStringLiteral("SobreVestraForm"),
                                       QStringLiteral("MainVerticalForm"),
                                       QStringLiteral("dbxAguardeForm")};
    // Qt's list of top-level windows keeps the order they were created in (first shown); its
    // list of top-level widgets keeps none.
    const QList<QWidget*> widgets = QApplication::topLevelWidgets();
    QStringList nomes;
    for (QWindow* janela : QGuiApplication::topLevelWindows())
        for (QWidget* widget : widgets)
            if (widget->windowHandle() == janela && widget->isVisible() &&
                !ignoradas.contains(widget->objectName()))
                nomes.prepend(widget->objectName());
    return nomes.join(QLatin1String(" -> "));
}

bool ForceForegroundWindow(QWidget* hwnd) {
    if (hwnd->isMinimized())
        hwnd->showNormal();
    hwnd->raise();
    hwnd->activateWindow();
    QApplication::processEvents();
    return hwnd->isActiveWindow();
}

}  // namespace TmRot
