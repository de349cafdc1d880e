#include "sistema/compartilhamentos/internal/CaminhoRede.h"

#include <QHostAddress>
#include <QRegularExpression>
#include <QUrl>

namespace {

bool TemAlgum(const QString& texto, QLatin1StringView proibidos) {
    for (const QChar c : texto)
        if (proibidos.contains(c))
            return true;
    return false;
}

bool HostValido(const QString& host) {
    if (host.startsWith(u'[') && host.endsWith(u']'))
        return QHostAddress(host.mid(1, host.size() - 2)).protocol() ==
               QAbstractSocket::IPv6Protocol;
    static const QRegularExpression nome(
        QStringLiteral("^[A-Za-z0-9_]([A-Za-z0-9_-]{0,62})(\\.[A-Za-z0-9_][A-Za-z0-9_-]{0,62})*$"));
    return host.size() <= 253 && nome.match(host).hasMatch();
}

// "server" or "server:port" (the port after the last ":" outside an IPv6 address's brackets).
bool LerServidor(const QString& texto, TCaminhoRede& caminho) {
    const qsizetype doisPontos = texto.lastIndexOf(u':');
    const bool temPorta = doisPontos > texto.lastIndexOf(u']');
    caminho.Servidor = temPorta ? texto.left(doisPontos) : texto;
    if (temPorta) {
        bool ok = false;
        const QString porta = texto.mid(doisPontos + 1);
        caminho.Porta = porta.toInt(&ok);
        if (!ok || porta.startsWith(u'+') || caminho.Porta < 1 || caminho.Porta > 65535)
            return false;
    }
    return HostValido(caminho.Servidor);
}

}  // namespace

namespace CaminhoRede {

bool TemControle(const QString& texto) {
    for (const QChar c : texto)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    return false;
}

std::optional<TCaminhoRede> Ler(const QString& asCaminho, QString& asMotivo) {
    QString texto = asCaminho.trimmed();
    texto.replace(u'\\', u'/');
    if (!texto.startsWith(QLatin1String("//")) || texto.startsWith(QLatin1String("///"))) {
        asMotivo =
            QStringLiteral("\"%1\" is not a network path (\\\\server\\share)").arg(asCaminho);
        return std::nullopt;
    }
    QStringList partes = texto.mid(2).split(u'/', Qt::SkipEmptyParts);
    TCaminhoRede caminho;
    if (partes.size() < 2 || !LerServidor(partes.takeFirst(), caminho)) {
        asMotivo = QStringLiteral("\"%1\" names no valid server and share").arg(asCaminho);
        return std::nullopt;
    }
    caminho.Compartilhamento = partes.takeFirst();
    if (TemControle(caminho.Compartilhamento) ||
        TemAlgum(caminho.Compartilhamento, QLatin1StringView("\"[]:|<>+=;,*?"))) {
        asMotivo = QStringLiteral("\"%1\" is not a valid share name").arg(caminho.Compartilhamento);
        return std::nullopt;
    }
    for (const QString& pasta : partes) {
        if (pasta == QLatin1String(".") || pasta == QLatin1String("..") || TemControle(pasta) ||
            TemAlgum(pasta, QLatin1StringView("<>:\"|?*"))) {
            asMotivo = QStringLiteral("\"%1\" is not a valid folder name").arg(pasta);
            return std::nullopt;
        }
    }
    caminho.Pastas = partes;
    return caminho;
}

QString UrlSmb(const TCaminhoRede& aCaminho, const QString& asCredenciais) {
    QString url = QStringLiteral("smb://") + asCredenciais + aCaminho.Servidor;
    if (aCaminho.Porta != 0)
        url += u':' + QString::number(aCaminho.Porta);
    for (const QString& parte : QStringList{aCaminho.Compartilhamento} + aCaminho.Pastas)
        url += u'/' + QString::fromLatin1(QUrl::toPercentEncoding(parte));
    return url;
}

}  // namespace CaminhoRede
