#include "sistema/rede/TmRotRede.h"

#include <curl/curl.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cstdio>
#include <functional>
#include <memory>

#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/processos/Execucao.h"

namespace {

constexpr const char* kAgente =
    "Mozilla/5.0 (Windows NT 6.1; WOW64; rv:12.0) Gecko/20100101 Firefox/12.0";
constexpr long kSegundosConexao = 15;
constexpr long kBytesPorSegundoMinimo = 1;
constexpr long kSegundosAbaixoDoMinimo = 60;

QString SemCache(const QString& url) {
    if (url.contains(u'?'))
        return url;
    return url + u'?' + Rtl::FormatDateTime(u"yymmddhhnnss", Relogio::Agora());
}

using TReceptor = std::function<bool(const char*, size_t)>;

size_t Receber(char* dados, size_t tamanho, size_t quantidade, void* receptor) {
    const size_t bytes = tamanho * quantidade;
    return (*static_cast<TReceptor*>(receptor))(dados, bytes) ? bytes : 0;
}

// One GET of url into receptor; ERede with curl's message or the HTTP status on failure.
void Buscar(const QString& url, TReceptor receptor) {
    const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(),
                                                                   curl_easy_cleanup);
    if (!curl)
        throw ERede(QStringLiteral("Não foi possível iniciar a transferência"));
    const QByteArray endereco = url.toUtf8();
    char erro[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(curl.get(), CURLOPT_URL, endereco.constData());
    curl_easy_setopt(curl.get(), CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl.get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl.get(), CURLOPT_USERAGENT, kAgente);
    curl_easy_setopt(curl.get(), CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_CONNECTTIMEOUT, kSegundosConexao);
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_LIMIT, kBytesPorSegundoMinimo);
    curl_easy_setopt(curl.get(), CURLOPT_LOW_SPEED_TIME, kSegundosAbaixoDoMinimo);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, erro);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, Receber);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &receptor);
    const CURLcode resultado = curl_easy_perform(curl.get());
    if (resultado != CURLE_OK)
        throw ERede(QString::fromUtf8(*erro ? erro : curl_easy_strerror(resultado)));
}

// The rights of the file being replaced (a regular file, not through a link), else rw-r--r--.
mode_t Permissoes(const QString& alvo) {
    struct stat info {};
    if (lstat(QFile::encodeName(alvo).constData(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0644;
}

// The body goes to a new file beside alvo, renamed over it when complete: until then, and
// after a failure, alvo is untouched; a link at its name is replaced, never followed.
void BaixarArquivo(const QString& url, const QString& alvo) {
    QTemporaryFile parcial(QFileInfo(alvo).absolutePath() + QStringLiteral("/.") +
                           QFileInfo(alvo).fileName() + QStringLiteral(".parcial-XXXXXX"));
    if (!parcial.open())
        throw ERede(parcial.errorString());
    Buscar(url, [&](const char* dados, size_t bytes) {
        return parcial.write(dados, static_cast<qint64>(bytes)) == static_cast<qint64>(bytes);
    });
    if (!parcial.flush() || fchmod(parcial.handle(), Permissoes(alvo)) != 0)
        throw ERede(parcial.errorString());
    parcial.close();
    if (std::rename(QFile::encodeName(parcial.fileName()).constData(),
                    QFile::encodeName(alvo).constData()) != 0)
        throw ERede(QStringLiteral("Não foi possível substituir %1").arg(alvo));
    parcial.setAutoRemove(false);
}

}  // namespace

namespace TmRot {

bool EnderecoValido(const QString& Address) {
    if (QHostAddress().setAddress(Address))
        return !Address.startsWith(u'-');
    static const QRegularExpression nome(
        QStringLiteral("^(?=.{1,253}$)[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?"
                       "(?:\\.[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?)*\\.?$"));
    return nome.match(Address).hasMatch();
}

bool Ping(const QString& Address, int Retries, int BufferSize, int aSleep) {
    if (!EnderecoValido(Address) || BufferSize < 0 || BufferSize > 65507)
        return false;
    for (int tentativa = 0; tentativa < Retries; ++tentativa) {
        if (tentativa > 0)
            Delay(aSleep);
        QProcess ping;
        ping.setStandardOutputFile(QProcess::nullDevice());
        ping.setStandardErrorFile(QProcess::nullDevice());
        ping.start(QStringLiteral("ping"),
                   {QStringLiteral("-n"), QStringLiteral("-c"), QStringLiteral("1"),
                    QStringLiteral("-W"), QStringLiteral("4"), QStringLiteral("-s"),
                    QString::number(BufferSize), QStringLiteral("--"), Address});
        if (ping.waitForFinished(10000) && ping.exitStatus() == QProcess::NormalExit &&
            ping.exitCode() == 0)
            return true;
    }
    return false;
}

QString DownloadStrURL(const QString& asUrl) {
    QByteArray corpo;
    Buscar(asUrl, [&](const char* dados, size_t bytes) {
        corpo.append(dados, static_cast<qsizetype>(bytes));
        return true;
    });
    return QString::fromUtf8(corpo);
}

QString GetStringFromUrl(const QString& URL) {
    return DownloadStrURL(SemCache(URL));
}

bool DownloadFileHTTP(const QString& asSourceFileUrl, const QString& asDestFile,
                      bool abShowException) {
    try {
        BaixarArquivo(SemCache(asSourceFileUrl), asDestFile);
        return QFileInfo::exists(asDestFile);
    } catch (const ERede&) {
        if (abShowException)
            throw;
        return false;
    }
}

}  // namespace TmRot
