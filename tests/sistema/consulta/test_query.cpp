#include "sistema/consulta/TmRotQuery.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>

namespace {

TEST(Query, RowsAreCountedAndTheQueryIsLeftOnItsFirstRow) {
    {
        QSqlDatabase banco =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("contagem"));
        banco.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(banco.open());
        QSqlQuery query = TmRot::CreateQuery(banco);
        EXPECT_EQ(TmRot::QueryRecordCount(query), 0);  // not run yet
        ASSERT_TRUE(query.exec(QStringLiteral("create table t (n integer)")));
        EXPECT_EQ(TmRot::QueryRecordCount(query), 0);  // not a select
        ASSERT_TRUE(query.exec(QStringLiteral("insert into t values (7), (8), (9)")));
        ASSERT_TRUE(query.exec(QStringLiteral("select n from t order by n")));
        EXPECT_EQ(TmRot::QueryRecordCount(query), 3);
        EXPECT_EQ(query.value(0).toInt(), 7);
        EXPECT_EQ(TmRot::QueryRecordCount(query), 3);
        ASSERT_TRUE(query.exec(QStringLiteral("select n from t where n > 100")));
        EXPECT_EQ(TmRot::QueryRecordCount(query), 0);
        QSqlQuery avante(banco);
        avante.setForwardOnly(true);
        ASSERT_TRUE(avante.exec(QStringLiteral("select n from t")));
        EXPECT_EQ(TmRot::QueryRecordCount(avante), avante.size());  // SQLite cannot tell: -1
    }
    QSqlDatabase::removeDatabase(QStringLiteral("contagem"));
}

}  // namespace
