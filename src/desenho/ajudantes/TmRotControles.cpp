#include "desenho/ajudantes/TmRotControles.h"

#include <QFrame>
#include <QGroupBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QWidget>

namespace {

bool Container(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) ||
           (qobject_cast<const QFrame*>(w) && w->metaObject() == &QFrame::staticMetaObject) ||
           (w->parentWidget() && qobject_cast<QStackedWidget*>(w->parentWidget()) &&
            qobject_cast<QTabWidget*>(w->parentWidget()->parentWidget()));
}

// The tab widget whose page w is, or nothing.
QTabWidget* AbasDaPagina(const QWidget* w) {
    QWidget* pilha = w->parentWidget();
    if (!pilha || !qobject_cast<QStackedWidget*>(pilha))
        return nullptr;
    return qobject_cast<QTabWidget*>(pilha->parentWidget());
}

QString Titulo(const QWidget* w) {
    if (w->isWindow())
        return w->windowTitle();
    if (auto* grupo = qobject_cast<const QGroupBox*>(w))
        return grupo->title();
    if (QTabWidget* abas = AbasDaPagina(w))
        return abas->tabText(abas->indexOf(const_cast<QWidget*>(w)));
    return {};
}

}  // namespace

namespace TmRot {

bool CanFocus(const QWidget* pControle) {
    for (const QWidget* w = pControle; w; w = w->parentWidget()) {
        QTabWidget* abas = AbasDaPagina(w);
        const int indice = abas ? abas->indexOf(const_cast<QWidget*>(w)) : -1;
        const bool visivel = abas ? abas->isTabVisible(indice) : !w->isHidden();
        if (!visivel || (abas ? !abas->isTabEnabled(indice) : !w->isEnabled()))
            return false;
        if (w->isWindow())
            break;
    }
    return pControle != nullptr;
}

void SetPageControl(QWidget* pControle) {
    for (QWidget* w = pControle; w && !w->isWindow(); w = w->parentWidget())
        if (QTabWidget* abas = AbasDaPagina(w))
            abas->setCurrentWidget(w);
}

QList<QWidget*> GetListaOrdenadaWinControl(const QWidget* aoParent) {
    QList<QWidget*> filhos;
    if (!aoParent)
        return filhos;
    for (QWidget* w = aoParent->nextInFocusChain(); w && w != aoParent; w = w->nextInFocusChain())
        if (w->parentWidget() == aoParent && !filhos.contains(w))
            filhos << w;
    return filhos;
}

bool SetFocus(QWidget* pControle) {
    if (!pControle)
        return false;
    if (Container(pControle)) {
        for (QWidget* filho : GetListaOrdenadaWinControl(pControle))
            if (SetFocus(filho))
                return true;
        return false;
    }
    if (!CanFocus(pControle) || pControle->focusPolicy() == Qt::NoFocus)
        return false;
    SetPageControl(pControle);
    pControle->setFocus(Qt::OtherFocusReason);
    return true;
}

void HabilitaControles(QWidget* aoComponente, bool aoEnabled) {
    for (QWidget* filho : aoComponente->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (Container(filho))
            HabilitaControles(filho, aoEnabled);
        else
            filho->setEnabled(aoEnabled);
    }
}

void AlterarHabilitacaoFilhos(QWidget* aoParent, bool abEnabled, bool abRecursive) {
    for (QWidget* filho : aoParent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        filho->setEnabled(abEnabled);
        if (abRecursive)
            AlterarHabilitacaoFilhos(filho, abEnabled, true);
    }
}

QString GetCaptionRecursivo(const QWidget* aoComp, bool abIgnoraForm, const QString& asSeparador) {
    QStringList titulos;
    for (const QWidget* w = aoComp; w; w = w->parentWidget()) {
        if (w->isWindow() && abIgnoraForm)
            break;
        if (const QString titulo = Titulo(w); !titulo.isEmpty())
            titulos.prepend(titulo);
        if (w->isWindow())
            break;
    }
    return titulos.join(asSeparador);
}

QColor InverteCor(const QColor& aoCor) {
    return aoCor.red() + aoCor.green() + aoCor.blue() > 384 ? QColor(Qt::black) : QColor(Qt::white);
}

QString ColorToStr(const QColor& aoCor) {
    return QStringLiteral("$00%1%2%3")
        .arg(aoCor.blue(), 2, 16, QChar(u'0'))
        .arg(aoCor.green(), 2, 16, QChar(u'0'))
        .arg(aoCor.red(), 2, 16, QChar(u'0'))
        .toUpper();
}

void StringListDistinct(QStringList& aoLista) {
    aoLista.removeDuplicates();
}

}  // namespace TmRot
