#include "LeitorLinhas.h"

QString LeitorLinhas::Decodificar(QByteArrayView linha) {
    if (linha.endsWith('\r')) {
        linha.chop(1);
    }
    QString texto(linha.size(), Qt::Uninitialized);
    char16_t* destino = reinterpret_cast<char16_t*>(texto.data());
    for (const char c : linha) {
        const auto byte = static_cast<unsigned char>(c);
        *destino++ = byte < 0x80 ? char16_t(byte) : char16_t(0xFFFD);
    }
    return texto;
}
