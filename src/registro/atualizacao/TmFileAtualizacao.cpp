#include "registro/atualizacao/TmFileAtualizacao.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

#include "base/CaminhoWindows.h"
#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/mMensagem.h"
#include "registro/atualizacao/ListaVersoes.h"
#include "sistema/arquivos/TmFileCaminhos.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/ftp/TCorvelFTP.h"
#include "sistema/versao/TmFileVersao.h"
#include "sistema/versao/TmRotVersao.h"

namespace {

const QString kListaVersoes = QStringLiteral("Versoes.ini");

// The text of any error the run raised, the library's or a standard one (UTF-8 in what()).
QString TextoDoErro(const std::exception& e) {
    return QString::fromUtf8(e.what());
}

// The bytes of a file only its owner (this user or root) can read and write; raises otherwise.
QByteArray LerArquivoDoDono(const QString& caminho) {
    const int fd = ::open(QFile::encodeName(caminho).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw EAtualizacao(
            QStringLiteral("Não foi possível ler a configuração da atualização %1: %2")
                .arg(caminho, qt_error_string(errno)));
    }
    QFile arquivo;
    arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat estado {};
    if (::fstat(fd, &estado) != 0 || !S_ISREG(estado.st_mode) || (estado.st_mode & 077) != 0 ||
        (estado.st_uid != ::geteuid() && estado.st_uid != 0)) {
        throw EAtualizacao(
            QStringLiteral("A configuração da atualização %1 guarda uma senha e está ao alcance "
                           "de outros usuários: deixe-a só para o dono (chmod 600)")
                .arg(caminho));
    }
    return arquivo.readAll();
}

// The program's permission bits for the file that replaces it; a new program gets those a new
// executable gets from the process's mask.
mode_t PermissoesDoPrograma(const QString& programa) {
    struct stat estado {};
    if (::stat(QFile::encodeName(programa).constData(), &estado) == 0)
        return estado.st_mode & 0777;
    const mode_t mascara = ::umask(0);
    ::umask(mascara);
    return 0777 & ~mascara;
}

// Gives the new program file its permission bits and forces it to the disk, so that a power
// cut after it took the program's name cannot leave an empty program.
bool Preparar(const QString& novo, mode_t permissoes) {
    const int fd = ::open(QFile::encodeName(novo).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    const bool ok = ::fchmod(fd, permissoes) == 0 && ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString Sha256DoArquivo(const QString& caminho) {
    QFile arquivo(caminho);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!arquivo.open(QIODevice::ReadOnly) || !hash.addData(&arquivo))
        return {};
    return QString::fromLatin1(hash.result().toHex());
}

// The name the program keeps after it was replaced: its extension replaced by its version
// without points, cleaned of separators (the version is text from the file), and made free.
QString NomeSubstituido(const QString& programa, const QString& versao) {
    QString sufixo = TmFile::LimpaNomeArquivo(QString(versao).remove(u'.'));
    if (sufixo.isEmpty())
        sufixo = QStringLiteral("anterior");
    const QString semExtensao = programa.chopped(TmFile::FileExtension(programa).size());
    return TmFile::GetUniqueFilePath(semExtensao + QLatin1Char('.') + sufixo);
}

// Calls the dialogs' wait-window facade around a run; the window closes on every way out.
class TAguardeAberto {
public:
    TAguardeAberto() {
        Aguarde::MostraAguarde(QStringLiteral("Aguarde..."), QStringLiteral("Atualizando arquivos"),
                               0, false, false, true);
    }
    ~TAguardeAberto() { Aguarde::FechaAguarde(); }
    TAguardeAberto(const TAguardeAberto&) = delete;
    TAguardeAberto& operator=(const TAguardeAberto&) = delete;
};

}  // namespace

struct TAtualizacao::TDestino {
    QString Host;
    int Porta = 21;
    QString Usuario;
    QString Senha;
    QString PastaRemota;
    bool Tls = false;

