#include "registro/dataset/TdbxDataSet.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include <QCoreApplication>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>
#include <limits>

#include "base/ArquivoInteiro.h"
#include "base/CodePage.h"
#include "base/FormatoDataHora.h"
#include "base/Relogio.h"
#include "base/RtlNumeros.h"
#include "base/internal/Texto.h"
#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/mMensagem.h"
#include "sistema/arredondamento/TmConvArredonda.h"
#include "sistema/formatacao/TmStrPreenche.h"
#include "texto/conversao/TmConv.h"
#include "texto/conversao/TmStrNumeros.h"
#include "texto/separacao/TmStrSepara.h"

using TextoInterno::Aparar;
using TextoInterno::Aspas;

QString ArquivoLogSQL;

namespace {

constexpr int kMaxLinhasLog = 1000;
const QString kFormatoMoeda = QStringLiteral("#,##0.00");

bool ComecaCom(QStringView texto, QStringView inicio) {
    return texto.startsWith(inicio, Qt::CaseInsensitive);
}

// The log's own encoding: the one it was read in (UTF-8 or Windows-1252), Windows-1252 when new.
QByteArray CodificarLog(const QString& texto, bool utf8) {
    return utf8 ? texto.toUtf8() : CodePage::ParaAnsi(texto);
}

}  // namespace

namespace dbxDataSet {

QString NormalizaBusca(QStringView SQL) {
    return QStringLiteral("select ").append(ComecaCom(SQL, u"SELECT") ? SQL.mid(6) : SQL);
}

QString NormalizaSelect(QStringView CodigoSQL) {
    const QStringView sql = Aparar(CodigoSQL);
    for (QStringView comando : {u"SHOW", u"INSERT", u"UPDATE"})
        if (ComecaCom(sql, comando))
            return sql.toString();
    return NormalizaBusca(sql);
}

QStringList LinhasLogSQL(QStringList linhas, const QString& sql, const QString& LogMsg) {
    if (linhas.size() > kMaxLinhasLog)
        linhas.remove(0, linhas.size() - kMaxLinhasLog);
    linhas << QStringLiteral("------- ") +
                  Rtl::FormatDateTime(u"dd/mm/yy hh:nn:ss", Relogio::Agora()) + u' ' + LogMsg +
                  u' ' + QString(80, u'-')
           << TmStr::RemoveEspacosDuplos(sql);
    return linhas;
}

}  // namespace dbxDataSet

TdbxDataSet::TdbxDataSet(QObject* AOwner) : QObject(AOwner) {}

TdbxDataSet::TdbxDataSet(QObject* AOwner, const QSqlDatabase& aoConexao, bool)
    : QObject(AOwner), conexao_(aoConexao) {}

// --- Select and its failures ---------------------------------------------------------------

bool TdbxDataSet::Select(const QString& CodigoSQL, bool FecharSistema, const QString& LogMsg) {
    Close();
    CanceladoUser = false;
    const QString sql = dbxDataSet::NormalizaSelect(CodigoSQL);
    if (MostraJanela) {
        Aguarde::MostraAguarde(MensagemAguardar,
                               QStringLiteral("Processando pesquisa no servidor..."));
        QCoreApplication::processEvents();
    }
    // The wait window goes on every way out, an error raised again included.
    const auto fechar = qScopeGuard([this] {
        if (MostraJanela)
            Aguarde::FechaAguarde();
    });
    if (LogSQL && !ArquivoLogSQL.isEmpty())
        GravarLog(sql, LogMsg);
    QString sqlState;
    if (Abrir(sql, sqlState))
        return !Eof();
    TratarFalha(sqlState, FecharSistema);
    return false;
}

bool TdbxDataSet::SelectLog(const QString& CodigoSQL, const QString& LogMsg) {
    return Select(CodigoSQL, false, LogMsg);
}

