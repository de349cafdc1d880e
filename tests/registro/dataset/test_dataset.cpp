// TdbxDataSet against SQLite and against a real PostgreSQL server on loopback (see
// CMakeLists.txt for how the server is found or started).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <atomic>
#include <memory>
#include <thread>

#include "base/Relogio.h"
#include "dialogos/mensagens/Aguarde.h"
#include "dialogos/mensagens/mMensagem.h"
#include "registro/dataset/TdbxDataSet.h"

namespace {

// Records the dialogs instead of showing them, as a user that reads and closes each.
class DialogosGravados : public TDialogosBackEnd {
public:
    QStringList mensagens;
    bool Executar(const TParametrosDialogo& dialogo) override {
        mensagens << dialogo.Mensagem;
        return true;
    }
    void SetTaskbarEstado(int) override {}
    void TocarSom(TMsgDlgType) override {}
    void Focar(QObject*) override {}
};

// Records the wait window's life.
class AguardeGravado : public TAguardeBackEnd {
public:
    QStringList eventos;
    void Mostrar(const TParametrosAguarde& p) override {
        eventos << QStringLiteral("mostra ") + p.Mensagem;
    }
    void Progresso(int) override {}
    void Atualizar() override {}
    void Fechar() override { eventos << QStringLiteral("fecha"); }
    bool Cancelou() const override { return false; }
};

class Base : public ::testing::Test {
protected:
    void SetUp() override {
        dialogos = std::make_shared<DialogosGravados>();
        TmDlg::InstalarBackEnd(dialogos);
    }
    void TearDown() override {
        TmDlg::InstalarBackEnd(nullptr);
        ArquivoLogSQL.clear();
    }
    std::shared_ptr<DialogosGravados> dialogos;
};

QString NovoNome() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// --- Select's normalisation ---------------------------------------------------------------

TEST(NormalizaSelect, PutsOneSelectInFrontUnlessTheStatementIsShowInsertOrUpdate) {
    const struct {
        const char* entrada;
        const char* esperado;
    } casos[] = {
        {"* from clientes", "select * from clientes"},
        {"SELECT * from clientes", "select  * from clientes"},
        {"  SeLeCt 1  ", "select  1"},
        {"selection from t", "select ion from t"},  // six characters, whatever follows
        {"update t set a = 1", "update t set a = 1"},
        {" Insert into t values (1)", "Insert into t values (1)"},
        {"show server_version", "show server_version"},
        {"", "select "},
        {"with x as (select 1) select * from x", "select with x as (select 1) select * from x"},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(dbxDataSet::NormalizaSelect(QString::fromUtf8(caso.entrada)),
                  QString::fromUtf8(caso.esperado))
            << caso.entrada;
    EXPECT_EQ(dbxDataSet::NormalizaBusca(u"update x"), "select update x");
}

// --- SQLite -------------------------------------------------------------------------------

// A connection of its own name, closed and removed after each test.
class ComBanco : public Base {
protected:
    void TearDown() override {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nome);
        Base::TearDown();
    }
    const QString nome = NovoNome();
    QSqlDatabase db;
};

class SQLite : public ComBanco {
protected:
    void SetUp() override {
        Base::SetUp();
        db = QSqlDatabase::addDatabase("QSQLITE", nome);
        db.setDatabaseName(":memory:");
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(
            q.exec("create table t (id integer, nome text, valor real, grande text, "
                   "flag text, data text)"));
        ASSERT_TRUE(
            q.exec("insert into t values (1, ' Ana ', 12.5, '99999999999', 's', "
                   "'2024-02-29'), (2, 'O''Neil', null, '-99999999999', 'S', null), "
                   "(3, '', 0, 'abc', 'N', null)"));
    }
};

TEST_F(SQLite, SelectReadsRowsWithNullApartFromEmptyText) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(ds.Select("* from t order by id"));
    EXPECT_EQ(ds.FieldCount(), 6);
    EXPECT_EQ(ds.RecordCount(), 3);
    EXPECT_EQ(ds.Campo("NOME"), " Ana ");  // names ignore case
    EXPECT_EQ(ds.CampoTrim("nome"), "Ana");
    EXPECT_EQ(ds.CampoQuoted("nome"), "' Ana '");
    EXPECT_EQ(ds.CampoEsq("nome", 5, u'.'), "Ana..");
    EXPECT_EQ(ds.CampoDir("nome", 5, u'.'), "..Ana");
    EXPECT_EQ(ds.CampoCopy("nome", 2, 0), "Ana ");
    EXPECT_EQ(ds.CampoBarra("nome"), "Ana/");
    EXPECT_TRUE(ds.CampoS("flag"));
    EXPECT_DOUBLE_EQ(ds.GetFloat("valor"), 12.5);
    EXPECT_EQ(ds.GetCurrencyStr("valor"), "12,50");
    EXPECT_EQ(ds.GetFloatAnsi("valor"), "12.5");
    EXPECT_EQ(ds.GetInteger("id", -1), 1);
    EXPECT_TRUE(ds.IsNotNull("data"));

