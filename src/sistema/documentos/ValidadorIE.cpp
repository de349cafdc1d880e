#include "sistema/documentos/ValidadorIE.h"

#include <curl/curl.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cerrno>
#include <map>
#include <mutex>

#include "base/CodePage.h"
#include "base/EInOutError.h"
#include "base/internal/Texto.h"
#include "base/mConst.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/zip/TZip.h"
#include "texto/config/TConfigStatic.h"

namespace {

using Consiste = int (*)(const char*, const char*);

constexpr long kSegundosConexao = 15;
constexpr long kSegundosLento = 30;
constexpr qsizetype kTamanhoMaximoPacote = 16 * 1024 * 1024;

QString ErroDownload(const QString& endereco, const QString& motivo) {
    return QStringLiteral("Erro ao baixar o arquivo ") + endereco + QStringLiteral(" (") + motivo +
           u')';
}

bool DeQuemPode(const struct stat& info) {
    return info.st_uid == 0 || info.st_uid == geteuid();
}

// Why the folder is no place to load a library from, or "" when it is one: it and every folder
// above it belong to root or to this user, and none of them can be written by others (above
// it, a sticky folder such as /tmp is fine: nobody can replace what is not theirs there).
QString MotivoPastaInsegura(const QString& pasta) {
    QString atual = QFileInfo(pasta).canonicalFilePath();
    if (atual.isEmpty())
        return QStringLiteral("a pasta %1 não existe").arg(pasta);
    for (bool propria = true;; propria = false) {
        struct stat info {};
        if (stat(QFile::encodeName(atual).constData(), &info) != 0)
            return QStringLiteral("a pasta %1 não pode ser lida").arg(atual);
        const bool outrosEscrevem = (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
        if (!DeQuemPode(info) || (outrosEscrevem && (propria || !(info.st_mode & S_ISVTX))))
            return QStringLiteral("outros usuários podem gravar na pasta %1").arg(atual);
        if (atual == u"/")
            return {};
        atual = QFileInfo(atual).path();
    }
}

// Opens the library once, checks that very file and loads it through its descriptor, so that
// nothing can be swapped in between the check and the load.
Consiste Carregar(const QString& caminho, QString& motivo) {
    const int fd = open(QFile::encodeName(caminho).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        motivo = QStringLiteral("%1 não pode ser aberto").arg(caminho);
        return nullptr;
    }
    struct stat info {};
    Consiste consiste = nullptr;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || !DeQuemPode(info) ||
        (info.st_mode & (S_IWGRP | S_IWOTH))) {
        motivo = QStringLiteral("%1 pode ser alterado por outros usuários").arg(caminho);
    } else if (void* biblioteca =
                   dlopen(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                          RTLD_NOW | RTLD_LOCAL)) {
        consiste = reinterpret_cast<Consiste>(dlsym(biblioteca, "ConsisteInscricaoEstadual"));
        if (!consiste)
            motivo = QStringLiteral("%1 não tem ConsisteInscricaoEstadual").arg(caminho);
    } else {
        motivo = QStringLiteral("%1 não pôde ser carregado: %2")
                     .arg(caminho, QString::fromLocal8Bit(dlerror()));
    }
    close(fd);
    return consiste;
}

size_t Receber(char* dados, size_t tamanho, size_t quantidade, void* destino) {
    QByteArray& pacote = *static_cast<QByteArray*>(destino);
    const size_t bytes = tamanho * quantidade;
    if (pacote.size() + qsizetype(bytes) > kTamanhoMaximoPacote)
        return 0;
    pacote.append(dados, qsizetype(bytes));
    return bytes;
}

// The package's bytes, or "" with the reason in motivo.
QByteArray Baixar(const TConfiguracaoValidadorIE& configuracao, QString& motivo) {
    static std::once_flag iniciado;
    std::call_once(iniciado, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    CURL* curl = curl_easy_init();
    if (!curl) {
        motivo = QStringLiteral("libcurl não iniciou");
        return {};
    }
    QByteArray pacote;
    char erro[CURL_ERROR_SIZE] = {};
    const QByteArray endereco = configuracao.EnderecoPacote.toUtf8();
    const QByteArray certificados = QFile::encodeName(configuracao.CertificadosCA);
    curl_easy_setopt(curl, CURLOPT_URL, endereco.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kSegundosConexao);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kSegundosLento);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(kTamanhoMaximoPacote));
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, erro);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Receber);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &pacote);
    if (!certificados.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, certificados.constData());
    const CURLcode resultado = curl_easy_perform(curl);
    curl_easy_cleanup(curl);
    if (resultado != CURLE_OK) {
        motivo = QString::fromUtf8(*erro ? erro : curl_easy_strerror(resultado));
        return {};
    }
    return pacote;
}

