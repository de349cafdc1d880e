#include "sistema/atalhos/Atalhos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "base/ArquivoInteiro.h"
#include "sistema/processos/internal/NomeSeguro.h"

namespace {

bool Reservado(QChar c) {
    return QStringView(u" \t\n\"'\\><~|&;$*?#()`").contains(c);
}

// One argument as the Exec key's quoting rules want it.
QString ArgumentoExec(QString argumento) {
    argumento.replace(u'%', QLatin1String("%%"));
    if (!argumento.isEmpty() && std::none_of(argumento.begin(), argumento.end(), Reservado))
        return argumento;
    QString citado = QStringLiteral("\"");
    for (const QChar c : argumento) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            citado += u'\\';
        citado += c;
    }
    return citado + u'"';
}

// A value as a desktop entry string: backslash and line breaks escaped.
QString ValorEntrada(const QString& valor) {
    QString escrito;
    for (const QChar c : valor) {
        if (c == u'\\')
            escrito += QLatin1String("\\\\");
        else if (c == u'\n')
            escrito += QLatin1String("\\n");
        else if (c == u'\r')
            escrito += QLatin1String("\\r");
        else if (c == u'\t')
            escrito += QLatin1String("\\t");
        else
            escrito += c;
    }
    return escrito;
}

QString ArquivoAtalho(const QString& nome) {
    return QDir(TmRot::PastaDesktop())
        .filePath(NomeSeguro::Escapar(nome) + QStringLiteral(".desktop"));
}

bool GravarAtalho(const QString& nome, const QString& programa, const QStringList& argumentos) {
    const QString pasta = QFileInfo(programa).absolutePath();
    const QString entrada =
        QStringLiteral("[Desktop Entry]\nType=Application\nName=") + ValorEntrada(nome) +
        QStringLiteral("\nExec=") + ValorEntrada(TmRot::LinhaExec(programa, argumentos)) +
        QStringLiteral("\nPath=") + ValorEntrada(pasta) + QStringLiteral("\nTerminal=false\n");
    const QString arquivo = ArquivoAtalho(nome);
    QString motivo;
    if (!QDir().mkpath(TmRot::PastaDesktop()) ||
        !ArquivoInteiro::Gravar(arquivo, entrada.toUtf8(), motivo))
        return false;
    QFile(arquivo).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                  QFile::ReadGroup | QFile::ReadOther);
    return QFileInfo::exists(arquivo);
}

}  // namespace

namespace TmRot {

QString PastaDesktop() {
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString LinhaExec(const QString& programa, const QStringList& argumentos) {
    QStringList palavras{ArgumentoExec(programa)};
    for (const QString& argumento : argumentos)
        palavras << ArgumentoExec(argumento);
    return palavras.join(u' ');
}

bool CriaAtalhoDesktop(const QString& Nome, const QString& CaminhoCompleto) {
    const QString arquivo = ArquivoAtalho(Nome);
    if (QFileInfo(arquivo).exists() || QFileInfo(arquivo).isSymLink())
        if (!QFile::remove(arquivo))
            return false;
    return GravarAtalho(Nome, CaminhoCompleto, {});
}

bool DeletaAtalhoDesktop(const QString& Nome) {
    return QFile::remove(ArquivoAtalho(Nome));
}

}  // namespace TmRot

namespace TmFile {

bool CriarAtalhoDesktop(const QString& asArquivo, const QString& asParArquivo) {
    return GravarAtalho(QFileInfo(asArquivo).completeBaseName(), asArquivo,
                        QProcess::splitCommand(asParArquivo));
}

}  // namespace TmFile
