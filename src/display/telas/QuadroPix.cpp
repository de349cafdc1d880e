#include "display/telas/QuadroPix.h"

#include <qrencode.h>

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <memory>
#include <stdexcept>

#include "desenho/fontes/Fontes.h"
#include "display/telas/FormatoValor.h"
#include "display/telas/RotuloTexto.h"

namespace {

constexpr int kAlturaLegenda = 60;
constexpr int kAlturaValor = 70;
constexpr int kMargem = 8;

// The symbol of the code, one pixel per module, with the quiet zone.
QImage Simbolo(const QString& codigo) {
    const QByteArray bytes = codigo.toLatin1();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!qr)
        throw std::runtime_error("Não foi possível desenhar o QR code do PIX.");
    const int lado = qr->width + 2 * TQuadroPix::kZonaSilenciosa;
    QImage imagem(lado, lado, QImage::Format_Grayscale8);
    imagem.fill(Qt::white);
    for (int y = 0; y < qr->width; ++y)
        for (int x = 0; x < qr->width; ++x)
            if (qr->data[y * qr->width + x] & 1)  // bit 0: dark module
                imagem.setPixel(x + TQuadroPix::kZonaSilenciosa, y + TQuadroPix::kZonaSilenciosa,
                                qRgb(0, 0, 0));
    return imagem;
}

}  // namespace

TQuadroPix::TQuadroPix(QWidget* pagina) : QWidget(pagina) {
    setObjectName(QStringLiteral("QuadroPix"));
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, Qt::white);
    setPalette(fundo);
    legenda_ = NovoRotuloTexto(this, QStringLiteral("lbLegendaPix"), QString(),
                               Fontes::Fonte(QStringLiteral("Tahoma"), 40, true));
    valor_ = NovoRotuloTexto(this, QStringLiteral("lbValorPix"), QString(),
                             Fontes::Fonte(QStringLiteral("Tahoma"), 48, true));
    for (QLabel* rotulo : {legenda_, valor_})
        rotulo->setAlignment(Qt::AlignCenter);
    pagina->installEventFilter(this);
    hide();
}

void TQuadroPix::Exibir(const Protocolo::TQrPix& qr) {
    modulos_ = Simbolo(qr.Codigo);
    codigo_ = qr.Codigo;
    legenda_->setText(qr.Legenda);
    valor_->setText(qr.Valor > Currency() ? QStringLiteral("R$ ") + FormataValor(qr.Valor)
                                          : QString());
    Dispor();
    raise();
    show();
    update();
}

void TQuadroPix::Remover() {
    hide();
    modulos_ = QImage();
    codigo_.clear();
}

int TQuadroPix::PixelsPorModulo() const {
    if (modulos_.isNull())
        return 0;
    const int altura = height() - kAlturaLegenda - kAlturaValor - 2 * kMargem;
    return std::max(1, std::min(width() - 2 * kMargem, altura) / modulos_.width());
}

QRect TQuadroPix::AreaSimbolo() const {
    const int lado = PixelsPorModulo() * modulos_.width();
    const int meioY = kAlturaLegenda + (height() - kAlturaLegenda - kAlturaValor) / 2;
    return QRect((width() - lado) / 2, meioY - lado / 2, lado, lado);
}

bool TQuadroPix::eventFilter(QObject* observado, QEvent* evento) {
    if (observado == parent() && evento->type() == QEvent::Resize)
        Dispor();
    return QWidget::eventFilter(observado, evento);
}

void TQuadroPix::Dispor() {
    const QSize pagina = parentWidget()->size();
    setGeometry(0, 0, pagina.width(), pagina.height());
    legenda_->setGeometry(0, 0, pagina.width(), kAlturaLegenda);
    valor_->setGeometry(0, pagina.height() - kAlturaValor, pagina.width(), kAlturaValor);
}

void TQuadroPix::paintEvent(QPaintEvent*) {
    if (modulos_.isNull())
        return;
    QPainter pintor(this);
    // Whole pixels per module: the scaling is by a whole factor and never smoothed.
    pintor.setRenderHint(QPainter::SmoothPixmapTransform, false);
    pintor.drawImage(AreaSimbolo(), modulos_);
}
