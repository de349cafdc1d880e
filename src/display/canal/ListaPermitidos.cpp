#include "display/canal/ListaPermitidos.h"

#include <QRegularExpression>
#include <algorithm>

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
        if (rede.first.isNull() || rede.second < 0) {
            invalidos.append(entrada);
        } else if (rede.first.protocol() == QAbstractSocket::IPv4Protocol) {
            const quint32 mascara = rede.second == 0 ? 0 : ~quint32(0) << (32 - rede.second);
            lista.redes4_.append({rede.first.toIPv4Address() & mascara, mascara});
        } else {
            lista.redes6_.append(rede);
        }
    }
    return lista;
}

bool TListaPermitidos::Permite(const QHostAddress& endereco) const {
    if (Vazia())
        return true;
    bool ipv4 = false;
    const quint32 v4 = endereco.toIPv4Address(&ipv4);
    if (ipv4)
        return std::any_of(redes4_.begin(), redes4_.end(),
                           [v4](const auto& rede) { return (v4 & rede.second) == rede.first; });
    return std::any_of(redes6_.begin(), redes6_.end(), [&](const auto& rede) {
        return endereco.isInSubnet(rede.first, rede.second);
    });
}
