#include "sistema/valores/TmRotMD5.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include "base/EInOutError.h"

namespace {

QString Hexadecimal(const QByteArray& digest) {
    return QString::fromLatin1(digest.toHex().toUpper());
}

}  // namespace

namespace TmRot {

QString MD5(const QString& asTexto) {
    QByteArray ascii;
    ascii.reserve(asTexto.size());
    for (const QChar c : asTexto)
        ascii.append(c.unicode() < 128 ? char(c.unicode()) : '?');
    return Hexadecimal(QCryptographicHash::hash(ascii, QCryptographicHash::Md5));
}

QString MD5File(const QString& asArquivo) {
    if (!QFileInfo::exists(asArquivo))
        throw EInOutError(QStringLiteral("Arquivo %1 não encontrado").arg(asArquivo));
    QFile arquivo(asArquivo);
    QCryptographicHash md5(QCryptographicHash::Md5);
    if (!arquivo.open(QIODevice::ReadOnly) || !md5.addData(&arquivo))
        throw EInOutError(QStringLiteral("Não foi possível ler o arquivo %1: %2")
                              .arg(asArquivo, arquivo.errorString()));
    return Hexadecimal(md5.result());
}

}  // namespace TmRot
