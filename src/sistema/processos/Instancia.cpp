#include "sistema/processos/Instancia.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>
#include <vector>

#include "sistema/processos/internal/ArquivoTrava.h"
#include "sistema/processos/internal/NomeSeguro.h"

namespace {

QString PastaGravavel(const QByteArray& preferida) {
    return !preferida.isEmpty() && access(preferida.constData(), W_OK | X_OK) == 0
               ? QFile::decodeName(preferida)
               : QStringLiteral("/tmp");
}

// The descriptors of the locks kept until the program ends.
std::vector<int>& TravasMantidas() {
    static std::vector<int> travas;
    return travas;
}

bool Travar(const QString& caminho, ArquivoTrava::EDono dono, bool manter) {
    const int fd = ArquivoTrava::Abrir(caminho, dono);
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
    return ArquivoTrava::PastaDoUsuario() + QStringLiteral("/orvane-%1-").arg(getuid()) +
           NomeSeguro::Escapar(MutexName) + QStringLiteral(".lock");
}

bool IsSingleInstance(const QString& MutexName, bool KeepMutex) {
    return Travar(ArquivoTravaSistema(MutexName), ArquivoTrava::EDono::Todos, KeepMutex);
}

bool IsSingleInstanceUsuario(const QString& MutexName, bool KeepMutex) {
    return Travar(ArquivoTravaUsuario(MutexName), ArquivoTrava::EDono::Usuario, KeepMutex);
}

}  // namespace TmRot
