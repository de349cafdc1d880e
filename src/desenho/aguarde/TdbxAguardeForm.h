#pragma once
// The wait window: a main line, an information line, an optional progress bar with its progress
// and time line, an optional cancel button. There is one per process at most: TAguardeQt holds it
// and is installed behind the dialog layer's facade (Aguarde::MostraAguarde, FechaAguarde, ...),
// so the dialogs, the dataset and the self-update reach it without depending on this unit.
//
// The display mode comes from the machine's flag file (FlagsAguarde), read once by the back end:
// 0 creates the window hidden, 1 places it at the bottom-right corner of the work area of its
// screen, 2 (and everything unreadable) centres it there. The work area keeps its origin, so a top
// panel or a second monitor moves the window with it.
//
// Closing through TAguardeQt::Fechar reports the elapsed time in an information dialog when the
// elapsed-time flag file is present, and only when a wait window was open: the dialogs close the
// wait window first, and a dialog shown without one is not the end of an operation.
//
// All texts are shown as plain text. Everything runs on the user-interface thread.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>

#include "base/TDateTime.h"
#include "desenho/ExportacaoDesenhoWidgets.h"
#include "dialogos/mensagens/Aguarde.h"

class QLabel;
class QProgressBar;
class QPushButton;

// Where the window's frame goes: mode 1 the bottom-right corner of the work area, mode 2 (or
// anything above) its centre; mode 0 keeps posicaoAtual, as a hidden window is not placed.
ORVANE_DESENHOWIDGETS_EXPORT QPoint PosicaoAguarde(int modo, const QRect& areaTrabalho,
                                                   const QSize& tamanhoMoldura,
                                                   const QPoint& posicaoAtual);

class ORVANE_DESENHOWIDGETS_EXPORT TdbxAguardeForm : public QWidget {
    Q_OBJECT
public:
    explicit TdbxAguardeForm(const TParametrosAguarde& parametros);

    // Applies a MostraAguarde call to the open window: cancel button, texts, progress maximum.
    void Atualizar(const TParametrosAguarde& parametros);
    // Moves the bar (clamped to 0..maximum) and refreshes the time line.
    void DefinirPosicao(int posicao);
    // Refreshes the progress and time line while it is visible.
    void ppCalculaTempo();
    // The cancel button's work: Cancelou, the red "CANCELANDO OPERAÇÃO...", then OnCancelClick.
    void CancelarBtnClick();

    bool Cancelou = false;
    std::function<void(QObject*)> OnCancelClick;
    QString Show_Mensagem;
    QString Show_MensagemPrincipal;
    int Show_ValorMaxGauge = 0;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CriarComponentes();
    void RepintarTextos();

    QWidget* ToolBar1;
    QLabel* PrincLabel;
    QLabel* InfoLabel;
    QProgressBar* pgbSituacao;
    QPushButton* CancelarBtn;
    QLabel* lblTempo;

    quint32 iiContadorTempo = 0;
    bool ibExecutaProcessMessage = true;
    bool permiteFechar_ = false;
};

class ORVANE_DESENHOWIDGETS_EXPORT TAguardeQt : public TAguardeBackEnd {
public:
    TAguardeQt();
    ~TAguardeQt() override;

    void Mostrar(const TParametrosAguarde& parametros) override;
    void Progresso(int posicao) override;
    void Atualizar() override;
    void Fechar() override;
    bool Cancelou() const override;

    // The display mode, read from the flag file on the first call and kept.
    int GetModoAguarde();
    // The open window; null when none.
    TdbxAguardeForm* Janela() const { return janela_.get(); }

private:
    void Posicionar();

    std::unique_ptr<TdbxAguardeForm> janela_;
    int modo_ = -1;
    TDateTime inicio_ = 0;  // "now" at the last Mostrar
};

// Installs one TAguardeQt behind the facade; a program calls it once at start.
ORVANE_DESENHOWIDGETS_EXPORT void InstalarAguardeQt();
