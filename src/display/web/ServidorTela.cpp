#include "display/web/ServidorTela.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMutex>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocket>
#include <atomic>
#include <memory>
#include <optional>

#include "display/web/SerializadorTela.h"

// The page is a Qt resource of this static library: it is registered by name, so that the linker
// keeps it.
static QByteArray LerPagina() {
    Q_INIT_RESOURCE(pagina_tela);
    QFile arquivo(QStringLiteral(":/web/tela.html"));
    arquivo.open(QIODevice::ReadOnly);
    return arquivo.readAll();
}

namespace {

using EStatus = QHttpServerResponder::StatusCode;

const QString kCaminhoEstado = QStringLiteral("/estado");
const QString kPrefixoImagem = QStringLiteral("/imagem/");
// The page sends nothing; anything longer than this from a client closes it.
constexpr qint64 kMaiorMensagemCliente = 1024;
// The page's inline style and script; everything else only from this server, nothing framed.
const QByteArray kPolitica =
    "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
    "img-src 'self'; connect-src 'self'; base-uri 'none'; form-action 'none'; "
    "frame-ancestors 'none'";

// Accepts only the connections the allow-list permits, and no more than kMaximoConexoes at once
// (the pages and the requests being answered): the others are closed before a byte is read, so
// a flood of idle connections holds neither memory nor the process's descriptors.
class TEscutaPermitida : public QTcpServer {
public:
    static constexpr int kMaximoConexoes = 2 * TServidorTela::kMaximoPaginas;

    TEscutaPermitida(const TListaPermitidos& permitidos, QObject* pai)
        : QTcpServer(pai), permitidos_(permitidos) {}

protected:
    void incomingConnection(qintptr descritor) override {
        auto socket = std::make_unique<QTcpSocket>(this);
        if (!socket->setSocketDescriptor(descritor) || abertas_ >= kMaximoConexoes ||
            !permitidos_.Permite(socket->peerAddress())) {
            socket->abort();
            return;
        }
        // Counted until the socket goes, by a child of it: the socket's own signals are cut
        // when a page's connection is upgraded.
        ++abertas_;
        connect(new QObject(socket.get()), &QObject::destroyed, this, [this] { --abertas_; });
        addPendingConnection(socket.release());
    }

private:
    const TListaPermitidos& permitidos_;
    int abertas_ = 0;
};

// The media type of a picture from its first bytes; the pictures are the POS's files.
QByteArray TipoImagem(const QByteArray& bytes) {
    if (bytes.startsWith("BM"))
        return "image/bmp";
    if (bytes.startsWith("\x89PNG"))
        return "image/png";
    if (bytes.startsWith("\xFF\xD8"))
        return "image/jpeg";
    if (bytes.startsWith("GIF8"))
        return "image/gif";
    return "application/octet-stream";
}

}  // namespace

// Lives on the server's thread, where every socket of it is created and used.
class TNucleoServidorTela : public QAbstractHttpServer {
public:
    explicit TNucleoServidorTela(qint64 limiteFila)
        : limiteFila_(limiteFila), pagina_(LerPagina()) {
        connect(this, &QAbstractHttpServer::newWebSocketConnection, this,
                &TNucleoServidorTela::AceitarPaginas);
    }

    bool Escutar(const QHostAddress& endereco, quint16& porta, QString& erro) {
        auto* escuta = new TEscutaPermitida(permitidos_, this);
        if (!escuta->listen(endereco, porta)) {
            erro = escuta->errorString();
            delete escuta;
            return false;
        }
        porta = escuta->serverPort();
        bind(escuta);
        return true;
    }

    void Fechar() {
        qDeleteAll(servers());
        for (QWebSocket* pagina : std::exchange(paginas_, {}))
            delete pagina;
        numPaginas_ = 0;
    }

    void DefinirPermitidos(const TListaPermitidos& permitidos) { permitidos_ = permitidos; }
    int Clientes() const { return numPaginas_; }

    // On the window's thread: the newest state replaces one not sent yet.
    void Publicar(TQuadroTela quadro) {
        QMutexLocker trava(&mutex_);
        const bool agendar = !pendente_;
        pendente_ = std::move(quadro);
        if (agendar)
            QMetaObject::invokeMethod(
                this, [this] { Enviar(); }, Qt::QueuedConnection);
    }

protected:
    // A request the server takes is answered here, or, for the WebSocket upgrade on its path,
    // handed back unanswered to the HTTP server, which makes the handshake.
    bool handleRequest(const QHttpServerRequest& pedido, QTcpSocket* socket) override {
        if (pedido.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0)
            return pedido.method() == QHttpServerRequest::Method::Get &&
                   pedido.url().path() == kCaminhoEstado;
        QHttpServerResponder resposta = makeResponder(pedido, socket);
        if (pedido.method() != QHttpServerRequest::Method::Get) {
            resposta.write(QByteArray(), {{"Allow", "GET"}}, EStatus::MethodNotAllowed);
            return true;
        }
        const QString caminho = pedido.url().path();
        if (caminho == QLatin1String("/")) {
            resposta.write(pagina_, {{"Content-Type", "text/html; charset=utf-8"},
                                     {"Cache-Control", "no-store"},
                                     {"Content-Security-Policy", kPolitica},
                                     {"X-Content-Type-Options", "nosniff"},
                                     {"Referrer-Policy", "no-referrer"}});
            return true;
        }
        if (const std::optional<QByteArray> imagem = Imagem(caminho)) {
            resposta.write(*imagem, {{"Content-Type", TipoImagem(*imagem)},
                                     {"Cache-Control", "max-age=31536000, immutable"},
                                     {"X-Content-Type-Options", "nosniff"}});
            return true;
        }
        return false;
    }

