#pragma once
// The PIX QR code on the payment page (object name "QuadroPix"): while a code is shown it
// covers the whole page, white, with the caption at the top, the QR code in the middle and the
// amount at the bottom; removed, the payment rows underneath show again.
//
// The symbol is libqrencode's (error correction level M, the code's bytes as they are), drawn
// sharp: every module a square of the same whole number of screen pixels, with a quiet zone of
// four modules, as large as the space between caption and amount allows. Phones at arm's length
// from a 1920x1080 monitor read modules of 8 pixels or more every time; a static BR Code (up to
// 152 characters, version 8) makes 57 modules with the quiet zone: 10 pixels each on a 1024x768
// screen, 16 on a 1920x1080 one.

#include <QImage>
#include <QWidget>

#include "display/protocolo/ComandosPix.h"

class QLabel;

class TQuadroPix : public QWidget {
    Q_OBJECT
public:
    // The quiet zone around the symbol, in modules.
    static constexpr int kZonaSilenciosa = 4;

    // Made as a hidden child of the page it covers, whose size it follows.
    explicit TQuadroPix(QWidget* pagina);

    // Shows the code, caption and amount, in front of the page's rows. Raises std::runtime_error
    // when libqrencode cannot encode the code; what was shown before then stays.
    void Exibir(const Protocolo::TQrPix& qr);
    // Hides the code; the page's rows show again.
    void Remover();

    bool Exibindo() const { return !modulos_.isNull() && isVisible(); }
    QString Codigo() const { return codigo_; }
    // Screen pixels per module, and where the symbol (quiet zone included) is drawn.
    int PixelsPorModulo() const;
    QRect AreaSimbolo() const;

protected:
    bool eventFilter(QObject* observado, QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void Dispor();

    QLabel* legenda_;
    QLabel* valor_;
    QImage modulos_;  // one pixel per module, quiet zone included; black is dark
    QString codigo_;
};
