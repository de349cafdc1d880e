#pragma once
// The addresses and networks from which a POS may connect to the display: a list of entries
// separated by commas, semicolons or blanks, each an IPv4 or IPv6 address ("10.0.0.5", "::1")
// or a network in CIDR form ("192.168.1.0/24", "fd00::/8"). An empty list allows everyone,
// which is the display's behaviour when no list is configured. An IPv4 peer reaching a dual-stack
// listener as an IPv4-mapped IPv6 address is matched as the IPv4 address it is.

#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class TListaPermitidos {
public:
    TListaPermitidos() = default;

    // Reads the text; entries that are neither an address nor a network go to invalidos and
    // allow nothing (a list of misspelt entries only keeps everyone out).
    static TListaPermitidos Ler(const QString& texto, QStringList& invalidos);

    // True when the list is empty (everyone allowed) or an entry holds the address.
    bool Permite(const QHostAddress& endereco) const;
    bool Vazia() const { return !restrita_; }

private:
    // IPv4 networks as (address & mask, mask): a connection is checked with a few integer
    // operations per entry, so a long list costs the accept nothing measurable.
    QList<QPair<quint32, quint32>> redes4_;
    QList<QPair<QHostAddress, int>> redes6_;
    bool restrita_ = false;  // some entry was given, even if none could be read
};
