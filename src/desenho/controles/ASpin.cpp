#include "desenho/controles/ASpin.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include "base/RtlNumeros.h"
#include "texto/conversao/TmStrNumeros.h"

TACustomSpin::TACustomSpin(QWidget* parent) : QAbstractSpinBox(parent) {
    resize(65, 23);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CamposEntrada::AplicarCoresEntrada(this);
    lineEdit()->setText(QStringLiteral("0"));
}

int TACustomSpin::Value() const {
    return Rtl::TryStrToInt(lineEdit()->text()).value_or(minValue_);
}

int TACustomSpin::Limitar(int valor) const {
    if (minValue_ == maxValue_)
        return valor;
    return std::clamp(valor, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void TACustomSpin::SetValue(int valor) {
    lineEdit()->setText(QString::number(Limitar(valor)));
}

QString TACustomSpin::Text() const {
    return lineEdit()->text();
}

int TACustomSpin::Len() const {
    return static_cast<int>(QString::number(Value()).size());
}

QString TACustomSpin::QuotedText() const {
    return QLatin1Char('\'') + QString::number(Value()) + QLatin1Char('\'');
}

QString TACustomSpin::StrZero(int Tamanho, const QString& RetornoSeZero) const {
    if (!RetornoSeZero.isEmpty() && Value() == 0)
        return RetornoSeZero;
    return TmStr::StrZero(Value(), Tamanho);
}

void TACustomSpin::stepBy(int steps) {
    SetValue(Value() + steps);
    selectAll();
}

QAbstractSpinBox::StepEnabled TACustomSpin::stepEnabled() const {
    StepEnabled passos = StepNone;
    if (Value() < maxValue_)
        passos |= StepUpEnabled;
    if (Value() > minValue_)
        passos |= StepDownEnabled;
    return passos;
}

// Digits only: no sign, no separators.
QValidator::State TACustomSpin::validate(QString& input, int&) const {
    for (const QChar c : input)
        if (!c.isDigit() || c.unicode() > 127)
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

void TACustomSpin::keyPressEvent(QKeyEvent* event) {
    if (!CamposEntrada::TratarTecla([&] { return TeclaBaixa(event) || Caractere(event); }))
        QAbstractSpinBox::keyPressEvent(event);
}

// The wheel goes on to the form (a page scrolls on); it never turns the number.
void TACustomSpin::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

bool TACustomSpin::TeclaBaixa(QKeyEvent* event) {
    if (CamposEntrada::EhCtrl(event, Qt::Key_Y) && !Text().isEmpty()) {
        lineEdit()->clear();
        return true;
    }
    if (event->key() == Qt::Key_Down) {
        CamposEntrada::ProximoCampo(this);
        return true;
    }
    if (event->key() == Qt::Key_Up) {
        CamposEntrada::CampoAnterior(this);
        return true;
    }
    // Page Up and Page Down would step the number by ten.
    return event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
}

bool TACustomSpin::Caractere(QKeyEvent* event) {
    if (CamposEntrada::EhEnter(event)) {
        CamposEntrada::ExigirPreenchido(Obrigatorio && Value() == 0);
        if (EnterProximoCampo && window()->isVisible())
            CamposEntrada::ProximoCampo(this);
        return true;
    }
    const QString texto = event->text();
    return texto.size() == 1 && texto.at(0).isDigit() && !Text().isEmpty() && Value() > maxValue_;
}

void TACustomSpin::focusInEvent(QFocusEvent* event) {
    QAbstractSpinBox::focusInEvent(event);
    selectAll();
}

void TACustomSpin::focusOutEvent(QFocusEvent* event) {
    SetValue(Value());
    QAbstractSpinBox::focusOutEvent(event);
}

TASpin::TASpin(QWidget* parent)
    : TACustomSpin(parent),
      TControleRotulado(
          new TRotuloControle(this, new TInternalLabel(this, QStringLiteral("InternalLabel")))) {}

void TASpin::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    setGeometry(ALeft, ATop, AWidth, AHeight);
    RefreshLabel();
}