// A folder of our own inside pasta (mode 0700, an unpredictable name), removed with what it
// holds when the object goes.
class PastaPropria {
public:
    explicit PastaPropria(const QString& pasta) {
        QByteArray modelo = QFile::encodeName(pasta + QStringLiteral("/.DllInscE32-XXXXXX"));
        if (mkdtemp(modelo.data()))
            caminho_ = QFile::decodeName(modelo);
    }
    ~PastaPropria() {
        if (!caminho_.isEmpty())
            QDir(caminho_).removeRecursively();
    }
    const QString& Caminho() const { return caminho_; }

private:
    QString caminho_;
};

// Downloads, checks and unpacks the package, and moves the library beside the program.
QString Instalar(const QString& pasta, const TConfiguracaoValidadorIE& configuracao) {
    const QString endereco = configuracao.EnderecoPacote;
    if (endereco.isEmpty() || configuracao.SHA256Pacote.isEmpty())
        return ErroDownload(QString::fromLatin1(ValidadorIE::kPacote),
                            QStringLiteral("endereço ou SHA-256 do pacote não configurado"));
    if (const QString motivo = MotivoPastaInsegura(pasta); !motivo.isEmpty())
        return ErroDownload(endereco, motivo);
    QString motivo;
    const QByteArray pacote = Baixar(configuracao, motivo);
    if (!motivo.isEmpty())
        return ErroDownload(endereco, motivo);
    const QByteArray resumo = QCryptographicHash::hash(pacote, QCryptographicHash::Sha256).toHex();
    if (resumo != configuracao.SHA256Pacote.trimmed().toLower().toLatin1())
        return ErroDownload(endereco, QStringLiteral("SHA-256 do pacote difere do configurado"));
    const PastaPropria temporaria(pasta);
    if (temporaria.Caminho().isEmpty())
        return ErroDownload(endereco, QStringLiteral("não foi possível gravar em %1").arg(pasta));
    const QString zip = temporaria.Caminho() + u'/' + QString::fromLatin1(ValidadorIE::kPacote);
    QFile arquivoZip(zip);
    if (!arquivoZip.open(QIODevice::WriteOnly) || arquivoZip.write(pacote) != pacote.size() ||
        !arquivoZip.flush())
        return ErroDownload(endereco, QStringLiteral("não foi possível gravar %1").arg(zip));
    arquivoZip.close();
    const QString conteudo = temporaria.Caminho() + QStringLiteral("/conteudo");
    const QString biblioteca = QString::fromLatin1(ValidadorIE::kBiblioteca);
    QString desempacotada;
    if (!TZip::DescompactarRetornarNome(zip, conteudo, biblioteca, desempacotada) ||
        QFileInfo(desempacotada).fileName() != biblioteca)
        return ErroDownload(endereco, UltimoErroZip.isEmpty()
                                          ? QStringLiteral("o pacote não traz %1").arg(biblioteca)
                                          : UltimoErroZip);
    const QByteArray origem = QFile::encodeName(desempacotada);
    const QByteArray destino = QFile::encodeName(pasta + u'/' + biblioteca);
    // Another program may have placed the library meanwhile: it is checked like any other.
    if (chmod(origem.constData(), 0755) != 0 ||
        (renameat2(AT_FDCWD, origem.constData(), AT_FDCWD, destino.constData(), RENAME_NOREPLACE) !=
             0 &&
         errno != EEXIST))
        return ErroDownload(
            endereco, QStringLiteral("não foi possível gravar %1").arg(QFile::decodeName(destino)));
    return {};
}

