#include "base/ArquivoInteiro.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>

using SistemaArquivos::TResultado;

namespace {

QByteArray Nativo(const QString& caminho) {
    return QFile::encodeName(caminho);
}

TFalha Erro(const QString& caminho, int erro = errno) {
    return TFalha{QStringLiteral("gravar"), caminho, erro, {}};
}

bool EscreverTudo(int fd, QByteArrayView bytes) {
    for (qsizetype feito = 0; feito < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + feito, size_t(bytes.size() - feito));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        feito += n;
    }
    return true;
}

// Rewrites the existing file in place. The space the bytes need is reserved before the first
// byte changes, so the failures a whole-file write meets (full disk, quota, file size limit)
// leave the old content whole; only a fault of the device itself can cut it.
TResultado GravarNoLugar(const QString& caminho, QByteArrayView bytes) {
    const int fd = ::open(Nativo(caminho).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return Erro(caminho);
    struct stat st {};
    int erro = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (erro == 0 && bytes.size() > st.st_size)
        erro = ::posix_fallocate(fd, 0, bytes.size());
    if (erro == 0 &&
        (!EscreverTudo(fd, bytes) || ::ftruncate(fd, bytes.size()) != 0 || ::fsync(fd) != 0))
        erro = errno;
    ::close(fd);
    if (erro != 0)
        return Erro(caminho, erro);
    return std::nullopt;
}

// A name beside caminho that no one can guess.
QString NomeTemporario(const QString& caminho) {
    const QFileInfo alvo(caminho);
    return alvo.absolutePath() + QStringLiteral("/.") + alvo.fileName() + QLatin1Char('.') +
           QString::number(QRandomGenerator::system()->generate64(), 36);
}

// Gives the unnamed file fd a free unguessable name beside caminho, in temporario.
bool Nomear(int fd, const QString& caminho, QString& temporario) {
    const QByteArray proprio = "/proc/self/fd/" + QByteArray::number(fd);
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        temporario = NomeTemporario(caminho);
        if (::linkat(AT_FDCWD, proprio.constData(), AT_FDCWD, Nativo(temporario).constData(),
                     AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            break;
    }
    temporario.clear();
    return false;
}

// A new file in caminho's folder: unnamed while it is written (O_TMPFILE), so a killed writer
// leaves nothing behind; where the file system has no unnamed files, created exclusively under
// an unguessable name in temporario. -1 with errno when the folder refuses it.
int CriarTemporario(const QString& caminho, QString& temporario) {
    const int anonimo = ::open(Nativo(QFileInfo(caminho).absolutePath()).constData(),
                               O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (anonimo >= 0 || (errno != EOPNOTSUPP && errno != EISDIR))
        return anonimo;
    for (int tentativa = 0; tentativa < 100; ++tentativa) {
        temporario = NomeTemporario(caminho);
        const int fd = ::open(Nativo(temporario).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes bytes to a new file beside caminho, with caminho's permission bits when it exists, and
// answers its name in temporario.
TResultado EscreverTemporario(const QString& caminho, QByteArrayView bytes, QString& temporario) {
    temporario.clear();
    const int fd = CriarTemporario(caminho, temporario);
    if (fd < 0)
        return Erro(caminho);
    struct stat antigo {};
    bool ok = EscreverTudo(fd, bytes);
    if (ok && ::stat(Nativo(caminho).constData(), &antigo) == 0)
        ok = ::fchmod(fd, antigo.st_mode & 07777) == 0;
    if (ok && temporario.isEmpty())
        ok = Nomear(fd, caminho, temporario);
    const int erro = errno;
    ::close(fd);
    if (!ok) {
        if (!temporario.isEmpty())
            ::unlink(Nativo(temporario).constData());
        return Erro(caminho, erro);
    }
    return std::nullopt;
}

}  // namespace

namespace ArquivoInteiro {

TResultado Escrever(const QString& escrito, QByteArrayView bytes) {
    // One path for every step: "pasta/link/../x" is "pasta/x", never where the link leads.
    const QString caminho = QDir::cleanPath(QFileInfo(escrito).absoluteFilePath());
    if (SistemaArquivos::EhLink(caminho))
        return TFalha{QStringLiteral("gravar"), caminho, 0,
                      QStringLiteral("o caminho é um link, que não é seguido")};
    QString temporario;
    TResultado falha = EscreverTemporario(caminho, bytes, temporario);
    if (!falha) {
        falha = SistemaArquivos::Instalar(temporario, caminho);
        if (falha)  // gone already when only the folder's sync failed
            ::unlink(Nativo(temporario).constData());
        if (!falha || falha->erro != EBUSY)
            return falha;
    }
    // No new file beside the target, or no rename over it (a mount point): the folder is in
    // the way, and the file itself may still take the bytes.
    if (!QFileInfo(caminho).isFile())
        return falha;
    return GravarNoLugar(caminho, bytes);
}

TResultado Preparar(const QString& caminho, QByteArrayView bytes, QString& temporario) {
    return EscreverTemporario(caminho, bytes, temporario);
}

bool Gravar(const QString& caminho, QByteArrayView bytes, QString& motivo) {
    const TResultado falha = Escrever(caminho, bytes);
    if (falha)
        motivo = falha->Motivo();
    return !falha;
}

}  // namespace ArquivoInteiro
