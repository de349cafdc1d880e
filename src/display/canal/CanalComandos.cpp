#include "display/canal/CanalComandos.h"

#include <QMutexLocker>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTime>

#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "registro/diario/Diario.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

// Thousands of connections need thousands of descriptors; the usual soft limit is 1024.
void ElevarLimiteArquivosAbertos() {
#ifdef Q_OS_UNIX
    rlimit limite{};
    if (getrlimit(RLIMIT_NOFILE, &limite) == 0 && limite.rlim_cur < limite.rlim_max) {
        limite.rlim_cur = limite.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limite);  // best effort: the channel works with fewer
    }
#endif
}

QString MotivoFalhaEscuta(const QTcpServer& servidor) {
    switch (servidor.serverError()) {
        case QAbstractSocket::AddressInUseError:
            return QStringLiteral("a porta já está em uso por outro programa");
        case QAbstractSocket::SocketAccessError:
            return QStringLiteral("acesso à porta negado pelo sistema");
        default:
            return servidor.errorString();
    }
}

// The peer of a connection for the journal, an IPv4 peer of the dual-stack listener without its
// IPv6 mapping ("127.0.0.1", not "::ffff:127.0.0.1").
QString Par(const QTcpSocket& conexao) {
    bool ipv4 = false;
    const quint32 endereco = conexao.peerAddress().toIPv4Address(&ipv4);
    const QHostAddress par = ipv4 ? QHostAddress(endereco) : conexao.peerAddress();
    return QStringLiteral("%1 porta %2").arg(par.toString()).arg(conexao.peerPort());
}

// How long a listener whose accept failed (no descriptors left) waits before accepting again.
constexpr int kEsperaAposFalhaAceiteMs = 1000;

}  // namespace

// The listener and its connections, on the channel's I/O thread. Hands every batch of lines read
// from a connection to Entrega as its last non-empty line (the slot keeps only the last one).
class ServidorComandos : public QObject {
public:
    using Entrega = std::function<void(QString)>;
    using Permissao = std::function<bool(const QHostAddress&)>;

    // conectado is told the peer of each connection accepted; linhas counts every line read;
    // permitido decides, before anything is read, whether a peer may connect at all.
    ServidorComandos(Entrega entregar, Entrega conectado, Permissao permitido,
                     CodificacaoLinhas codificacao, std::atomic<int>& conexoes,
                     std::atomic<qint64>& linhas)
        : entregar_(std::move(entregar)),
          conectado_(std::move(conectado)),
          permitido_(std::move(permitido)),
          codificacao_(codificacao),
          conexoes_(conexoes),
          linhas_(linhas) {
        servidor_.setListenBacklogSize(CanalComandos::kBacklogEscuta);
        connect(&servidor_, &QTcpServer::newConnection, this, &ServidorComandos::Aceitar);
        // The listener pauses itself when an accept fails for want of descriptors; retry later
        // instead of going deaf for good.
        connect(&servidor_, &QTcpServer::acceptError, this, [this] {
            QTimer::singleShot(kEsperaAposFalhaAceiteMs, this,
                               [this] { servidor_.resumeAccepting(); });
        });
    }

    ~ServidorComandos() override {
        // The connections' signals reach this object's handlers: silence them before closing.
        const auto conexoes = findChildren<QTcpSocket*>();
        for (QTcpSocket* conexao : conexoes) {
            conexao->disconnect(this);
            delete conexao;
        }
        conexoes_ = 0;
    }

    // Listens on every IPv6 and IPv4 address, or on IPv4 only where IPv6 is unavailable.
    bool Escutar(quint16 porta, QString& erro) {
        bool escutando = servidor_.listen(QHostAddress::Any, porta);
        if (!escutando && servidor_.serverError() != QAbstractSocket::AddressInUseError &&
            servidor_.serverError() != QAbstractSocket::SocketAccessError) {
            escutando = servidor_.listen(QHostAddress::AnyIPv4, porta);
        }
        if (!escutando) {
            erro = QStringLiteral("Não foi possível ativar o canal de comandos na porta %1: %2.")
                       .arg(porta)
                       .arg(MotivoFalhaEscuta(servidor_));
        }
        return escutando;
    }

    quint16 PortaEscutada() const { return servidor_.serverPort(); }

private:
    void Aceitar() {
        while (QTcpSocket* conexao = servidor_.nextPendingConnection()) {
            if (!permitido_(conexao->peerAddress())) {
                Diario::Escrever(
                    Diario::ENivel::Aviso,
                    QStringLiteral(
                        "conexão de %1 recusada: endereço fora da lista de PDVs permitidos")
                        .arg(Par(*conexao)));
                conexao->abort();
                delete conexao;
                continue;
            }
            ++conexoes_;
            Diario::Escrever(Diario::ENivel::Info,
                             QStringLiteral("conexão de %1").arg(Par(*conexao)));
            conectado_(Par(*conexao));
            connect(conexao, &QObject::destroyed, this, [this] { --conexoes_; });
            auto leitor = std::make_shared<LeitorLinhas>(codificacao_);
            connect(conexao, &QTcpSocket::readyRead, this,
                    [this, conexao, leitor] { Ler(*conexao, *leitor); });
            connect(conexao, &QTcpSocket::disconnected, conexao, &QObject::deleteLater);
        }
    }

