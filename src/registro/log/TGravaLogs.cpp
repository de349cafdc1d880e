#include "registro/log/TGravaLogs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <utility>

#include "base/ArquivoInteiro.h"
#include "base/CaminhoWindows.h"
#include "base/CodePage.h"
#include "base/EInOutError.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "base/internal/Texto.h"
#include "dialogos/mensagens/LogMensagens.h"
#include "sistema/arquivos/TmFileCaminhos.h"

namespace {

const QString kSeparador(80, u'-');
// How much of the file one read takes, and how much of the old log is kept at most per line of
// the cap.
constexpr qint64 kBloco = 64 * 1024;
// How much of the old log is kept at most, whatever the cap.
constexpr qint64 kMaximoMantido = 4 * 1024 * 1024;

QString Falha(const QString& operacao, const QString& caminho, const QString& motivo) {
    return QStringLiteral("Não foi possível %1 \"%2\": %3")
        .arg(operacao, QDir::toNativeSeparators(caminho), motivo);
}

// The text of the file's bytes, given piece by piece after the mark: a character cut between two
// pieces is decoded whole with the second; a second mark is text. Without a mark each byte is one
// character (Latin-1), and the lines are decoded once the kept ones are known (Decodificar).
class TDecodificador {
public:
    explicit TDecodificador(std::optional<TCodificacao> marcada)
        : bytes_(!marcada),
          decodificador_(ConversorDe(marcada.value_or(TCodificacao::Ansi)),
                         QStringConverter::Flag::ConvertInitialBom) {}
    QString operator()(QByteArrayView bytes) {
        return bytes_ ? QString::fromLatin1(bytes) : QString(decodificador_.decode(bytes));
    }

private:
    bool bytes_;
    QStringDecoder decodificador_;
};

// Cuts text, given piece by piece, into lines ended by CR LF, a lone CR or a lone LF, until it
// holds `maximo` of them; what comes after is ignored.
class TCortadorLinhas {
public:
    explicit TCortadorLinhas(qsizetype maximo) : maximo_(maximo) {}
    bool Completo() const { return linhas_.size() >= maximo_; }

    void Acrescentar(QStringView texto) {
        if (std::exchange(crNoFim_, false) && texto.startsWith(u'\n'))
            texto = texto.sliced(1);  // the LF of a CR LF cut between two pieces
        qsizetype inicio = 0;
        for (qsizetype i = 0; i < texto.size() && !Completo(); ++i) {
            if (texto[i] != u'\r' && texto[i] != u'\n')
                continue;
            pendente_ += texto.sliced(inicio, i - inicio);
            linhas_.append(std::exchange(pendente_, QString()));
            if (texto[i] == u'\r' && i + 1 == texto.size())
                crNoFim_ = true;
            else if (texto[i] == u'\r' && texto[i + 1] == u'\n')
                ++i;
            inicio = i + 1;
        }
        if (!Completo())
            pendente_ += texto.sliced(inicio);
    }

    // At the end of the file, a last line without a line break is a line too (a final line break
    // opens no further one); before it, a line not yet ended is dropped.
    QStringList Terminar(bool fimDoArquivo) {
        if (fimDoArquivo && !Completo() && !pendente_.isEmpty())
            linhas_.append(std::move(pendente_));
        return std::move(linhas_);
    }

private:
    qsizetype maximo_;
    QStringList linhas_;
    QString pendente_;      // the line not yet ended
    bool crNoFim_ = false;  // the last piece ended in CR
};

EInOutError FalhaAoLer(const QString& caminho, const QString& motivo) {
    return EInOutError(Falha(QStringLiteral("ler o arquivo"), caminho, motivo));
}

// The log open for reading, or nothing when there is none yet. A link at its name is refused,
// never followed (whether it points to a file or nowhere), and so is anything but a regular file
// (a FIFO there is not waited on).
std::unique_ptr<QFile> AbrirLog(const QString& caminho) {
    const int fd = ::open(QFile::encodeName(caminho).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT)
        return nullptr;
    if (fd < 0)
        throw FalhaAoLer(caminho, errno == ELOOP ? QStringLiteral("o nome do log é um link")
                                                 : qt_error_string(errno));
    struct stat st {};
    auto arquivo = std::make_unique<QFile>();
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !arquivo->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        throw FalhaAoLer(caminho, QStringLiteral("não é um arquivo comum"));
    }
    return arquivo;
}

QByteArray LerBloco(QFile& arquivo, const QString& caminho, qint64 tamanho) {
    QByteArray bloco = arquivo.read(tamanho);
    if (arquivo.error() != QFileDevice::NoError)
        throw FalhaAoLer(caminho, arquivo.errorString());
    return bloco;
}

struct TInicioDoLog {
    TCodificacao codificacao;
    QStringList linhas;
};

