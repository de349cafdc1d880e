#pragma once
// A form's state through the static settings access (TmINI): in the section named after the
// form (its object name), one key per control named after the control. Edit controls keep their
// text (single-line edits) or value (spin boxes), check boxes their checked state, combo
// boxes their item index. Controls without a name, and Qt's own inner controls ("qt_..."), are
// left out; so are controls of nested forms, which keep their own section.
//
// Loading reads each key with the control's current value as default, so a missing file or key
// leaves the control as it is.

#include <QString>

#include "base/mLib.h"
#include "desenho/ExportacaoDesenhoWidgets.h"

class QWidget;

namespace TmRot {

ORVANE_DESENHOWIDGETS_EXPORT void SalvarEstadoForm(const QWidget& aoForm, const QString& asIniFile);
ORVANE_DESENHOWIDGETS_EXPORT void CarregarEstadoForm(QWidget& aoForm, const QString& asIniFile);

}  // namespace TmRot
