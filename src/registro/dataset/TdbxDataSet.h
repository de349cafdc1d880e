#pragma once
// TdbxDataSet: a query over a Qt SQL connection (PostgreSQL or SQLite) with a forgiving Select,
// an optional SQL log, a wait window while a query opens, timing, readable error details, the
// recognition of the server failures that end the program, and typed accessors by field name.
//
// The rows of an open query stay with the client (the driver's cache: every row is fetched at
// once), so the dataset moves both ways. The setters change that local copy of the current row
// only; nothing goes back to the server. Field names are matched ignoring case.
//
// Select, ExecuteSQL and BuscaCampo report through their answer and MensagemErro; callers turn a
// failure into an error with RaiseException or show MsgErroDetalhado. The accessors without
// "Def" raise EDataSetErro for a field the query does not have.
//
// Recognised failures of Select, by the server's SQLSTATE where it gives one and otherwise by the
// text of the error:
//   a cancel the user asked for (57014, "canceling statement due to user request"): a warning,
//     CanceladoUser set;
//   a missing system table (42P01 naming sistema.tb_sys_parametro or sistema.tb_sys_login): a
//     one-second notice, the connection closed and, with FecharSistema, the program asked to end;
//   a server shutting down or gone (57P01 to 57P03, class 08; without a SQLSTATE a text holding
//     "SHUTDOWN"): the same with its own notice. An error that carries a SQLSTATE of another
//     kind never counts as one, whatever its text echoes (a unique violation on «SHUTDOWN»);
//   a network failure to the host ("Unable to complete network request to host") is raised again.
// An error with an empty text is raised again; every other error is absorbed (Select answers
// false).
//
// All operations run on the thread that owns the connection (Qt SQL's rule).

#include <QHash>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <stdexcept>

#include "base/Currency.h"
#include "base/TDateTime.h"
#include "base/Variante.h"
#include "registro/ExportacaoRegistro.h"

// The dataset's own error: a field that does not exist, a setter with no current row, and what
// RaiseException raises.
class ORVANE_REGISTRO_EXPORT EDataSetErro : public std::runtime_error {
public:
    explicit EDataSetErro(const QString& mensagem)
        : std::runtime_error(mensagem.toStdString()), mensagem_(mensagem) {}
    const QString& Mensagem() const { return mensagem_; }

private:
    QString mensagem_;
};

// The SQL log file's path; empty means no logging. Meant for the window thread.
ORVANE_REGISTRO_EXPORT extern QString ArquivoLogSQL;

namespace dbxDataSet {
// The text Select runs: trimmed; one that begins, ignoring case, with "SHOW", "INSERT" or
// "UPDATE" unchanged; any other loses a leading "SELECT" (any case) and gets "select " in front.
ORVANE_REGISTRO_EXPORT QString NormalizaSelect(QStringView CodigoSQL);
// BuscaCampo's form: a leading "SELECT" dropped and "select " put in front, whatever follows.
ORVANE_REGISTRO_EXPORT QString NormalizaBusca(QStringView SQL);
// The log file's lines after one more query: the last 1000 of linhas, the header
// "------- DD/MM/YY HH:NN:SS <LogMsg> " + 80 "-", and the SQL with repeated blanks reduced.
ORVANE_REGISTRO_EXPORT QStringList LinhasLogSQL(QStringList linhas, const QString& sql,
                                                const QString& LogMsg);
}  // namespace dbxDataSet

class ORVANE_REGISTRO_EXPORT TdbxDataSet : public QObject {
public:
    explicit TdbxDataSet(QObject* AOwner = nullptr);
    // abIgnoraParams: the SQL text is sent as it is, never scanned for ":name" parameters
    // (Qt SQL never binds parameters in a text run directly, so it holds either way).
    TdbxDataSet(QObject* AOwner, const QSqlDatabase& aoConexao, bool abIgnoraParams = false);

    bool LogSQL = false;
    bool MostraJanela = false;
    QString MensagemAguardar = QStringLiteral("Aguarde um momento...");
    QString isLastSql;
    QString MensagemErro;
    double Tempo = 0;
    bool CanceladoUser = false;
    int PacketRecords = -1;  // every row at once (the only way here)

    QSqlDatabase& Conexao() { return conexao_; }
    void SetConexao(const QSqlDatabase& aoConexao) { conexao_ = aoConexao; }

    // True when the query opened and stands on a row.
    bool Select(const QString& CodigoSQL, bool FecharSistema = false,
                const QString& LogMsg = QString());
    bool SelectLog(const QString& CodigoSQL, const QString& LogMsg);
    // Runs the statement directly on the connection.
    bool ExecuteSQL(const QString& asSQL);
    // Runs the statements in order, stopping at the first that fails.
    bool ExecuteSQL(const QStringList& aaSQL);
    // The first column of the first row as text, or Padrao; the dataset is closed afterwards.
    QString BuscaCampo(const QString& SQL, const QString& Padrao);