    ASSERT_TRUE(ds.Next());
    EXPECT_EQ(ds.CampoQuoted("nome"), "'O''Neil'");
    EXPECT_TRUE(ds.IsNull("valor"));
    EXPECT_DOUBLE_EQ(ds.GetFloat("valor"), 0);
    ASSERT_TRUE(ds.Next());
    EXPECT_FALSE(ds.IsNull("nome"));  // an empty text is a value
    EXPECT_TRUE(ds.CampoVazio("nome"));
    EXPECT_FALSE(ds.Next());
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(ds.RecordCount(), 3);  // counting leaves the cursor past the end
    EXPECT_TRUE(ds.Eof());

    EXPECT_THROW(ds.Campo("nao_existe"), EDataSetErro);
    EXPECT_EQ(ds.CampoDef("nao_existe", "padrão"), "padrão");
    EXPECT_EQ(ds.GetIntegerDef("nao_existe", 7), 7);
    EXPECT_EQ(ds.MsgErroDetalhado(), "");
    EXPECT_NO_THROW(ds.RaiseException("nada"));
}

TEST_F(SQLite, GetIntegerSaturatesInsteadOfWrapping) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(ds.Select("grande from t order by id"));
    EXPECT_EQ(ds.GetInteger("grande", 5), std::numeric_limits<int>::max());
    ds.Next();
    EXPECT_EQ(ds.GetInteger("grande", 5), std::numeric_limits<int>::min());
    ds.Next();
    EXPECT_EQ(ds.GetInteger("grande", 5), 5);  // unreadable: the default
}

TEST_F(SQLite, SettersChangeTheLocalRowOnly) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(ds.Select("* from t order by id"));
    ds.SetBool("flag", u's');  // only an upper-case S counts
    EXPECT_EQ(ds.Campo("flag"), "N");
    ds.SetBool("flag", u'S');
    ds.SetInteger("grande", 42);
    ds.SetString("nome", "Bia");
    EXPECT_EQ(ds.Campo("flag"), "S");
    EXPECT_EQ(ds.GetInteger("grande"), 42);
    ds.Next();
    EXPECT_EQ(ds.Campo("nome"), "O'Neil");
    ds.First();
    EXPECT_EQ(ds.Campo("nome"), "Bia");
    EXPECT_THROW(ds.SetString("nao_existe", "x"), EDataSetErro);
    EXPECT_EQ(ds.BuscaCampo("nome from t where id = 1", "?"), " Ana ");  // the server's copy
}

