#include "sistema/rede/TmRotRede.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>

#include <algorithm>

namespace {

constexpr unsigned kRotaAtiva = 0x1;       // RTF_UP
constexpr unsigned kRotaRecusada = 0x200;  // RTF_REJECT: "unreachable" routes on lo
constexpr unsigned kConectadoGlobal = 70;  // NM_STATE_CONNECTED_GLOBAL

const QString kNetworkManager = QStringLiteral("org.freedesktop.NetworkManager");

// True when a row of the route table is an active default route through an interface other
// than loopback (a heading row has no hexadecimal flags and is passed over).
bool AlgumaLinha(const QString& tabela, int colunaInterface, int colunaDestino, int colunaFlags,
                 const QString& destinoPadrao) {
    for (const QString& linha : tabela.split(u'\n')) {
        const QStringList colunas = linha.simplified().split(u' ');
        if (colunas.size() <= std::max({colunaInterface, colunaDestino, colunaFlags}))
            continue;
        bool ok = false;
        const unsigned flags = colunas[colunaFlags].toUInt(&ok, 16);
        if (ok && colunas[colunaDestino] == destinoPadrao && colunas[colunaInterface] != u"lo" &&
            (flags & kRotaAtiva) && !(flags & kRotaRecusada))
            return true;
    }
    return false;
}

QString Ler(const QString& caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly) ? QString::fromLatin1(arquivo.readAll()) : QString();
}

}  // namespace

namespace TmRot {

bool RotaPadrao(const QString& asRotasV4, const QString& asRotasV6) {
    // /proc/net/route: Iface Destination Gateway Flags ...; ipv6_route: destination, its
    // prefix length, source, its length, next hop, metric, refcount, use, flags, device.
    return AlgumaLinha(asRotasV4, 0, 1, 3, QStringLiteral("00000000")) ||
           AlgumaLinha(asRotasV6, 9, 0, 8, QString(32, u'0'));
}

bool StatusInternet() {
    QDBusConnection barramento = QDBusConnection::systemBus();
    if (barramento.isConnected() && barramento.interface()->isServiceRegistered(kNetworkManager)) {
        const QDBusMessage resposta = barramento.call(QDBusMessage::createMethodCall(
            kNetworkManager, QStringLiteral("/org/freedesktop/NetworkManager"), kNetworkManager,
            QStringLiteral("state")));
        if (resposta.type() == QDBusMessage::ReplyMessage && !resposta.arguments().isEmpty())
            return resposta.arguments().constFirst().toUInt() == kConectadoGlobal;
    }
    return RotaPadrao(Ler(QStringLiteral("/proc/net/route")),
                      Ler(QStringLiteral("/proc/net/ipv6_route")));
}

}  // namespace TmRot
