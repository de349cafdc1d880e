#pragma once
// For tests that drive the display window over its POS port: the event loop runs while a
// condition is awaited, a free loopback port, and a command line as the POS writes it.

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QTcpServer>
#include <functional>

inline bool Aguardar(const std::function<bool()>& condicao, int ms = 5000) {
    QDeadlineTimer prazo(ms);
    while (!condicao()) {
        if (prazo.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

inline quint16 PortaLivre() {
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// The code's character, a filler, the parameter text.
inline QByteArray Linha(int codigo, const QByteArray& parametros) {
    return QByteArray(1, char(codigo)) + ' ' + parametros + '\n';
}
