#include "settings/TmConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <deque>

#include "base/CodePage.h"
#include "base/RtlDatas.h"
#include "base/RtlNumeros.h"

QByteArrayView MarcaDaCodificacao(TCodificacao c) {
    switch (c) {
        case TCodificacao::Utf8:
            return "\xEF\xBB\xBF";
        case TCodificacao::Utf16LE:
            return "\xFF\xFE";
        case TCodificacao::Utf16BE:
            return "\xFE\xFF";
        case TCodificacao::Ansi:
            break;
    }
    return {};
}

TCodificacao CodificacaoPelaMarca(QByteArrayView bytes) {
    for (TCodificacao c : {TCodificacao::Utf8, TCodificacao::Utf16LE, TCodificacao::Utf16BE})
        if (bytes.startsWith(MarcaDaCodificacao(c)))
            return c;
    return TCodificacao::Ansi;
}

namespace {

const QString kConfig = QStringLiteral("Config");

QStringConverter::Encoding Conversor(TCodificacao c) {
    switch (c) {
        case TCodificacao::Utf16LE:
            return QStringConverter::Utf16LE;
        case TCodificacao::Utf16BE:
            return QStringConverter::Utf16BE;
        default:
            return QStringConverter::Utf8;
    }
}

QString Decodificar(QByteArrayView corpo, TCodificacao c) {
    if (c == TCodificacao::Ansi)
        return CodePage::DeAnsi(corpo);
    // The mark was taken off already: a second one is text.
    QStringDecoder decodificador(Conversor(c), QStringConverter::Flag::ConvertInitialBom);
    return decodificador.decode(corpo);
}

bool QuebraDeLinha(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Lines end at CR LF, a lone CR or a lone LF; a final terminator opens no further line.
QList<QStringView> Linhas(QStringView texto) {
    QList<QStringView> linhas;
    const char16_t* c = texto.utf16();
    const qsizetype n = texto.size();
    qsizetype inicio = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (c[i] > u'\r' || !QuebraDeLinha(c[i]))
            continue;
        linhas.append(texto.sliced(inicio, i - inicio));
        if (c[i] == u'\r' && i + 1 < n && c[i + 1] == u'\n')
            ++i;
        inicio = i + 1;
    }
    if (inicio < n)
        linhas.append(texto.sliced(inicio));
    return linhas;
}

// Trimming as the platform's Trim: every character up to the blank is cut at both ends.
QStringView Aparado(QStringView s) {
    qsizetype i = 0, n = s.size();
    while (i < n && s[i].unicode() <= u' ')
        ++i;
    while (n > i && s[n - 1].unicode() <= u' ')
        --n;
    return s.mid(i, n - i);
}

bool EmBranco(QStringView linha) {
    return Aparado(linha).isEmpty();
}

bool ECabecalho(QStringView linha) {
    return linha.startsWith(u'[');
}

// The whole line is "[" + secao + "]", ignoring case.
bool ECabecalhoDe(QStringView linha, QStringView secao) {
    return linha.size() == secao.size() + 2 && ECabecalho(linha) && linha.endsWith(u']') &&
           linha.mid(1, secao.size()).compare(secao, Qt::CaseInsensitive) == 0;
}

// The text before the first "=", empty for a line without one.
QStringView NomeChave(QStringView linha) {
    const qsizetype igual = linha.indexOf(u'=');
    return igual < 0 ? QStringView() : linha.left(igual);
}

// The line's key name is item, ignoring case; item holds no "=".
bool EChave(QStringView linha, QStringView item) {
    return linha.size() > item.size() && linha[item.size()] == u'=' &&
           linha.left(item.size()).compare(item, Qt::CaseInsensitive) == 0;
}

// The positions of the header lines, then the number of lines.
template <typename Linhas>
QList<qsizetype> PosicoesDosCabecalhos(const Linhas& linhas) {
    QList<qsizetype> posicoes;
    for (qsizetype i = 0; i < linhas.size(); ++i)
        if (ECabecalho(linhas[i]))
            posicoes.append(i);
    posicoes.append(linhas.size());
    return posicoes;
}

QString Falha(const QString& operacao, const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível %1 o arquivo \"%2\": %3")
        .arg(operacao, QDir::toNativeSeparators(arquivo), motivo);
}

