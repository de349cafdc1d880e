#include "display/canal/CanalComandos.h"

#include <QMutexLocker>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>

#include <array>
#include <functional>
#include <memory>
#include <utility>

#include "display/canal/LeitorLinhas.h"

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

// How long a listener whose accept failed (no descriptors left) waits before accepting again.
constexpr int EsperaAposFalhaAceiteMs = 1000;

}  // namespace

// The listener and its connections, on the channel's I/O thread. Hands every batch of lines read
// from a connection to Entrega as its last non-empty line (the slot keeps only the last one).
class ServidorComandos : public QObject {
public:
    using Entrega = std::function<void(QString)>;

    ServidorComandos(Entrega entregar, std::atomic<int>& conexoes)
        : fEntregar(std::move(entregar)), fConexoes(conexoes) {
        fServidor.setListenBacklogSize(CanalComandos::BacklogEscuta);
        connect(&fServidor, &QTcpServer::newConnection, this, &ServidorComandos::Aceitar);
        // The listener pauses itself when an accept fails for want of descriptors; retry later
        // instead of going deaf for good.
        connect(&fServidor, &QTcpServer::acceptError, this, [this] {
            QTimer::singleShot(EsperaAposFalhaAceiteMs, this,
                               [this] { fServidor.resumeAccepting(); });
        });
    }

    ~ServidorComandos() override {
        // The connections' signals reach this object's handlers: silence them before closing.
        const auto conexoes = findChildren<QTcpSocket*>();
        for (QTcpSocket* conexao : conexoes) {
            conexao->disconnect(this);
            delete conexao;
        }
        fConexoes = 0;
    }

    // Listens on every IPv6 and IPv4 address, or on IPv4 only where IPv6 is unavailable.
    bool Escutar(quint16 porta, QString& erro) {
        bool escutando = fServidor.listen(QHostAddress::Any, porta);
        if (!escutando && fServidor.serverError() != QAbstractSocket::AddressInUseError &&
            fServidor.serverError() != QAbstractSocket::SocketAccessError) {
            escutando = fServidor.listen(QHostAddress::AnyIPv4, porta);
        }
        if (!escutando) {
            erro = QStringLiteral("Não foi possível ativar o canal de comandos na porta %1: %2.")
                       .arg(porta)
                       .arg(MotivoFalhaEscuta(fServidor));
        }
        return escutando;
    }

    quint16 PortaEscutada() const { return fServidor.serverPort(); }

private:
    void Aceitar() {
        while (QTcpSocket* conexao = fServidor.nextPendingConnection()) {
            ++fConexoes;
            connect(conexao, &QObject::destroyed, this, [this] { --fConexoes; });
            auto leitor = std::make_shared<LeitorLinhas>();
            connect(conexao, &QTcpSocket::readyRead, this,
                    [this, conexao, leitor] { Ler(*conexao, *leitor); });
            connect(conexao, &QTcpSocket::disconnected, conexao, &QObject::deleteLater);
        }
    }

    void Ler(QTcpSocket& conexao, LeitorLinhas& leitor) {
        QString ultima;
        bool dentroDoLimite = true;
        while (dentroDoLimite) {
            const qint64 lidos = conexao.read(fBloco.data(), qint64(fBloco.size()));
            if (lidos <= 0) {
                break;
            }
            dentroDoLimite = leitor.AlimentarUltima(QByteArrayView(fBloco.data(), lidos), ultima);
        }
        if (!ultima.isEmpty()) {
            fEntregar(std::move(ultima));
        }
        if (!dentroDoLimite) {
            conexao.abort();
            conexao.deleteLater();
        }
    }

    QTcpServer fServidor{this};
    Entrega fEntregar;
    std::atomic<int>& fConexoes;
    std::array<char, 64 * 1024> fBloco;  // one I/O thread, so one read buffer for every connection
};

CanalComandos::CanalComandos(QObject* parent) : QObject(parent) {
    ComandoTimer.setSingleShot(true);
    ComandoTimer.setInterval(IntervaloComandoMs);
    connect(&ComandoTimer, &QTimer::timeout, this, &CanalComandos::ComandoTimerTimer);
    fThreadES.setObjectName(QStringLiteral("CanalComandos"));
}

CanalComandos::~CanalComandos() {
    Desativar();
}

bool CanalComandos::Ativar(quint16 porta, QString& erro) {
    Desativar();
    ElevarLimiteArquivosAbertos();
    fServidor = new ServidorComandos([this](QString linha) { ArmazenarLinha(std::move(linha)); },
                                     fConexoes);
    fServidor->moveToThread(&fThreadES);
    connect(&fThreadES, &QThread::finished, fServidor, &QObject::deleteLater);
    fThreadES.start();

    bool escutando = false;
    quint16 portaEscutada = 0;
    QMetaObject::invokeMethod(
        fServidor,
        [&, servidor = fServidor] {
            escutando = servidor->Escutar(porta, erro);
            portaEscutada = servidor->PortaEscutada();
        },
        Qt::BlockingQueuedConnection);
    if (!escutando) {
        Desativar();
        return false;
    }
    fPorta = portaEscutada;
    return true;
}

void CanalComandos::Desativar() {
    if (!fServidor) {
        return;
    }
    // The server is deleted on its own thread as the thread finishes, closing every connection.
    fThreadES.quit();
    fThreadES.wait();
    fServidor = nullptr;
    fPorta = 0;
}

QString CanalComandos::UltimoComando() const {
    QMutexLocker trava(&fMutexComando);
    return fUltimoComando;
}

void CanalComandos::ArmazenarLinha(QString linha) {
    {
        QMutexLocker trava(&fMutexComando);
        fUltimoComando = std::move(linha);
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
        QMutexLocker trava(&fMutexComando);
        fComandoEmExecucao = std::exchange(fUltimoComando, QString());
    }
    if (!fComandoEmExecucao.isEmpty()) {
        ExecutarComando(fComandoEmExecucao.at(0).unicode());
    }
}

void CanalComandos::ExecutarComando(int codigo) {
    // Cleared even when a receiver throws (its error is shown by the application's handler).
    const auto limpar = qScopeGuard([this] { fComandoEmExecucao.clear(); });
    emit Comando(codigo, ParametrosComando());
}

QString CanalComandos::ParametrosComando() const {
    return fComandoEmExecucao.mid(2);
}