    // "Erro: <MensagemErro>. SQL: "<isLastSql>". Tempo(Seg): <Tempo>"; "" without an error.
    QString MsgErroDetalhado() const;
    // With an error, raises EDataSetErro: asPrefixo and a CR (when given), then the details.
    void RaiseException(const QString& asPrefixo = QString()) const;

    // Navigation over the rows of the open query.
    bool Active() const { return ativo_; }
    void Close();
    bool First();
    bool Next();
    bool Prior();
    bool Last();
    bool Eof() const;
    bool Bof() const;
    bool IsEmpty() const;
    int RecordCount() const;
    int FieldCount() const { return int(nomes_.size()); }
    QString FieldName(int indice) const { return nomes_.value(indice); }

    bool IsNull(const QString& campo) const;
    bool IsNotNull(const QString& campo) const { return !IsNull(campo); }
    // The field's value (Null included) on the current row.
    Variante Valor(const QString& campo) const;

    QString Campo(const QString& campo) const;
    QByteArray CampoAnsi(const QString& campo) const;
    QString CampoDef(const QString& asCampo, const QString& asDefault) const;
    QString CampoTrim(const QString& campo) const;
    QString CampoUpper(const QString& campo) const;
    QString CampoQuoted(const QString& campo) const;
    QString CampoBarra(const QString& campo) const;
    bool CampoS(const QString& campo) const;
    bool CampoVazio(const QString& campo) const;
    QString CampoEsq(const QString& campo, int Tamanho, QChar Letra = u' ') const;
    QString CampoDir(const QString& campo, int Tamanho, QChar Letra = u' ') const;
    QString CampoCentro(const QString& campo, int Tamanho, QChar Letra = u' ') const;
    QString CampoCopy(const QString& Campo, int aiInicial, int aiTamanho) const;
    QString CampoValor(const QString& campo, const QString& Mascara) const;
    QString CampoValorDir(const QString& campo, int Tamanho, QChar Letra,
                          const QString& Mascara) const;
    QString FormataPonto(const QString& campo, int Tamanho) const;

    // Null reads as 0 (false, the empty date).
    double GetFloat(const QString& campo) const;
    double GetValor(const QString& campo) const { return GetFloat(campo); }
    TDateTime GetDate(const QString& campo) const;
    bool GetBool(const QString& campo) const;
    Currency GetCurrency(const QString& campo) const;
    double GetValorArredonda(const QString& asCampo, int aiCasasDecimais) const;
    QString GetFloatAnsi(const QString& campo) const;
    QString GetCurrencyStr(const QString& campo) const;
    Currency GetCurrencyDef(const QString& campo, Currency def) const;
    // The text as a 64-bit integer held in 32 bits: beyond them it saturates at the nearer end.
    int GetInteger(const QString& campo, int Default = 0) const;
    int GetIntegerDef(const QString& campo, int Default) const;
    double GetFloatDef(const QString& campo, double Default) const;
    TDateTime GetDateDef(const QString& campo, TDateTime Default) const;
    QString GetDataStr(const QString& campo, const QString& Formato) const;
    QString GetDataAnsi(const QString& Campo, const QString& Formato, bool Quotes) const;

    void SetString(const QString& Campo, const QString& Valor);
    void SetInteger(const QString& Campo, int Valor);
    void SetFloat(const QString& Campo, double Valor);
    void SetDate(const QString& Campo, TDateTime Valor);
    // "S" when Valor is "S" (upper case only), otherwise "N".
    void SetBool(const QString& Campo, QChar Valor);

private:
    enum class Falha { Nenhuma, Cancelada, FaltaTabela, ServidorFora, Rede };
    static Falha Reconhecer(const QString& sqlState, const QString& texto);
    void TratarFalha(const QString& sqlState, bool FecharSistema);
    bool Abrir(const QString& sql, QString& sqlState);
    void GravarLog(const QString& sql, const QString& LogMsg) const;
    void Finalizar(const QString& aviso, bool FecharSistema);
    int Indice(const QString& campo) const;  // -1 when missing
    int IndiceObrigatorio(const QString& campo) const;
    Variante ValorEm(int indice) const;
    void Gravar(const QString& campo, const Variante& valor);

    QSqlDatabase conexao_;
    // Mutable: counting rows without the driver's help walks the cursor and puts it back.
    mutable QSqlQuery consulta_;
    bool ativo_ = false;
    QStringList nomes_;
    // Values set on rows of the local copy: row, then field index.
    QHash<int, QHash<int, Variante>> alterados_;
};
