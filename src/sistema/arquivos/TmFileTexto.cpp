#include "sistema/arquivos/TmFileTexto.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QXmlStreamReader>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

#include "base/ArquivoInteiro.h"
#include "base/CodePage.h"
#include "base/Codificacao.h"
#include "base/EInOutError.h"
#include "dialogos/mensagens/mMensagem.h"
#include "sistema/arquivos/TmFileCopia.h"
#include "sistema/arquivos/internal/Mascara.h"

using namespace ArquivosInterno;

namespace {

using TBytesMantidos = std::array<bool, 256>;

constexpr TBytesMantidos Mantidos(std::initializer_list<std::pair<int, int>> faixas) {
    TBytesMantidos mantidos{};
    for (auto [de, ate] : faixas)
        for (int b = de; b <= ate; ++b)
            mantidos[b] = true;
    return mantidos;
}

constexpr TBytesMantidos kTextoLimpo = Mantidos({{32, 126}, {192, 205}, {217, 239}, {243, 252}});
constexpr TBytesMantidos kTextoDeBinario = Mantidos({{9, 10},
                                                     {13, 13},
                                                     {32, 128},
                                                     {191, 197},
                                                     {199, 205},
                                                     {211, 213},
                                                     {218, 218},
                                                     {224, 228},
                                                     {231, 237},
                                                     {250, 250}});

QByteArray Filtrar(QByteArrayView bytes, const TBytesMantidos& mantidos) {
    QByteArray saida;
    saida.reserve(bytes.size());
    for (char b : bytes)
        if (mantidos[quint8(b)])
            saida += b;
    return saida;
}

QString Falha(const QString& operacao, const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível %1 o arquivo \"%2\": %3")
        .arg(operacao, arquivo, motivo);
}

// The file's bytes; none when it is not a file; EInOutError when it cannot be read.
std::optional<QByteArray> LerBytes(const QString& arquivo) {
    QFile entrada(Local(arquivo));
    if (!QFileInfo(entrada).isFile())
        return std::nullopt;
    if (!entrada.open(QIODevice::ReadOnly))
        throw EInOutError(Falha(QStringLiteral("ler"), arquivo, entrada.errorString()));
    QByteArray bytes = entrada.readAll();
    if (entrada.error() != QFileDevice::NoError)
        throw EInOutError(Falha(QStringLiteral("ler"), arquivo, entrada.errorString()));
    return bytes;
}

QByteArray LerOuFalhar(const QString& arquivo) {
    std::optional<QByteArray> bytes = LerBytes(arquivo);
    if (!bytes)
        throw EInOutError(Falha(QStringLiteral("ler"), arquivo, QStringLiteral("não encontrado")));
    return *std::move(bytes);
}

QStringList Linhas(QStringView texto) {
    QStringList linhas;
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        if (texto[i] != u'\r' && texto[i] != u'\n')
            continue;
        linhas.append(texto.mid(inicio, i - inicio).toString());
        if (texto[i] == u'\r' && i + 1 < texto.size() && texto[i + 1] == u'\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < texto.size())
        linhas.append(texto.mid(inicio).toString());
    return linhas;
}

// The lines each followed by CR LF.
QString TextoDasLinhas(const QStringList& linhas) {
    QString texto;
    for (const QString& linha : linhas)
        texto += linha + QLatin1String("\r\n");
    return texto;
}

// The encoding a file's bytes were read in (the reading rule of CodePage::DeArquivo: a UTF-8 mark,
// else the library's rule for unmarked bytes).
TCodificacao CodificacaoLida(QByteArrayView bytes) {
    return bytes.startsWith(MarcaDaCodificacao(TCodificacao::Utf8)) ? TCodificacao::Utf8
                                                                    : CodificacaoSemMarca(bytes);
}

// In Windows-1252 unless the text holds a character it lacks: then in UTF-8, which keeps it.
QByteArray Codificar(const QStringList& linhas, TCodificacao codificacao) {
    const QString texto = TextoDasLinhas(linhas);
    if (codificacao == TCodificacao::Ansi && CodePage::DeAnsi(CodePage::ParaAnsi(texto)) != texto)
        codificacao = TCodificacao::Utf8SemMarca;
    return CodificarTexto(texto, codificacao);
}

bool GravarBytes(const QString& arquivo, QByteArrayView bytes, QString& motivo) {
    return ArquivoInteiro::Gravar(Local(arquivo), bytes, motivo);
}

bool GravarLinhas(const QString& arquivo, const QStringList& linhas,
                  TCodificacao codificacao = TCodificacao::Ansi) {
    QString motivo;
    return GravarBytes(arquivo, Codificar(linhas, codificacao), motivo);
}

struct TArquivoTexto {
    QStringList linhas;
    TCodificacao codificacao = TCodificacao::Ansi;
};

std::optional<TArquivoTexto> LerTexto(const QString& arquivo) {
    const std::optional<QByteArray> bytes = LerBytes(arquivo);
    if (!bytes)
        return std::nullopt;
    return TArquivoTexto{Linhas(CodePage::DeArquivo(*bytes)), CodificacaoLida(*bytes)};
}

QStringList LinhasDe(const QString& arquivo) {
    const std::optional<TArquivoTexto> texto = LerTexto(arquivo);
    return texto ? texto->linhas : QStringList();
}

// The document without its XML declaration, if it has one.
QString SemDeclaracao(const QString& xml) {
    QStringView corpo = QStringView(xml).trimmed();
    if (corpo.startsWith(u"<?xml"))
        corpo = corpo.mid(corpo.indexOf(u"?>") + 2).trimmed();
    return corpo.toString();
}

}  // namespace

