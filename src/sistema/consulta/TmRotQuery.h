#pragma once
// Queries on a Qt SQL connection for code that walks their rows.

#include <QSqlDatabase>
#include <QSqlQuery>

#include "sistema/ExportacaoSistema.h"

namespace TmRot {

// A new query on the connection, scrollable (not forward-only) so its rows can be walked again.
ORVANE_SISTEMA_EXPORT QSqlQuery CreateQuery(const QSqlDatabase& aoConnetion);
// The rows of an active SELECT, counted by walking them; the query is left on its first row.
// 0 for a query that is not an active SELECT. A forward-only query cannot be walked back: its
// count is the driver's size(), -1 when the driver cannot tell.
ORVANE_SISTEMA_EXPORT int QueryRecordCount(QSqlQuery& aoQuery);

}  // namespace TmRot