// The read-only attribute of Windows holds for every user; its equivalent here is a file
// without write permission for its owner, which the rename of a save would otherwise bypass.
bool SomenteLeitura(const QFileInfo& info) {
    return !info.isWritable() || !info.permissions().testFlag(QFileDevice::WriteOwner);
}

}  // namespace

TmConfig::TmConfig(const QString& Arquivo, bool CarregarArquivoExistenteParaUpdate)
    : arquivo_(Arquivo) {
    if (CarregarArquivoExistenteParaUpdate)
        Carregar(std::nullopt);
}

TmConfig::TmConfig(const QString& Arquivo, TCodificacao Encoding)
    : arquivo_(Arquivo), codificacao_(Encoding) {
    Carregar(Encoding);
}

TmConfig::TmConfig(const QStringList& aLista) : lista_(aLista) {
    RemoverMarcaSolta();
    totalLinhas_ = int(lista_.size());
}

TmConfig::~TmConfig() {
    if (!modificado_)
        return;
    try {
        Gravar(arquivo_);
    } catch (...) {
        // A settings object freed after a change must not fail its caller; the change is lost.
    }
}

// A file's bytes decoded into lines; immutable, shared by the objects opened on the same bytes.
struct TmConfig::Carga {
    Carga(const QByteArray& b, std::optional<TCodificacao> p)
        : bytes(b), pedida(p), codificacao(p ? *p : CodificacaoPelaMarca(b)) {
        QByteArrayView corpo(bytes);
        if (corpo.startsWith(MarcaDaCodificacao(codificacao)))
            corpo = corpo.sliced(MarcaDaCodificacao(codificacao).size());
        texto = Decodificar(corpo, codificacao);
        linhas = Linhas(texto);
        cabecalhos = PosicoesDosCabecalhos(linhas);
    }

    // The decoding of the bytes. The last few are kept, so the usual open, read and free of
    // the same unchanged file decodes it once; the bytes are still read and compared every time.
    static std::shared_ptr<const Carga> De(const QByteArray& bytes,
                                           std::optional<TCodificacao> pedida);

    const QByteArray bytes;
    const std::optional<TCodificacao> pedida;
    const TCodificacao codificacao;
    QString texto;
    QList<QStringView> linhas;    // into texto
    QList<qsizetype> cabecalhos;  // the header lines, then the number of lines
};

std::shared_ptr<const TmConfig::Carga> TmConfig::Carga::De(const QByteArray& bytes,
                                                           std::optional<TCodificacao> pedida) {
    constexpr std::size_t kGuardadas = 4;
    constexpr qsizetype kMaiorGuardada = 1 << 20;
    static QMutex mutex;
    static std::deque<std::shared_ptr<const Carga>> recentes;  // most recent first
    {
        const QMutexLocker trava(&mutex);
        for (auto it = recentes.begin(); it != recentes.end(); ++it) {
            if ((*it)->pedida != pedida || (*it)->bytes != bytes)
                continue;
            auto achada = *it;
            recentes.erase(it);
            recentes.push_front(achada);
            return achada;
        }
    }
    auto nova = std::make_shared<const Carga>(bytes, pedida);
    if (bytes.size() <= kMaiorGuardada) {
        const QMutexLocker trava(&mutex);
        recentes.push_front(nova);
        if (recentes.size() > kGuardadas)
            recentes.pop_back();
    }
    return nova;
}

void TmConfig::Carregar(std::optional<TCodificacao> pedida) {
    QFile arquivo(arquivo_);
    if (!arquivo.exists())
        return;
    if (!arquivo.open(QIODevice::ReadOnly))
        throw EInOutError(Falha(QStringLiteral("ler"), arquivo_, arquivo.errorString()));
    const QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        throw EInOutError(Falha(QStringLiteral("ler"), arquivo_, arquivo.errorString()));
    carga_ = Carga::De(bytes, pedida);
    codificacao_ = carga_->codificacao;
    RemoverMarcaSolta();
    totalLinhas_ = int(Total());
}

void TmConfig::RemoverMarcaSolta() {
    static const QString marcaComoAnsi = QStringLiteral("\u00EF\u00BB\u00BF");
    if (Total() > 0 && Linha(0).size() > 3 && Linha(0).startsWith(marcaComoAnsi))
        Editar()[0].remove(0, 3);
}

qsizetype TmConfig::Total() const {
    return carga_ ? carga_->linhas.size() : lista_.size();
}

QStringView TmConfig::Linha(qsizetype i) const {
    return carga_ ? carga_->linhas[i] : QStringView(lista_[i]);
}

