#include "base/CaminhoWindows.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace CaminhoWindows {

QString RaizDriveC() {
    const QString raiz = qEnvironmentVariable("ORVANE_DRIVE_C");
    return raiz.isEmpty() ? QStringLiteral("/") : raiz;
}

QString PastaUnidadesRede() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/orvane/unidades");
}

QString RaizDrive(QChar letra) {
    const QChar maiuscula = letra.toUpper();
    if (maiuscula < u'A' || maiuscula > u'Z')
        return {};
    return maiuscula == u'C' ? RaizDriveC() : PastaUnidadesRede() + u'/' + maiuscula;
}

namespace {
// The entry of pasta whose name equals nome ignoring case, or nome itself when none does.
QString ComponenteExistente(const QString& pasta, const QString& nome) {
    if (QFileInfo::exists(pasta + QLatin1Char('/') + nome))
        return nome;
    const QStringList entradas = QDir(pasta).entryList(QDir::AllEntries | QDir::Hidden |
                                                       QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entrada : entradas)
        if (entrada.compare(nome, Qt::CaseInsensitive) == 0)
            return entrada;
    return nome;
}
}  // namespace

QString Mapear(const QString& caminhoWindows) {
    QString resto = caminhoWindows;
    resto.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString caminho =
        resto.size() >= 2 && resto.at(1) == QLatin1Char(':') ? RaizDrive(resto.at(0)) : QString();
    if (caminho.isEmpty())
        return resto;
    resto = resto.mid(2);
    while (caminho.size() > 1 && caminho.endsWith(QLatin1Char('/')))
        caminho.chop(1);
    bool existe = QFileInfo(caminho).isDir();
    for (const QString& parte : resto.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        const QString nome = existe ? ComponenteExistente(caminho, parte) : parte;
        caminho += (caminho.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + nome;
        existe = existe && QFileInfo(caminho).isDir();
    }
    return caminho;
}

}  // namespace CaminhoWindows
