#pragma once
// The TCP command channel of the display: the POS connects and sends one command per line;
// nothing is ever sent back.
//
// Threads. The listener and every connection live on one I/O thread of the channel's own, driven
// by Qt's event loop (no thread per connection: an idle connection costs a socket and a few
// hundred bytes). A complete line is stored there in the single pending slot `UltimoComando`
// (last line wins) and the arming of the 100 ms one-shot `ComandoTimer` is posted to the thread
// of the channel object, which must be the window (GUI) thread. Arming an armed timer does not
// restart it, so a command runs about 100 ms after the first line of a burst.
//
// Dispatch, on the window thread. The timer's tick takes the line out of the slot and, when it is
// not empty, emits Comando with the code of the line's first character and `ParametrosComando`
// (the line from its third character on; the second character is never read). Every code is
// emitted; the receiver ignores the ones it does not know. Connect Comando directly (same thread).
//
// Decisions:
// - A line that arrives while a command is being dispatched waits in the slot and is run by the
//   next tick, about 100 ms later: taking the line out when the tick starts, rather than clearing
//   the slot when the dispatch ends, means no such line is ever lost.
// - An empty line does nothing at all: it neither arms the timer nor replaces a line waiting in
//   the slot, so a stray blank line cannot erase a command just sent.
// - A connection from an address the allow-list (DefinirPermitidos) leaves out is closed as soon
//   as it is accepted, before any of its bytes is read, and reported in the journal.
// - The line rules, the encodings and the 16384-byte limit are LeitorLinhas's. A connection whose
//   line passes the limit is closed at once; lines it completed before that are kept.

#include <QMutex>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

#include "display/canal/ListaPermitidos.h"

#include "display/canal/LeitorLinhas.h"

class ServidorComandos;

class CanalComandos : public QObject {
    Q_OBJECT

public:
    static constexpr int kIntervaloComandoMs = 100;
    static constexpr int kBacklogEscuta = 15;

    explicit CanalComandos(QObject* parent = nullptr);
    ~CanalComandos() override;

    // Starts listening on the port on every local IPv6 and IPv4 address (dual stack, or IPv4 only
    // where the machine has no IPv6). Port 0 takes a free port (see Porta). Raises the process's
    // open-file limit to its hard limit first, so that thousands of connections fit. An active
    // channel is deactivated first. On failure returns false and puts in erro a Portuguese text
    // naming the port and the reason; the channel stays inactive.
    bool Ativar(quint16 porta, QString& erro);

    // The encoding of the POS's lines for the connections of the next Ativar (Ascii7 until set).
    void DefinirCodificacao(CodificacaoLinhas codificacao) { codificacao_ = codificacao; }

    // Stops listening and closes every open connection. A line waiting in the slot stays there.
    void Desativar();

    bool Ativo() const { return servidor_ != nullptr; }
    // The port listened on while active, 0 otherwise.
    quint16 Porta() const { return porta_; }

    // The connections open at this moment (thread-safe; for monitoring).
    int Conexoes() const { return conexoes_.load(); }

    // The addresses that may connect from now on (thread-safe); an empty list allows everyone.
    void DefinirPermitidos(TListaPermitidos permitidos);
    bool Permitido(const QHostAddress& endereco) const;  // thread-safe
    // For the installer (thread-safe): the lines received since the program started, and the
    // last connection, as "peer porta N às hh:mm:ss" (empty before the first).
    qint64 LinhasRecebidas() const { return linhasRecebidas_.load(); }
    QString UltimaConexao() const;

    // The pending line (thread-safe): the last line received and not yet taken by a tick.
    QString UltimoComando() const;

signals:
    void Comando(int codigo, const QString& parametros);

private:
    void ArmazenarLinha(QString linha);  // any thread
    void RegistrarConexao(QString par);  // any thread
    void ComandoTimerTimer();
    void ExecutarComando(int codigo);
    QString ParametrosComando() const;

    QTimer ComandoTimer;
    mutable QMutex mutexComando_;
    QString ultimoComando_;  // guarded by mutexComando_
    QString comandoEmExecucao_;
    QThread threadES_;
    ServidorComandos* servidor_ = nullptr;  // lives on threadES_
    quint16 porta_ = 0;
    CodificacaoLinhas codificacao_ = CodificacaoLinhas::Ascii7;
    std::atomic<int> conexoes_ = 0;
    mutable QMutex mutexPermitidos_;
    std::shared_ptr<const TListaPermitidos> permitidos_;  // guarded by mutexPermitidos_
    std::atomic<qint64> linhasRecebidas_ = 0;
    QString ultimaConexao_;  // guarded by mutexComando_
};
