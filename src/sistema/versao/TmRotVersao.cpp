#include "sistema/versao/TmRotVersao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cerrno>
#include <exception>

#include "sistema/versao/VersaoRecurso.h"

namespace {

// The system's error for a file that cannot be opened and read, or 0 when it can; a version
// block missing from a readable file is no error of the system's, so the reader cannot say it.
int ErroAoAbrir(const QString& arquivo) {
    const int fd = ::open(QFile::encodeName(arquivo).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat estado {};
    const int erro = ::fstat(fd, &estado) != 0 ? errno : S_ISDIR(estado.st_mode) ? EISDIR : 0;
    ::close(fd);
    return erro;
}

// The first niveis non-blank fields of versao, joined by ".": a blank text has no levels.
QString PrimeirosNiveis(const QString& versao, int niveis) {
    QStringList campos = versao.split(u'.');
    campos.removeIf([](const QString& campo) { return campo.trimmed().isEmpty(); });
    return campos.mid(0, niveis).join(u'.');
}

}  // namespace

EOSError::EOSError(int codigo)
    : TErroComMensagem(QStringLiteral("Erro do sistema. Código: %1.\n%2")
                           .arg(codigo)
                           .arg(qt_error_string(codigo))),
      codigo_(codigo) {}

QString TmRot::GetFileVersao(const QString& csExeName, int aiQtdNiveis,
                             const QString& asSeparador) {
    try {
        QString versao = VersaoRecurso::TextoDoArquivo(csExeName, QStringLiteral("FileVersion"))
                             .value_or(QString());
        if (aiQtdNiveis >= 1 && aiQtdNiveis <= 3)
            versao = PrimeirosNiveis(versao, aiQtdNiveis);
        if (asSeparador != QLatin1String("."))
            versao.replace(u'.', asSeparador);
        return versao;
    } catch (const std::exception&) {
        return {};
    }
}

QString TmRot::GetApplicationVersao() {
    return GetFileVersao(QCoreApplication::applicationFilePath(), 3, QStringLiteral("."));
}

TEXEVersionData TmRot::GetEXEVersionData(const QString& FileName) {
    if (const int erro = ErroAoAbrir(FileName))
        throw EOSError(erro);
    QByteArray bloco;
    if (!VersaoRecurso::Ler(FileName, bloco) || !VersaoRecurso::Traducao(bloco))
        throw EOSError(ENODATA);
    const auto texto = [&bloco](const char* chave) {
        return VersaoRecurso::TextoDaTabela(bloco, QLatin1String(chave)).value_or(QString());
    };
    return TEXEVersionData{
        texto("CompanyName"),      texto("FileDescription"), texto("FileVersion"),
        texto("InternalName"),     texto("LegalCopyright"),  texto("LegalTrademarks"),
        texto("OriginalFileName"), texto("ProductName"),     texto("ProductVersion"),
        texto("Comments"),         texto("PrivateBuild"),    texto("SpecialBuild"),
    };
}
