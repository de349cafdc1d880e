#pragma once
// The display program set apart for a benchmark: drive C at a temporary folder whose settings
// file names a free port and a window (not full screen), its own runtime folder (for the
// single-copy lock), and Qt's offscreen platform. The runtime folder is on a tmpfs, as a
// session's /run/user/<uid> is: on a disk the single-copy lock alone (Qt's lock file syncs what
// it writes) costs 2 to 10 ms more at each start, the busier the disk the more.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTemporaryDir>

inline QString ModeloPastaExecucao() {
    const QString memoria = QStringLiteral("/dev/shm");
    return (QFileInfo(memoria).isDir() ? memoria : QDir::tempPath()) +
           QStringLiteral("/orvane-execucao-XXXXXX");
}

struct TDisplayIsolado {
    QTemporaryDir raiz;
    QTemporaryDir execucao{ModeloPastaExecucao()};
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
