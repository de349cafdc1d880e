#include "sistema/sessao/TmRotOcioso.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QThread>

namespace {

// A private session bus with python3-dbusmock's screen saver answering 42 s idle; the bus
// address is set before the program's first use of the session bus.
TEST(Ocioso, AskedOfTheDesktopsScreenSaver) {
    QProcess barramento;
    barramento.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--print-address=1"),
                      QStringLiteral("--nofork")});
    ASSERT_TRUE(barramento.waitForReadyRead(10000));
    const QByteArray endereco = barramento.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", endereco);
    EXPECT_EQ(TmRot::SecondsIdle(), 0);  // no desktop on the bus

    QProcess protetor;
    protetor.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"),
         QStringLiteral(
             "import dbus, dbus.mainloop.glib, dbusmock\n"
             "from gi.repository import GLib\n"
             "dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)\n"
             "bus = dbus.SessionBus()\n"
             "name = dbus.service.BusName('org.freedesktop.ScreenSaver', bus)\n"
             "obj = dbusmock.mockobject.DBusMockObject(name, '/org/freedesktop/ScreenSaver', "
             "'org.freedesktop.ScreenSaver', {})\n"
             "obj.AddMethod('org.freedesktop.ScreenSaver', 'GetSessionIdleTime', '', 'u', 'ret = "
             "42')\n"
             "GLib.MainLoop().run()\n")});
    ASSERT_TRUE(protetor.waitForStarted());
    const QDBusConnection conexao = QDBusConnection::sessionBus();
    for (int i = 0; i < 200 && !conexao.interface()->isServiceRegistered(
                                   QStringLiteral("org.freedesktop.ScreenSaver"));
         ++i)
        QThread::msleep(50);
    EXPECT_EQ(TmRot::SecondsIdle(), 42);
    for (QProcess* processo : {&protetor, &barramento}) {
        processo->kill();
        processo->waitForFinished();
    }
}

}  // namespace
