#include "sistema/arquivos/internal/Lixeira.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "base/Relogio.h"
#include "base/internal/SistemaArquivos.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileCopia.h"

// Qt's own QFile::moveToTrash (6.4) writes the origin without the URL escaping
// the trash format requires, which misplaces names holding "%" on restore.

namespace {

QString PastaLixeira() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Trash");
}

// Reserves a name in the trash by creating its .trashinfo exclusively: "nome", "nome.2.ext",
// "nome.3.ext"..., skipping names already taken in files/ (an item whose .trashinfo was lost).
// The file is left open for the caller to fill.
QString ReservarNome(const QString& lixeira, const QString& nome, QFile& info) {
    const QString extensao = TmFile::FileExtension(nome);
    const QString base = nome.chopped(extensao.size());
    for (int n = 1;; ++n) {
        const QString candidato =
            n == 1 ? nome : base + QLatin1Char('.') + QString::number(n) + extensao;
        const QFileInfo item(lixeira + QStringLiteral("/files/") + candidato);
        if (item.exists() || item.isSymLink())
            continue;
        info.setFileName(lixeira + QStringLiteral("/info/") + candidato +
                         QStringLiteral(".trashinfo"));
        if (info.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidato;
        if (!info.exists())
            return {};  // the folder refuses new files: no name will do
    }
}

}  // namespace

namespace ArquivosInterno {

bool MandarParaLixeira(const QString& caminho) {
    // One clean path: "pasta/" and "pasta/." name the folder "pasta", never "" or ".".
    const QFileInfo item(QDir::cleanPath(QFileInfo(caminho).absoluteFilePath()));
    const QString lixeira = PastaLixeira();
    if (item.fileName().isEmpty() || SistemaArquivos::MesmoArquivo(item.filePath(), lixeira))
        return false;
    if (!QDir().mkpath(lixeira + QStringLiteral("/files")) ||
        !QDir().mkpath(lixeira + QStringLiteral("/info")))
        return false;
    QFile info;
    const QString nome = ReservarNome(lixeira, item.fileName(), info);
    if (nome.isEmpty())
        return false;
    const QString hora =
        DataHora::ToQDateTime(Relogio::Agora()).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    const QByteArray conteudo =
        "[Trash Info]\nPath=" + QUrl::toPercentEncoding(item.absoluteFilePath(), "/") +
        "\nDeletionDate=" + hora.toLatin1() + "\n";
    const bool escrito = info.write(conteudo) == conteudo.size() && info.flush();
    info.close();
    const QString destino = lixeira + QStringLiteral("/files/") + nome;
    // Never over what is in files/ already; on failure only this call's .trashinfo goes.
    if (escrito && MoverItem(item.filePath(), destino))
        return true;
    info.remove();
    return false;
}

}  // namespace ArquivosInterno
