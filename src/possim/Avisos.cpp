#include "possim/Avisos.h"

#include <QTextStream>

void Avisar(const QString& texto) {
    QTextStream(stderr) << "pos-simulador: " << texto << Qt::endl;
}
