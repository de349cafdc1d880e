#include "sistema/energia/TmRotEnergia.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include "sistema/processos/Execucao.h"

namespace {

bool PedirAoLogind(const QString& metodo) {
    TmRot::Delay(1000);
    QDBusMessage chamada = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), metodo);
    chamada << false;  // not interactive
    const QDBusMessage resposta = QDBusConnection::systemBus().call(chamada);
    return resposta.type() == QDBusMessage::ReplyMessage;
}

}  // namespace

namespace TmRot {

bool Reboot() {
    return PedirAoLogind(QStringLiteral("Reboot"));
}

bool DesligarPC() {
    return PedirAoLogind(QStringLiteral("PowerOff"));
}

}  // namespace TmRot