// The lines of a log without a mark, cut with one character per byte, decoded by the library's
// rule for unmarked files applied to the bytes that are kept.
TInicioDoLog Decodificar(QStringList linhas) {
    const TCodificacao codificacao = CodificacaoSemMarca(linhas.join(u'\n').toLatin1());
    for (QString& linha : linhas) {
        const QByteArray bytes = linha.toLatin1();
        linha =
            codificacao == TCodificacao::Ansi ? CodePage::DeAnsi(bytes) : QString::fromUtf8(bytes);
    }
    return {codificacao, std::move(linhas)};
}

// The encoding of the log and its first `maximo` lines, read from the top: reading stops once they
// are complete, or once kBloco bytes per line of the cap (kMaximoMantido in all) are read, so an
// entry costs the same whatever the rest of the file holds. A line that has not ended by then is
// dropped with all after it.
TInicioDoLog LerInicio(QFile& arquivo, const QString& caminho, qsizetype maximo) {
    const qint64 limite = std::clamp(qint64(maximo) * kBloco, kBloco, kMaximoMantido);
    QByteArray bloco = LerBloco(arquivo, caminho, kBloco);
    qint64 lidos = bloco.size();
    const std::optional<TCodificacao> marcada = CodificacaoMarcada(bloco);
    if (marcada)
        bloco.remove(0, MarcaDaCodificacao(*marcada).size());
    TDecodificador decodificar(marcada);
    TCortadorLinhas cortador(maximo);
    cortador.Acrescentar(decodificar(bloco));
    while (!cortador.Completo() && !arquivo.atEnd() && lidos < limite) {
        bloco = LerBloco(arquivo, caminho, std::min(kBloco, limite - lidos));
        lidos += bloco.size();
        cortador.Acrescentar(decodificar(bloco));
    }
    QStringList linhas = cortador.Terminar(arquivo.atEnd());
    return marcada ? TInicioDoLog{*marcada, std::move(linhas)} : Decodificar(std::move(linhas));
}

// Every line followed by CR LF, after the encoding's mark.
QByteArray Codificar(const QStringList& linhas, TCodificacao codificacao) {
    QString texto;
    qsizetype tamanho = 0;
    for (const QString& linha : linhas)
        tamanho += linha.size() + 2;
    texto.reserve(tamanho);
    for (const QString& linha : linhas)
        texto += linha + QLatin1String("\r\n");
    return CodificarTexto(texto, codificacao);
}

}  // namespace

TGravaLogs::TGravaLogs(const QObject* AOwner)
    : iNomeOrigem(AOwner ? AOwner->objectName() : QString()) {}

void TGravaLogs::Execute(const QObject* pOrigem, const QString& pNomeLog, const QString& pMensagem,
                         const QString& pDiretorio, int pMaximoLinhas) {
    TGravaLogs log(pOrigem);
    log.iNomeLog = pNomeLog;
    log.iMaximoLinhas = std::max(pMaximoLinhas, 0);
    log.setDiretorio(pDiretorio);
    log.loadLogMensagem();
    log.addMensagem(pMensagem, true);
    log.gravaLogMensagem();
}

void TGravaLogs::GravaLogMsg(const QString&) {}

void TGravaLogs::EnviaLogsEmail(const QString&, const QString&) {}

void TGravaLogs::Instalar() {
    LogMensagens::Instalar(&TGravaLogs::GravaLogMsg);
}

void TGravaLogs::setDiretorio(const QString& pDiretorio) {
    iDiretorio = TextoInterno::Aparar(pDiretorio).isEmpty() ? TmFile::DirExe() : pDiretorio;
    const QString pasta = CaminhoWindows::Mapear(iDiretorio);
    if (!QDir().mkpath(pasta))
        throw EInOutError(Falha(QStringLiteral("criar a pasta"), pasta, qt_error_string()));
}

void TGravaLogs::loadLogMensagem() {
    const std::unique_ptr<QFile> arquivo = AbrirLog(Arquivo());
    if (!arquivo)
        return;
    TInicioDoLog inicio = LerInicio(*arquivo, Arquivo(), iMaximoLinhas);
    codificacao_ = inicio.codificacao;
    iLogs = std::move(inicio.linhas);
}

void TGravaLogs::addMensagem(const QString& pMensagem, bool pIsFimMensagem) {
    iLogs.prepend(Rtl::FormatDateTime(u"yyyy/mm/dd hh:nn:ss", Relogio::Agora()) +
                  QStringLiteral(" - ") + iNomeOrigem + QStringLiteral("-> ") + pMensagem);
    if (pIsFimMensagem)
        iLogs.prepend(kSeparador);
}

void TGravaLogs::gravaLogMensagem() const {
    QString motivo;
    if (!ArquivoInteiro::Gravar(Arquivo(), Codificar(iLogs, codificacao_), motivo))
        throw EInOutError(Falha(QStringLiteral("gravar o arquivo"), Arquivo(), motivo));
}

QString TGravaLogs::Arquivo() const {
    return CaminhoWindows::Mapear(iDiretorio + iNomeLog);
}
