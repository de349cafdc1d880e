#include "sistema/recursos/TmRotRecursos.h"

#include <QDir>
#include <QFile>

#include "base/ArquivoInteiro.h"
#include "dialogos/mensagens/mMensagem.h"
#include "sistema/zip/TZip.h"

namespace {

bool NomeSimples(const QString& nome) {
    return !nome.isEmpty() && nome != u"." && nome != u".." && !nome.contains(u'/') &&
           !nome.contains(QChar(0));
}

bool Gravar(const QString& tipo, const QString& nome, const QString& pasta,
            const QString& destino) {
    QFile recurso(QStringLiteral(":/%1/%2").arg(tipo, nome));
    QString motivo;
    return NomeSimples(tipo) && NomeSimples(nome) && recurso.open(QIODevice::ReadOnly) &&
           QDir().mkpath(pasta) && ArquivoInteiro::Gravar(destino, recurso.readAll(), motivo);
}

}  // namespace

namespace TmRot {

bool ExtractResource(const QString& asResType, const QString& asResourceName,
                     const QString& asOutFolder, bool abDescompactZIP, bool abShowFailMessage) {
    const QString arquivo = asResourceName + u'.' + asResType;
    const QString destino = QDir(asOutFolder).filePath(arquivo);
    if (!Gravar(asResType, asResourceName, asOutFolder, destino)) {
        if (abShowFailMessage)
            TmDlg::Erro(QStringLiteral("Não foi possivel extrair o arquivo \"%1\"").arg(arquivo));
        return false;
    }
    if (!abDescompactZIP || asResType.compare(QLatin1String("ZIP"), Qt::CaseInsensitive) != 0)
        return true;
    return TZip::Descompactar(destino, asOutFolder, true) && QFile::remove(destino);
}

}  // namespace TmRot