    void missingHandler(const QHttpServerRequest& pedido, QTcpSocket* socket) override {
        makeResponder(pedido, socket).write(EStatus::NotFound);
    }

private:
    // The picture or background of the state sent last, by its address.
    std::optional<QByteArray> Imagem(const QString& caminho) const {
        if (!caminho.startsWith(kPrefixoImagem))
            return std::nullopt;
        for (const TImagemTela* imagem : {&enviado_.Imagem, &enviado_.Fundo})
            if (!imagem->Vazia() && caminho == EnderecoImagem(*imagem))
                return imagem->Conteudo;
        return std::nullopt;
    }

    void AceitarPaginas() {
        while (hasPendingWebSocketConnections()) {
            QWebSocket* pagina = nextPendingWebSocketConnection().release();
            pagina->setParent(this);
            if (paginas_.size() >= TServidorTela::kMaximoPaginas) {
                pagina->close(QWebSocketProtocol::CloseCodePolicyViolated);
                pagina->deleteLater();
                continue;
            }
            pagina->setMaxAllowedIncomingFrameSize(kMaiorMensagemCliente);
            pagina->setMaxAllowedIncomingMessageSize(kMaiorMensagemCliente);
            connect(pagina, &QWebSocket::disconnected, this, [this, pagina] { Remover(pagina); });
            paginas_.append(pagina);
            numPaginas_ = int(paginas_.size());
            if (versao_ > 0)
                pagina->sendBinaryMessage(SerializarTela(enviado_, versao_, 0));
        }
    }

    void Enviar() {
        std::optional<TQuadroTela> quadro;
        {
            QMutexLocker trava(&mutex_);
            quadro.swap(pendente_);
        }
        if (!quadro)
            return;
        const qsizetype primeira =
            versao_ == 0 ? 0 : PrimeiraLinhaDiferente(enviado_.Linhas, quadro->Linhas);
        enviado_ = std::move(*quadro);
        const QByteArray mensagem = SerializarTela(enviado_, ++versao_, primeira);
        for (QWebSocket* pagina : QList<QWebSocket*>(paginas_)) {
            if (pagina->bytesToWrite() > limiteFila_) {
                Remover(pagina);
                pagina->abort();
            } else {
                pagina->sendBinaryMessage(mensagem);
            }
        }
    }

    void Remover(QWebSocket* pagina) {
        if (!paginas_.removeOne(pagina))
            return;
        numPaginas_ = int(paginas_.size());
        pagina->deleteLater();
    }

    const qint64 limiteFila_;
    const QByteArray pagina_;
    TListaPermitidos permitidos_;
    QList<QWebSocket*> paginas_;
    std::atomic<int> numPaginas_{0};
    TQuadroTela enviado_;
    quint64 versao_ = 0;  // of enviado_; 0 before the first
    QMutex mutex_;        // guards pendente_, written on the window's thread
    std::optional<TQuadroTela> pendente_;
};

TServidorTela::TServidorTela(const TEstadoTela& estado, qint64 limiteFila, QObject* pai)
    : QObject(pai), estado_(estado) {
    thread_.setObjectName(QStringLiteral("ServidorTela"));
    // Created on its thread: the HTTP server keeps a WebSocket server of its own that no
    // moveToThread would move.
    QSemaphore criado;
    const QMetaObject::Connection criar = connect(&thread_, &QThread::started, [&] {
        nucleo_ = new TNucleoServidorTela(limiteFila);
        criado.release();
    });
    thread_.start();
    criado.acquire();
    disconnect(criar);
    connect(&estado, &TEstadoTela::Mudou, this, &TServidorTela::Publicar);
}

TServidorTela::~TServidorTela() {
    QMetaObject::invokeMethod(
        nucleo_, [this] { delete nucleo_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

bool TServidorTela::Ativar(const QHostAddress& endereco, quint16 porta, QString& erro) {
    Desativar();
    bool aberta = false;
    QMetaObject::invokeMethod(
        nucleo_, [&] { aberta = nucleo_->Escutar(endereco, porta, erro); },
        Qt::BlockingQueuedConnection);
    if (!aberta)
        return false;
    porta_ = porta;
    Publicar();
    return true;
}

void TServidorTela::Desativar() {
    if (!Ativo())
        return;
    QMetaObject::invokeMethod(
        nucleo_, [this] { nucleo_->Fechar(); }, Qt::BlockingQueuedConnection);
    porta_ = 0;
}

void TServidorTela::DefinirPermitidos(const TListaPermitidos& permitidos) {
    QMetaObject::invokeMethod(
        nucleo_, [this, permitidos] { nucleo_->DefinirPermitidos(permitidos); },
        Qt::QueuedConnection);
}

int TServidorTela::Clientes() const {
    return nucleo_->Clientes();
}

void TServidorTela::Publicar() {
    if (Ativo())
        nucleo_->Publicar(TQuadroTela::De(estado_));
}
