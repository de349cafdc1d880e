#include "desenho/controles/AEdit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

#include "dialogos/mensagens/mMensagem.h"

TInternalLabel::TInternalLabel(QWidget* controle, const QString& nome)
    : QLabel(controle->parentWidget()) {
    setObjectName(nome);
    setTextFormat(Qt::PlainText);  // a caption is shown as written, never read as markup
    setBuddy(controle);
    SetCaption(controle->objectName());
}

void TInternalLabel::SetCaption(const QString& caption) {
    setText(caption);
    adjustSize();
    emit Redimensionado();
}

void TInternalLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        adjustSize();
        emit Redimensionado();
    }
}

TComboInternalLabel::TComboInternalLabel(QWidget* controle)
    : TInternalLabel(controle, QStringLiteral("ComboInternalLabel")) {}

TRotuloControle::TRotuloControle(QWidget* controle, TInternalLabel* rotulo)
    : QObject(controle), controle_(controle), rotulo_(rotulo) {
    controle_->installEventFilter(this);
    if (qobject_cast<TComboInternalLabel*>(rotulo)) {
        rotulo->installEventFilter(this);
        QObject::connect(rotulo, &TInternalLabel::Redimensionado, this,
                         &TRotuloControle::Posicionar);
    }
    // The caption follows the control's name while it still shows the old name (or nothing).
    QObject::connect(controle_, &QObject::objectNameChanged, this, [this](const QString& nome) {
        if (TInternalLabel* rotulo = Rotulo();
            rotulo && (rotulo->Caption().isEmpty() ||
                       rotulo->Caption().compare(nomeAnterior_, Qt::CaseInsensitive) == 0))
            rotulo->SetCaption(nome);
        nomeAnterior_ = nome;
    });
    nomeAnterior_ = controle_->objectName();
    Posicionar();
}

TRotuloControle::~TRotuloControle() {
    if (!rotulo_)
        return;
    rotulo_->removeEventFilter(this);
    disconnect(rotulo_, nullptr, this, nullptr);
    delete rotulo_.data();
}

void TRotuloControle::SetPosicao(TLabelPosition posicao) {
    posicao_ = posicao;
    Posicionar();
}

void TRotuloControle::SetEspacamento(int espacamento) {
    espacamento_ = espacamento;
    Posicionar();
}

void TRotuloControle::Posicionar() {
    if (!rotulo_)
        return;
    const QRect c = controle_->geometry();
    const int lw = rotulo_->width();
    const int lh = rotulo_->height();
    const int s = espacamento_;
    switch (posicao_) {
        case TLabelPosition::lpAbove:
            rotulo_->move(c.left(), c.top() - lh - s);
            break;
        case TLabelPosition::lpBelow:
            rotulo_->move(c.left(), c.top() + c.height() + s);
            break;
        case TLabelPosition::lpLeft:
            rotulo_->move(c.left() - lw - s, c.top() + (c.height() - lh) / 2);
            break;
        case TLabelPosition::lpRight:
            rotulo_->move(c.left() + c.width() + s, c.top() + (c.height() - lh) / 2);
            break;
    }
}

void TRotuloControle::SeguirPai() {
    rotulo_->setParent(controle_->parentWidget());
    SeguirVisibilidade(true);
    Posicionar();
}

// A label without a parent would show as a window of its own: it shows only beside a control
// that sits in a form.
void TRotuloControle::SeguirVisibilidade(bool visivel) {
    rotulo_->setVisible(visivel && rotulo_->parentWidget());
}

bool TRotuloControle::eventFilter(QObject* objeto, QEvent* event) {
    if (!rotulo_)
        return false;
    if (objeto == rotulo_) {
        if (event->type() == QEvent::Resize)
            Posicionar();
        return false;
    }
    switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            Posicionar();
            break;
        case QEvent::ParentChange:
            SeguirPai();
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            SeguirVisibilidade(!controle_->isHidden());
            break;
        case QEvent::EnabledChange:
            rotulo_->setEnabled(controle_->isEnabled());
            break;
        case QEvent::LayoutDirectionChange:
            rotulo_->setLayoutDirection(controle_->layoutDirection());
            break;
        default:
            break;
    }
    return false;
}

bool CamposEntrada::EhEnter(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

void CamposEntrada::ExigirPreenchido(bool vazio) {
    TmDlg::InformaAbort(vazio, QStringLiteral("Este campo precisa estar preenchido!"), nullptr,
                        true);
}

bool CamposEntrada::TratarTecla(const std::function<bool()>& tratamento) {
    try {
        return tratamento();
    } catch (const EAbortSilencioso&) {
        return true;
    }
}

void CamposEntrada::ProximoCampo(QWidget* controle) {
    QCoreApplication::postEvent(controle,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
}

void CamposEntrada::CampoAnterior(QWidget* controle) {
    QCoreApplication::postEvent(
        controle, new QKeyEvent(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier));
}

void CamposEntrada::AplicarCoresEntrada(QWidget* controle) {
    QPalette paleta = controle->palette();
    paleta.setColor(QPalette::Disabled, QPalette::Base,
                    paleta.color(QPalette::Active, QPalette::Button));
    paleta.setColor(QPalette::Disabled, QPalette::Button,
                    paleta.color(QPalette::Active, QPalette::Button));
    controle->setPalette(paleta);
}

bool CamposEntrada::EhCtrl(const QKeyEvent* event, int tecla) {
    return event->key() == tecla && event->modifiers() == Qt::ControlModifier;
}
