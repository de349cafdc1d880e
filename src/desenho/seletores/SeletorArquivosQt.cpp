#include "desenho/seletores/SeletorArquivosQt.h"

#include <QDir>
#include <QFileDialog>

QString FiltroQt(const QString& filtro) {
    const QStringList partes = filtro.split(QLatin1Char('|'));
    if (partes.size() < 2)
        return filtro;
    QStringList filtros;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2)
        filtros.append(QStringLiteral("%1 (%2)").arg(
            partes[i], QString(partes[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '))));
    return filtros.join(QLatin1String(";;"));
}

QString TSeletorArquivosQt::EscolherPasta(const QString& titulo, const QString& inicial) {
    return QFileDialog::getExistingDirectory(nullptr, titulo, inicial);
}

QString TSeletorArquivosQt::EscolherArquivo(const QString& titulo, const QString& filtro,
                                            const QString& pasta, const QString& arquivo) {
    const QString inicial = arquivo.isEmpty() ? pasta : QDir(pasta).filePath(arquivo);
    return QFileDialog::getOpenFileName(nullptr, titulo, inicial, FiltroQt(filtro));
}

void TSeletorArquivosQt::Instalar() {
    TmFile::InstalarSeletorArquivos(std::make_shared<TSeletorArquivosQt>());
}
