#pragma once
// The sale page's background picture (ImgFundoVenda): drawn centred at its own size, or
// stretched to the widget's whole size without keeping its proportions.

#include <QPixmap>
#include <QWidget>

class TImagemFundo : public QWidget {
    Q_OBJECT
public:
    explicit TImagemFundo(QWidget* pai = nullptr);

    void DefinirImagem(const QImage& imagem);
    const QPixmap& Imagem() const { return imagem_; }
    void DefinirAdaptar(bool adaptar);
    bool Adaptar() const { return adaptar_; }

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QPixmap imagem_;
    bool adaptar_ = false;
};
