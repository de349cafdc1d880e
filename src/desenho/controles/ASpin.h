#pragma once
// TASpin: the library's integer spin control. Digits only, right-aligned, all text selected on
// entry, a caption label beside it, and the data-entry keyboard model: Enter moves to the next
// field, Up and Down move between fields instead of changing the number, Ctrl+Y clears, and a
// required field left at 0 stops Enter with "Este campo precisa estar preenchido!". Only typing
// and the up/down buttons change the number: not the arrow keys, Page Up/Down or the wheel.
//
// The number is the text: Value reads the text's integer, or MinValue when the text is not one
// (empty included); setting Value and leaving the control put it into MinValue..MaxValue (unless
// the two are equal). One digit past MaxValue can still be typed.

#include <QAbstractSpinBox>

#include "desenho/ExportacaoDesenhoWidgets.h"
#include "desenho/controles/AEdit.h"

class ORVANE_DESENHOWIDGETS_EXPORT TACustomSpin : public QAbstractSpinBox {
    Q_OBJECT
public:
    explicit TACustomSpin(QWidget* parent = nullptr);

    bool Obrigatorio = false;
    bool EnterProximoCampo = true;

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetMinValue(int valor) { minValue_ = valor; }
    void SetMaxValue(int valor) { maxValue_ = valor; }
    int Value() const;
    void SetValue(int valor);
    QString Text() const;

    int GetInteger() const { return Value(); }
    TTipoClasse GetTipoClasse() const { return TTipoClasse::tcSpin; }
    void Zera() { SetValue(0); }
    // Characters of Value in decimal.
    int Len() const;
    // Value between single quotes, for SQL text.
    QString QuotedText() const;
    // RetornoSeZero when given and Value is 0; else Value zero-padded to Tamanho characters.
    QString StrZero(int Tamanho, const QString& RetornoSeZero = QString()) const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool TeclaBaixa(QKeyEvent* event);
    bool Caractere(QKeyEvent* event);
    int Limitar(int valor) const;

    int minValue_ = 0;
    int maxValue_ = 9999;
};

class ORVANE_DESENHOWIDGETS_EXPORT TASpin : public TACustomSpin, public TControleRotulado {
    Q_OBJECT
public:
    explicit TASpin(QWidget* parent = nullptr);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
};
