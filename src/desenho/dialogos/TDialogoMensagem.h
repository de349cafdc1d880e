#pragma once
// The standard message dialog: the icon of its kind, the message, and a centred row of buttons,
// each of which closes the dialog with its own result unless told not to; the close box and Esc
// close it with 0. The TmDlg operations of TmDlgPlataforma.h build one and adapt it before it
// shows. The message is shown as plain text.
//
// Test hook: ResponderProximo queues answers; each dialog that shows takes the next one and runs
// it from its own event loop once it is on screen, as TmDialogForm's hook does for the library's
// own window. The widgets carry object names: "Mensagem", "Imagem", and "Botao1".. for the
// buttons by their result; the countdown timer is "tmrContador".

#include <QDialog>
#include <functional>

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "dialogos/mensagens/mMensagem.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;

class ORVANE_DESENHOWIDGETS_EXPORT TDialogoMensagem : public QDialog {
    Q_OBJECT
public:
    TDialogoMensagem(const QString& texto, TMsgDlgType tipo, const QString& titulo);

    // A button at the end of the row; a click closes the dialog with resultado when fecha.
    QPushButton* AdicionarBotao(const QString& legenda, int resultado, bool fecha = true);
    // The button that holds the focus when the dialog opens; none (null) leaves every button
    // unfocused, so Enter presses nothing.
    void DefinirFoco(QPushButton* botao) { foco_ = botao; }
    // Counts down on botao's caption once a second from segundos, then clicks it; the caption
    // reads prefixo + n + "]".
    void IniciarContador(QPushButton* botao, const QString& prefixo, int segundos);
    // One second of the countdown.
    void tmrContadorTimer();
    // Plays the kind's sound and shows the dialog modally: the result of the button that closed
    // it, 0 for the close box or Esc.
    int Executar();

    QLabel* Mensagem() const { return mensagem_; }
    QLabel* Imagem() const { return imagem_; }

    using TResposta = std::function<void(TDialogoMensagem&)>;
    static void ResponderProximo(TResposta resposta);
    static qsizetype RespostasPendentes();
    static void DescartarRespostas();

protected:
    void showEvent(QShowEvent* event) override;
    // Enter presses the focused button; with none focused it presses nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    TMsgDlgType tipo_;
    QLabel* imagem_;
    QLabel* mensagem_;
    QHBoxLayout* botoes_;
    QPushButton* foco_ = nullptr;
    QTimer* tmrContador_;
    QPushButton* botaoContador_ = nullptr;
    QString prefixoContador_;
    int restante_ = 0;
};
