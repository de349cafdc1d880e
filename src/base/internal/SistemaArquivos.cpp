#include "base/internal/SistemaArquivos.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

QByteArray Nativo(const QString& caminho) {
    return QFile::encodeName(caminho);
}

TFalha Erro(const char* operacao, const QString& caminho, int erro = errno) {
    return TFalha{QString::fromUtf8(operacao), caminho, erro, {}};
}

SistemaArquivos::TResultado Sincronizar(const QString& caminho, int flags) {
    const int fd = ::open(Nativo(caminho).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return Erro("sincronizar", caminho);
    const bool ok = ::fsync(fd) == 0;
    const int erro = errno;
    ::close(fd);
    if (!ok)
        return Erro("sincronizar", caminho, erro);
    return std::nullopt;
}

// Removes the entry nome of the open folder pai. The entry's own type decides (d_type, or
// unlinkat's answer when the folder does not tell), so a link is always removed as a link.
bool RemoverEm(int pai, const char* nome, unsigned char tipo, int& erro) {
    if (tipo != DT_DIR) {
        if (::unlinkat(pai, nome, 0) == 0)
            return true;
        if (errno != EISDIR && errno != EPERM) {
            erro = errno;
            return false;
        }
    }
    const int fd = ::openat(pai, nome, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        erro = errno;
        return false;
    }
    DIR* pasta = ::fdopendir(fd);
    if (pasta == nullptr) {
        erro = errno;
        ::close(fd);
        return false;
    }
    bool tudo = true;
    while (const dirent* entrada = ::readdir(pasta)) {
        const char* n = entrada->d_name;
        if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)))
            continue;
        tudo = RemoverEm(::dirfd(pasta), n, entrada->d_type, erro) && tudo;
    }
    ::closedir(pasta);
    if (::unlinkat(pai, nome, AT_REMOVEDIR) != 0) {
        erro = errno;
        return false;
    }
    return tudo;
}

}  // namespace

namespace SistemaArquivos {

bool MesmoArquivo(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    return ::stat(Nativo(a).constData(), &sa) == 0 && ::stat(Nativo(b).constData(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool EhLink(const QString& caminho) {
    struct stat st {};
    return ::lstat(Nativo(caminho).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

TResultado SincronizarPasta(const QString& caminho) {
    return Sincronizar(QFileInfo(caminho).absolutePath(), O_RDONLY | O_DIRECTORY);
}

TResultado Instalar(const QString& temporario, const QString& destino, bool substituir) {
    if (auto falha = Sincronizar(temporario, O_RDONLY | O_NOFOLLOW))
        return falha;
    const int movido = ::renameat2(AT_FDCWD, Nativo(temporario).constData(), AT_FDCWD,
                                   Nativo(destino).constData(), substituir ? 0 : RENAME_NOREPLACE);
    if (movido != 0)
        return Erro("instalar", destino);
    return SincronizarPasta(destino);
}

TResultado Remover(const QString& caminho) {
    const QFileInfo item(caminho);
    const int pai =
        ::open(Nativo(item.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (pai < 0)
        return Erro("apagar", caminho);
    int erro = 0;
    const bool removido = RemoverEm(pai, Nativo(item.fileName()).constData(), DT_UNKNOWN, erro);
    ::close(pai);
    if (!removido)
        return Erro("apagar", caminho, erro);
    return std::nullopt;
}

}  // namespace SistemaArquivos
