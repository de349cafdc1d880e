#include "sistema/ftp/TCorvelFTP.h"

#include <curl/curl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <mutex>

#include "base/CaminhoWindows.h"

// Why the size is asked with a pre-transfer "*SIZE" instead of libcurl's own SIZE: libcurl
// takes a 550 answer to SIZE for a missing file and fails the download, while servers that
// refuse SIZE (in ASCII mode, or at all) answer exactly that. The "*" makes any refusal
// harmless; the answer is read from the server's replies, which libcurl hands to the header
// callback.

namespace {

constexpr long kTamanhoBuffer = 100 * 1024;  // as the curl command line
constexpr long kTamanhoBufferEnvio = 2 * 1024 * 1024;

void IniciarCurl() {
    static std::once_flag iniciado;
    std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// A text that can travel in one FTP command (a path, a user name, a password): no control
// characters (a line feed in it would start a command of its own).
bool Transmissivel(const QString& texto) {
    return std::none_of(texto.cbegin(), texto.cend(),
                        [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// The name part of a path, "/" and "\" both read as separators.
QString NomeDoCaminho(const QString& caminho) {
    const qsizetype barra = std::max(caminho.lastIndexOf(u'/'), caminho.lastIndexOf(u'\\'));
    return caminho.mid(barra + 1);
}

// The permission bits a new file gets when it replaces alvo: those of the file it replaces, or
// those a new file gets from the process's mask.
mode_t PermissoesDoAlvo(const QString& alvo) {
    struct stat estado {};
    if (::lstat(QFile::encodeName(alvo).constData(), &estado) == 0 && S_ISREG(estado.st_mode))
        return estado.st_mode & 07777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0666 & ~mascara;
}

// A download's bytes, written to a new file beside the target and put in its place only when
// all of them arrived; until then, and after any failure, the target is untouched. A link at
// the target's name is replaced as a link, never followed.
class TArquivoParcial {
public:
    explicit TArquivoParcial(const QString& alvo)
        : alvo_(alvo),
          arquivo_(QFileInfo(alvo).absolutePath() + QStringLiteral("/.") +
                   QFileInfo(alvo).fileName() + QStringLiteral(".parcial-XXXXXX")) {}

    bool Abrir(QString& motivo) {
        if (arquivo_.open())
            return true;
        motivo = QStringLiteral("Não foi possível criar o arquivo temporário em %1: %2")
                     .arg(QFileInfo(alvo_).absolutePath(), arquivo_.errorString());
        return false;
    }
    bool Escrever(const char* dados, qint64 bytes) {
        escritos_ += bytes;
        return arquivo_.write(dados, bytes) == bytes;
    }
    qint64 Escritos() const { return escritos_; }
    QString Erro() const {
        return QStringLiteral("Não foi possível gravar %1: %2").arg(alvo_, arquivo_.errorString());
    }

    // The complete file replaces the target in one step. It is not forced to the disk first,
    // as the command line tools do not: that would halve a large download's speed. A caller
    // that needs the file to survive a power cut syncs it (the self-update does).
    bool Instalar(QString& motivo) {
        if (!arquivo_.flush() || ::fchmod(arquivo_.handle(), PermissoesDoAlvo(alvo_)) != 0) {
            motivo = qt_error_string(errno);
            return false;
        }
        arquivo_.close();
        if (std::rename(QFile::encodeName(arquivo_.fileName()).constData(),
                        QFile::encodeName(alvo_).constData()) != 0) {
            motivo = QStringLiteral("Não foi possível substituir %1: %2")
                         .arg(alvo_, qt_error_string(errno));
            return false;
        }
        arquivo_.setAutoRemove(false);
        return true;
    }

private:
    QString alvo_;
    QTemporaryFile arquivo_;
    qint64 escritos_ = 0;
};

// libcurl's text for the failure, with its detail when it has one.
QString MensagemCurl(CURLcode resultado, const char* detalhe) {
    const QString geral = QString::fromUtf8(curl_easy_strerror(resultado));
    const QString texto = QString::fromUtf8(detalhe).trimmed();
    return texto.isEmpty() || texto == geral ? geral : geral + QStringLiteral(": ") + texto;
}

}  // namespace

// The libcurl handle of one connection, with the options every request shares.
struct TCorvelFTP::TConexao {
    CURL* curl = nullptr;
    CURLU* url = nullptr;
    char erro[CURL_ERROR_SIZE] = {};

    TConexao() {
        IniciarCurl();
        curl = curl_easy_init();
        url = curl_url();
    }
    ~TConexao() {
        curl_easy_cleanup(curl);  // sends QUIT, within the reply time limit
        curl_url_cleanup(url);
    }
};

// One request over the connection: what it carries, and the libcurl callbacks that feed it.
class TCorvelFTP::TTransferencia {
public:
    explicit TTransferencia(TCorvelFTP& cliente) : cliente(cliente) {}
    ~TTransferencia() {
        curl_slist_free_all(antes);
        curl_slist_free_all(preTransfer);
    }

    TCorvelFTP& cliente;
    QString caminhoRemoto;
    bool envio = false;
    bool somenteLogin = false;
    curl_slist* antes = nullptr;        // commands after login (CURLOPT_QUOTE)
    curl_slist* preTransfer = nullptr;  // commands just before the transfer (CURLOPT_PREQUOTE)
    TArquivoParcial* destino = nullptr;
    QFile* origem = nullptr;
    qint64 tamanhoInformado = -1;  // the server's SIZE answer
    QString falhaCallback;         // what a callback raised, or why the file was not written

    // Calls one of the caller's notifications; what it raises ends the transfer as a failure.
    void Chamar(const TCorvelFTP::TNotifyEvent& evento) {
        try {
            if (evento)
                evento(cliente);
        } catch (const std::exception& e) {
            falhaCallback = QString::fromUtf8(e.what());
        } catch (...) {
            falhaCallback = QStringLiteral("Erro desconhecido no acompanhamento");
        }
    }

    static size_t Receber(char* dados, size_t, size_t bytes, void* contexto) {
        auto* t = static_cast<TTransferencia*>(contexto);
        if (t->destino && t->destino->Escrever(dados, qint64(bytes)))
            return bytes;
        if (t->destino)
            t->falhaCallback = t->destino->Erro();
        return 0;
    }

    static size_t Enviar(char* dados, size_t, size_t bytes, void* contexto) {
        auto* t = static_cast<TTransferencia*>(contexto);
        const qint64 lidos = t->origem ? t->origem->read(dados, qint64(bytes)) : 0;
        return lidos < 0 ? size_t(CURL_READFUNC_ABORT) : size_t(lidos);
    }

    // Every reply line of the server; the one of "SIZE" (213) gives the remote file's size.
    static size_t Resposta(char* dados, size_t, size_t bytes, void* contexto) {
        auto* t = static_cast<TTransferencia*>(contexto);
        const QByteArray linha = QByteArray(dados, qsizetype(bytes)).trimmed();
        if (!t->envio && linha.startsWith("213 ")) {
            bool ok = false;
            const qint64 tamanho = linha.mid(4).trimmed().toLongLong(&ok);
            if (ok && tamanho >= 0)
                t->tamanhoInformado = t->cliente.iiMax = tamanho;
        }
        return bytes;
    }

    // Progress of the transfer; a non-zero answer ends it (Abortar, or a callback that raised).
    static int Progresso(void* contexto, curl_off_t, curl_off_t recebidos, curl_off_t,
                         curl_off_t enviados) {
        auto* t = static_cast<TTransferencia*>(contexto);
        if (!t->somenteLogin && t->falhaCallback.isEmpty()) {
            t->Chamar([t, enviados, recebidos](TCorvelFTP& cliente) {
                cliente.Progresso(t->envio ? enviados : recebidos);
            });
        }
        return t->cliente.abortar_ || !t->falhaCallback.isEmpty() ? 1 : 0;
    }
};

TCorvelFTP::TCorvelFTP() = default;

// Closes the connection without telling OnStatus: what the callbacks reach may be gone already.
TCorvelFTP::~TCorvelFTP() = default;

void TCorvelFTP::ValidarParametros() const {
    if (Host.isEmpty())
        throw ECorvelFTP(QStringLiteral("CorvelFTP.Host vazio"));
    if (Username.isEmpty())
        throw ECorvelFTP(QStringLiteral("CorvelFTP.UserName vazio"));
    if (Password.isEmpty())
        throw ECorvelFTP(QStringLiteral("CorvelFTP.Password vazio"));
    if (Port == 0)
        throw ECorvelFTP(QStringLiteral("CorvelFTP.Porta zero"));
    if (!Transmissivel(Host) || !Transmissivel(Username) || !Transmissivel(Password))
        throw ECorvelFTP(
            QStringLiteral("CorvelFTP: servidor, usuário ou senha com caracteres de controle"));
}

void TCorvelFTP::ExigirConexao() const {
    if (!ioFTP)
        throw ECorvelFTP(QStringLiteral("ioFTP não foi inicializado (método CorvelFTP.Conectar)"));
}

void TCorvelFTP::Conectar() {
    Desconectar();
    ValidarParametros();
    auto conexao = std::make_unique<TConexao>();
    if (!conexao->curl || !conexao->url)
        throw ECorvelFTP(QStringLiteral("Não foi possível iniciar o cliente FTP"));
    if (Port < 0 || Port > 65535 ||
        curl_url_set(conexao->url, CURLUPART_SCHEME, "ftp", 0) != CURLUE_OK ||
        curl_url_set(conexao->url, CURLUPART_HOST, Host.toUtf8().constData(), 0) != CURLUE_OK ||
        curl_url_set(conexao->url, CURLUPART_PORT, QByteArray::number(Port).constData(), 0) !=
            CURLUE_OK)
        throw ECorvelFTP(QStringLiteral("Servidor FTP inválido: %1:%2").arg(Host).arg(Port));
    CURL* c = conexao->curl;
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, conexao->erro);
    curl_easy_setopt(c, CURLOPT_USERNAME, Username.toUtf8().constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, Password.toUtf8().constData());
    curl_easy_setopt(c, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    curl_easy_setopt(c, CURLOPT_TRANSFERTEXT, 0L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, long(Configuracao.TempoConexaoSegundos));
    curl_easy_setopt(c, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(Configuracao.TempoRespostaSegundos));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, long(Configuracao.VelocidadeMinima));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, long(Configuracao.TempoVelocidadeSegundos));
    curl_easy_setopt(c, CURLOPT_MAXCONNECTS, 1L);
    curl_easy_setopt(c, CURLOPT_BUFFERSIZE, kTamanhoBuffer);
    curl_easy_setopt(c, CURLOPT_UPLOAD_BUFFERSIZE, kTamanhoBufferEnvio);
    if (Configuracao.TlsExplicito)
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    if (!Configuracao.AutoridadesTls.isEmpty())
        curl_easy_setopt(c, CURLOPT_CAINFO,
                         QFile::encodeName(Configuracao.AutoridadesTls).constData());
    ioFTP = std::move(conexao);

    Status(QStringLiteral("Conectando a %1:%2").arg(Host).arg(Port));
    TTransferencia login(*this);
    login.somenteLogin = true;
    if (!Transferir(login)) {
        ioFTP.reset();
        throw ECorvelFTP(isMsgErro);
    }
    Status(QStringLiteral("Conectado."));
}

void TCorvelFTP::Desconectar() {
    if (!ioFTP)
        return;
    ioFTP.reset();
    Status(QStringLiteral("Desconectado."));
}

bool TCorvelFTP::Conectado() const {
    curl_socket_t socket = CURL_SOCKET_BAD;
    return ioFTP && curl_easy_getinfo(ioFTP->curl, CURLINFO_ACTIVESOCKET, &socket) == CURLE_OK &&
           socket != CURL_SOCKET_BAD;
}

void TCorvelFTP::Abortar() noexcept {
    if (emTransferencia_) {
        abortar_ = true;
        return;
    }
    try {
        Desconectar();
    } catch (...) {
    }
}

bool TCorvelFTP::Download(const QString& ArquivoOrigem, const QString& PastaDestino,
                          bool abModePassive) {
    ExigirConexao();
    iiLastPerc = -1;
    fArquivoOrigem = ArquivoOrigem;
    const QString nome = NomeDoCaminho(ArquivoOrigem);
    bool ok = false;
    if (nome.isEmpty() || nome == QLatin1String(".") || nome == QLatin1String("..") ||
        !Transmissivel(ArquivoOrigem)) {
        isMsgErro = QStringLiteral("Caminho remoto inválido: %1").arg(ArquivoOrigem);
    } else {
        QString pasta = CaminhoWindows::Mapear(PastaDestino);
        if (!pasta.isEmpty() && !pasta.endsWith(u'/'))
            pasta += u'/';
        TArquivoParcial destino(pasta + nome);
        if (!destino.Abrir(isMsgErro)) {
            fArquivoOrigem.clear();
            return false;
        }
        passivo_ = passivo_ || abModePassive;
        TTransferencia t(*this);
        t.caminhoRemoto = ArquivoOrigem;
        t.destino = &destino;
        t.preTransfer = curl_slist_append(nullptr, ("*SIZE " + ArquivoOrigem.toUtf8()).constData());
        ok = Transferir(t);
        if (ok && t.tamanhoInformado >= 0 && destino.Escritos() != t.tamanhoInformado) {
            isMsgErro = QStringLiteral("Arquivo %1 incompleto: %2 de %3 bytes recebidos")
                            .arg(ArquivoOrigem)
                            .arg(destino.Escritos())
                            .arg(t.tamanhoInformado);
            ok = false;
        }
        ok = ok && destino.Instalar(isMsgErro);
    }
    fArquivoOrigem.clear();
    return ok;
}

bool TCorvelFTP::Upload(const QString& ArquivoOrigem, const QString& PastaDestino) {
    ExigirConexao();
    iiLastPerc = -1;
    fArquivoOrigem = ArquivoOrigem;
    QString remoto = PastaDestino;
    if (!remoto.endsWith(u'/') && !remoto.endsWith(u'\\'))
        remoto += u'/';
    remoto += NomeDoCaminho(ArquivoOrigem);
    QFile origem(CaminhoWindows::Mapear(ArquivoOrigem));
    bool ok = false;
    if (!Transmissivel(remoto)) {
        isMsgErro = QStringLiteral("Caminho remoto inválido: %1").arg(remoto);
    } else if (!origem.open(QIODevice::ReadOnly)) {
        isMsgErro =
            QStringLiteral("Não foi possível ler %1: %2").arg(ArquivoOrigem, origem.errorString());
    } else {
        if (OnStatus)
            OnStatus(*this, QStringLiteral("Upload:") + ArquivoOrigem);
        passivo_ = true;
        TTransferencia t(*this);
        t.caminhoRemoto = remoto;
        t.envio = true;
        t.origem = &origem;
        t.antes = curl_slist_append(nullptr, ("*DELE " + remoto.toUtf8()).constData());
        iiMax = origem.size();
        ok = Transferir(t);
    }
    fArquivoOrigem.clear();
    return ok;
}

bool TCorvelFTP::Transferir(TTransferencia& t) {
    CURL* c = ioFTP->curl;
    // The path as the command carries it: the URL's path without its first "/" (NOCWD).
    const QByteArray caminho = "/" + t.caminhoRemoto.toUtf8();
    curl_url_set(ioFTP->url, CURLUPART_PATH, caminho.constData(), CURLU_URLENCODE);
    curl_easy_setopt(c, CURLOPT_CURLU, ioFTP->url);
    curl_easy_setopt(c, CURLOPT_NOBODY, long(t.somenteLogin));
    // Each transfer on a connection of its own (one kept at a time): on the login's connection,
    // libcurl 7.88 stalled about a second at the end of one large download in two (measured
    // against pyftpdlib on loopback); a new login costs a few round trips.
    curl_easy_setopt(c, CURLOPT_FRESH_CONNECT, long(!t.somenteLogin));
    curl_easy_setopt(c, CURLOPT_UPLOAD, long(t.envio));
    curl_easy_setopt(c, CURLOPT_APPEND, long(t.envio));
    curl_easy_setopt(c, CURLOPT_INFILESIZE_LARGE, curl_off_t(t.envio ? iiMax : -1));
    curl_easy_setopt(c, CURLOPT_IGNORE_CONTENT_LENGTH, 1L);
    curl_easy_setopt(c, CURLOPT_FTPPORT, passivo_ ? nullptr : "-");
    curl_easy_setopt(c, CURLOPT_QUOTE, t.antes);
    curl_easy_setopt(c, CURLOPT_PREQUOTE, t.preTransfer);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &TTransferencia::Receber);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_READFUNCTION, &TTransferencia::Enviar);
    curl_easy_setopt(c, CURLOPT_READDATA, &t);
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &TTransferencia::Resposta);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &TTransferencia::Progresso);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    ioFTP->erro[0] = '\0';

    abortar_ = false;
    emTransferencia_ = true;
    const bool transfere = !t.somenteLogin;
    if (transfere && !t.envio)
        iiMax = -1;
    if (transfere)
        t.Chamar(OnInicio);
    const CURLcode resultado =
        t.falhaCallback.isEmpty() ? curl_easy_perform(c) : CURLE_ABORTED_BY_CALLBACK;
    curl_easy_setopt(c, CURLOPT_QUOTE, nullptr);
    curl_easy_setopt(c, CURLOPT_PREQUOTE, nullptr);
    if (transfere)
        t.Chamar(OnTermino);
    emTransferencia_ = false;

    const bool ok = resultado == CURLE_OK && t.falhaCallback.isEmpty() && !abortar_;
    if (abortar_)
        isMsgErro = QStringLiteral("Transferência de %1 cancelada").arg(t.caminhoRemoto);
    else if (!t.falhaCallback.isEmpty())
        isMsgErro = t.falhaCallback;
    else if (!ok)
        isMsgErro = MensagemCurl(resultado, ioFTP->erro);
    if (abortar_)
        Desconectar();
    return ok;
}

