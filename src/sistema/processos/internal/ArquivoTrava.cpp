#include "sistema/processos/internal/ArquivoTrava.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>

#include <cerrno>

namespace ArquivoTrava {

namespace {

constexpr int kAbertura = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// A shared file is created exclusively and then opened for everyone (the umask must not keep
// other users out); the loser of a race to create it opens the winner's file.
int AbrirCompartilhado(const QByteArray& local) {
    for (int tentativa = 0; tentativa < 10; ++tentativa) {
        int fd = open(local.constData(), kAbertura);
        if (fd >= 0 || errno != ENOENT)
            return fd;
        fd = open(local.constData(), kAbertura | O_CREAT | O_EXCL, 0666);
        if (fd >= 0) {
            fchmod(fd, 0666);
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

bool Aceito(int fd, EDono dono) {
    struct stat dados {};
    if (fstat(fd, &dados) != 0)
        return false;
    errno = EPERM;
    return S_ISREG(dados.st_mode) && (dono == EDono::Todos || dados.st_uid == getuid());
}

}  // namespace

QString PastaDoUsuario() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat dados {};
    const bool doUsuario = !runtime.isEmpty() && stat(runtime.constData(), &dados) == 0 &&
                           S_ISDIR(dados.st_mode) && dados.st_uid == getuid() &&
                           access(runtime.constData(), W_OK | X_OK) == 0;
    return doUsuario ? QFile::decodeName(runtime) : QStringLiteral("/tmp");
}

int Abrir(const QString& caminho, EDono dono) {
    const QByteArray local = QFile::encodeName(caminho);
    const int fd = dono == EDono::Todos ? AbrirCompartilhado(local)
                                        : open(local.constData(), kAbertura | O_CREAT, 0600);
    if (fd >= 0 && !Aceito(fd, dono)) {
        close(fd);
        return -1;
    }
    return fd;
}

}  // namespace ArquivoTrava
