#include "sistema/sessao/TmRotOcioso.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

// The first argument of the reply as a number, or -1 when the call fails.
qlonglong Perguntar(const QString& servico, const QString& caminho, const QString& interface,
                    const QString& metodo) {
    const QDBusMessage resposta = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(servico, caminho, interface, metodo), QDBus::Block, 2000);
    if (resposta.type() != QDBusMessage::ReplyMessage || resposta.arguments().isEmpty())
        return -1;
    bool ok = false;
    const qlonglong valor = resposta.arguments().first().toLongLong(&ok);
    return ok ? valor : -1;
}

}  // namespace

namespace TmRot {

int SecondsIdle() {
    const qlonglong ms =
        Perguntar(QStringLiteral("org.gnome.Mutter.IdleMonitor"),
                  QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"),
                  QStringLiteral("org.gnome.Mutter.IdleMonitor"), QStringLiteral("GetIdletime"));
    if (ms >= 0)
        return static_cast<int>(ms / 1000);
    const qlonglong segundos = Perguntar(QStringLiteral("org.freedesktop.ScreenSaver"),
                                         QStringLiteral("/org/freedesktop/ScreenSaver"),
                                         QStringLiteral("org.freedesktop.ScreenSaver"),
                                         QStringLiteral("GetSessionIdleTime"));
    return segundos >= 0 ? static_cast<int>(segundos) : 0;
}

}  // namespace TmRot
