#include "texto/config/TravaConfig.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "base/EInOutError.h"

namespace {

constexpr int kSemSeguir = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// A descriptor of the regular file at caminho opened with flags, never through a link; -1 with
// errno set (ELOOP for a link, EINVAL for anything but a regular file) when there is none.
int AbrirComum(const QByteArray& caminho, int flags) {
    const int fd = ::open(caminho.constData(), flags | kSemSeguir, 0666);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

// The lock file for a write: opened, or created exclusively when missing (another writer may
// create it first, then it is opened).
int AbrirParaEscrita(const QByteArray& trava) {
    for (;;) {
        const int fd = AbrirComum(trava, O_RDWR);
        if (fd >= 0 || errno != ENOENT)
            return fd;
        const int criado = AbrirComum(trava, O_RDWR | O_CREAT | O_EXCL);
        if (criado >= 0 || errno != EEXIST)
            return criado;
    }
}

bool Plantado(int erro) {
    return erro == ELOOP || erro == EINVAL;
}

}  // namespace

TTravaConfig::TTravaConfig(const QString& arquivo, Modo modo) {
    if (QFileInfo(arquivo).fileName().isEmpty())
        return;
    const QString nomeTrava = arquivo + QStringLiteral(".lock");
    const QByteArray trava = QFile::encodeName(nomeTrava);
    if (modo == Modo::Escrita)
        fd_ = AbrirParaEscrita(trava);
    if (modo == Modo::Leitura || (fd_ < 0 && !Plantado(errno)))
        fd_ = AbrirComum(trava, O_RDONLY);
    if (fd_ < 0 && Plantado(errno) && modo == Modo::Escrita)
        throw EInOutError(
            QStringLiteral("Não foi possível travar o arquivo \"%1\": a trava \"%2\" é um link "
                           "ou outra coisa que não um arquivo comum")
                .arg(QDir::toNativeSeparators(arquivo), QDir::toNativeSeparators(nomeTrava)));
    if (fd_ < 0)  // no lock file: a folder that takes no new file has its saves in place
        fd_ = AbrirComum(QFile::encodeName(arquivo), O_RDONLY);
    if (fd_ < 0)
        return;
    const int operacao = modo == Modo::Escrita ? LOCK_EX : LOCK_SH;
    while (::flock(fd_, operacao) != 0 && errno == EINTR) {
    }
}

TTravaConfig::~TTravaConfig() {
    if (fd_ >= 0)
        ::close(fd_);
}
