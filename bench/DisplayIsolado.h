#pragma once
// The display program set apart for a benchmark: drive C at a temporary folder whose settings
// file names a free port and a window (not full screen), its own runtime folder (for the
// single-copy lock), and Qt's offscreen platform.

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTemporaryDir>

struct TDisplayIsolado {
    QTemporaryDir raiz;
    QTemporaryDir execucao;
    quint16 porta = 0;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    bool pronto = false;  // the settings file was written

    TDisplayIsolado() {
        QTcpServer livre;
        livre.listen(QHostAddress::LocalHost, 0);
        porta = livre.serverPort();
        livre.close();
        QDir(raiz.path()).mkpath(QStringLiteral("frente/config"));
        QFile config(raiz.filePath(QStringLiteral("frente/config/Orvane.crv")));
        pronto = config.open(QIODevice::WriteOnly) &&
                 config.write("[Config]\r\nPorta=" + QByteArray::number(porta) +
                              "\r\nTelaCheia=0\r\n") > 0 &&
                 config.flush();
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("ORVANE_DRIVE_C"), raiz.path());
        ambiente.insert(QStringLiteral("XDG_RUNTIME_DIR"), execucao.path());
    }
};
