// Reading 100 000 rows of three fields (an integer, a text, a real) through TdbxDataSet by field
// name, beside a bare QSqlQuery reading the same rows by column index. Both run on the same
// SQLite file and fetch every row into the client, as the dataset always does.

#include <benchmark/benchmark.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "registro/dataset/TdbxDataSet.h"

namespace {

constexpr int kLinhas = 100000;

class Banco {
public:
    Banco() {
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db_.setDatabaseName(dir_.filePath(QStringLiteral("bench.db")));
        db_.open();
        QSqlQuery q(db_);
        q.exec(QStringLiteral("create table itens (id integer, nome text, valor real)"));
        db_.transaction();
        q.prepare(QStringLiteral("insert into itens values (?, ?, ?)"));
        for (int i = 0; i < kLinhas; ++i) {
            q.addBindValue(i);
            q.addBindValue(QStringLiteral("Produto número %1").arg(i));
            q.addBindValue(i * 1.25);
            q.exec();
        }
        db_.commit();
    }
    const QSqlDatabase& Conexao() const { return db_; }

private:
    QTemporaryDir dir_;
    QSqlDatabase db_;
};

Banco& TheBanco() {
    static Banco banco;
    return banco;
}

const QString kSql = QStringLiteral("select id, nome, valor from itens");

void DataSet_LerLinhas(benchmark::State& state) {
    TdbxDataSet ds(nullptr, TheBanco().Conexao());
    for (auto _ : state) {
        qint64 soma = 0;
        for (ds.Select(kSql); !ds.Eof(); ds.Next()) {
            soma += ds.GetInteger(QStringLiteral("id"));
            soma += ds.Campo(QStringLiteral("nome")).size();
            soma += qint64(ds.GetFloat(QStringLiteral("valor")));
        }
        benchmark::DoNotOptimize(soma);
    }
}
BENCHMARK(DataSet_LerLinhas)->Unit(benchmark::kMillisecond);

void DataSet_LerLinhas_QSqlQuery(benchmark::State& state) {
    for (auto _ : state) {
        qint64 soma = 0;
        QSqlQuery q(TheBanco().Conexao());
        q.exec(kSql);
        while (q.next()) {
            soma += q.value(0).toInt();
            soma += q.value(1).toString().size();
            soma += qint64(q.value(2).toDouble());
        }
        benchmark::DoNotOptimize(soma);
    }
}
BENCHMARK(DataSet_LerLinhas_QSqlQuery)->Unit(benchmark::kMillisecond);

}  // namespace
