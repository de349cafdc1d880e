#pragma once
// A D-Bus daemon of the test's own standing for the system bus, so that python3-dbusmock's
// services can answer on it; the bus address is set before the program's first use of the
// system bus. The daemon ends with the object.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QThread>

class BarramentoPrivado {
public:
    BarramentoPrivado() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--config-file=/usr/share/dbus-1/session.conf"),
                       QStringLiteral("--print-address=1"), QStringLiteral("--nofork")});
        if (daemon_.waitForReadyRead(10000))
            endereco_ = QString::fromLatin1(daemon_.readLine().trimmed());
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", endereco_.toLatin1());
    }
    ~BarramentoPrivado() {
        daemon_.kill();
        daemon_.waitForFinished();
    }
    BarramentoPrivado(const BarramentoPrivado&) = delete;
    BarramentoPrivado& operator=(const BarramentoPrivado&) = delete;

    // Empty when the daemon did not start.
    const QString& Endereco() const { return endereco_; }

    // Waits up to 10 s until the service nome is on the bus (or, with registrado false, gone).
    bool EsperarServico(const QString& nome, bool registrado = true) const {
        const QDBusConnection barramento =
            QDBusConnection::connectToBus(endereco_, QStringLiteral("espera-servico"));
        QDeadlineTimer prazo(10000);
        while (barramento.interface()->isServiceRegistered(nome) != registrado) {
            if (prazo.hasExpired())
                return false;
            QThread::msleep(50);
        }
        return true;
    }

private:
    QProcess daemon_;
    QString endereco_;
};
