#include "display/telas/PaginasSimples.h"

#include <QPainter>

#include "desenho/fontes/Fontes.h"
#include "display/telas/RotuloTexto.h"

void TCaixaImagem::DefinirImagem(const QImage& imagem) {
    imagem_ = imagem;
    update();
}

void TCaixaImagem::paintEvent(QPaintEvent*) {
    if (imagem_.isNull())
        return;
    QSize tamanho = imagem_.size();
    if (tamanho.width() > width() || tamanho.height() > height())
        tamanho.scale(size(), Qt::KeepAspectRatio);
    const QRect alvo(QPoint((width() - tamanho.width()) / 2, (height() - tamanho.height()) / 2),
                     tamanho);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(alvo, imagem_);
}

TPaginaInfo::TPaginaInfo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabInfo"));
    lbInfoTexto =
        NovoRotuloTexto(this, QStringLiteral("lbInfoTexto"), QStringLiteral("Texto Informativo"),
                        Fontes::Fonte(QStringLiteral("Tahoma"), 31));
    lbInfoTexto->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbInfoTexto->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    lbInfoValor = NovoRotuloTexto(this, QStringLiteral("lbInfoValor"), QStringLiteral("99.999,99"),
                                  Fontes::Fonte(QStringLiteral("Tahoma"), 48, true));
    lbInfoValor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbInfoTexto->setFixedHeight(38);
    lbInfoValor->setFixedHeight(58);
}

void TPaginaInfo::ExibirInfo(const Protocolo::TInfo& info) {
    lbInfoTexto->setText(info.Texto);
    lbInfoValor->setText(info.Valor);
}

void TPaginaInfo::Posicionar(int alturaClienteJanela) {
    const int v = lbInfoValor->height();
    const int topoTexto = alturaClienteJanela / 2 - v / 2 - v;
    lbInfoTexto->setGeometry(1, topoTexto, width(), lbInfoTexto->height());
    lbInfoValor->setGeometry(1, topoTexto + v, width(), v);
}

// The page follows the window's size: its layout resizes it whenever the window is resized.
void TPaginaInfo::resizeEvent(QResizeEvent*) {
    Posicionar(window()->height());
}

TPaginaImagem::TPaginaImagem(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabImg"));
    Img = new TCaixaImagem(this);
    Img->setObjectName(QStringLiteral("Img"));
}

void TPaginaImagem::Posicionar(QSize clienteJanela) {
    const int lado =
        clienteJanela.width() > clienteJanela.height() ? width() - 120 : height() - 120;
    Img->setGeometry((width() - lado) / 2, (height() - lado) / 2, lado, lado);
}

void TPaginaImagem::DefinirImagem(const QImage& imagem) {
    Img->DefinirImagem(imagem);
}

void TPaginaImagem::resizeEvent(QResizeEvent*) {
    Posicionar(window()->size());
}

TPaginaDebug::TPaginaDebug(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabDebug"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(12, 12, 749, 485);
    Memo1->setReadOnly(true);
    Memo1->setMaximumBlockCount(kMaximoLinhasDebug);
}

void TPaginaDebug::AdicionarDebug(const QString& linha) {
    Memo1->appendPlainText(linha);
}
