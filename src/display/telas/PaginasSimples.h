#pragma once
// The three small pages of the display window: info (a text above a value), picture (a square
// box showing the POS's picture file) and debug (a log of lines). Pages and widgets carry the
// names of the screen's design as object names: TabInfo (lbInfoTexto, lbInfoValor), TabImg (Img)
// and TabDebug (Memo1).

#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QWidget>

#include "display/protocolo/Protocolo.h"

// Draws its picture centred at its own size, scaled down keeping proportions when larger than
// the box; never enlarged.
class TCaixaImagem : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void DefinirImagem(const QImage& imagem);
    const QImage& Imagem() const { return imagem_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage imagem_;
};

class TPaginaInfo : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaInfo(QWidget* parent = nullptr);
    // Command 6: text and value as sent, as plain text.
    void ExibirInfo(const Protocolo::TInfo& info);
    // Tops follow the window's client height: the value centred on half of it, the text one
    // value height above.
    void Posicionar(int alturaClienteJanela);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* lbInfoTexto;
    QLabel* lbInfoValor;
};

class TPaginaImagem : public QWidget {
    Q_OBJECT
public:
    explicit TPaginaImagem(QWidget* parent = nullptr);
    // Square box centred with a 60-pixel margin along the window's longer side.
    void Posicionar(QSize clienteJanela);
    // The picture the box shows.
    void DefinirImagem(const QImage& imagem);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    TCaixaImagem* Img;
};

// The debug log keeps the newest kMaximoLinhasDebug lines: each new line beyond them drops the
// oldest, so that a POS sending debug lines for days cannot grow the display's memory without
// bound.
class TPaginaDebug : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaximoLinhasDebug = 10000;

    explicit TPaginaDebug(QWidget* parent = nullptr);
    // Command 7: appends the line at the end of the log; the active page does not change.
    void AdicionarDebug(const QString& linha);

private:
    QPlainTextEdit* Memo1;
};
