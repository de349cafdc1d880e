#include "texto/config/TmConfig.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <climits>

#include "base/ArquivoInteiro.h"
#include "base/CodePage.h"
#include "base/RtlDatas.h"
#include "base/RtlNumeros.h"
#include "texto/config/DecodificacoesRecentes.h"
#include "texto/config/TravaConfig.h"

using FormatoConfig::EmBranco;
using FormatoConfig::NomeChave;

namespace {

const QString kConfig = QStringLiteral("Config");

QString Falha(const QString& operacao, const QString& arquivo, const QString& motivo) {
    return QStringLiteral("Não foi possível %1 o arquivo \"%2\": %3")
        .arg(operacao, QDir::toNativeSeparators(arquivo), motivo);
}

EInOutError FalhaAoGravar(const QString& arquivo, const QString& motivo) {
    return EInOutError(Falha(QStringLiteral("gravar"), arquivo, motivo));
}

// The read-only attribute of Windows holds for every user; its equivalent here is a file
// without write permission for its owner, which the rename of a save would otherwise bypass.
bool SomenteLeitura(const QFileInfo& info) {
    return !info.isWritable() || !info.permissions().testFlag(QFileDevice::WriteOwner);
}

// What /proc/self/exe names for a program file that was deleted or replaced while running.
constexpr QLatin1StringView kApagado(" (deleted)");

QString CaminhoDoPrograma() {
    char caminho[PATH_MAX];
    const ssize_t tamanho = ::readlink("/proc/self/exe", caminho, sizeof caminho);
    if (tamanho <= 0 || tamanho == ssize_t(sizeof caminho))
        return {};
    QString programa = QFile::decodeName(QByteArray(caminho, tamanho));
    if (programa.endsWith(kApagado) && !QFileInfo::exists(programa))
        programa.chop(kApagado.size());
    return programa;
}

struct TDocumentoLido {
    TLinhasConfig linhas;
    TCodificacao codificacao;
};

// The document the file holds, with the stray mark dropped, and the encoding it was read in;
// nothing when the file does not exist.
std::optional<TDocumentoLido> LerDocumento(const QString& caminho,
                                           std::optional<TCodificacao> pedida) {
    QFile arquivo(caminho);
    if (!arquivo.exists())
        return std::nullopt;
    if (!arquivo.open(QIODevice::ReadOnly))
        throw EInOutError(Falha(QStringLiteral("ler"), caminho, arquivo.errorString()));
    const QByteArray bytes = arquivo.readAll();
    if (arquivo.error() != QFileDevice::NoError)
        throw EInOutError(Falha(QStringLiteral("ler"), caminho, arquivo.errorString()));
    auto carga = DecodificacoesRecentes::Decodificar(bytes, pedida);
    TDocumentoLido lido{TLinhasConfig(carga), carga->codificacao};
    lido.linhas.RemoverMarcaSolta();
    return lido;
}

}  // namespace

TmConfig::TmConfig(const QString& Arquivo, bool CarregarArquivoExistenteParaUpdate)
    : arquivo_(Arquivo), carregado_(CarregarArquivoExistenteParaUpdate) {
    if (carregado_)
        Carregar();
}

TmConfig::TmConfig(const QString& Arquivo, TCodificacao Encoding)
    : arquivo_(Arquivo), pedida_(Encoding), carregado_(true) {
    Carregar();
}

TmConfig::TmConfig(const QStringList& aLista) : linhas_(aLista) {
    linhas_.RemoverMarcaSolta();
    totalLinhas_ = int(linhas_.Total());
}

TmConfig::~TmConfig() {
    if (!modificado_)
        return;
    try {
        Salvar();
    } catch (...) {
        // A settings object freed after a change must not fail its caller; the change is lost.
    }
}

void TmConfig::Carregar() {
    const TTravaConfig trava(arquivo_, TTravaConfig::Modo::Leitura);
    std::optional<TDocumentoLido> lido = LerDocumento(arquivo_, pedida_);
    if (!lido)
        return;
    linhas_ = std::move(lido->linhas);
    codificacao_ = lido->codificacao;
    totalLinhas_ = int(linhas_.Total());
}

void TmConfig::Mesclar() {
    std::optional<TDocumentoLido> lido = LerDocumento(arquivo_, pedida_);
    linhas_ = lido ? std::move(lido->linhas) : TLinhasConfig();
    codificacao_ = lido ? lido->codificacao : TCodificacao::Ansi;
    for (const TAlteracao& alteracao : alteracoes_)
        Aplicar(linhas_, alteracao);
}

void TmConfig::Salvar() {
    const TTravaConfig trava(arquivo_, TTravaConfig::Modo::Escrita);
    if (carregado_)
        Mesclar();
    Gravar(arquivo_);
    alteracoes_.clear();
}

void TmConfig::Gravar(const QString& destino) const {
    if (destino.isEmpty())
        throw FalhaAoGravar(destino, QStringLiteral("nenhum nome de arquivo"));
    const QFileInfo info(destino);
    if (info.exists() && SomenteLeitura(info))
        throw FalhaAoGravar(destino, QStringLiteral("o arquivo é somente leitura"));
    if (QString motivo; !ArquivoInteiro::Gravar(destino, linhas_.Codificar(codificacao_), motivo))
        throw FalhaAoGravar(destino, motivo);
}

