#pragma once
// What the library's data-entry controls share: the caption label each control carries and
// places beside itself, the kind tags, the keyboard moves between fields and the colours.

#include <QLabel>
#include <QPointer>
#include <functional>

#include "desenho/ExportacaoDesenhoWidgets.h"

class QKeyEvent;

enum class TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

enum class TTipoClasse {
    tcEdit,
    tcValor,
    tcData,
    tcDBEdit,
    tcLDBEdit,
    tcLEdit,
    tcdbxEdit,
    tcdbxEditPlus,
    tcSpin,
    tcEditPlus,
    tcdbxEditLook,
    tcdbxEditMesAno
};

// The caption label of a control: named after its kind, caption first the control's name (plain
// text), and its accelerator key focuses the control. Like a label that sizes itself to its text,
// setting the caption or the font resizes it (the position stays).
class ORVANE_DESENHOWIDGETS_EXPORT TInternalLabel : public QLabel {
    Q_OBJECT
public:
    TInternalLabel(QWidget* controle, const QString& nome);
    QString Caption() const { return text(); }
    void SetCaption(const QString& caption);

signals:
    // The label sized itself to a new caption or font.
    void Redimensionado();

protected:
    void changeEvent(QEvent* event) override;
};

// The label of the combo control: the same, but it places itself again beside its control
// whenever its own size changes.
class ORVANE_DESENHOWIDGETS_EXPORT TComboInternalLabel : public TInternalLabel {
    Q_OBJECT
public:
    explicit TComboInternalLabel(QWidget* controle);
};

// Keeps a caption label (a sibling of the control, so that it can sit outside the control's
// bounds) beside its control: placed again on every move, resize, position or
// spacing change; same parent, visibility, enabled state and direction as the control. When the
// label is destroyed elsewhere the control forgets it and every label operation is skipped.
//
// Placement (L, T, W, H the control's bounds, S the spacing, lw and lh the label's size):
// above (L, T - lh - S); below (L, T + H + S); left (L - lw - S, T + (H - lh) / 2); right
// (L + W + S, T + (H - lh) / 2), the divisions truncating toward zero.
class ORVANE_DESENHOWIDGETS_EXPORT TRotuloControle : public QObject {
    Q_OBJECT
public:
    TRotuloControle(QWidget* controle, TInternalLabel* rotulo);
    // The label belongs to its control and goes with it.
    ~TRotuloControle() override;

    TInternalLabel* Rotulo() const { return static_cast<TInternalLabel*>(rotulo_.data()); }
    TLabelPosition Posicao() const { return posicao_; }
    int Espacamento() const { return espacamento_; }
    void SetPosicao(TLabelPosition posicao);
    void SetEspacamento(int espacamento);
    void Posicionar();

protected:
    bool eventFilter(QObject* objeto, QEvent* event) override;

private:
    void SeguirPai();
    void SeguirVisibilidade(bool visivel);

    QWidget* controle_;
    // Held as a plain widget: while the label is being destroyed it is no longer a label.
    QPointer<QWidget> rotulo_;
    TLabelPosition posicao_ = TLabelPosition::lpAbove;
    int espacamento_ = 3;
    QString nomeAnterior_;
};

// The label operations both labelled controls offer, over the control's TRotuloControle.
class ORVANE_DESENHOWIDGETS_EXPORT TControleRotulado {
public:
    // Null once the label was destroyed elsewhere.
    TInternalLabel* EditLabel() const { return rotulo_->Rotulo(); }
    TLabelPosition LabelPosition() const { return rotulo_->Posicao(); }
    void SetLabelPosition(TLabelPosition posicao) { rotulo_->SetPosicao(posicao); }
    int LabelSpacing() const { return rotulo_->Espacamento(); }
    void SetLabelSpacing(int espacamento) { rotulo_->SetEspacamento(espacamento); }
    // Places the label again; needed after its caption or font changed.
    void RefreshLabel() { rotulo_->Posicionar(); }

protected:
    explicit TControleRotulado(TRotuloControle* rotulo) : rotulo_(rotulo) {}
    ~TControleRotulado() = default;

private:
    TRotuloControle* rotulo_;
};

namespace CamposEntrada {

// Enter of the main keyboard or of the keypad.
ORVANE_DESENHOWIDGETS_EXPORT bool EhEnter(const QKeyEvent* event);
// The required-field stop of every data-entry control: when vazio, the warning "Este campo
// precisa estar preenchido!" (logged), then the library's silent abort.
ORVANE_DESENHOWIDGETS_EXPORT void ExigirPreenchido(bool vazio);
// Runs a control's own handling of a key; true when it consumed the key. A required-field stop
// inside it ends this key's handling there (the focus stays) and counts as consumed: the silent
// abort must not cross Qt's event delivery, whose code keeps no exception cleanups.
ORVANE_DESENHOWIDGETS_EXPORT bool TratarTecla(const std::function<bool()>& tratamento);

// The focus goes to the next control in tab order, as a Tab key press posted to the control.
ORVANE_DESENHOWIDGETS_EXPORT void ProximoCampo(QWidget* controle);
// The focus goes to the previous control in tab order.
ORVANE_DESENHOWIDGETS_EXPORT void CampoAnterior(QWidget* controle);
// Background: the window colour while enabled, the button-face colour while disabled.
ORVANE_DESENHOWIDGETS_EXPORT void AplicarCoresEntrada(QWidget* controle);
// Ctrl alone with the letter.
ORVANE_DESENHOWIDGETS_EXPORT bool EhCtrl(const QKeyEvent* event, int tecla);

}  // namespace CamposEntrada
