// BR Codes and the PIX commands on arbitrary text. Besides the sanitizers' checks: a code that
// reads carries only printable ASCII and ends in the CRC of what precedes it; a code built from
// any fields reads back, its key and txid unchanged; a signed command passes only with the
// signature of its content.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "Exigir.h"
#include "display/protocolo/ComandosPix.h"
#include "display/protocolo/ListaSep.h"
#include "sistema/pix/BrCode.h"

namespace {

void VerificarLeitura(const QString& texto) {
    QString erro;
    const auto campos = BrCode::Ler(texto, erro);
    Exigir(campos.has_value() == erro.isEmpty());
    if (!campos)
        return;
    for (QChar c : texto)
        Exigir(c.unicode() >= 0x20 && c.unicode() <= 0x7E);
    const QString crc = QStringLiteral("%1").arg(BrCode::Crc16(texto.chopped(4).toLatin1()), 4, 16,
                                                 QLatin1Char('0'));
    Exigir(texto.right(4).compare(crc, Qt::CaseInsensitive) == 0);
}

void VerificarMontagem(const QString& texto) {
    try {
        const auto qr = Protocolo::LerMontarPix(texto);
        if (!qr)
            return;
        const QStringList campos = DividirCampos(texto, u'|');
        QString erro;
        Exigir(BrCode::Ler(qr->Codigo, erro).has_value());
        Exigir(qr->Codigo.contains(campos[0]));
        Exigir(campos[4].isEmpty() || qr->Codigo.contains(campos[4]));
    } catch (const std::runtime_error&) {
        // fields from which no code can be built: the caller's error handler shows why
    }
}

void VerificarAssinatura(const QString& texto) {
    const QByteArray segredo = "segredo";
    const auto conteudo = Protocolo::ParametrosAssinados('P', texto, segredo);
    if (conteudo)
        Exigir(
            texto == *conteudo + u'|' + Protocolo::AssinaturaPix('P', *conteudo, segredo) ||
            texto.toLower() ==
                (*conteudo + u'|' + Protocolo::AssinaturaPix('P', *conteudo, segredo)).toLower());
    const QString assinado = texto + u'|' + Protocolo::AssinaturaPix('P', texto, segredo);
    Exigir(Protocolo::ParametrosAssinados('P', assinado, segredo) == texto);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dados, size_t tamanho) {
    const QString texto =
        QString::fromUtf8(reinterpret_cast<const char*>(dados), static_cast<qsizetype>(tamanho));
    VerificarLeitura(texto);
    VerificarMontagem(texto);
    VerificarAssinatura(texto);
    return 0;
}
