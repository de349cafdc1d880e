#include "display/telas/FundoPadrao.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "desenho/fontes/Fontes.h"

namespace {

const QColor kAzul(0x1F, 0x5F, 0xA8);
const QColor kVerde(0x2E, 0xA0, 0x6B);

// A shopping bag inside a rounded badge: the emblem at the left of the picture.
void DesenharEmblema(QPainter& p, const QRectF& area) {
    QLinearGradient fundo(area.topLeft(), area.bottomRight());
    fundo.setColorAt(0, kAzul);
    fundo.setColorAt(1, kVerde);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(area, 26, 26);

    const QRectF sacola = area.adjusted(30, 44, -30, -24);
    p.setBrush(Qt::white);
    QPainterPath corpo;
    corpo.moveTo(sacola.left() + 4, sacola.top());
    corpo.lineTo(sacola.right() - 4, sacola.top());
    corpo.lineTo(sacola.right(), sacola.bottom());
    corpo.lineTo(sacola.left(), sacola.bottom());
    corpo.closeSubpath();
    p.drawPath(corpo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
    const QRectF alca(sacola.center().x() - 16, sacola.top() - 22, 32, 40);
    p.drawArc(alca, 0, 180 * 16);
    p.setPen(QPen(kVerde, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = sacola.center() + QPointF(0, 6);
    p.drawPolyline(QPolygonF({c + QPointF(-13, 0), c + QPointF(-4, 9), c + QPointF(14, -10)}));
}

}  // namespace

namespace FundoPadrao {

QImage Imagem() {
    QImage imagem(600, 138, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    DesenharEmblema(p, QRectF(4, 5, 128, 128));

    p.setPen(kAzul);
    p.setFont(Fontes::Fonte(QStringLiteral("Tahoma"), 54, true));
    p.drawText(QRectF(152, 8, 444, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vivava Dazovad"));
    p.setPen(QColor(0x55, 0x5F, 0x6B));
    p.setFont(Fontes::Fonte(QStringLiteral("Tahoma"), 24));
    p.drawText(QRectF(154, 78, 444, 32), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Seja bem-vindo!"));
    p.setPen(QColor(0x8A, 0x94, 0x9E));
    p.setFont(Fontes::Fonte(QStringLiteral("Tahoma"), 16));
    p.drawText(QRectF(155, 108, 444, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Acompanhe aqui os itens da sua compra"));
    return imagem;
}

}  // namespace FundoPadrao
