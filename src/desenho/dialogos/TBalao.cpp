#include "desenho/dialogos/TBalao.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kHaste = 14;          // height of the stem below the balloon's top edge
constexpr int kRaio = 8;            // radius of the rounded corners
constexpr int kRecuoHaste = 20;     // the stem's tip, from the balloon's left edge
constexpr int kLarguraTexto = 320;  // the text wraps within this width
constexpr int kMaximoTitulo = 255;

QPixmap IconeDoTipo(const QStyle& estilo, TDlgType tipo) {
    switch (tipo) {
        case TDlgType::dlgInformation:
            return estilo.standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16);
        case TDlgType::dlgWarning:
            return estilo.standardIcon(QStyle::SP_MessageBoxWarning).pixmap(16, 16);
        case TDlgType::dlgError:
            return estilo.standardIcon(QStyle::SP_MessageBoxCritical).pixmap(16, 16);
        case TDlgType::dlgSimple:
            break;
    }
    return {};
}

QLabel* Rotulo(QWidget* pai, const QString& texto) {
    auto* rotulo = new QLabel(pai);
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setText(texto);
    return rotulo;
}

}  // namespace

TBalao::TBalao(QWidget* alvo, const QString& texto, const QString& titulo, TDlgType tipo)
    : QWidget(alvo, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      alvo_(alvo),
      tipo_(tipo) {
    setObjectName(QStringLiteral("Balao"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(QToolTip::palette());
    icone_ = new QLabel(this);
    icone_->setPixmap(IconeDoTipo(*style(), tipo));
    icone_->setVisible(tipo != TDlgType::dlgSimple);
    titulo_ = Rotulo(this, titulo.left(kMaximoTitulo));
    titulo_->setObjectName(QStringLiteral("Titulo"));
    QFont negrito = titulo_->font();
    negrito.setBold(true);
    titulo_->setFont(negrito);
    titulo_->setVisible(!titulo.isEmpty());
    texto_ = Rotulo(this, texto);
    texto_->setObjectName(QStringLiteral("Texto"));
    texto_->setWordWrap(true);
    // A wrapped label would take the narrowest width it fits in; short tips stay on one line.
    texto_->setMinimumWidth(
        std::min(kLarguraTexto, texto_->fontMetrics().horizontalAdvance(texto)));
    texto_->setMaximumWidth(kLarguraTexto);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, kHaste + 6, 10, 8);
    layout->addWidget(icone_, 0, 0);
    layout->addWidget(titulo_, 0, 1);
    layout->addWidget(texto_, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    espera_ = new QTimer(this);
    espera_->setSingleShot(true);
    espera_->setInterval(style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay));
    connect(espera_, &QTimer::timeout, this, &TBalao::Mostrar);
    alvo->installEventFilter(this);
}

TBalao* TBalao::DoAlvo(const QWidget* alvo) {
    return alvo ? alvo->findChild<TBalao*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QString TBalao::Texto() const {
    return texto_->text();
}

QString TBalao::Titulo() const {
    return titulo_->text();
}

bool TBalao::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == alvo_) {
        switch (evento->type()) {
            case QEvent::Enter:
                espera_->start();
                break;
            case QEvent::Leave:
            case QEvent::Hide:
            case QEvent::MouseButtonPress:
            case QEvent::WindowDeactivate:
                espera_->stop();
                hide();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void TBalao::Mostrar() {
    // The stem points at the pointer when it rests on the target, else at the target's middle.
    const QPoint cursor = QCursor::pos();
    const QRect area(alvo_->mapToGlobal(QPoint(0, 0)), alvo_->size());
    MostrarEm(area.contains(cursor) ? cursor : area.center());
}

void TBalao::MostrarEm(const QPoint& ponta) {
    adjustSize();
    QPoint canto(ponta.x() - kRecuoHaste, ponta.y());
    if (const QScreen* tela = QGuiApplication::screenAt(ponta)) {
        const QRect area = tela->availableGeometry();
        canto.setX(
            std::clamp(canto.x(), area.left(), std::max(area.left(), area.right() - width())));
        canto.setY(
            std::clamp(canto.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(canto);
    show();
    raise();
}

QPainterPath TBalao::Contorno() const {
    QPainterPath corpo;
    corpo.addRoundedRect(QRectF(0, kHaste, width() - 1, height() - kHaste - 1), kRaio, kRaio);
    QPainterPath haste;
    haste.moveTo(kRecuoHaste, 0);
    haste.lineTo(kRecuoHaste + 2, kHaste + 1);
    haste.lineTo(kRecuoHaste + 2 + kHaste, kHaste + 1);
    haste.closeSubpath();
    return corpo.united(haste);
}

void TBalao::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    // The window takes the balloon's shape; no compositor is needed for it.
    setMask(QRegion(Contorno().toFillPolygon().toPolygon()));
}

void TBalao::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setBrush(palette().color(QPalette::ToolTipBase));
    pintor.setPen(palette().color(QPalette::ToolTipText));
    pintor.drawPath(Contorno());
}

void TmDlg::setBalloon(QWidget* chwnd, const QString& cText, const QString& cTitle,
                       TDlgType cDlgType) {
    if (!chwnd)
        return;
    delete TBalao::DoAlvo(chwnd);
    new TBalao(chwnd, cText, cTitle, cDlgType);
}