namespace TmFile {

bool LoadFile(const QString& NomeArquivo, QStringList& Saida) {
    Saida = LinhasDe(NomeArquivo);
    return !Saida.isEmpty();
}

QString LoadFileFirstLine(const QString& NomeArquivo) {
    const QStringList linhas = LinhasDe(NomeArquivo);
    return linhas.isEmpty() ? QString() : linhas.constFirst();
}

QString LoadFileAllLines(const QString& NomeArquivo) {
    return TextoDasLinhas(LinhasDe(NomeArquivo));
}

bool CarregarArquivoBinario(const QString& NomeArquivo, QStringList& Saida) {
    const std::optional<QByteArray> bytes = LerBytes(NomeArquivo);
    if (!bytes)
        return false;
    Saida = Linhas(QString::fromLatin1(Filtrar(*bytes, kTextoDeBinario)));
    return true;
}

bool CriarArquivoTexto(const QString& FileName, const QString& GravarStrDentro) {
    GravarLinhas(FileName,
                 GravarStrDentro.isEmpty() ? QStringList() : QStringList{GravarStrDentro});
    return QFileInfo::exists(Local(FileName));
}

bool AddLinhaArquivoTexto(const QString& FileName, const QString& LinhaAdicionar,
                          int LimitesLinhas) {
    TArquivoTexto texto = LerTexto(FileName).value_or(TArquivoTexto{});
    if (LimitesLinhas > 0 && texto.linhas.size() > LimitesLinhas)
        texto.linhas.remove(0, texto.linhas.size() - LimitesLinhas);
    texto.linhas.append(LinhaAdicionar);
    return GravarLinhas(FileName, texto.linhas, texto.codificacao);
}

bool SaveTextSample(const QString& asText, const QString& asArquivo) {
    GravarLinhas(asArquivo, Linhas(asText));
    return QFileInfo::exists(Local(asArquivo));
}

bool SaveXMLFile(const QString& asXML, const QString& asArquivo, QString& asMsg,
                 const QString& asEnconding) {
    QXmlStreamReader leitor(asXML);
    while (!leitor.atEnd())
        leitor.readNext();
    if (leitor.hasError()) {
        asMsg = leitor.errorString();
        return false;
    }
    const auto encoding = QStringConverter::encodingForName(asEnconding.toLatin1().constData());
    const bool ansi = asEnconding.compare(QLatin1String("windows-1252"), Qt::CaseInsensitive) == 0;
    if (!encoding && !ansi) {
        asMsg = QStringLiteral("Codificação desconhecida: %1").arg(asEnconding);
        return false;
    }
    const QString documento =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\r\n").arg(asEnconding) +
        SemDeclaracao(asXML);
    QByteArray bytes;
    if (ansi) {
        bytes = CodePage::ParaAnsi(documento);
    } else {
        // A UTF-16 or UTF-32 document starts with its mark; UTF-8 needs none.
        QStringEncoder codificador(*encoding, *encoding == QStringConverter::Utf8
                                                  ? QStringConverter::Flag::Default
                                                  : QStringConverter::Flag::WriteBom);
        bytes = codificador.encode(documento);
    }
    return GravarBytes(asArquivo, bytes, asMsg);
}

bool RemoverBOM_UTF(const QString& NomeArquivo) {
    static const QString marcaComoTexto = QStringLiteral("\u00EF\u00BB\u00BF");
    std::optional<TArquivoTexto> texto = LerTexto(NomeArquivo);
    if (!texto || texto->linhas.isEmpty() || texto->linhas.constFirst().size() <= 3 ||
        !texto->linhas.constFirst().startsWith(marcaComoTexto))
        return false;
    texto->linhas.first().remove(0, 3);
    return GravarLinhas(NomeArquivo, texto->linhas, texto->codificacao);
}

bool LimparArquivoTexto(const QString& Arquivo) {
    const QString caminho = Local(Arquivo);
    if (!QFileInfo(caminho).isFile())
        return false;
    try {
        const QByteArray limpo = Filtrar(LerOuFalhar(Arquivo), kTextoLimpo);
        QFile copia(caminho + QStringLiteral(".bak"));
        if (copia.exists() && !copia.remove())
            throw EInOutError(
                Falha(QStringLiteral("apagar"), copia.fileName(), copia.errorString()));
        QString motivo;
        if (!CopiarConteudo(caminho, copia.fileName(), false, motivo) ||
            !ArquivoInteiro::Gravar(caminho, limpo, motivo))
            throw EInOutError(Falha(QStringLiteral("gravar"), Arquivo, motivo));
        return true;
    } catch (const EInOutError& erro) {
        TmDlg::Erro(erro.Mensagem());
        return false;
    }
}

QString GetFileConvertUTF8ToAnsi(const QString& asArquivo) {
    return CodePage::DeArquivo(LerBytes(asArquivo).value_or(QByteArray()));
}

QString ConvertFileToBase64(const QString& asArquivo) {
    const QByteArray base64 = LerOuFalhar(asArquivo).toBase64();
    QString texto;
    for (qsizetype i = 0; i < base64.size(); i += 76) {
        if (i > 0)
            texto += QLatin1String("\r\n");
        texto += QLatin1String(base64.mid(i, 76));
    }
    return texto;
}

void ConvertBase64ToFile(const QString& Base64String, const QString& FileName) {
    QString motivo;
    if (!GravarBytes(FileName, QByteArray::fromBase64(Base64String.toLatin1()), motivo))
        throw EInOutError(Falha(QStringLiteral("gravar"), FileName, motivo));
}

std::unique_ptr<QBuffer> GetStreamFile(const QString& asArquivo) {
    auto fluxo = std::make_unique<QBuffer>();
    fluxo->setData(LerOuFalhar(asArquivo));
    fluxo->open(QIODevice::ReadOnly);
    return fluxo;
}

}  // namespace TmFile
