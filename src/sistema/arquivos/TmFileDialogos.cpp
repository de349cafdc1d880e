#include "sistema/arquivos/TmFileDialogos.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/internal/Mascara.h"

namespace {

std::shared_ptr<TSeletorArquivos>& Seletor() {
    static std::shared_ptr<TSeletorArquivos> seletor;
    return seletor;
}

const QString kTituloPasta = QStringLiteral("Selecione uma pasta");

QString EscolherPasta(const QString& inicial) {
    return Seletor() ? Seletor()->EscolherPasta(kTituloPasta, inicial) : QString();
}

bool ChamarGerenciadorDeArquivos(const QString& metodo, const QUrl& url) {
    QDBusMessage chamada =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.FileManager1"),
                                       QStringLiteral("/org/freedesktop/FileManager1"),
                                       QStringLiteral("org.freedesktop.FileManager1"), metodo);
    chamada << QStringList{url.toString(QUrl::FullyEncoded)} << QString();
    return QDBusConnection::sessionBus().call(chamada, QDBus::Block, 5000).type() ==
           QDBusMessage::ReplyMessage;
}

}  // namespace

namespace TmFile {

void InstalarSeletorArquivos(std::shared_ptr<TSeletorArquivos> seletor) {
    Seletor() = std::move(seletor);
}

QString GetPasta(const QString& PastaInicial) {
    return EscolherPasta(PastaInicial.isEmpty() ? QString() : ArquivosInterno::Local(PastaInicial));
}

QString GetPastaDef(const QString& PastaDef) {
    const QString escolhida = EscolherPasta(ArquivosInterno::Local(PastaDef));
    if (!escolhida.isEmpty())
        return DirBarra(escolhida);
    QString semBarra = PastaDef;
    if (!semBarra.isEmpty() && ArquivosInterno::Separador(semBarra.back()))
        semBarra.chop(1);
    return semBarra;
}

QString SelecionaArquivo(const QString& asExtensao, const QString& asDiretorio) {
    if (!Seletor())
        return {};
    const QFileInfo inicial(ArquivosInterno::Local(asDiretorio));
    const QString pasta = inicial.isDir() ? inicial.filePath() : inicial.path();
    const QString arquivo = inicial.isFile() ? inicial.fileName() : QString();
    return Seletor()->EscolherArquivo(QStringLiteral("Abrir arquivo (%1)").arg(asExtensao),
                                      asExtensao, pasta, arquivo);
}

bool OpenExplorerFileSelect(const QString& asArquivo) {
    const QFileInfo alvo(ArquivosInterno::Local(asArquivo));
    const QUrl url = QUrl::fromLocalFile(alvo.absoluteFilePath());
    if (ChamarGerenciadorDeArquivos(
            alvo.isFile() ? QStringLiteral("ShowItems") : QStringLiteral("ShowFolders"), url))
        return true;
    // A file URL never reads as an option of xdg-open.
    const QUrl pasta = alvo.isFile() ? QUrl::fromLocalFile(alvo.absolutePath()) : url;
    return QProcess::startDetached(QStringLiteral("xdg-open"),
                                   {pasta.toString(QUrl::FullyEncoded)});
}

}  // namespace TmFile