// Opens the query on its first row; on failure MensagemErro and sqlState hold the error.
bool TdbxDataSet::Abrir(const QString& sql, QString& sqlState) {
    MensagemErro.clear();
    isLastSql = sql;
    const quint32 inicio = Relogio::TickCount();
    consulta_ = QSqlQuery(conexao_);
    const bool ok = consulta_.exec(sql);
    Tempo = (Relogio::TickCount() - inicio) / 1000.0;
    if (!ok) {
        const QSqlError erro = consulta_.lastError();
        MensagemErro = erro.text().trimmed();
        sqlState = erro.nativeErrorCode();
        consulta_ = QSqlQuery();
        return false;
    }
    if (!consulta_.isSelect())  // a statement without rows leaves nothing open
        return true;
    ativo_ = true;
    const QSqlRecord registro = consulta_.record();
    for (int i = 0; i < registro.count(); ++i)
        nomes_ << registro.fieldName(i);
    consulta_.first();
    return true;
}

TdbxDataSet::Falha TdbxDataSet::Reconhecer(const QString& sqlState, const QString& texto) {
    const QString maiusculo = texto.toUpper();
    const bool tabelaDoSistema = maiusculo.contains(u"\"SISTEMA.TB_SYS_PARAMETRO\"") ||
                                 maiusculo.contains(u"\"SISTEMA.TB_SYS_LOGIN\"");
    if (!sqlState.isEmpty()) {
        // 57014 is also a statement or lock time-out; only those name one, in every language.
        if (sqlState == u"57014" && !texto.contains(u"timeout", Qt::CaseInsensitive))
            return Falha::Cancelada;
        if (sqlState == u"42P01" && tabelaDoSistema)
            return Falha::FaltaTabela;
        if (sqlState == u"57P01" || sqlState == u"57P02" || sqlState == u"57P03" ||
            sqlState.startsWith(u"08"))
            return Falha::ServidorFora;
    }
    // Servers and drivers that give no SQLSTATE (and a message in English) are known by text.
    if (texto.contains(u"canceling statement due to user request"))
        return Falha::Cancelada;
    if (maiusculo.contains(u"RELATION \"SISTEMA.TB_SYS_PARAMETRO\" DOES NOT EXIST") ||
        maiusculo.contains(u"RELATION \"SISTEMA.TB_SYS_LOGIN\" DOES NOT EXIST"))
        return Falha::FaltaTabela;
    if (sqlState.isEmpty() && maiusculo.contains(u"SHUTDOWN"))
        return Falha::ServidorFora;
    if (texto.contains(u"Unable to complete network request to host"))
        return Falha::Rede;
    return Falha::Nenhuma;
}

void TdbxDataSet::TratarFalha(const QString& sqlState, bool FecharSistema) {
    switch (Reconhecer(sqlState, MensagemErro)) {
        case Falha::Cancelada:
            CanceladoUser = true;
            TmDlg::Alerta(QStringLiteral("Operação cancelada pelo usuário"), true);
            break;
        case Falha::FaltaTabela:
            Finalizar(
                QStringLiteral("Faltam tabelas necessárias para o funcionamento do sistema, o "
                               "sistema será finalizado!"),
                FecharSistema);
            break;
        case Falha::ServidorFora:
            Finalizar(QStringLiteral("Base em manutenção, o sistema será finalizado!"),
                      FecharSistema);
            break;
        case Falha::Rede:
            throw EDataSetErro(MensagemErro);
        case Falha::Nenhuma:
            break;
    }
    Close();
    if (MensagemErro.isEmpty())
        throw EDataSetErro(MensagemErro);
}

void TdbxDataSet::Finalizar(const QString& aviso, bool FecharSistema) {
    TmDlg::ConfirmaTimer(QString(), aviso, 1);
    conexao_.close();
    if (FecharSistema)
        QCoreApplication::quit();
}