TEST_F(SQLite, StatementsWithoutRowsAndFailures) {
    TdbxDataSet ds(nullptr, db);
    EXPECT_FALSE(ds.Select("update t set valor = 1 where id = 3"));  // passed through, no rows
    EXPECT_EQ(ds.isLastSql, "update t set valor = 1 where id = 3");
    EXPECT_TRUE(ds.MensagemErro.isEmpty());
    EXPECT_FALSE(ds.Select("* from nao_existe"));
    EXPECT_TRUE(ds.MensagemErro.contains("nao_existe"));
    EXPECT_TRUE(ds.MsgErroDetalhado().startsWith(
        QStringLiteral("Erro: ") + ds.MensagemErro +
        QStringLiteral(". SQL: \"select * from nao_existe\". Tempo(Seg): ")));
    try {
        ds.RaiseException("Ao abrir");
        FAIL();
    } catch (const EDataSetErro& e) {
        EXPECT_EQ(e.Mensagem(), QStringLiteral("Ao abrir\r") + ds.MsgErroDetalhado());
    }
    EXPECT_TRUE(dialogos->mensagens.isEmpty());  // an ordinary error is only reported
    EXPECT_TRUE(db.isOpen());

    EXPECT_FALSE(ds.ExecuteSQL(QStringList{"update t set id = 10 where id = 1", "bogus",
                                           "update t set id = 20 where id = 2"}));
    EXPECT_EQ(ds.isLastSql, "bogus");
    EXPECT_EQ(ds.BuscaCampo("count(*) from t where id in (10, 20)", "?"), "1");
}

TEST_F(SQLite, BuscaCampoWithAQuoteInTheValue) {
    TdbxDataSet ds(nullptr, db);
    EXPECT_EQ(ds.BuscaCampo("id from t where nome = 'O''Neil'", "0"), "2");
    EXPECT_EQ(ds.BuscaCampo("SELECT nome from t where id = 2", "?"), "O'Neil");
    EXPECT_EQ(ds.BuscaCampo("id from t where nome = 'ninguém'", "padrão"), "padrão");
    EXPECT_EQ(ds.BuscaCampo("id from t where nome = 'O'Neil'", "erro"), "erro");
    EXPECT_FALSE(ds.MensagemErro.isEmpty());
    EXPECT_FALSE(ds.Active());
}

TEST_F(SQLite, TheWaitWindowClosesOnEveryWayOut) {
    auto aguarde = std::make_shared<AguardeGravado>();
    Aguarde::Instalar(aguarde);
    TdbxDataSet ds(nullptr, db);
    ds.MostraJanela = true;
    ds.MensagemAguardar = "Lendo clientes";
    EXPECT_TRUE(ds.Select("1"));
    EXPECT_FALSE(ds.Select("* from nao_existe"));
    Aguarde::Instalar(nullptr);
    EXPECT_EQ(aguarde->eventos,
              (QStringList{"mostra Lendo clientes", "fecha", "mostra Lendo clientes", "fecha"}));
}

TEST_F(SQLite, TheSqlLogKeepsTheLast1000LinesBeforeEachAddition) {
    QTemporaryDir pasta;
    ArquivoLogSQL = pasta.filePath("sql.log");
    Relogio::Fixar(TDateTime{45351.5});  // 29/02/2024 12:00
    auto escrever = [&](int linhas) {
        QFile f(ArquivoLogSQL);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        for (int i = 1; i <= linhas; ++i)
            f.write(QByteArray::number(i) + "\r\n");
    };
    auto ler = [&] {
        QFile f(ArquivoLogSQL);
        f.open(QIODevice::ReadOnly);
        return QString::fromLatin1(f.readAll()).split("\r\n", Qt::SkipEmptyParts);
    };
    TdbxDataSet ds(nullptr, db);
    ds.LogSQL = true;
    for (int inicial : {0, 999, 1000, 1500}) {
        escrever(inicial);
        ds.Select("id,   nome from t", false, "Clientes");
        const QStringList linhas = ler();
        ASSERT_EQ(linhas.size(), std::min(inicial, 1000) + 2) << inicial;
        EXPECT_EQ(linhas.at(linhas.size() - 2),
                  "------- 29/02/24 12:00:00 Clientes " + QString(80, u'-'));
        EXPECT_EQ(linhas.last(), "select id, nome from t");
        if (inicial > 1000) {
            EXPECT_EQ(linhas.first(), QString::number(inicial - 999));
        }
    }
    ds.LogSQL = false;
    ds.Select("1");
    EXPECT_EQ(ler().size(), 1002);
    Relogio::Liberar();
}

