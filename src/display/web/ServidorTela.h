#pragma once
// The customer's screen as a live page for any browser on the shop's network (a tablet, a phone),
// served beside the window when the settings name a port for it.
//
// HTTP: GET / gives the page (one self-contained document: HTML, CSS and a little JavaScript);
// GET /imagem/<hash> the picture or background the screen holds under that content hash; every
// other path 404, every other method 405. A WebSocket on /estado receives the whole state on
// connect and then every change (SerializadorTela.h). Nothing a client sends changes anything:
// its messages are discarded. Connections from addresses the allow-list refuses are closed
// before a byte is read.
//
// The server runs on a thread of its own: the window's thread only takes a copy of the state at
// each change (a few reference counts), and when changes come faster than they are sent, only the
// newest is sent. A client that does not read is dropped once the bytes waiting for it pass the
// queue bound, so that it never holds memory or the others back.

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QThread>

#include "display/canal/ListaPermitidos.h"
#include "display/estado/EstadoTela.h"

class TNucleoServidorTela;

class TServidorTela : public QObject {
    Q_OBJECT
public:
    // Bytes a client may have waiting before it is dropped.
    static constexpr qint64 kLimiteFilaPadrao = 4 * 1024 * 1024;
    // Pages connected at once; one more is closed at once (a shop has a few tablets, and each
    // page holds up to a queue's bound of memory).
    static constexpr int kMaximoPaginas = 64;

    explicit TServidorTela(const TEstadoTela& estado, qint64 limiteFila = kLimiteFilaPadrao,
                           QObject* pai = nullptr);
    ~TServidorTela() override;

    // Listens on the address and port (0: any free port) and sends the state from then on.
    // False with the reason when the port cannot be opened.
    bool Ativar(const QHostAddress& endereco, quint16 porta, QString& erro);
    // Closes the port and every connection.
    void Desativar();
    bool Ativo() const { return porta_ != 0; }
    quint16 Porta() const { return porta_; }
    // Applies to the connections that come after.
    void DefinirPermitidos(const TListaPermitidos& permitidos);
    // The pages connected now.
    int Clientes() const;

private:
    void Publicar();

    const TEstadoTela& estado_;
    QThread thread_;
    TNucleoServidorTela* nucleo_;  // lives on thread_
    quint16 porta_ = 0;
};