void TdbxDataSet::GravarLog(const QString& sql, const QString& LogMsg) const {
    // A link planted at the log's name is never read or written through (its target could be
    // any file this program may read or write): the link goes and the log starts afresh. The
    // rewrite helper itself writes to a link's target.
    QByteArray bytes;
    const QByteArray nome = QFile::encodeName(ArquivoLogSQL);
    const int fd = ::open(nome.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    QFile arquivo;
    if (fd >= 0 && arquivo.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        bytes = arquivo.readAll();
    else if (fd >= 0)
        ::close(fd);
    else if (errno == ELOOP)
        ::unlink(nome.constData());
    QStringList linhas;
    if (!bytes.isEmpty()) {
        linhas = CodePage::DeArquivo(bytes).split(u'\n');
        if (linhas.last().isEmpty())  // the line end of the last line
            linhas.removeLast();
        for (QString& linha : linhas)
            if (linha.endsWith(u'\r'))
                linha.chop(1);
    }
    const QString texto =
        dbxDataSet::LinhasLogSQL(linhas, sql, LogMsg).join(u"\r\n") + QStringLiteral("\r\n");
    QString motivo;
    // A log that cannot be written never stops the query it records.
    ArquivoInteiro::Gravar(ArquivoLogSQL, CodificarLog(texto, CodePage::SemMarcaEmUtf8(bytes)),
                           motivo);
}

// --- Direct execution ----------------------------------------------------------------------

bool TdbxDataSet::ExecuteSQL(const QString& asSQL) {
    isLastSql = asSQL;
    MensagemErro.clear();
    const quint32 inicio = Relogio::TickCount();
    QSqlQuery direta(conexao_);
    const bool ok = direta.exec(asSQL);
    Tempo = (Relogio::TickCount() - inicio) / 1000.0;
    if (!ok)
        MensagemErro = direta.lastError().text().trimmed();
    return ok;
}

bool TdbxDataSet::ExecuteSQL(const QStringList& aaSQL) {
    return std::all_of(aaSQL.begin(), aaSQL.end(),
                       [this](const QString& sql) { return ExecuteSQL(sql); });
}

QString TdbxDataSet::BuscaCampo(const QString& SQL, const QString& Padrao) {
    Close();
    QString sqlState;
    QString resposta = Padrao;
    if (Abrir(dbxDataSet::NormalizaBusca(Aparar(SQL)), sqlState) && !Eof() && FieldCount() > 0)
        resposta = ValorEm(0).ToString();
    Close();
    return resposta;
}

QString TdbxDataSet::MsgErroDetalhado() const {
    if (MensagemErro.isEmpty())
        return QString();
    return QStringLiteral("Erro: ") + MensagemErro + QStringLiteral(". SQL: \"") + isLastSql +
           QStringLiteral("\". Tempo(Seg): ") + TmStr::Formata(Tempo, u"#,##0.0##", false);
}

void TdbxDataSet::RaiseException(const QString& asPrefixo) const {
    if (MensagemErro.isEmpty())
        return;
    throw EDataSetErro((asPrefixo.isEmpty() ? QString() : asPrefixo + u'\r') + MsgErroDetalhado());
}

// --- Navigation ----------------------------------------------------------------------------

void TdbxDataSet::Close() {
    consulta_ = QSqlQuery();
    ativo_ = false;
    nomes_.clear();
    alterados_.clear();
}

bool TdbxDataSet::First() {
    return ativo_ && consulta_.first();
}

bool TdbxDataSet::Next() {
    return ativo_ && consulta_.next();
}

bool TdbxDataSet::Prior() {
    return ativo_ && consulta_.at() > 0 && consulta_.previous();
}

bool TdbxDataSet::Last() {
    return ativo_ && consulta_.last();
}

bool TdbxDataSet::Eof() const {
    return !ativo_ || !consulta_.isValid();
}

bool TdbxDataSet::Bof() const {
    return !ativo_ || consulta_.at() <= 0;
}

bool TdbxDataSet::IsEmpty() const {
    return RecordCount() == 0;
}

int TdbxDataSet::RecordCount() const {
    if (!ativo_)
        return 0;
    if (conexao_.driver()->hasFeature(QSqlDriver::QuerySize))
        return consulta_.size();
    // SQLite does not tell: go to the last row and back to where the cursor stood.
    const int posicao = consulta_.at();
    const int total = consulta_.last() ? consulta_.at() + 1 : 0;
    if (posicao == QSql::AfterLastRow)
        consulta_.next();  // from the last row, past the end again
    else
        consulta_.seek(posicao);  // a row, or before the first (a negative index)
    return total;
}

// --- Fields --------------------------------------------------------------------------------

int TdbxDataSet::Indice(const QString& campo) const {
    // Callers nearly always spell the name as the query does: the exact match is the cheap one.
    if (const qsizetype exato = nomes_.indexOf(campo); exato >= 0)
        return int(exato);
    for (int i = 0; i < nomes_.size(); ++i)
        if (nomes_.at(i).compare(campo, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TdbxDataSet::IndiceObrigatorio(const QString& campo) const {
    const int indice = Indice(campo);
    if (indice < 0)
        throw EDataSetErro(QStringLiteral("Field '") + campo + QStringLiteral("' not found"));
    return indice;
}

Variante TdbxDataSet::ValorEm(int indice) const {
    if (!alterados_.isEmpty()) {
        const auto linha = alterados_.constFind(consulta_.at());
        if (linha != alterados_.cend() && linha->contains(indice))
            return linha->value(indice);
    }
    // Null is the query's word (QSqlQuery::isNull), never an empty text. The PostgreSQL and
    // SQLite drivers hand a null field over as a null QVariant, so only such a value is asked
    // about: a field read costs one call to the driver, not two.
    const QVariant bruto = consulta_.value(indice);
    if (bruto.isNull() && consulta_.isNull(indice))
        return Variante();
    return Variante::DeQVariant(bruto);
}

Variante TdbxDataSet::Valor(const QString& campo) const {
    return ValorEm(IndiceObrigatorio(campo));
}

bool TdbxDataSet::IsNull(const QString& campo) const {
    return Valor(campo).IsNull();
}

QString TdbxDataSet::Campo(const QString& campo) const {
    return Valor(campo).ToString();
}

QByteArray TdbxDataSet::CampoAnsi(const QString& campo) const {
    return CodePage::ParaAnsi(Campo(campo));
}

QString TdbxDataSet::CampoDef(const QString& asCampo, const QString& asDefault) const {
    const int indice = Indice(asCampo);
    return indice < 0 ? asDefault : ValorEm(indice).ToString();
}

QString TdbxDataSet::CampoTrim(const QString& campo) const {
    return Aparar(Campo(campo)).toString();
}

QString TdbxDataSet::CampoUpper(const QString& campo) const {
    return Campo(campo).toUpper();
}

QString TdbxDataSet::CampoQuoted(const QString& campo) const {
    return Aspas(Campo(campo));
}

QString TdbxDataSet::CampoBarra(const QString& campo) const {
    const QString texto = CampoTrim(campo);
    return texto.endsWith(u'/') ? texto : texto + u'/';
}

bool TdbxDataSet::CampoS(const QString& campo) const {
    return CampoUpper(campo) == u"S";
}

bool TdbxDataSet::CampoVazio(const QString& campo) const {
    return CampoTrim(campo).isEmpty();
}

QString TdbxDataSet::CampoEsq(const QString& campo, int Tamanho, QChar Letra) const {
    return TmStr::PadLeft(CampoTrim(campo), Tamanho, Letra, true);
}

QString TdbxDataSet::CampoDir(const QString& campo, int Tamanho, QChar Letra) const {
    return TmStr::PadRight(CampoTrim(campo), Tamanho, Letra, true);
}

QString TdbxDataSet::CampoCentro(const QString& campo, int Tamanho, QChar Letra) const {
    return TmStr::PadCenter(CampoTrim(campo), Tamanho, Letra);
}

QString TdbxDataSet::CampoCopy(const QString& Campo, int aiInicial, int aiTamanho) const {
    const QString texto = this->Campo(Campo);
    return TextoInterno::Copy(texto, aiInicial, aiTamanho <= 0 ? texto.size() : aiTamanho);
}

QString TdbxDataSet::CampoValor(const QString& campo, const QString& Mascara) const {
    return TmStr::Formata(GetFloat(campo), Mascara, false);
}

QString TdbxDataSet::CampoValorDir(const QString& campo, int Tamanho, QChar Letra,
                                   const QString& Mascara) const {
    return TmStr::PadRight(GetFloat(campo), Tamanho, Letra, Mascara, true);
}

QString TdbxDataSet::FormataPonto(const QString& campo, int Tamanho) const {
    return TmStr::FormataPonto(GetCurrency(campo).ToDouble(), Tamanho, false, kFormatoMoeda, false,
                               false, false);
}

double TdbxDataSet::GetFloat(const QString& campo) const {
    const Variante valor = Valor(campo);
    return valor.IsNull() ? 0 : valor.ToDouble();
}

TDateTime TdbxDataSet::GetDate(const QString& campo) const {
    const Variante valor = Valor(campo);
    return valor.IsNull() ? TDateTime{} : valor.ToDateTime();
}

bool TdbxDataSet::GetBool(const QString& campo) const {
    const Variante valor = Valor(campo);
    return !valor.IsNull() && valor.ToBool();
}

Currency TdbxDataSet::GetCurrency(const QString& campo) const {
    const Variante valor = Valor(campo);
    if (valor.TipoValor() == Variante::Tipo::Texto)
        return TmConv::Str2Curr(valor.ToString());
    return valor.IsNull() ? Currency{} : Currency::FromDouble(valor.ToDouble());
}

double TdbxDataSet::GetValorArredonda(const QString& asCampo, int aiCasasDecimais) const {
    return TmConv::Arredonda(GetFloat(asCampo), aiCasasDecimais);
}

QString TdbxDataSet::GetFloatAnsi(const QString& campo) const {
    return TmConv::FloatToAnsi(GetFloat(campo));
}

QString TdbxDataSet::GetCurrencyStr(const QString& campo) const {
    return TmStr::Formata(GetCurrency(campo), kFormatoMoeda, false);
}

Currency TdbxDataSet::GetCurrencyDef(const QString& campo, Currency def) const {
    return Rtl::TryStrToCurr(Campo(campo)).value_or(def);
}

int TdbxDataSet::GetInteger(const QString& campo, int Default) const {
    constexpr std::int64_t menor = std::numeric_limits<int>::min();
    constexpr std::int64_t maior = std::numeric_limits<int>::max();
    const Variante valor = Valor(campo);
    // An integer column skips the text: as a double it is exact within 32 bits and stays on the
    // right side of either end beyond them.
    if (valor.TipoValor() == Variante::Tipo::Inteiro)
        return int(std::clamp<double>(valor.ToDouble(), menor, maior));
    const std::optional<std::int64_t> lido = Rtl::TryStrToInt64(Aparar(valor.ToString()));
    return lido ? int(std::clamp(*lido, menor, maior)) : Default;
}

int TdbxDataSet::GetIntegerDef(const QString& campo, int Default) const {
    return Indice(campo) < 0 ? Default : GetInteger(campo, Default);
}

double TdbxDataSet::GetFloatDef(const QString& campo, double Default) const {
    return Indice(campo) < 0 ? Default : GetFloat(campo);
}

TDateTime TdbxDataSet::GetDateDef(const QString& campo, TDateTime Default) const {
    return Indice(campo) < 0 ? Default : GetDate(campo);
}

QString TdbxDataSet::GetDataStr(const QString& campo, const QString& Formato) const {
    return Rtl::FormatDateTime(Formato, GetDate(campo));
}

QString TdbxDataSet::GetDataAnsi(const QString& Campo, const QString& Formato, bool Quotes) const {
    const QString data = GetDataStr(Campo, Formato);
    return Quotes ? Aspas(data) : data;
}

void TdbxDataSet::Gravar(const QString& campo, const Variante& valor) {
    const int indice = IndiceObrigatorio(campo);
    if (!consulta_.isValid())
        throw EDataSetErro(QStringLiteral("Dataset not in edit or insert mode"));
    alterados_[consulta_.at()].insert(indice, valor);
}

void TdbxDataSet::SetString(const QString& Campo, const QString& Valor) {
    Gravar(Campo, Valor);
}

void TdbxDataSet::SetInteger(const QString& Campo, int Valor) {
    Gravar(Campo, Valor);
}

void TdbxDataSet::SetFloat(const QString& Campo, double Valor) {
    Gravar(Campo, Valor);
}

void TdbxDataSet::SetDate(const QString& Campo, TDateTime Valor) {
    Gravar(Campo, Variante::DeDataHora(Valor));
}

void TdbxDataSet::SetBool(const QString& Campo, QChar Valor) {
    Gravar(Campo, Valor == u'S' ? QStringLiteral("S") : QStringLiteral("N"));
}
