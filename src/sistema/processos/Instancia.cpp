#include "sistema/processos/Instancia.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>
#include <vector>

#include "sistema/processos/internal/NomeSeguro.h"

namespace {

QString PastaGravavel(const QByteArray& preferida) {
    return !preferida.isEmpty() && access(preferida.constData(), W_OK | X_OK) == 0
               ? QFile::decodeName(preferida)
               : QStringLiteral("/tmp");
}

// Opens the existing file, or creates it exclusively, retrying when another process wins the
// race. Never through a link; read-only, which is all flock needs.
int AbrirArquivoTrava(const QString& caminho) {
    const QByteArray local = QFile::encodeName(caminho);
    for (int tentativa = 0; tentativa < 10; ++tentativa) {
        int fd = open(local.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0 || errno != ENOENT)
            return fd;
        fd = open(local.constData(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fchmod(fd, 0666);  // the umask must not keep other users out
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// The descriptors of the locks kept until the program ends.
std::vector<int>& TravasMantidas() {
    static std::vector<int> travas;
    return travas;
}

bool Travar(const QString& caminho, bool manter) {
    const int fd = AbrirArquivoTrava(caminho);
    if (fd < 0)
        return false;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return false;
    }
    if (!manter) {
        close(fd);
        return true;
    }
    static std::mutex guarda;
    const std::lock_guard trava(guarda);
    TravasMantidas().push_back(fd);
    return true;
}

}  // namespace

namespace TmRot {

QString ArquivoTravaSistema(const QString& MutexName) {
    return PastaGravavel("/run/lock") + QStringLiteral("/orvane-") +
           NomeSeguro::Escapar(MutexName) + QStringLiteral(".lock");
}

QString ArquivoTravaUsuario(const QString& MutexName) {
    return PastaGravavel(qgetenv("XDG_RUNTIME_DIR")) + QStringLiteral("/orvane-%1-").arg(getuid()) +
           NomeSeguro::Escapar(MutexName) + QStringLiteral(".lock");
}

bool IsSingleInstance(const QString& MutexName, bool KeepMutex) {
    return Travar(ArquivoTravaSistema(MutexName), KeepMutex);
}

bool IsSingleInstanceUsuario(const QString& MutexName, bool KeepMutex) {
    return Travar(ArquivoTravaUsuario(MutexName), KeepMutex);
}

}  // namespace TmRot
