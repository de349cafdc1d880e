#pragma once
// The wait window as the layers below it see it. Long operations show a wait window while they
// work, and every message dialog closes it first, so that no dialog opens behind it; the window
// itself draws and reads its flag files, so it lives in a higher layer and installs itself here
// at start (Aguarde::Instalar). These operations forward to it.
//
// With no wait window installed every operation does nothing visible: MostraAguarde and
// FechaAguarde return at once, and Cancelou answers false (nobody could have cancelled).
//
// All operations run on the user-interface thread.

#include <QString>
#include <memory>

#include "dialogos/ExportacaoDialogos.h"

// The arguments of one MostraAguarde call, in its order.
struct TParametrosAguarde {
    QString Mensagem;           // the information line; empty keeps the line as it is
    QString MensagemPrincipal;  // the main line; empty keeps the line as it is
    int ValorMaxGauge = 0;      // progress maximum; 0 hides the progress bar and the time line
    bool PermiteFechar = false;
    bool PermiteCancelar = false;
    bool AtualizaJa = true;  // repaint at once on every update
};

// What the facade needs from the wait window.
class ORVANE_DIALOGOS_EXPORT TAguardeBackEnd {
public:
    virtual ~TAguardeBackEnd() = default;
    // Creates the one wait window, or updates the open one, and restarts its elapsed time.
    virtual void Mostrar(const TParametrosAguarde& parametros) = 0;
    // Moves the progress bar to the position (0 to the maximum given) and refreshes the
    // progress and time line.
    virtual void Progresso(int posicao) = 0;
    // Refreshes the progress and time line from the current position.
    virtual void Atualizar() = 0;
    // Closes the window when one is open; may report the elapsed time in a dialog, which closes
    // the wait window again through this same call (a nested call must not report twice).
    virtual void Fechar() = 0;
    // The user asked to cancel (the cancel button or the close box) since the window opened.
    virtual bool Cancelou() const = 0;
};

namespace Aguarde {

// The wait window every later call goes to; none (nullptr) makes every call do nothing.
ORVANE_DIALOGOS_EXPORT void Instalar(std::shared_ptr<TAguardeBackEnd> backEnd);

ORVANE_DIALOGOS_EXPORT void MostraAguarde(const TParametrosAguarde& parametros);
ORVANE_DIALOGOS_EXPORT void MostraAguarde(const QString& Mensagem,
                                          const QString& MensagemPrincipal = QString(),
                                          int ValorMaxGauge = 0, bool PermiteFechar = false,
                                          bool PermiteCancelar = false, bool AtualizaJa = true);
ORVANE_DIALOGOS_EXPORT void SetProgresso(int posicao);
ORVANE_DIALOGOS_EXPORT void AtualizaAguarde();
ORVANE_DIALOGOS_EXPORT void FechaAguarde();
ORVANE_DIALOGOS_EXPORT bool Cancelou();

}  // namespace Aguarde
