#include "desenho/estado/TmRotEstadoForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>

#include "texto/config/TmINI.h"

namespace {

// The form's named controls, its own (not those of a form inside it).
QList<QWidget*> Controles(const QWidget& form) {
    QList<QWidget*> controles;
    for (QWidget* filho : form.findChildren<QWidget*>()) {
        if (filho->objectName().isEmpty() || filho->objectName().startsWith(QLatin1String("qt_")))
            continue;
        if (filho->window() != form.window())
            continue;
        controles << filho;
    }
    return controles;
}

}  // namespace

namespace TmRot {

void SalvarEstadoForm(const QWidget& aoForm, const QString& asIniFile) {
    const QString secao = aoForm.objectName();
    for (QWidget* controle : Controles(aoForm)) {
        const QString chave = controle->objectName();
        if (auto* caixa = qobject_cast<QCheckBox*>(controle))
            TmINI::Gravar(secao, chave, caixa->isChecked(), asIniFile);
        else if (auto* combo = qobject_cast<QComboBox*>(controle))
            TmINI::Gravar(secao, chave, std::int32_t{combo->currentIndex()}, asIniFile);
        else if (auto* edit = qobject_cast<QLineEdit*>(controle))
            TmINI::Gravar(secao, chave, edit->text(), asIniFile);
        else if (auto* spin = qobject_cast<QSpinBox*>(controle))
            TmINI::Gravar(secao, chave, std::int32_t{spin->value()}, asIniFile);
    }
}

void CarregarEstadoForm(QWidget& aoForm, const QString& asIniFile) {
    const QString secao = aoForm.objectName();
    for (QWidget* controle : Controles(aoForm)) {
        const QString chave = controle->objectName();
        if (auto* caixa = qobject_cast<QCheckBox*>(controle))
            caixa->setChecked(TmINI::Ler(secao, chave, caixa->isChecked(), asIniFile));
        else if (auto* combo = qobject_cast<QComboBox*>(controle))
            combo->setCurrentIndex(
                TmINI::Ler(secao, chave, std::int32_t{combo->currentIndex()}, asIniFile));
        else if (auto* edit = qobject_cast<QLineEdit*>(controle))
            edit->setText(TmINI::Ler(secao, chave, edit->text(), asIniFile));
        else if (auto* spin = qobject_cast<QSpinBox*>(controle))
            spin->setValue(TmINI::Ler(secao, chave, std::int32_t{spin->value()}, asIniFile));
    }
}

}  // namespace TmRot
