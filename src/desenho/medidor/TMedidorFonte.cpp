#include "desenho/medidor/TMedidorFonte.h"

#include <QGuiApplication>
#include <QScreen>

int TMedidorFonte::TextWidth(QStringView texto) const {
    return metricas_.horizontalAdvance(texto.toString());
}

// A line of text is as high as its font, whatever its characters.
int TMedidorFonte::TextHeight(QStringView /*texto*/) const {
    return metricas_.height();
}

int TMedidorFonte::LarguraTela() const {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->geometry().width() : 0;
}