QStringList& TmConfig::Editar() {
    if (carga_) {
        lista_ = Lista();
        carga_.reset();
    }
    return lista_;
}

QStringList TmConfig::Lista() const {
    if (!carga_)
        return lista_;
    QStringList copia;
    copia.reserve(carga_->linhas.size());
    for (QStringView linha : carga_->linhas)
        copia.append(linha.toString());
    return copia;
}

QByteArray TmConfig::Codificar() const {
    QString texto;
    qsizetype tamanho = 0;
    for (qsizetype i = 0; i < Total(); ++i)
        tamanho += Linha(i).size() + 2;
    texto.reserve(tamanho);
    for (qsizetype i = 0; i < Total(); ++i) {
        const QStringView linha = Linha(i);
        // A line break inside a line would split it into lines the document does not have
        // (a value could then forge keys or headers): it is written as a blank.
        for (QChar c : linha)
            texto += QuebraDeLinha(c) ? QChar(u' ') : c;
        texto += QLatin1String("\r\n");
    }
    if (codificacao_ == TCodificacao::Ansi)
        return CodePage::ParaAnsi(texto);
    QStringEncoder codificador(Conversor(codificacao_));
    return MarcaDaCodificacao(codificacao_).toByteArray() + QByteArray(codificador.encode(texto));
}

void TmConfig::Gravar(const QString& destino) const {
    const QString gravar = QStringLiteral("gravar");
    if (destino.isEmpty())
        throw EInOutError(Falha(gravar, destino, QStringLiteral("nenhum nome de arquivo")));
    const QFileInfo info(destino);
    if (info.exists() && SomenteLeitura(info))
        throw EInOutError(Falha(gravar, destino, QStringLiteral("o arquivo é somente leitura")));
    // Written beside the target and renamed over it only when complete.
    QSaveFile arquivo(destino);
    // Unbuffered, so that a short write (full disk, file size limit) shows in write()'s count:
    // through the buffer it goes unreported and commit() would install a truncated file.
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EInOutError(Falha(gravar, destino, arquivo.errorString()));
    const QByteArray bytes = Codificar();
    if (arquivo.write(bytes) != bytes.size()) {
        arquivo.cancelWriting();
        throw EInOutError(Falha(gravar, destino, QStringLiteral("gravação incompleta")));
    }
    if (!arquivo.commit())
        throw EInOutError(Falha(gravar, destino, arquivo.errorString()));
}

void TmConfig::Flush() {
    if (!modificado_)
        return;
    Gravar(arquivo_);
    modificado_ = false;
}

void TmConfig::SaveCopyTo(const QString& NomeArquivo) const {
    Gravar(NomeArquivo);
}

QString TmConfig::GetFileNameDefault() {
    const QFileInfo programa(QCoreApplication::applicationFilePath());
    if (programa.fileName().isEmpty())
        return {};
    return programa.path() + QLatin1Char('/') + programa.completeBaseName() +
           QStringLiteral(".ini");
}

// ---- search ----

QList<qsizetype> TmConfig::Cabecalhos() const {
    return carga_ ? carga_->cabecalhos : PosicoesDosCabecalhos(lista_);
}

qsizetype TmConfig::FimDoBloco(qsizetype h) const {
    const QList<qsizetype> cabecalhos = Cabecalhos();
    return *std::upper_bound(cabecalhos.cbegin(), cabecalhos.cend(), h);
}

qsizetype TmConfig::IndiceSecao(QStringView secao) const {
    for (qsizetype h : Cabecalhos())
        if (h < Total() && ECabecalhoDe(Linha(h), secao))
            return h;
    return -1;
}

// The first line whose key name is item and whose nearest header above names secao.
qsizetype TmConfig::IndiceChave(QStringView secao, QStringView item) const {
    if (item.contains(u'='))
        return -1;  // no key name holds one
    const QList<qsizetype> c = Cabecalhos();
    for (qsizetype j = 0; j + 1 < c.size(); ++j) {
        if (!ECabecalhoDe(Linha(c[j]), secao))
            continue;
        // The block and the next header: a header line holding "=" is a key line of the
        // section above it.
        for (qsizetype i = c[j] + 1; i <= c[j + 1] && i < Total(); ++i)
            if (EChave(Linha(i), item))
                return i;
    }
    return -1;
}