TEST_F(SQLite, ALinkAtTheLogsNameIsReplacedNeverReadOrWrittenThrough) {
    QTemporaryDir pasta;
    const QString segredo = pasta.filePath("segredo");
    QFile f(segredo);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("senha\r\n");
    f.close();
    ArquivoLogSQL = pasta.filePath("sql.log");
    ASSERT_TRUE(QFile::link(segredo, ArquivoLogSQL));
    TdbxDataSet ds(nullptr, db);
    ds.LogSQL = true;
    ds.Select("1");
    EXPECT_FALSE(QFileInfo(ArquivoLogSQL).isSymLink());
    QFile log(ArquivoLogSQL);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray conteudo = log.readAll();
    EXPECT_FALSE(conteudo.contains("senha"));
    EXPECT_TRUE(conteudo.contains("select 1"));
    QFile original(segredo);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), "senha\r\n");
}

// --- PostgreSQL ---------------------------------------------------------------------------

// The test server's settings: the environment's, else those the fixture wrote.
QHash<QString, QString> AmbientePostgres() {
    QHash<QString, QString> ambiente;
    const auto sistema = QProcessEnvironment::systemEnvironment();
    for (const char* chave : {"ORVANE_PG_HOST", "ORVANE_PG_PORT", "ORVANE_PG_USER"})
        if (sistema.contains(chave))
            ambiente.insert(chave, sistema.value(chave));
    if (!ambiente.isEmpty())
        return ambiente;
    QFile arquivo(QStringLiteral(PG_PASTA "/ambiente"));
    if (arquivo.open(QIODevice::ReadOnly))
        for (const QByteArray& linha : arquivo.readAll().split('\n'))
            if (const int igual = linha.indexOf('='); igual > 0)
                ambiente.insert(linha.left(igual), linha.mid(igual + 1));
    return ambiente;
}

QSqlDatabase ConectarPostgres(const QString& nome) {
    const auto ambiente = AmbientePostgres();
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL", nome);
    db.setHostName(ambiente.value("ORVANE_PG_HOST"));
    db.setPort(ambiente.value("ORVANE_PG_PORT").toInt());
    db.setUserName(ambiente.value("ORVANE_PG_USER"));
    db.setDatabaseName("postgres");
    db.open();
    return db;
}

class Postgres : public ComBanco {
protected:
    void SetUp() override {
        Base::SetUp();
        if (AmbientePostgres().isEmpty())
            GTEST_SKIP() << "no PostgreSQL server for the tests";
        db = ConectarPostgres(nome);
        ASSERT_TRUE(db.isOpen()) << db.lastError().text().toStdString();
    }
};

TEST_F(Postgres, AStatementCancelledFromAnotherSessionIsTheUsersCancel) {
    TdbxDataSet ds(nullptr, db);
    const QString pid = ds.BuscaCampo("pg_backend_pid()", "");
    ASSERT_FALSE(pid.isEmpty());
    std::atomic<bool> cancelou = false;
    std::thread outra([&] {
        const QString conexao = NovoNome();
        {
            QSqlDatabase segunda = ConectarPostgres(conexao);
            QSqlQuery q(segunda);
            // Cancel once the statement runs, so that the cancel hits it and not the gap before.
            for (int i = 0; i < 600 && !cancelou; ++i) {
                q.exec("select pg_cancel_backend(pid) from pg_stat_activity where pid = " + pid +
                       " and query like '%pg_sleep%' and state = 'active'");
                cancelou = q.next() && q.value(0).toBool();
                QThread::msleep(50);
            }
        }
        QSqlDatabase::removeDatabase(conexao);
    });
    EXPECT_FALSE(ds.Select("pg_sleep(30)"));
    outra.join();
    ASSERT_TRUE(cancelou);
    EXPECT_TRUE(ds.CanceladoUser);
    EXPECT_EQ(dialogos->mensagens, QStringList{"Operação cancelada pelo usuário"});
    EXPECT_TRUE(db.isOpen());
    EXPECT_TRUE(ds.Select("1"));
    EXPECT_FALSE(ds.CanceladoUser);
}

