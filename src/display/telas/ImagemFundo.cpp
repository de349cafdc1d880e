#include "display/telas/ImagemFundo.h"

#include <QPainter>

TImagemFundo::TImagemFundo(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("ImgFundoVenda"));
}

void TImagemFundo::DefinirImagem(const QImage& imagem) {
    imagem_ = QPixmap::fromImage(imagem);
    update();
}

void TImagemFundo::DefinirAdaptar(bool adaptar) {
    adaptar_ = adaptar;
    update();
}

void TImagemFundo::paintEvent(QPaintEvent*) {
    if (imagem_.isNull())
        return;
    QPainter pintor(this);
    if (adaptar_) {
        pintor.drawPixmap(rect(), imagem_);
        return;
    }
    QRect alvo(QPoint(), imagem_.deviceIndependentSize().toSize());
    alvo.moveCenter(rect().center());
    // Centre by halving the difference, as the platform does, rather than by centre points
    // (which differ by one pixel for odd sizes).
    alvo.moveTopLeft(QPoint((width() - alvo.width()) / 2, (height() - alvo.height()) / 2));
    pintor.drawPixmap(alvo, imagem_);
}