void TCorvelFTP::Progresso(qint64 atual) {
    if (!OnProgresso)
        return;
    const qint64 percentual = iiMax > 0 ? std::min<qint64>(100, atual * 100 / iiMax) : 0;
    if (percentual != iiLastPerc) {
        iiLastPerc = percentual;
        OnProgresso(*this, int(percentual));
    }
}

void TCorvelFTP::Status(const QString& texto) {
    if (OnStatus)
        OnStatus(*this, texto);
}

std::unique_ptr<TCorvelFTP> TCorvelFTP::Conectado(const QString& aHost, const QString& aUserName,
                                                  const QString& aPass, int aPort) {
    auto cliente = std::make_unique<TCorvelFTP>();
    cliente->Host = aHost;
    cliente->Username = aUserName;
    cliente->Password = aPass;
    cliente->Port = aPort;
    cliente->Conectar();
    return cliente;
}

bool TCorvelFTP::Download(const QString& aHost, const QString& aUserName, const QString& aPass,
                          int aPort, const QString& aArquivoOrigem, const QString& aPastaDestino) {
    return Conectado(aHost, aUserName, aPass, aPort)->Download(aArquivoOrigem, aPastaDestino, true);
}

bool TCorvelFTP::Upload(const QString& aHost, const QString& aUserName, const QString& aPass,
                        int aPort, const QString& aArquivoOrigem, const QString& aPastaDestino) {
    return Conectado(aHost, aUserName, aPass, aPort)->Upload(aArquivoOrigem, aPastaDestino);
}
