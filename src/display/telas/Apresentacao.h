#pragma once
// The idle screen's slideshow (Apresentacao): the pictures of a folder shown in turn, in name
// order, each for an interval, the change a soft cross-fade. The folder is listed again at every
// change, so pictures added or removed count from the next one; a picture that cannot be read is
// skipped (its reader writes why to the journal).
//
// Timers run only while the slideshow is configured and the widget is visible: the sale page
// hides it while a sale is on screen, and a page that is not the current one hides it too, so a
// display without a folder, or with a sale on screen, wakes up for nothing.

#include <QPixmap>
#include <QTimer>
#include <QVariantAnimation>
#include <QWidget>

class TApresentacao : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDuracaoTransicaoMs = 1000;

    explicit TApresentacao(QWidget* pai = nullptr);

    // An empty folder turns the slideshow off (hidden, no timer). intervaloS below 1 counts as 1.
    void Configurar(const QString& pasta, int intervaloS);
    bool Configurada() const { return !pasta_.isEmpty(); }

    // Shows the next picture of the folder, fading from the one shown (a test's or a timer's
    // step); false when the folder holds none that can be read.
    bool Avancar();

    // Where the fade stands, 0 (old picture) to 1 (new picture).
    double Transicao() const { return transicao_; }
    const QPixmap& Atual() const { return atual_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void hideEvent(QHideEvent*) override;

private:
    void DesenharCentrada(class QPainter& p, const QPixmap& imagem) const;

    QString pasta_;
    QString ultimoArquivo_;
    QPixmap anterior_, atual_;
    double transicao_ = 1.0;
    QTimer tmSlides_{this};  // a child, so that tests find it by name
    QVariantAnimation transicaoAnim_;
};
