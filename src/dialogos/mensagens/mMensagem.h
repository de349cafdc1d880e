#pragma once
// TmDlg: every message the library shows its user goes through these class operations
// (information, warning, error, confirmation, dialogs that close themselves after a countdown,
// the required-field stop). The facade does not draw: it decides captions, texts, taskbar state
// and the silent abort, and hands each window to the dialog back end the application installs at
// start (the Qt dialogs of TmDialogForm in a program, a scripted back end in tests).
//
// Every operation that shows a window first closes the wait window (Aguarde::FechaAguarde), so
// no dialog opens behind it; a text marked to be logged (GravaLog) goes to
// LogMensagens::GravaLogMsg after its dialog closed. Both do nothing until the wait window and
// the log writer installed themselves.
//
// The calls that run upward from here (to the Qt dialogs, the wait window, the log writer) go
// only through these installed back ends: the drawing layer includes this header and installs
// itself (desenho/formularios/DialogosQt.h), this layer never includes a header above it. Read
// from the calls, facade, wait-window hook and Qt back end form a circle; it is this hook.
//
// All operations run on the user-interface thread; the dialogs are modal.

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

#include "base/mConst.h"
#include "base/mLib.h"
#include "dialogos/ExportacaoDialogos.h"

class QObject;

enum class TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// An object's method without arguments, run by InformaAbort before it aborts.
using TRotinaCallBack = std::function<void()>;

// The library's silent abort: ends the caller's current event handling without a message. The
// application-wide error handler (TratamentoErros) swallows it.
class ORVANE_DIALOGOS_EXPORT EAbortSilencioso : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

// The arguments of one TmDialogForm::Executar call, in its order.
struct TParametrosDialogo {
    QString Titulo;
    QString Mensagem;
    QString Detalhes;
    TMsgDlgType Tipo = TMsgDlgType::mtInformation;
    bool FocoNao = false;
    int aiTempoOK = 0;
    bool abMonoEspacada = false;
    bool CentralizarNoOwner = false;
};

// What the facade needs from whoever draws. Taskbar codes: 0 none, 1 indeterminate, 2 normal,
// 3 error, 4 paused.
class ORVANE_DIALOGOS_EXPORT TDialogosBackEnd {
public:
    virtual ~TDialogosBackEnd() = default;
    // Shows the dialog modally; answers true when it was closed through OK (or its countdown).
    virtual bool Executar(const TParametrosDialogo& dialogo) = 0;
    virtual void SetTaskbarEstado(int aiEstado) = 0;
    // The system sound of a dialog kind (the question sound for the confirmation kind).
    virtual void TocarSom(TMsgDlgType tipo) = 0;
    // The safe focus routine: nothing for no control or one that cannot take the focus; a
    // container hands the focus to its first child that can take it.
    virtual void Focar(QObject* controle) = 0;
};

namespace TmDlg {

// The back end every later dialog goes through. Without one installed, dialogs are written
// to the warning log and answer false (a headless program cannot ask anybody).
ORVANE_DIALOGOS_EXPORT void InstalarBackEnd(std::shared_ptr<TDialogosBackEnd> backEnd);
ORVANE_DIALOGOS_EXPORT TDialogosBackEnd& BackEnd();

ORVANE_DIALOGOS_EXPORT void Informa(const QString& Texto, bool GravaLog = false);
ORVANE_DIALOGOS_EXPORT void Informa(const TcrvArrayString& aaTexto, bool abGravaLog = false);
ORVANE_DIALOGOS_EXPORT void Informa(const QString& Titulo, const QString& Texto,
                                    const QString& Detalhes);

ORVANE_DIALOGOS_EXPORT void Alerta(const QString& Texto, bool GravaLog = false);
ORVANE_DIALOGOS_EXPORT void Alerta(const QString& Titulo, const QString& Texto,
                                   const QString& Detalhes);

ORVANE_DIALOGOS_EXPORT void Erro(const QString& Texto, bool GravaLog = false);
ORVANE_DIALOGOS_EXPORT void Erro(const QString& Titulo, const QString& Texto,
                                 const QString& Detalhes, int SegundosFechar,
                                 const QString& ExceptionMessage);

ORVANE_DIALOGOS_EXPORT bool Confirma(const QString& Texto, bool FocoNao = false,
                                     bool abAguardeHide = true, bool CentralizarNoOwner = false);
ORVANE_DIALOGOS_EXPORT bool Confirma(const QString& Titulo, const QString& Texto,
                                     const QString& Detalhes, bool FocoNao,
                                     bool CentralizarNoOwner);

// On "Não": focus Foco, then silent abort.
ORVANE_DIALOGOS_EXPORT void ConfirmaExit(const QString& Texto, bool FocoBotaoNao = false,
                                         QObject* Foco = nullptr);
ORVANE_DIALOGOS_EXPORT void ConfirmaExit(const QString& Titulo, const QString& Texto,
                                         const QString& Detalhes, bool FocoBotaoNao, QObject* Foco);
ORVANE_DIALOGOS_EXPORT void ConfirmaExitMono(const QString& Titulo, const QString& Texto,
                                             const QString& Detalhes, bool FocoBotaoNao,
                                             QObject* Foco);

// Only when Condicao: a warning, then Rotina and the focus when given, then silent abort.
ORVANE_DIALOGOS_EXPORT void InformaAbort(bool Condicao, const QString& Texto,
                                         QObject* Foco = nullptr, bool GravaLog = false,
                                         const TRotinaCallBack& Rotina = {});
ORVANE_DIALOGOS_EXPORT void InformaAbort(bool Condicao, const QString& Titulo, const QString& Texto,
                                         const QString& Detalhes, QObject* Foco);

ORVANE_DIALOGOS_EXPORT void InformaTimer(const QString& asTexto, int aiSegundos);
ORVANE_DIALOGOS_EXPORT void ConfirmaTimer(const QString& asTitulo, const QString& asTexto,
                                          int aiSegundos);
ORVANE_DIALOGOS_EXPORT bool ConfirmaOkTimer(const QString& asTitulo, const QString& asTexto,
                                            int aiSegundos);
ORVANE_DIALOGOS_EXPORT bool ErroTimer(const QString& asTitulo, const QString& asTexto,
                                      const QString& asDetalhes, int aiSegundos);

// True when the text carries a user message of a database server ("[#MSG]").
ORVANE_DIALOGOS_EXPORT bool MsgTratada(const QString& asMessage);
// The text after the first "[#MSG]", cut before the first "SQL:" and then before the first
// "[#MSG_FIM]" in it, nothing trimmed; a text without "[#MSG]" comes back unchanged.
ORVANE_DIALOGOS_EXPORT QString GetMsgTratada(const QString& asMessage);
inline void MensagemPostgres() {}

}  // namespace TmDlg