// The call of the library of pasta, installed first when missing; loaded once per process.
Consiste Biblioteca(const QString& pasta, const ValidadorIE::FonteConfiguracao& configuracao,
                    QString& erro) {
    static std::mutex mutex;
    static std::map<QString, Consiste> carregadas;
    const std::lock_guard<std::mutex> trava(mutex);
    const QString caminho =
        QDir(pasta).absoluteFilePath(QString::fromLatin1(ValidadorIE::kBiblioteca));
    if (const auto it = carregadas.find(caminho); it != carregadas.end())
        return it->second;
    if (!QFileInfo::exists(caminho) && !QFileInfo(caminho).isSymLink()) {
        try {
            erro = Instalar(pasta, configuracao());
        } catch (const EInOutError& e) {
            erro = e.Mensagem();
        }
        if (!erro.isEmpty())
            return nullptr;
    }
    QString motivo = MotivoPastaInsegura(pasta);
    Consiste consiste = motivo.isEmpty() ? Carregar(caminho, motivo) : nullptr;
    if (!consiste) {
        erro = QStringLiteral("Validador de inscrição estadual recusado: ") + motivo;
        return nullptr;
    }
    carregadas[caminho] = consiste;
    return consiste;
}

// The digits of the registration and the decimal separator, and for SP a leading "P".
QByteArray Digitos(const QString& ie, const QString& uf) {
    const QChar separador = mConst::Regionais().DecimalSeparator;
    QString numero;
    if (uf.compare(u"SP", Qt::CaseInsensitive) == 0 && TextoInterno::Aparar(ie).startsWith(u'P'))
        numero = QStringLiteral("P");
    for (const QChar c : ie)
        if (TextoInterno::Digito(c) || c == separador)
            numero += c;
    return CodePage::ParaAnsi(numero);
}

}  // namespace

TConfiguracaoValidadorIE TConfiguracaoValidadorIE::Ler() {
    const QString secao = QStringLiteral("ValidadorIE");
    return {TConfigStatic::Ler(secao, QStringLiteral("EnderecoPacote"), ""),
            TConfigStatic::Ler(secao, QStringLiteral("SHA256Pacote"), ""),
            TConfigStatic::Ler(secao, QStringLiteral("CertificadosCA"), "")};
}

namespace ValidadorIE {

QString Validar(const QString& IE, const QString& UF, const QString& pasta,
                const TConfiguracaoValidadorIE& configuracao) {
    return Validar(IE, UF, pasta, [&] { return configuracao; });
}

QString Validar(const QString& IE, const QString& UF, const QString& pasta,
                const FonteConfiguracao& configuracao) {
    if (TextoInterno::Aparar(IE).toString().toUpper() == u"ISENTO")
        return {};
    QString erro;
    const Consiste consiste = Biblioteca(pasta, configuracao, erro);
    if (!consiste)
        return erro;
    switch (consiste(Digitos(IE, UF).constData(), CodePage::ParaAnsi(UF).constData())) {
        case 0:
            return {};
        case 1:
            return QStringLiteral("Inscrição inválida para ") + UF;
        default:
            return QStringLiteral("Parâmetros inválidos");
    }
}

}  // namespace ValidadorIE

namespace TmStr {

QString ValidarInscricaoDLLSintegra(const QString& IE, const QString& UF) {
    return ValidadorIE::Validar(IE, UF, TmFile::DirExe(), &TConfiguracaoValidadorIE::Ler);
}

}  // namespace TmStr
