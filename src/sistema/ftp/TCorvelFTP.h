#pragma once
// A small FTP client that downloads one file from, or uploads one file to, a server, reporting
// progress as whole percentages and keeping the text of the last failed transfer. It runs on
// libcurl; every call blocks and runs on the caller's thread, and the callbacks are called from
// inside Download and Upload. One client serves one transfer at a time.
//
// Lifecycle: set Host, Port, Username and Password, Conectar (which logs in, so a wrong login
// shows there), any number of Download and Upload (each on a connection of its own with the same
// login), then Desconectar or Abortar (the destructor disconnects). Parameter and connection
// failures raise ECorvelFTP; transfer failures answer false and leave their text in MsgErro.
//
// Unlike a bare protocol client, this one never waits for ever: every connection has a time-out,
// every reply a time limit and every transfer a lowest speed (TConfiguracaoFTP). A download goes
// to a temporary file beside its target and replaces the target only when complete, so a failed
// or aborted download leaves an older copy whole. Remote paths are built with "/".

#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "sistema/ExportacaoSistemaFtp.h"

// A connection that could not be made, or parameters missing for one.
class ECorvelFTP : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

// Limits and security of the connection; the defaults suit a server across the internet.
struct TConfiguracaoFTP {
    int TempoConexaoSegundos = 30;   // to open the connection and log in
    int TempoRespostaSegundos = 60;  // for each reply of the server
    // A transfer slower than VelocidadeMinima bytes per second for TempoVelocidadeSegundos ends.
    int VelocidadeMinima = 1;
    int TempoVelocidadeSegundos = 60;
    // Explicit TLS (AUTH TLS) for the commands and the data, the server's certificate checked
    // against the system's authorities, or those of the file AutoridadesTls (PEM) when given; a
    // server that does not offer TLS is refused.
    bool TlsExplicito = false;
    QString AutoridadesTls;
};

class ORVANE_SISTEMAFTP_EXPORT TCorvelFTP {
public:
    using TProgressoEvent = std::function<void(TCorvelFTP& Sender, int Percentual)>;
    using TStatusEvent = std::function<void(TCorvelFTP& Sender, const QString& Texto)>;
    using TNotifyEvent = std::function<void(TCorvelFTP& Sender)>;

    TCorvelFTP();
    ~TCorvelFTP();
    TCorvelFTP(const TCorvelFTP&) = delete;
    TCorvelFTP& operator=(const TCorvelFTP&) = delete;

    QString Host;
    int Port = 0;
    QString Username;
    QString Password;
    TConfiguracaoFTP Configuracao;
    TProgressoEvent OnProgresso;
    TStatusEvent OnStatus;
    TNotifyEvent OnInicio;
    TNotifyEvent OnTermino;

    // The text of the last failed transfer; kept until the next failure.
    const QString& MsgErro() const { return isMsgErro; }
    // The file of the running transfer, "" between transfers.
    const QString& ArquivoOrigem() const { return fArquivoOrigem; }

    // Connects and logs in, replacing an earlier connection. Raises ECorvelFTP: "CorvelFTP.Host
    // vazio", "CorvelFTP.UserName vazio", "CorvelFTP.Password vazio", "CorvelFTP.Porta zero" (the
    // first that applies), or the reason the connection or the login failed.
    void Conectar();
    // Closes the connection; nothing when there is none.
    void Desconectar();
    // A connection exists and is still open.
    bool Conectado() const;
    // Ends the running transfer and disconnects; never raises. Called from a callback of the
    // transfer it only marks it: the transfer ends when the callback returns, then the client
    // disconnects.
    void Abortar() noexcept;

    // Downloads the remote file (a path with "/") into the local folder PastaDestino under the
    // remote file's name, in passive mode when abModePassive (the client then stays in passive
    // mode). Raises when not connected.
    bool Download(const QString& ArquivoOrigem, const QString& PastaDestino, bool abModePassive);
    // Uploads the local file into the remote folder PastaDestino under its own name, in passive
    // mode: a remote file of that name is deleted first, then the file is stored with APPE.
    // Raises when not connected.
    bool Upload(const QString& ArquivoOrigem, const QString& PastaDestino);

    // One client created, connected, used (passive mode) and disconnected; connection failures
    // raise.
    static bool Download(const QString& aHost, const QString& aUserName, const QString& aPass,
                         int aPort, const QString& aArquivoOrigem, const QString& aPastaDestino);
    static bool Upload(const QString& aHost, const QString& aUserName, const QString& aPass,
                       int aPort, const QString& aArquivoOrigem, const QString& aPastaDestino);

private:
    struct TConexao;
    class TTransferencia;

    // A new client, connected (the one-shot operations).
    static std::unique_ptr<TCorvelFTP> Conectado(const QString& aHost, const QString& aUserName,
                                                 const QString& aPass, int aPort);
    void ValidarParametros() const;
    void ExigirConexao() const;
    bool Transferir(TTransferencia& transferencia);
    void Progresso(qint64 atual);
    void Status(const QString& texto);

    qint64 iiMax = 0;
    qint64 iiLastPerc = -1;
    std::unique_ptr<TConexao> ioFTP;
    QString isMsgErro;
    QString fArquivoOrigem;
    bool passivo_ = false;
    bool emTransferencia_ = false;
    std::atomic<bool> abortar_{false};
};
