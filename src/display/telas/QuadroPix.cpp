#include "display/telas/QuadroPix.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

#include "desenho/fontes/Fontes.h"
#include "display/estado/SimboloPix.h"
#include "display/telas/RotuloTexto.h"

namespace {

constexpr int kAlturaLegenda = 60;
constexpr int kAlturaValor = 70;
constexpr int kMargem = 8;

// The symbol of the code, one pixel per module, with the quiet zone.
QImage Simbolo(const QString& codigo) {
    const TSimboloPix simbolo = SimboloPix(codigo);
    const int lado = simbolo.Lado + 2 * TQuadroPix::kZonaSilenciosa;
    QImage imagem(lado, lado, QImage::Format_Grayscale8);
    imagem.fill(Qt::white);
    for (int y = 0; y < simbolo.Lado; ++y)
        for (int x = 0; x < simbolo.Lado; ++x)
            if (simbolo.Escuro(x, y))
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
    valor_->setText(TextoValorPix(qr));
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
