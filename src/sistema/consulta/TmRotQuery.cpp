#include "sistema/consulta/TmRotQuery.h"

namespace TmRot {

QSqlQuery CreateQuery(const QSqlDatabase& aoConnetion) {
    QSqlQuery query(aoConnetion);
    query.setForwardOnly(false);
    return query;
}

int QueryRecordCount(QSqlQuery& aoQuery) {
    if (!aoQuery.isActive() || !aoQuery.isSelect())
        return 0;
    if (aoQuery.isForwardOnly())
        return aoQuery.size();
    int linhas = 0;
    for (bool ha = aoQuery.first(); ha; ha = aoQuery.next())
        ++linhas;
    aoQuery.first();
    return linhas;
}

}  // namespace TmRot
