#pragma once
// Where the message dialogs hand every text marked to be logged (the GravaLog arguments of
// TmDlg). The log writer lives in a higher layer, on the file helpers, and installs its entry
// here at start (LogMensagens::Instalar); until one is installed a marked text is not written
// anywhere.
//
// Runs on the user-interface thread, after the dialog that showed the text has closed.

#include <QString>
#include <functional>

#include "dialogos/ExportacaoDialogos.h"

using TGravarLogMensagem = std::function<void(const QString& pTexto)>;

namespace LogMensagens {

// The entry every later marked text goes to; an empty function removes it.
ORVANE_DIALOGOS_EXPORT void Instalar(TGravarLogMensagem gravar);

// Hands the text to the installed entry, unchanged.
ORVANE_DIALOGOS_EXPORT void GravaLogMsg(const QString& pTexto);

}  // namespace LogMensagens
