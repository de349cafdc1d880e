#pragma once
// Records what a POS sends: listens for POS connections on a port, passes every line on to the
// display (one connection to the display per POS connection) and appends it to a recording
// (Gravacao.h) with the time since the first line. The recording is flushed line by line, so
// stopping the program at any moment loses nothing already forwarded.
//
// Like the display, a line longer than 16384 bytes closes the POS connection, and a partial line
// left when the POS closes is dropped; both are reported on the standard error. When the display
// cannot be reached the lines are still recorded, and the failure is reported.

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTcpServer>

class TGravador : public QObject {
public:
    TGravador(QString host, quint16 portaDisplay, QObject* parent = nullptr);

    // Opens the recording (replacing it) and starts listening on portaEscuta of every address
    // (0 picks a free port). False with the reason in erro when either fails.
    bool Iniciar(const QString& arquivo, quint16 portaEscuta, QString& erro);
    quint16 PortaEscuta() const { return servidor_.serverPort(); }

private:
    void AtenderConexao();
    void GravarLinha(QByteArrayView linha);

    QString host_;
    quint16 portaDisplay_;
    QTcpServer servidor_;
    QFile arquivo_;
    QElapsedTimer relogio_;  // started by the first line
};