// Where a new key of secao goes: the end of the first run of non-blank lines after its first
// header. Before a header that closes the run a blank line is put first, so one blank line
// keeps the new key apart from the next section. -1 when the section is absent.
qsizetype TmConfig::PosicaoInsercao(QStringView secao) {
    const qsizetype h = IndiceSecao(secao);
    if (h < 0)
        return -1;
    QStringList& lista = Editar();
    for (qsizetype b = h + 1; b < lista.size(); ++b) {
        if (EmBranco(lista[b]))
            return b;
        if (ECabecalho(lista[b])) {
            lista.insert(b, QString());
            return b;
        }
    }
    return lista.size();
}

// ---- reading ----

QString TmConfig::ReadString(const QString& Secao, const QString& Item,
                             const QString& Padrao) const {
    const qsizetype k = IndiceChave(Secao, Item);
    if (k < 0)
        return Padrao;
    const QStringView linha = Linha(k);
    return linha.sliced(linha.indexOf(u'=') + 1).toString();
}

std::int32_t TmConfig::ReadInteger(const QString& Secao, const QString& Item,
                                   std::int32_t Padrao) const {
    return Rtl::TryStrToInt(ReadString(Secao, Item, QString::number(Padrao))).value_or(Padrao);
}

bool TmConfig::ReadBool(const QString& Secao, const QString& Item, bool Padrao) const {
    return ReadString(Secao, Item, Padrao ? QStringLiteral("1") : QStringLiteral("0")) ==
           QLatin1String("1");
}

double TmConfig::ReadFloat(const QString& Secao, const QString& Item, double Padrao) const {
    return Rtl::TryStrToFloat(ReadString(Secao, Item, Rtl::FloatToStr(Padrao))).value_or(Padrao);
}

Currency TmConfig::ReadCurr(const QString& Secao, const QString& Item, Currency Padrao) const {
    return Rtl::TryStrToCurr(ReadString(Secao, Item, Rtl::CurrToStr(Padrao))).value_or(Padrao);
}

TDateTime TmConfig::ReadDate(const QString& Secao, const QString& Item, TDateTime Padrao) const {
    return Rtl::TryStrToDate(ReadString(Secao, Item, Rtl::DateToStr(Padrao))).value_or(Padrao);
}

TDateTime TmConfig::ReadDateTime(const QString& Secao, const QString& Item,
                                 TDateTime Padrao) const {
    return Rtl::TryStrToDateTime(ReadString(Secao, Item, Rtl::DateTimeToStr(Padrao)))
        .value_or(Padrao);
}

TDateTime TmConfig::ReadTime(const QString& Secao, const QString& Item, TDateTime Padrao) const {
    return Rtl::TryStrToTime(ReadString(Secao, Item, Rtl::TimeToStr(Padrao))).value_or(Padrao);
}

// ---- writing ----

void TmConfig::WriteString(const QString& Secao, const QString& Item, const QString& Valor) {
    QStringList& lista = Editar();
    const qsizetype k = IndiceChave(Secao, Item);
    if (k >= 0) {
        if (Valor.isEmpty())
            lista.removeAt(k);
        else
            lista[k] = NomeChave(lista[k]).toString() + u'=' + Valor;
    } else if (const qsizetype p = PosicaoInsercao(Secao); p >= 0) {
        lista.insert(p, Item + u'=' + Valor);
    } else {
        if (!lista.isEmpty() && !EmBranco(lista.last()))
            lista.append(QString());
        lista.append(u'[' + Secao + u']');
        lista.append(Item + u'=' + Valor);
    }
    modificado_ = true;
}

void TmConfig::WriteInteger(const QString& Secao, const QString& Item, std::int32_t Valor) {
    WriteString(Secao, Item, QString::number(Valor));
}

void TmConfig::WriteBool(const QString& Secao, const QString& Item, bool Valor) {
    WriteString(Secao, Item, Valor ? QStringLiteral("1") : QStringLiteral("0"));
}

void TmConfig::WriteFloat(const QString& Secao, const QString& Item, double Valor) {
    WriteString(Secao, Item, Rtl::FloatToStr(Valor));
}

void TmConfig::WriteCurr(const QString& Secao, const QString& Item, Currency Valor) {
    WriteString(Secao, Item, Rtl::CurrToStr(Valor));
}

void TmConfig::WriteDate(const QString& Secao, const QString& Item, TDateTime Valor) {
    WriteString(Secao, Item, Rtl::DateToStr(Valor));
}

