#pragma once
// The TmDlg operations built on the standard message dialog (TDialogoMensagem) instead of the
// library's own window: custom-captioned buttons, buttons that run handlers, a message in a
// fixed-pitch font, a confirmation whose OK counts down and presses itself, and a confirmation
// that a blind Enter cannot answer. Like every TmDlg dialog, each first closes the wait window
// (Aguarde::FechaAguarde); none sets a taskbar state. abAguardeHide has no effect.
//
// Custom buttons: at most six captions; caption k (from 1) makes button k, whose result is k, and
// an empty caption makes no button (the others keep their positions). The close box and Esc give
// 0. More than six captions show the error "Máximo 6 botões!" (logged) and give 0.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <functional>
#include <vector>

#include "base/mConst.h"
#include "base/mLib.h"
#include "desenho/ExportacaoDesenhoWidgets.h"
#include "dialogos/mensagens/mMensagem.h"

class QObject;

// A button handler; Sender is the button clicked.
using TBotaoEvent = std::function<void(QObject* Sender)>;

namespace TmDlg {

// BtnPadrao: the button that holds the focus when the dialog opens; outside 1..the number of
// captions, or on an empty caption, no button does. X > 0 becomes the window's top edge and
// Y > 0 its left edge (X is the vertical coordinate here, as callers have always passed it).
ORVANE_DESENHOWIDGETS_EXPORT int Show(const TcrvArrayString& Botoes, const QString& Texto,
                                      int BtnPadrao, const QString& Titulo,
                                      TMsgDlgType TipoDlg = TMsgDlgType::mtInformation, int X = 0,
                                      int Y = 0, bool abAguardeHide = true);

// Information dialog whose button k runs Events[k-1] when it is set; a button with a handler
// whose FechaClique entry is false stays open after the click. Entries missing at the end of
// either array mean no handler and closing; a button without a handler always closes. Each
// button is at least its caption's width + 6.
ORVANE_DESENHOWIDGETS_EXPORT int MensagemEventos(const TcrvArrayString& Botoes,
                                                 const std::vector<TBotaoEvent>& Events,
                                                 const std::vector<bool>& FechaClique,
                                                 const QString& Titulo, const QString& Texto,
                                                 bool abAguardeHide = true);

// OK only, caption Titulo, the message in "Lucida Console" on one line per line break (every
// blank becomes a no-break space, so nothing wraps); Bitmap, when given, in place of the kind's
// icon; Cor, when valid, the window colour.
ORVANE_DESENHOWIDGETS_EXPORT void ShowMono(const QString& Texto, const QString& Titulo,
                                           TMsgDlgType TipoDlg, const QPixmap& Bitmap = QPixmap(),
                                           const QColor& Cor = QColor());

// Confirmation kind, caption "Confirmação", OK only, reading "&Ok [n]" and counting down once a
// second; at 0 OK presses itself.
ORVANE_DESENHOWIDGETS_EXPORT void ConfirmaTimer(const QString& Texto, int iSegundos);

// Confirmation kind, caption "Confirmação", "&Sim" and "&Não" centred 7 pixels apart, and an OK
// button of no size that holds the focus, closes nothing and beeps (TmSpeaker::Bip): Enter or
// Space pressed without reading only beeps. True only for "&Sim".
ORVANE_DESENHOWIDGETS_EXPORT bool ConfirmaUsuarioDesatento(const QString& Texto);

}  // namespace TmDlg
