#include "display/telas/RotuloTexto.h"

#include <QLabel>

QLabel* NovoRotuloTexto(QWidget* pai, const QString& nome, const QString& texto,
                        const QFont& fonte) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setText(texto);
    return rotulo;
}
