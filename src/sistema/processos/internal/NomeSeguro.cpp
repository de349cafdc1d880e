#include "sistema/processos/internal/NomeSeguro.h"

namespace NomeSeguro {

QString Escapar(const QString& nome) {
    if (nome.isEmpty())
        return QStringLiteral("%");
    QString resultado;
    for (const char c : nome.toUtf8()) {
        const auto byte = static_cast<unsigned char>(c);
        const bool mantem = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                            (byte >= '0' && byte <= '9') || byte == '_' || byte == '-';
        if (mantem)
            resultado += QChar(byte);
        else
            resultado += QStringLiteral("%%1").arg(byte, 2, 16, QChar(u'0')).toUpper();
    }
    return resultado;
}

}  // namespace NomeSeguro
