#include "display/canal/ListaPermitidos.h"

#include <QRegularExpression>

TListaPermitidos TListaPermitidos::Ler(const QString& texto, QStringList& invalidos) {
    static const QRegularExpression kSeparadores(QStringLiteral("[,;\\s]+"));
    TListaPermitidos lista;
    for (const QString& entrada : texto.split(kSeparadores, Qt::SkipEmptyParts)) {
        lista.restrita_ = true;
        const QHostAddress endereco(entrada);
        const QPair<QHostAddress, int> rede =
            entrada.contains(u'/')
                ? QHostAddress::parseSubnet(entrada)
                : qMakePair(endereco,
                            endereco.protocol() == QAbstractSocket::IPv4Protocol ? 32 : 128);
        if (rede.first.isNull() || rede.second < 0)
            invalidos.append(entrada);
        else
            lista.redes_.append(rede);
    }
    return lista;
}

bool TListaPermitidos::Permite(const QHostAddress& endereco) const {
    if (Vazia())
        return true;
    bool ipv4 = false;
    const quint32 v4 = endereco.toIPv4Address(&ipv4);
    const QHostAddress comparado = ipv4 ? QHostAddress(v4) : endereco;
    for (const auto& [rede, prefixo] : redes_)
        if (comparado.isInSubnet(rede, prefixo))
            return true;
    return false;
}