void TmConfig::Flush() {
    if (!modificado_)
        return;
    Salvar();
    modificado_ = false;
}

void TmConfig::SaveCopyTo(const QString& NomeArquivo) const {
    Gravar(NomeArquivo);
}

QString TmConfig::GetFileNameDefault() {
    const QFileInfo programa(CaminhoDoPrograma());
    if (programa.fileName().isEmpty())
        return {};
    return programa.path() + QLatin1Char('/') + programa.completeBaseName() +
           QStringLiteral(".ini");
}

// ---- reading ----

QString TmConfig::ReadString(const QString& Secao, const QString& Item,
                             const QString& Padrao) const {
    const qsizetype k = linhas_.IndiceChave(Secao, Item);
    return k < 0 ? Padrao : FormatoConfig::ValorChave(linhas_.Linha(k)).toString();
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

bool TmConfig::Aplicar(TLinhasConfig& linhas, const TAlteracao& alteracao) {
    const auto& [tipo, secao, item, valor] = alteracao;
    switch (tipo) {
        case TAlteracao::Tipo::Escrever:
            if (const qsizetype k = linhas.IndiceChave(secao, item); k >= 0) {
                if (valor.isEmpty())
                    linhas.Remover(k);
                else
                    linhas.Substituir(k, NomeChave(linhas.Linha(k)).toString() + u'=' + valor);
            } else if (const qsizetype p = linhas.PosicaoInsercao(secao); p >= 0) {
                linhas.Inserir(p, item + u'=' + valor);
            } else {
                if (linhas.Total() > 0 && !EmBranco(linhas.Linha(linhas.Total() - 1)))
                    linhas.Acrescentar(QString());
                linhas.Acrescentar(u'[' + secao + u']');
                linhas.Acrescentar(item + u'=' + valor);
            }
            return true;
        case TAlteracao::Tipo::ExcluirChave:
            if (const qsizetype k = linhas.IndiceChave(secao, item); k >= 0) {
                linhas.Remover(k);
                return true;
            }
            return false;
        case TAlteracao::Tipo::ApagarSecao:
            if (const qsizetype h = linhas.IndiceSecao(secao); h >= 0) {
                linhas.Remover(h, linhas.FimDoBloco(h) - h);
                return true;
            }
            return false;
        case TAlteracao::Tipo::AcrescentarLinha:
            linhas.Acrescentar(valor);
            return true;
    }
    return false;
}

bool TmConfig::Alterar(TAlteracao alteracao) {
    if (!Aplicar(linhas_, alteracao))
        return false;
    if (carregado_)
        alteracoes_.append(std::move(alteracao));
    return true;
}

void TmConfig::WriteString(const QString& Secao, const QString& Item, const QString& Valor) {
    Alterar({TAlteracao::Tipo::Escrever, Secao, Item, Valor});
    modificado_ = true;
}

void TmConfig::WriteLinha(const QString& Valor) {
    Alterar({TAlteracao::Tipo::AcrescentarLinha, {}, {}, Valor});
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
    return linhas_.IndiceSecao(Secao) >= 0;
}

void TmConfig::ReadSections(QStringList& Saida) const {
    Saida.clear();
    for (qsizetype i = 0; i < linhas_.Total(); ++i)
        if (auto nome = FormatoConfig::SecaoListada(linhas_.Linha(i)))
            Saida.append(*nome);
}

void TmConfig::ReadSection(const QString& Secao, QStringList& Saida) const {
    Saida.clear();
    const qsizetype h = linhas_.IndiceSecao(Secao);
    if (h < 0)
        return;
    for (qsizetype i = h + 1, fim = linhas_.FimDoBloco(h); i < fim; ++i)
        if (const QStringView nome = NomeChave(linhas_.Linha(i)); !nome.isEmpty())
            Saida.append(nome.toString());
}

void TmConfig::ReadSectionValues(const QString& Secao, QStringList& Saida) const {
    Saida.clear();
    const qsizetype h = linhas_.IndiceSecao(Secao);
    if (h < 0)
        return;
    for (qsizetype i = h + 1, fim = linhas_.FimDoBloco(h); i < fim; ++i)
        if (!linhas_.Linha(i).isEmpty())
            Saida.append(linhas_.Linha(i).toString());
}

int TmConfig::GetSectionItemCount(const QString& Secao) const {
    QStringList nomes;
    ReadSection(Secao, nomes);
    return int(nomes.size());
}

void TmConfig::EraseSection(const QString& Secao) {
    if (Alterar({TAlteracao::Tipo::ApagarSecao, Secao, {}, {}}))
        modificado_ = true;
}

void TmConfig::DeleteKey(const QString& Secao, const QString& Item) {
    if (Alterar({TAlteracao::Tipo::ExcluirChave, Secao, Item, {}}))
        modificado_ = true;
}
