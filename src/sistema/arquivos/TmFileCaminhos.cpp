#include "sistema/arquivos/TmFileCaminhos.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "sistema/arquivos/internal/Mascara.h"

namespace ArquivosInterno {

bool Separador(QChar c) {
    return c == u'/' || c == u'\\';
}

namespace {
// Index of the last separator, -1 when there is none.
qsizetype UltimoSeparador(QStringView texto) {
    for (qsizetype i = texto.size() - 1; i >= 0; --i)
        if (Separador(texto[i]))
            return i;
    return -1;
}
// Index of the extension's point in the name part, -1 when the name has none.
qsizetype PontoDaExtensao(QStringView caminho) {
    const qsizetype ponto = caminho.lastIndexOf(u'.');
    return ponto > UltimoSeparador(caminho) ? ponto : -1;
}
bool TerminaEmSeparador(QStringView texto) {
    return !texto.isEmpty() && Separador(texto.back());
}
}  // namespace

QString TrocarExtensao(const QString& caminho, const QString& novaExtensao) {
    const qsizetype ponto = PontoDaExtensao(caminho);
    return (ponto < 0 ? caminho : caminho.left(ponto)) + novaExtensao;
}

}  // namespace ArquivosInterno

using namespace ArquivosInterno;

namespace TmFile {

QString DirBarra(const QString& Pasta) {
    return Pasta.isEmpty() || TerminaEmSeparador(Pasta) ? Pasta : Pasta + QLatin1Char('/');
}

QString DirExe() {
    return DirBarra(QCoreApplication::applicationDirPath());
}

QString DirAnsi(const QString& Pasta) {
    return QString(Pasta).replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

QString DirAnsiRead(const QString& asPath) {
    QString saida;
    for (qsizetype i = asPath.size() - 1; i >= 0; --i) {
        saida.prepend(asPath[i]);
        if (asPath[i] == u'\\' && i > 0 && asPath[i - 1] == u'\\')
            --i;
    }
    return saida;
}

QString ExtractDir(const QString& cFile) {
    return cFile.left(UltimoSeparador(cFile) + 1);
}

QString ExtractAbsoluteFile(const QString& asBasePath, const QString& asPathFile) {
    static const QRegularExpression subida(QStringLiteral(R"(\.\.[\\/])"));
    const qsizetype niveis = asPathFile.count(subida);
    QString base = DirBarra(asBasePath);
    if (niveis > 0) {
        // Drop from the end; every separator met counts a level, and the one that would exceed
        // the count stays.
        qsizetype contados = 0;
        while (!base.isEmpty()) {
            if (Separador(base.back()) && ++contados > niveis)
                break;
            base.chop(1);
        }
    }
    return base + QString(asPathFile).remove(subida);
}

QString DirectoryGetParent(const QString& Pasta) {
    if (Pasta.isEmpty())
        return {};
    QString pai = TerminaEmSeparador(Pasta) ? Pasta.chopped(1) : Pasta;
    if (const qsizetype s = UltimoSeparador(pai); s >= 0)
        pai.truncate(s + 1);
    return DirBarra(pai);
}

QString SubirNivel(const QString& asFolder, int aiQtdNiveis) {
    // The folder part split on separators, empty pieces kept, has one piece more than it has
    // separators; the answer joins its first (pieces - levels - 1) pieces, each with its
    // separator: the folder part up to that separator.
    const QString pasta = ExtractDir(asFolder);
    qsizetype separadores = 0;
    for (QChar c : pasta)
        separadores += Separador(c) ? 1 : 0;
    const qsizetype pedacos = separadores + 1;
    if (pedacos - aiQtdNiveis - 2 < 0)
        return {};
    qsizetype manter = pedacos - aiQtdNiveis - 1;
    for (qsizetype i = 0; i < pasta.size(); ++i)
        if (Separador(pasta[i]) && --manter == 0)
            return pasta.left(i + 1);
    return {};
}

QString FileDirectoryName(const QString& Arquivo) {
    return ExtractDir(Arquivo);
}

QString FileName(const QString& Arquivo) {
    return Arquivo.mid(UltimoSeparador(Arquivo) + 1);
}

QString FileExtension(const QString& Arquivo) {
    const qsizetype ponto = PontoDaExtensao(Arquivo);
    return ponto < 0 ? QString() : Arquivo.mid(ponto);
}

QString FileNameSemExt(const QString& Arquivo) {
    return FileName(Arquivo).section(QLatin1Char('.'), 0, 0);
}

QString SetFileExt(const QString& asFilePath, const QString& asExt) {
    const QString extensao = QLatin1Char('.') + asExt;
    return asFilePath.endsWith(extensao, Qt::CaseInsensitive) ? asFilePath : asFilePath + extensao;
}

QString LimpaNomeArquivo(const QString& Nome) {
    QString limpo = Nome;
    for (QChar proibido : QStringLiteral("/\\:*?\"<>|"))
        limpo.remove(proibido);
    return limpo;
}

QString getFileNameDOS(const QString& FileName) {
    return FileName;
}

QString GetUniqueFilePath(const QString& aPath) {
    const QString extensao = FileExtension(aPath);
    const QString semExtensao = aPath.chopped(extensao.size());
    QString caminho = aPath;
    for (int n = 1; QFileInfo::exists(Local(caminho)); ++n)
        caminho = semExtensao + QLatin1Char('_') + QString::number(n) + extensao;
    return caminho;
}

}  // namespace TmFile
