#include "support/Respostas.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

void Teclar(TmDialogForm& form, int tecla) {
    QWidget* alvo = form.focusWidget() ? form.focusWidget() : &form;
    QKeyEvent pressiona(QEvent::KeyPress, tecla, Qt::NoModifier);
    QCoreApplication::sendEvent(alvo, &pressiona);
}

TmDialogForm::TResposta Clicar(const char* botao) {
    return [botao](TmDialogForm& f) {
        Respostas::Filho<QPushButton>(f, QString::fromLatin1(botao))->click();
    };
}

}  // namespace

QObject* Respostas::FilhoObrigatorio(const QObject& pai, const QString& nome,
                                     const QMetaObject& tipo) {
    for (QObject* filho : pai.findChildren<QObject*>(nome)) {
        if (tipo.cast(filho))
            return filho;
    }
    qFatal("%s has no child %s of type %s", qPrintable(pai.objectName()), qPrintable(nome),
           tipo.className());
}

TmDialogForm::TResposta Respostas::ClicarOk() {
    return Clicar("OkBtn");
}

TmDialogForm::TResposta Respostas::ClicarCancelar() {
    return Clicar("CancelarBtn");
}

TmDialogForm::TResposta Respostas::TeclarEnter() {
    return [](TmDialogForm& f) { Teclar(f, Qt::Key_Return); };
}

TmDialogForm::TResposta Respostas::TeclarEsc() {
    return [](TmDialogForm& f) { Teclar(f, Qt::Key_Escape); };
}

TmDialogForm::TResposta Respostas::FecharJanela() {
    return [](TmDialogForm& f) { f.close(); };
}

TmDialogForm::TResposta Respostas::DeixarContadorAcabar() {
    return [](TmDialogForm& f) {
        const QTimer* contador = Filho<QTimer>(f, QStringLiteral("tmrOK"));
        while (contador->isActive())
            f.tmrOKTimer();
    };
}
