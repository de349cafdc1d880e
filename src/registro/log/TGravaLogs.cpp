#include "registro/log/TGravaLogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
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
// How much of the file one read takes.
constexpr qint64 kBloco = 64 * 1024;

QString Falha(const QString& operacao, const QString& caminho, const QString& motivo) {
    return QStringLiteral("Não foi possível %1 \"%2\": %3")
        .arg(operacao, QDir::toNativeSeparators(caminho), motivo);
}

QStringConverter::Encoding Conversor(TCodificacao c) {
    return c == TCodificacao::Utf16LE   ? QStringConverter::Utf16LE
           : c == TCodificacao::Utf16BE ? QStringConverter::Utf16BE
                                        : QStringConverter::Utf8;
}

// The text of the file's bytes, given piece by piece after the mark: a character cut between two
// pieces is decoded whole with the second; a second mark is text.
class TDecodificador {
public:
    explicit TDecodificador(TCodificacao c)
        : ansi_(c == TCodificacao::Ansi),
          decodificador_(Conversor(c), QStringConverter::Flag::ConvertInitialBom) {}
    QString operator()(QByteArrayView bytes) {
        return ansi_ ? CodePage::DeAnsi(bytes) : QString(decodificador_.decode(bytes));
    }

private:
    bool ansi_;
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

    // At the end of the file: a last line without a line break is a line too; a final line break
    // opens no further one.
    QStringList Terminar() {
        if (!Completo() && !pendente_.isEmpty())
            linhas_.append(std::move(pendente_));
        return std::move(linhas_);
    }

private:
    qsizetype maximo_;
    QStringList linhas_;
    QString pendente_;      // the line not yet ended
    bool crNoFim_ = false;  // the last piece ended in CR
};

QByteArray LerBloco(QFile& arquivo) {
    QByteArray bloco = arquivo.read(kBloco);
    if (arquivo.error() != QFileDevice::NoError)
        throw EInOutError(
            Falha(QStringLiteral("ler o arquivo"), arquivo.fileName(), arquivo.errorString()));
    return bloco;
}

struct TInicioDoLog {
    TCodificacao codificacao;
    QStringList linhas;
};

// The encoding of the log by its mark and its first `maximo` lines, read from the top: reading
// stops once they are complete, so the rest of the file is never read.
TInicioDoLog LerInicio(const QString& caminho, qsizetype maximo) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        throw EInOutError(Falha(QStringLiteral("ler o arquivo"), caminho, arquivo.errorString()));
    QByteArray bloco = LerBloco(arquivo);
    const TCodificacao codificacao = CodificacaoPelaMarca(bloco);
    bloco.remove(0, MarcaDaCodificacao(codificacao).size());
    TDecodificador decodificar(codificacao);
    TCortadorLinhas cortador(maximo);
    cortador.Acrescentar(decodificar(bloco));
    while (!cortador.Completo() && !arquivo.atEnd())
        cortador.Acrescentar(decodificar(LerBloco(arquivo)));
    return {codificacao, cortador.Terminar()};
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
    if (codificacao == TCodificacao::Ansi)
        return CodePage::ParaAnsi(texto);
    QStringEncoder codificador(Conversor(codificacao));
    return MarcaDaCodificacao(codificacao).toByteArray() + QByteArray(codificador.encode(texto));
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
    if (!QFileInfo::exists(Arquivo()))
        return;
    TInicioDoLog inicio = LerInicio(Arquivo(), iMaximoLinhas);
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
