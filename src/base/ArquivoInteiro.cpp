#include "base/ArquivoInteiro.h"

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace {

// Rewrites the existing file in place. The space the bytes need is reserved before the first
// byte changes, so the failures a whole-file write meets (full disk, quota, file size limit)
// leave the old content whole; only a fault of the device itself can cut it.
bool GravarNoLugar(const QString& caminho, QByteArrayView bytes, QString& motivo) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        motivo = arquivo.errorString();
        return false;
    }
    if (bytes.size() > arquivo.size()) {
        if (const int erro = posix_fallocate(arquivo.handle(), 0, bytes.size()); erro != 0) {
            motivo = qt_error_string(erro);
            return false;
        }
    }
    if (arquivo.write(bytes.data(), bytes.size()) != bytes.size() ||
        !arquivo.resize(bytes.size())) {
        motivo = arquivo.errorString();
        return false;
    }
    if (::fsync(arquivo.handle()) != 0) {
        motivo = qt_error_string(errno);
        return false;
    }
    return true;
}

}  // namespace

namespace ArquivoInteiro {

bool Gravar(const QString& caminho, QByteArrayView bytes, QString& motivo) {
    QSaveFile arquivo(caminho);
    // Unbuffered, so that a short write (full disk, file size limit) shows in write()'s count:
    // through the buffer it goes unreported and commit() would install a truncated file.
    if (arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (arquivo.write(bytes.data(), bytes.size()) != bytes.size()) {
            arquivo.cancelWriting();
            motivo = QStringLiteral("gravação incompleta");
            return false;
        }
        if (arquivo.commit())
            return true;
        if (arquivo.error() != QFileDevice::RenameError) {
            motivo = arquivo.errorString();
            return false;
        }
    }
    // No temporary file beside the target, or no rename over it: the folder is in the way.
    if (!QFileInfo::exists(caminho)) {
        motivo = arquivo.errorString();
        return false;
    }
    return GravarNoLugar(caminho, bytes, motivo);
}

}  // namespace ArquivoInteiro
