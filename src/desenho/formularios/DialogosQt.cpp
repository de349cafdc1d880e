#include "desenho/formularios/DialogosQt.h"

#include <QApplication>
#include <QWidget>

#include "desenho/formularios/mMensagemPlus.h"
#include "dialogos/mensagens/BarraTarefas.h"

namespace {

bool PodeTerFoco(const QWidget* w) {
    return w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

}  // namespace

bool TDialogosQt::Executar(const TParametrosDialogo& dialogo) {
    return TmDialogForm::Executar(dialogo);
}

void TDialogosQt::SetTaskbarEstado(int aiEstado) {
    BarraTarefas::SetTaskbarEstado(aiEstado);
}

void TDialogosQt::TocarSom(TMsgDlgType tipo) {
    if (tipo != TMsgDlgType::mtCustom)
        QApplication::beep();
}

void TDialogosQt::Focar(QObject* controle) {
    auto* widget = qobject_cast<QWidget*>(controle);
    if (!widget)
        return;
    if (PodeTerFoco(widget)) {
        widget->setFocus(Qt::OtherFocusReason);
        return;
    }
    // A container (group box, page, panel) hands the focus to its first child that can take it.
    for (QWidget* filho : widget->findChildren<QWidget*>()) {
        if (PodeTerFoco(filho)) {
            filho->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void InstalarDialogosQt() {
    TmDlg::InstalarBackEnd(std::make_shared<TDialogosQt>());
}