void TmConfig::WriteDateTime(const QString& Secao, const QString& Item, TDateTime Valor) {
    WriteString(Secao, Item, Rtl::DateTimeToStr(Valor));
}

void TmConfig::WriteTime(const QString& Secao, const QString& Item, TDateTime Valor) {
    WriteString(Secao, Item, Rtl::TimeToStr(Valor));
}

// ---- the section "Config" ----

QString TmConfig::ReadStringConfig(const QString& Item, const QString& Padrao) const {
    return ReadString(kConfig, Item, Padrao);
}
std::int32_t TmConfig::ReadIntegerConfig(const QString& Item, std::int32_t Padrao) const {
    return ReadInteger(kConfig, Item, Padrao);
}
bool TmConfig::ReadBoolConfig(const QString& Item, bool Padrao) const {
    return ReadBool(kConfig, Item, Padrao);
}
double TmConfig::ReadFloatConfig(const QString& Item, double Padrao) const {
    return ReadFloat(kConfig, Item, Padrao);
}
Currency TmConfig::ReadCurrConfig(const QString& Item, Currency Padrao) const {
    return ReadCurr(kConfig, Item, Padrao);
}
TDateTime TmConfig::ReadDateConfig(const QString& Item, TDateTime Padrao) const {
    return ReadDate(kConfig, Item, Padrao);
}
TDateTime TmConfig::ReadDateTimeConfig(const QString& Item, TDateTime Padrao) const {
    return ReadDateTime(kConfig, Item, Padrao);
}
void TmConfig::WriteStringConfig(const QString& Item, const QString& Valor) {
    WriteString(kConfig, Item, Valor);
}
void TmConfig::WriteIntegerConfig(const QString& Item, std::int32_t Valor) {
    WriteInteger(kConfig, Item, Valor);
}
void TmConfig::WriteBoolConfig(const QString& Item, bool Valor) {
    WriteBool(kConfig, Item, Valor);
}
void TmConfig::WriteFloatConfig(const QString& Item, double Valor) {
    WriteFloat(kConfig, Item, Valor);
}
void TmConfig::WriteCurrConfig(const QString& Item, Currency Valor) {
    WriteCurr(kConfig, Item, Valor);
}
void TmConfig::WriteDateConfig(const QString& Item, TDateTime Valor) {
    WriteDate(kConfig, Item, Valor);
}
void TmConfig::WriteDateTimeConfig(const QString& Item, TDateTime Valor) {
    WriteDateTime(kConfig, Item, Valor);
}

// ---- sections ----

bool TmConfig::SectionExists(const QString& Secao) const {
    return IndiceSecao(Secao) >= 0;
}

void TmConfig::ReadSections(QStringList& Saida) const {
    Saida.clear();
    for (qsizetype i = 0; i < Total(); ++i) {
        if (!Aparado(Linha(i)).startsWith(u'['))
            continue;
        QString nome = Linha(i).toString();
        nome.remove(u'[').remove(u']');
        Saida.append(Aparado(nome).toString());
    }
}

void TmConfig::ReadSection(const QString& Secao, QStringList& Saida) const {
    Saida.clear();
    const qsizetype h = IndiceSecao(Secao);
    if (h < 0)
        return;
    for (qsizetype i = h + 1, fim = FimDoBloco(h); i < fim; ++i)
        if (const QStringView nome = NomeChave(Linha(i)); !nome.isEmpty())
            Saida.append(nome.toString());
}

void TmConfig::ReadSectionValues(const QString& Secao, QStringList& Saida) const {
    Saida.clear();
    const qsizetype h = IndiceSecao(Secao);
    if (h < 0)
        return;
    for (qsizetype i = h + 1, fim = FimDoBloco(h); i < fim; ++i)
        if (!Linha(i).isEmpty())
            Saida.append(Linha(i).toString());
}

int TmConfig::GetSectionItemCount(const QString& Secao) const {
    QStringList nomes;
    ReadSection(Secao, nomes);
    return int(nomes.size());
}

void TmConfig::EraseSection(const QString& Secao) {
    const qsizetype h = IndiceSecao(Secao);
    if (h < 0)
        return;
    Editar().remove(h, FimDoBloco(h) - h);
    modificado_ = true;
}

void TmConfig::DeleteKey(const QString& Secao, const QString& Item) {
    const qsizetype k = IndiceChave(Secao, Item);
    if (k < 0)
        return;
    Editar().removeAt(k);
    modificado_ = true;
}
