#include "display/estado/SimboloPix.h"

#include <qrencode.h>

#include <memory>
#include <stdexcept>

#include "display/estado/FormatoValor.h"

TSimboloPix SimboloPix(const QString& codigo) {
    const QByteArray bytes = codigo.toLatin1();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!qr)
        throw std::runtime_error("Não foi possível desenhar o QR code do PIX.");
    TSimboloPix simbolo{qr->width, QByteArray(qr->width * qr->width, '\0')};
    for (int i = 0; i < simbolo.Modulos.size(); ++i)
        simbolo.Modulos[i] = char(qr->data[i] & 1);  // bit 0: dark module
    return simbolo;
}

QString TextoValorPix(const Protocolo::TQrPix& qr) {
    return qr.Valor > Currency() ? QStringLiteral("R$ ") + FormataValor(qr.Valor) : QString();
}