    static TDestino Ler(const QString& arquivo) {
        const TListaVersoes valores = TListaVersoes::Ler(LerArquivoDoDono(arquivo));
        TDestino destino;
        destino.Host = valores.Valor(QStringLiteral("Host"));
        destino.Usuario = valores.Valor(QStringLiteral("Usuario"));
        destino.Senha = valores.Valor(QStringLiteral("Senha"));
        bool ok = false;
        if (const int porta = valores.Valor(QStringLiteral("Porta")).toInt(&ok); ok)
            destino.Porta = porta;
        destino.PastaRemota = TmFile::DirBarra(valores.Valor(QStringLiteral("PastaRemota")));
        if (destino.PastaRemota.isEmpty())
            destino.PastaRemota = QStringLiteral("/web/files/vestra/Externo/");
        destino.Tls = valores.Valor(QStringLiteral("TLS")) == QLatin1String("1");
        return destino;
    }
};

TAtualizacao::TAtualizacao(const QString& arquivoConfiguracao, const QString& pastaPrograma)
    : Renomear([](const QString& de, const QString& para) { return QFile::rename(de, para); }),
      arquivoConfiguracao_(arquivoConfiguracao),
      pastaPrograma_(TmFile::DirBarra(pastaPrograma)) {}

std::unique_ptr<TCorvelFTP> TAtualizacao::Conectar(const TDestino& destino) const {
    auto cliente = std::make_unique<TCorvelFTP>();
    cliente->Host = destino.Host;
    cliente->Port = destino.Porta;
    cliente->Username = destino.Usuario;
    cliente->Password = destino.Senha;
    cliente->Configuracao.TlsExplicito = destino.Tls;
    try {
        cliente->Conectar();
    } catch (const std::exception& e) {
        throw EAtualizacao(QStringLiteral("Erro ao conectar no ftp (%1)").arg(TextoDoErro(e)));
    }
    return cliente;
}

// Downloads the published file into the folder, over a connection of its own; mensagem opens
// the error raised on failure.
void TAtualizacao::Baixar(const TDestino& destino, const QString& nome, const QString& pasta,
                          const QString& mensagem) const {
    const auto cliente = Conectar(destino);
    if (!cliente->Download(destino.PastaRemota + nome, pasta, true))
        throw EAtualizacao(QStringLiteral("%1 (%2)").arg(mensagem, cliente->MsgErro()));
}

bool TAtualizacao::GetExePorVersao(const TcrvArrayString& aaArquivoExe, QString& asMsg) {
    asMsg.clear();
    const QString trabalho = pastaPrograma_ + QStringLiteral("Temp/");
    if (!TmFile::CreateDirectory(trabalho))
        throw EAtualizacao(
            QStringLiteral("Não foi possivel criar o diretório \"%1\"").arg(trabalho));
    const TDestino destino = TDestino::Ler(arquivoConfiguracao_);
    Baixar(destino, kListaVersoes, pastaPrograma_,
           QStringLiteral("Não possivel efetuar o download do arquivo de versões"));
    QFile arquivoLista(pastaPrograma_ + kListaVersoes);
    arquivoLista.open(QIODevice::ReadOnly);
    const TListaVersoes lista = TListaVersoes::Ler(arquivoLista.readAll());
    for (const QString& arquivo : aaArquivoExe)
        Atualizar(destino, CaminhoWindows::Mapear(arquivo), lista, asMsg);
    return true;
}

void TAtualizacao::Atualizar(const TDestino& destino, const QString& arquivo,
                             const TListaVersoes& lista, QString& asMsg) const {
    const QFileInfo info(arquivo);
    const QString nome = info.fileName();
    const bool existe = info.exists() || info.isSymLink();
    const QString local =
        existe ? TmRot::GetFileVersao(arquivo, 4, QStringLiteral(".")) : QString();
    const QString publicada = lista.Versao(nome);
    if (existe && !local.isEmpty() && !publicada.isEmpty() &&
        !TmFile::VersaoMaior(local, publicada, tcMaior)) {
        asMsg += QStringLiteral("\r-O arquivo %1 já possui a última versão").arg(nome);
        return;
    }
    const QString trabalho = pastaPrograma_ + QStringLiteral("Temp/");
    Baixar(destino, nome, trabalho,
           QStringLiteral("Não possivel efetuar o download do arquivo %1").arg(nome));
    const QString baixado = trabalho + nome;
    if (const QString esperado = lista.Sha256(nome);
        !esperado.isEmpty() && Sha256DoArquivo(baixado) != esperado) {
        QFile::remove(baixado);
        throw EAtualizacao(
            QStringLiteral("O arquivo %1 baixado não confere com o sha256 da lista de versões")
                .arg(nome));
    }
    Instalar(baixado, arquivo, existe ? local : QString());
}

// The downloaded file takes the program's place; the program keeps its superseded name.
void TAtualizacao::Instalar(const QString& baixado, const QString& arquivo,
                            const QString& versao) const {
    const QFileInfo info(arquivo);
    const bool existe = info.exists() || info.isSymLink();
    const QString pasta = info.absolutePath();
    const QString novo = TmFile::GetUniqueFilePath(pasta + QStringLiteral("/.") + info.fileName() +
                                                   QStringLiteral(".novo"));
    const QString naoMovido = QStringLiteral("Não possivel mover o arquivo %1 para a pasta %2")
                                  .arg(info.fileName(), pasta);
    if (!QFile::rename(baixado, novo))
        throw EAtualizacao(naoMovido);
    if (!Preparar(novo, PermissoesDoPrograma(arquivo))) {
        QFile::remove(novo);
        throw EAtualizacao(naoMovido);
    }
    const QString antigo = existe ? NomeSubstituido(arquivo, versao) : QString();
    if (existe && !Renomear(arquivo, antigo)) {
        QFile::remove(novo);
        throw EAtualizacao(
            QStringLiteral("Não possivel renomear o arquivo %1 para %2").arg(arquivo, antigo));
    }
    if (!Renomear(novo, arquivo)) {
        QFile::remove(novo);
        if (existe && !Renomear(antigo, arquivo))
            throw EAtualizacao(naoMovido +
                               QStringLiteral(" (o arquivo anterior ficou como %1)").arg(antigo));
        throw EAtualizacao(naoMovido);
    }
}

bool TAtualizacao::GetAtualizaExe(const TcrvArrayString& aaArquivoExe,
                                  bool abAvisarSeJaEstaAtualizado, bool abAvisarQueFoiAtualizado) {
    const TAguardeAberto aguarde;
    try {
        QString mensagem;
        GetExePorVersao(aaArquivoExe, mensagem);
        if (!mensagem.isEmpty() && abAvisarSeJaEstaAtualizado)
            TmDlg::Alerta(QStringLiteral("Avisos :") + mensagem, true);
        else if (mensagem.isEmpty() && abAvisarQueFoiAtualizado)
            TmDlg::Informa(QStringLiteral("Executavel atualizado com sucesso"), true);
        return true;
    } catch (const std::exception& e) {
        TmDlg::Erro(QStringLiteral("Erro ao atualizar executável. Msg.Original: ") + TextoDoErro(e),
                    true);
        return false;
    }
}

namespace {

TAtualizacao AtualizacaoDoPrograma() {
    return TAtualizacao(
        CaminhoWindows::Mapear(QStringLiteral("C:\\Corvel\\Config\\Atualizacao.ini")),
        TmFile::DirExe());
}

}  // namespace

bool TmFile::GetExePorVersao(const TcrvArrayString& aaArquivoExe, QString& asMsg) {
    return AtualizacaoDoPrograma().GetExePorVersao(aaArquivoExe, asMsg);
}

bool TmFile::GetAtualizaExe(const TcrvArrayString& aaArquivoExe, bool abAvisarSeJaEstaAtualizado,
                            bool abAvisarQueFoiAtualizado) {
    return AtualizacaoDoPrograma().GetAtualizaExe(aaArquivoExe, abAvisarSeJaEstaAtualizado,
                                                  abAvisarQueFoiAtualizado);
}

bool TmFile::GetAtualizaExe(const QString& asArquivoExe, bool abAvisarSeJaEstaAtualizado,
                            bool abAvisarQueFoiAtualizado) {
    return GetAtualizaExe(TcrvArrayString{asArquivoExe}, abAvisarSeJaEstaAtualizado,
                          abAvisarQueFoiAtualizado);
}
