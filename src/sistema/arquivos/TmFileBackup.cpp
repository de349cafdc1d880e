#include "sistema/arquivos/TmFileBackup.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "base/ArquivoInteiro.h"
#include "base/EInOutError.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/arquivos/TmFileListagem.h"
#include "sistema/arquivos/TmFileTexto.h"
#include "sistema/arquivos/internal/Mascara.h"

using namespace ArquivosInterno;

namespace {

QString Copia(const QString& arquivo, int numero) {
    return TrocarExtensao(arquivo, QStringLiteral(".%1").arg(numero, 3, 10, QLatin1Char('0')));
}

QByteArray Recurso(const QString& tipo, const QString& nome) {
    QFile recurso(QStringLiteral(":/%1/%2").arg(tipo, nome));
    if (!recurso.open(QIODevice::ReadOnly))
        throw EInOutError(
            QStringLiteral("Recurso \"%1\" do tipo \"%2\" não encontrado").arg(nome, tipo));
    return recurso.readAll();
}

void Extrair(const QByteArray& conteudo, const QString& pasta, const QString& nome,
             bool substituir) {
    QDir().mkpath(pasta);
    const QString alvo = TmFile::DirBarra(pasta) + nome;
    const QString antigo = TrocarExtensao(alvo, QStringLiteral(".old"));
    try {
        if (QFileInfo::exists(alvo)) {
            if (!substituir)
                return;
            QFile::remove(antigo);
            if (QFile arquivo(alvo); !arquivo.rename(antigo))
                throw EInOutError(arquivo.errorString());
        }
        if (QString motivo; !ArquivoInteiro::Gravar(alvo, conteudo, motivo))
            throw EInOutError(
                QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(alvo, motivo));
    } catch (const EInOutError&) {
        if (!QFileInfo::exists(alvo) && QFileInfo::exists(antigo))
            QFile::rename(antigo, alvo);
        throw;
    }
}

QString Diretorio(const QString& pasta, const QString& problema) {
    return QStringLiteral("Diretório \"%1\" %2").arg(pasta, problema);
}

// Creates the test file "ddmmyyhhnnss.testepermissao" in pasta holding "TESTE", exclusively and
// never through a link: a name already taken (a planted file or link) gets "_1", "_2"... before
// the extension. On failure answers false with the reason in motivo.
bool CriarArquivoTeste(const QString& pasta, QString& teste, QString& motivo) {
    const QString base =
        TmFile::DirBarra(pasta) + Rtl::FormatDateTime(u"ddmmyyhhnnss", Relogio::Agora());
    for (int n = 0; n < 100; ++n) {
        teste = base + (n == 0 ? QString() : QLatin1Char('_') + QString::number(n)) +
                QStringLiteral(".testepermissao");
        const int fd = ::open(QFile::encodeName(Local(teste)).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            break;
        constexpr char kTeste[] = "TESTE\r\n";
        const bool escrito = ::write(fd, kTeste, sizeof kTeste - 1) == sizeof kTeste - 1;
        const int erro = escrito ? 0 : errno;
        ::close(fd);
        if (escrito)
            return true;
        motivo = qt_error_string(erro);
        return false;
    }
    motivo = qt_error_string(errno);
    return false;
}

// The test of one folder that exists: the line of its problem, "" when there is none.
QString TestarPasta(const QString& pasta) {
    QString teste;
    if (QString motivo; !CriarArquivoTeste(pasta, teste, motivo))
        return Diretorio(pasta, QStringLiteral("com erro de gravação. Msg.Original: ") + motivo);
    const QString local = Local(teste);
    try {
        if (const QString lido = TmFile::LoadFileFirstLine(teste); lido != QLatin1String("TESTE"))
            return Diretorio(pasta, QStringLiteral("com erro de leitura. Msg.Original: "
                                                   "Conteúdo do arquivo teste inválido ") +
                                        lido);
    } catch (const EInOutError& erro) {
        return Diretorio(pasta,
                         QStringLiteral("com erro de leitura. Msg.Original: ") + erro.Mensagem());
    }
    if (!QFile::remove(local))
        return Diretorio(pasta, QStringLiteral("com erro de exclusão. Msg.Original: "
                                               "Não foi possível deletar o arquivo teste"));
    return {};
}

}  // namespace

namespace TmFile {

void GerenciaBackup(const QString& Pasta, const QString& Arquivo, int MaxBackups) {
    const QString arquivo = Local(DirBarra(Pasta) + Arquivo);
    for (int k = MaxBackups; k >= 1; --k) {
        if (!QFileInfo::exists(Copia(arquivo, k)))
            continue;
        if (k == MaxBackups)
            QFile::remove(Copia(arquivo, k));
        else
            QFile::rename(Copia(arquivo, k), Copia(arquivo, k + 1));
    }
    QFile::rename(arquivo, Copia(arquivo, 1));
}

bool ExtraiArquivoExe(const QString& asTipo, const QString& asRes, const QString& asArquivo,
                      const TcrvArrayString& aaDiretorio, bool abSubstitui, bool abMostrarErro) {
    const QByteArray conteudo = Recurso(asTipo, asRes);
    for (const QString& pasta : aaDiretorio) {
        if (pasta.isEmpty())
            continue;
        try {
            Extrair(conteudo, Local(pasta), asArquivo, abSubstitui);
        } catch (const EInOutError&) {
            if (abMostrarErro)
                throw;
        }
    }
    return true;
}

bool ExtraiArquivoExe(const QString& asTipo, const QString& asRes, const QString& asArquivo,
                      const QString& asDiretorio, bool abSubstitui) {
    return ExtraiArquivoExe(asTipo, asRes, asArquivo, TcrvArrayString{asDiretorio}, abSubstitui,
                            false);
}

bool VerificarPermissaoPasta(const TcrvArrayString& asPastas, QString& asMsg, bool abForceDir) {
    QStringList problemas;
    for (const QString& pasta : asPastas) {
        QString problema;
        if (DirectoryExists(pasta) || (abForceDir && CreateDirectory(pasta)))
            problema = TestarPasta(pasta);
        else if (abForceDir)
            problema = Diretorio(pasta, QStringLiteral("não existe e não pode ser criado."));
        else
            problema = Diretorio(pasta, QStringLiteral("não existe."));
        if (!problema.isEmpty())
            problemas.append(problema);
    }
    asMsg = problemas.join(QLatin1Char('\r'));
    return asMsg.isEmpty();
}

}  // namespace TmFile
