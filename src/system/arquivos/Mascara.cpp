#include "system/arquivos/internal/Mascara.h"

#include <QDir>
#include <QRegularExpression>

#include "base/CaminhoWindows.h"
#include "system/arquivos/TmFileCaminhos.h"

namespace ArquivosInterno {

QString Local(const QString& caminho) {
    return CaminhoWindows::Mapear(caminho);
}

bool Corresponde(const QString& nome, const QString& padrao) {
    if (padrao == QLatin1String("*.*"))
        return true;
    QString expressao;
    for (QChar c : padrao) {
        if (c == u'*')
            expressao += QLatin1String(".*");
        else if (c == u'?')
            expressao += QLatin1Char('.');
        else
            expressao += QRegularExpression::escape(QString(c));
    }
    const QRegularExpression re(
        QRegularExpression::anchoredPattern(expressao),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return re.match(nome).hasMatch();
}

QFileInfoList Correspondencias(const QString& mascara, TEntradas entradas) {
    const QString padrao = TmFile::FileName(mascara);
    if (padrao.isEmpty())
        return {};
    const QString pasta = TmFile::ExtractDir(mascara);
    QDir dir(pasta.isEmpty() ? QStringLiteral(".") : Local(pasta));
    const QDir::Filters filtro =
        QDir::Hidden | (entradas == TEntradas::Pastas ? QDir::Dirs : QDir::Files);
    const bool semOcultos = entradas == TEntradas::Arquivos && !padrao.startsWith(u'.');
    QFileInfoList encontradas;
    for (const QFileInfo& info : dir.entryInfoList(filtro, QDir::Name | QDir::IgnoreCase)) {
        if (entradas == TEntradas::Pastas && !info.isDir())
            continue;
        if (semOcultos && info.fileName().startsWith(u'.'))
            continue;
        if (Corresponde(info.fileName(), padrao))
            encontradas.append(info);
    }
    return encontradas;
}

}  // namespace ArquivosInterno
