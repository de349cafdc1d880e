#pragma once
// Ready answers for TmDialogForm::ResponderProximo: each does what a user would do to the next
// dialog that shows. The form's widgets are private; Filho finds one by its object name.

#include <QObject>
#include <QString>

#include "desenho/formularios/mMensagemPlus.h"

namespace Respostas {

TmDialogForm::TResposta ClicarOk();
TmDialogForm::TResposta ClicarCancelar();
TmDialogForm::TResposta TeclarEnter();  // on the button that holds the focus
TmDialogForm::TResposta TeclarEsc();
TmDialogForm::TResposta FecharJanela();          // the close box
TmDialogForm::TResposta DeixarContadorAcabar();  // every second of the countdown passes

// The form's child of the given object name and type; a missing one ends the test program
// with its name, since every answer after it would act on nothing.
QObject* FilhoObrigatorio(const QObject& pai, const QString& nome, const QMetaObject& tipo);

template <typename T>
T* Filho(const QObject& pai, const QString& nome) {
    return static_cast<T*>(FilhoObrigatorio(pai, nome, T::staticMetaObject));
}

}  // namespace Respostas
