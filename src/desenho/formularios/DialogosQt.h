#pragma once
// The drawing back end of TmDlg: TmDialogForm windows, system sounds, the taskbar state and the
// safe focus routine. The program installs it at start with InstalarDialogosQt().

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "dialogos/mensagens/mMensagem.h"

class ORVANE_DESENHOWIDGETS_EXPORT TDialogosQt : public TDialogosBackEnd {
public:
    bool Executar(const TParametrosDialogo& dialogo) override;
    void SetTaskbarEstado(int aiEstado) override;
    void TocarSom(TMsgDlgType tipo) override;
    void Focar(QObject* controle) override;
};

ORVANE_DESENHOWIDGETS_EXPORT void InstalarDialogosQt();
