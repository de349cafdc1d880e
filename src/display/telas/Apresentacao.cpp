#include "display/telas/Apresentacao.h"

#include <QDir>
#include <QPainter>
#include <stdexcept>

#include "display/telas/LeitorImagem.h"

TApresentacao::TApresentacao(QWidget* pai) : QWidget(pai) {
    setObjectName(QStringLiteral("Apresentacao"));
    tmSlides_.setObjectName(QStringLiteral("tmSlides"));
    connect(&tmSlides_, &QTimer::timeout, this, &TApresentacao::Avancar);
    transicaoAnim_.setDuration(kDuracaoTransicaoMs);
    transicaoAnim_.setStartValue(0.0);
    transicaoAnim_.setEndValue(1.0);
    transicaoAnim_.setEasingCurve(QEasingCurve::InOutQuad);
    connect(&transicaoAnim_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        transicao_ = v.toDouble();
        update();
    });
    hide();
}

void TApresentacao::Configurar(const QString& pasta, int intervaloS) {
    pasta_ = pasta;
    tmSlides_.setInterval(std::max(1, intervaloS) * 1000);
    if (!Configurada()) {
        tmSlides_.stop();
        transicaoAnim_.stop();
        hide();
    }
}

bool TApresentacao::Avancar() {
    const QStringList arquivos =
        QDir(pasta_).entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg"),
                                QStringLiteral("*.jpeg"), QStringLiteral("*.bmp")},
                               QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    const qsizetype depois = arquivos.indexOf(ultimoArquivo_) + 1;  // 0 when it is gone
    for (qsizetype i = 0; i < arquivos.size(); ++i) {
        const QString arquivo = arquivos[(depois + i) % arquivos.size()];
        try {
            const QImage imagem = LerImagem(QDir(pasta_).filePath(arquivo));
            anterior_ = std::exchange(atual_, QPixmap::fromImage(imagem));
            ultimoArquivo_ = arquivo;
            transicaoAnim_.start();
            return true;
        } catch (const std::runtime_error&) {
            // the reader told the journal; the next picture is tried
        }
    }
    return false;
}

void TApresentacao::showEvent(QShowEvent*) {
    if (!Configurada())
        return;
    if (atual_.isNull())
        Avancar();
    tmSlides_.start();
}

void TApresentacao::hideEvent(QHideEvent*) {
    tmSlides_.stop();
    transicaoAnim_.stop();
    transicao_ = 1.0;
}

void TApresentacao::DesenharCentrada(QPainter& p, const QPixmap& imagem) const {
    if (imagem.isNull())
        return;
    const QSize tamanho = imagem.size().scaled(size(), Qt::KeepAspectRatio);
    p.drawPixmap(
        QRect(QPoint((width() - tamanho.width()) / 2, (height() - tamanho.height()) / 2), tamanho),
        imagem);
}

void TApresentacao::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), Qt::black);
    p.setOpacity(1.0 - transicao_);
    DesenharCentrada(p, anterior_);
    p.setOpacity(transicao_);
    DesenharCentrada(p, atual_);
}
