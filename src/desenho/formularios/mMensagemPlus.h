#pragma once
// TmDialogForm: the library's own message window. A white message area with the dialog kind's
// icon, a coloured title line and the body text; OK and Cancel buttons; a collapsible details
// pane with a read-only monospaced text the user can save or copy; an optional countdown that
// presses OK by itself.
//
// Sizes are client sizes in pixels (the window frame is the desktop's business). Every text from
// outside (title line, body, details, captions) is shown as plain text, never as markup.
//
// Test hook: ResponderProximo queues answers; each dialog that shows takes the next one and runs
// it from its own event loop once it is on screen, so a test answers exactly as a user would
// (a click on a given button, Esc, the close box, a countdown left to run out). The widgets are
// private: an answer finds them by their object names, which are the names declared below.

#include <QDialog>
#include <QSize>
#include <functional>

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "dialogos/mensagens/mMensagem.h"

class QFileDialog;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolButton;

class ORVANE_DESENHOWIDGETS_EXPORT TmDialogForm : public QDialog {
    Q_OBJECT
public:
    explicit TmDialogForm(QWidget* parent = nullptr);

    static bool Executar(const QString& Titulo, const QString& Mensagem, const QString& Detalhes,
                         TMsgDlgType Tipo, bool FocoNao = false, int aiTempoOK = 0,
                         bool abMonoEspacada = false, bool CentralizarNoOwner = false);
    static bool Executar(const TParametrosDialogo& d);
    // Information look, caption and title asTitulo, both buttons with the given captions; no
    // countdown.
    static bool ExecutarOpcao(const QString& asTitulo, const QString& asMensagem,
                              const QString& asDetalhes, const QString& asCapOk,
                              const QString& asCapCancelar);

    // Runs blank-run collapsing, then makes every line break (CR LF, lone LF, lone CR) and every
    // "¿" a CR LF.
    static QString NormalizarDetalhes(const QString& detalhes);

    using TResposta = std::function<void(TmDialogForm&)>;
    static void ResponderProximo(TResposta resposta);
    static qsizetype RespostasPendentes();
    static void DescartarRespostas();

    // One second of the countdown.
    void tmrOKTimer();
    // Saves the details to the file; an error dialog tells when it cannot.
    void SalvarComo(const QString& arquivo);
    // The body text as given; BodyLabel shows it wrapped.
    const QString& Mensagem() const { return mensagem_; }
    // What Ctrl+C puts on the clipboard: title line, a blank line, body, all breaks CR LF.
    QString TextoCopia() const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CriarComponentes();
    void AplicarTipo(TMsgDlgType tipo);
    // The title line, shown as the plain text it is.
    void DefinirTitulo(const QString& titulo);
    void DefinirDetalhes(const QString& detalhes);
    void DefinirBotoes(TMsgDlgType tipo, bool focoNao, int tempoOk);
    void CalculaTamanho();
    void Dispor();
    void DisporMensagem(int largura, int altura);
    void DefinirBorda(bool redimensionavel);
    void Centralizar();
    void PararContador();
    void OkBtnClick();
    void DetalhesBtnClick();
    void SalvarBtnClick();
    // Writes the details as lines ended by CR LF, in Windows-1252; false when it cannot (the
    // file the name had before stays whole).
    bool SalvarDetalhes(const QString& arquivo) const;

    QWidget* MainPanel;
    QLabel* IconeImg;
    QLabel* MensLabel;
    QLabel* BodyLabel;
    QFrame* Shape2;
    QToolButton* btPause;
    QWidget* Panel1;
    QPushButton* OkBtn;
    QPushButton* CancelarBtn;
    QPushButton* DetalhesBtn;
    QWidget* DetalhesPanel;
    QPlainTextEdit* DetalhesMemo;
    QWidget* Panel3;
    QPushButton* SalvarBtn;
    QFileDialog* SD;
    QTimer* tmrOK;

    bool ibExpanded = false;
    QSize irNormalSize;
    QSize irExpandedSize;
    int iiMaxTempo = 0;
    bool Ok = false;

    QString mensagem_;
    QWidget* centralizarEm_ = nullptr;
    int okLargura_ = 75;
    int okMargemDireita_ = 87;
    int alturaMensagemExpandida_ = 0;
    bool focoNao_ = false;
};
