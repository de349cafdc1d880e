#include "sistema/consulta/TmRotConsulta.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <map>

namespace {

QString Sql(const QString& texto, const std::map<QString, QVariant>& valores) {
    return TmRot::QueryToSQL(texto, [&](const QString& nome) -> std::optional<QVariant> {
        const auto it = valores.find(nome);
        if (it == valores.end())
            return std::nullopt;
        return it->second;
    });
}

TEST(QueryToSQL, ValuesByType) {
    const std::map<QString, QVariant> valores{
        {QStringLiteral("t"), QStringLiteral("D'Ávila")},
        {QStringLiteral("i"), 42},
        {QStringLiteral("l"), qlonglong(-9000000000)},
        {QStringLiteral("f"), 1234.5},
        {QStringLiteral("d"), QDate(2024, 2, 29)},
        {QStringLiteral("n"), QVariant(QMetaType::fromType<int>())},
    };
    EXPECT_EQ(Sql(QStringLiteral("insert into x values (:t, :i,:l,:f,:d,:n)"), valores),
              QStringLiteral(
                  "insert into x values ('D''Ávila', 42,-9000000000,1234.5,'2024-02-29',null)"));
}

// Casts, literals and quoted names are not parameters; a parameter ending the text is replaced;
// a value holding ":x" is written once, never replaced again.
TEST(QueryToSQL, OnlyRealParametersAreReplaced) {
    const std::map<QString, QVariant> valores{{QStringLiteral("a"), QStringLiteral(":b")},
                                              {QStringLiteral("b"), 7}};
    const std::pair<const char*, const char*> casos[] = {
        {"select :b::text", "select 7::text"},
        {"select x::int from t where y = :b", "select x::int from t where y = 7"},
        {"select ':b', 'it'':s :b', \"col:b\" where z = :b",
         "select ':b', 'it'':s :b', \"col:b\" where z = 7"},
        {"where a = :a and b = :b", "where a = ':b' and b = 7"},
        {"select 1 : 2", "select 1 : 2"},
        {"select ':b", "select ':b"},
        {"", ""},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(Sql(QString::fromUtf8(texto), valores), QString::fromUtf8(esperado)) << texto;
}

TEST(QueryToSQL, MissingParameterAndUnhandledTypeRaise) {
    try {
        Sql(QStringLiteral("select :falta"), {});
        FAIL();
    } catch (const EQueryToSQL& e) {
        EXPECT_EQ(e.Mensagem(), QStringLiteral("Parâmetro \"falta\" não localizado!"));
    }
    try {
        Sql(QStringLiteral("select :b"), {{QStringLiteral("b"), QByteArray("x")}});
        FAIL();
    } catch (const EQueryToSQL& e) {
        EXPECT_EQ(
            e.Mensagem(),
            QStringLiteral("Tipo de dados do parâmetro \"b\" não tratado para transofrmar em SQL"));
    }
}

TEST(QueryToSQL, ReadsAPreparedQtQuery) {
    {
        QSqlDatabase banco =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("consulta"));
        banco.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(banco.open());
        QSqlQuery consulta(banco);
        ASSERT_TRUE(consulta.prepare(QStringLiteral("select :nome, :valor where 1 = :um")));
        consulta.bindValue(QStringLiteral(":nome"), QStringLiteral("O'Neil"));
        consulta.bindValue(QStringLiteral(":valor"), 2.5);
        consulta.bindValue(QStringLiteral(":um"), 1);
        EXPECT_EQ(TmRot::QueryToSQL(consulta), QStringLiteral("select 'O''Neil', 2.5 where 1 = 1"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("consulta"));
}

}  // namespace