    void Ler(QTcpSocket& conexao, LeitorLinhas& leitor) {
        QString ultima;
        bool dentroDoLimite = true;
        const qint64 linhasAntes = leitor.Linhas();
        while (dentroDoLimite) {
            const qint64 lidos = conexao.read(bloco_.data(), qint64(bloco_.size()));
            if (lidos <= 0) {
                break;
            }
            dentroDoLimite = leitor.AlimentarUltima(QByteArrayView(bloco_.data(), lidos), ultima);
        }
        linhas_ += leitor.Linhas() - linhasAntes;
        if (!ultima.isEmpty()) {
            entregar_(std::move(ultima));
        }
        if (!dentroDoLimite) {
            Diario::Escrever(Diario::ENivel::Aviso,
                             QStringLiteral("linha de mais de %1 bytes de %2: conexão fechada")
                                 .arg(LeitorLinhas::kMaximoBytesLinha)
                                 .arg(Par(conexao)));
            conexao.abort();
            conexao.deleteLater();
        }
    }

    QTcpServer servidor_{this};
    Entrega entregar_;
    Entrega conectado_;
    Permissao permitido_;
    const CodificacaoLinhas codificacao_;
    std::atomic<int>& conexoes_;
    std::atomic<qint64>& linhas_;
    std::array<char, 64 * 1024> bloco_;  // one I/O thread, so one read buffer for every connection
};

CanalComandos::CanalComandos(QObject* parent) : QObject(parent) {
    ComandoTimer.setSingleShot(true);
    ComandoTimer.setInterval(kIntervaloComandoMs);
    connect(&ComandoTimer, &QTimer::timeout, this, &CanalComandos::ComandoTimerTimer);
    threadES_.setObjectName(QStringLiteral("CanalComandos"));
}

CanalComandos::~CanalComandos() {
    Desativar();
}

bool CanalComandos::Ativar(quint16 porta, QString& erro) {
    Desativar();
    ElevarLimiteArquivosAbertos();
    servidor_ =
        new ServidorComandos([this](QString linha) { ArmazenarLinha(std::move(linha)); },
                             [this](QString par) { RegistrarConexao(std::move(par)); },
                             [this](const QHostAddress& endereco) { return Permitido(endereco); },
                             codificacao_, conexoes_, linhasRecebidas_);
    servidor_->moveToThread(&threadES_);
    connect(&threadES_, &QThread::finished, servidor_, &QObject::deleteLater);
    threadES_.start();

    bool escutando = false;
    quint16 portaEscutada = 0;
    QMetaObject::invokeMethod(
        servidor_,
        [&, servidor = servidor_] {
            escutando = servidor->Escutar(porta, erro);
            portaEscutada = servidor->PortaEscutada();
        },
        Qt::BlockingQueuedConnection);
    if (!escutando) {
        Desativar();
        return false;
    }
    porta_ = portaEscutada;
    return true;
}

void CanalComandos::Desativar() {
    if (!servidor_) {
        return;
    }
    // The server is deleted on its own thread as the thread finishes, closing every connection.
    threadES_.quit();
    threadES_.wait();
    servidor_ = nullptr;
    porta_ = 0;
}

void CanalComandos::DefinirPermitidos(TListaPermitidos permitidos) {
    auto nova = std::make_shared<const TListaPermitidos>(std::move(permitidos));
    QMutexLocker trava(&mutexPermitidos_);
    permitidos_ = std::move(nova);
}

bool CanalComandos::Permitido(const QHostAddress& endereco) const {
    std::shared_ptr<const TListaPermitidos> permitidos;
    {
        QMutexLocker trava(&mutexPermitidos_);
        permitidos = permitidos_;
    }
    return !permitidos || permitidos->Permite(endereco);
}

QString CanalComandos::UltimoComando() const {
    QMutexLocker trava(&mutexComando_);
    return ultimoComando_;
}

QString CanalComandos::UltimaConexao() const {
    QMutexLocker trava(&mutexComando_);
    return ultimaConexao_;
}

void CanalComandos::RegistrarConexao(QString par) {
    const QString hora = QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
    QMutexLocker trava(&mutexComando_);
    ultimaConexao_ = par + QStringLiteral(" às ") + hora;
}

void CanalComandos::ArmazenarLinha(QString linha) {
    {
        QMutexLocker trava(&mutexComando_);
        ultimoComando_ = std::move(linha);
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!ComandoTimer.isActive()) {
                ComandoTimer.start();
            }
        },
        Qt::QueuedConnection);
}

void CanalComandos::ComandoTimerTimer() {
    ComandoTimer.stop();
    {
        QMutexLocker trava(&mutexComando_);
        comandoEmExecucao_ = std::exchange(ultimoComando_, QString());
    }
    if (!comandoEmExecucao_.isEmpty()) {
        ExecutarComando(comandoEmExecucao_.at(0).unicode());
    }
}

void CanalComandos::ExecutarComando(int codigo) {
    // Cleared even when a receiver throws (its error is shown by the application's handler).
    const auto limpar = qScopeGuard([this] { comandoEmExecucao_.clear(); });
    emit Comando(codigo, ParametrosComando());
}

QString CanalComandos::ParametrosComando() const {
    return comandoEmExecucao_.mid(2);
}