TEST_F(Postgres, AStatementTimeOutIsNoUsersCancel) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(ds.ExecuteSQL("set statement_timeout = 100"));
    EXPECT_FALSE(ds.Select("pg_sleep(5)"));
    EXPECT_FALSE(ds.MensagemErro.isEmpty());
    EXPECT_FALSE(ds.CanceladoUser);
    EXPECT_TRUE(dialogos->mensagens.isEmpty());
    EXPECT_TRUE(db.isOpen());
}

TEST_F(Postgres, AMissingSystemTableClosesTheConnectionButAnyOtherTableDoesNot) {
    TdbxDataSet ds(nullptr, db);
    EXPECT_FALSE(ds.Select("* from tabela_qualquer"));
    EXPECT_TRUE(db.isOpen());
    EXPECT_TRUE(dialogos->mensagens.isEmpty());

    ASSERT_TRUE(ds.ExecuteSQL("create schema if not exists sistema"));
    EXPECT_FALSE(ds.Select("* from sistema.tb_sys_parametro", true));
    EXPECT_EQ(dialogos->mensagens,
              QStringList{"Faltam tabelas necessárias para o funcionamento do sistema, o sistema "
                          "será finalizado!"});
    EXPECT_FALSE(db.isOpen());
}

TEST_F(Postgres, AUniqueViolationEchoingShutdownKeepsTheConnection) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(ds.ExecuteSQL("create temporary table chaves (c text primary key)"));
    ASSERT_TRUE(ds.ExecuteSQL("insert into chaves values ('SHUTDOWN')"));
    EXPECT_FALSE(ds.Select("insert into chaves values ('SHUTDOWN') returning c", true));
    EXPECT_TRUE(ds.MensagemErro.contains("SHUTDOWN"));
    EXPECT_TRUE(dialogos->mensagens.isEmpty());
    EXPECT_TRUE(db.isOpen());
    EXPECT_EQ(ds.BuscaCampo("count(*) from chaves", "?"), "1");
}

TEST_F(Postgres, AServerEndingTheSessionIsAShutdown) {
    TdbxDataSet ds(nullptr, db);
    const QString pid = ds.BuscaCampo("pg_backend_pid()", "");
    {
        const QString conexao = NovoNome();
        {
            QSqlDatabase segunda = ConectarPostgres(conexao);
            QSqlQuery(segunda).exec("select pg_terminate_backend(" + pid + ")");
        }
        QSqlDatabase::removeDatabase(conexao);
    }
    EXPECT_FALSE(ds.Select("1"));
    EXPECT_EQ(dialogos->mensagens, QStringList{"Base em manutenção, o sistema será finalizado!"});
    EXPECT_FALSE(db.isOpen());
}

TEST_F(Postgres, ReadsTypedValuesAndNull) {
    TdbxDataSet ds(nullptr, db);
    ASSERT_TRUE(
        ds.Select("1::int as i, null::text as n, ''::text as v, 12.5::numeric as d, "
                  "date '2024-02-29' as dt, 9999999999::bigint as g, true as b"));
    EXPECT_EQ(ds.RecordCount(), 1);
    EXPECT_TRUE(ds.IsNull("n"));
    EXPECT_FALSE(ds.IsNull("v"));
    EXPECT_EQ(ds.GetCurrencyStr("d"), "12,50");
    EXPECT_EQ(ds.GetDataStr("dt", "dd/mm/yyyy"), "29/02/2024");
    EXPECT_EQ(ds.GetDataAnsi("dt", "yyyy-mm-dd", true), "'2024-02-29'");
    EXPECT_EQ(ds.GetInteger("g"), std::numeric_limits<int>::max());
    EXPECT_TRUE(ds.GetBool("b"));
}

}  // namespace
