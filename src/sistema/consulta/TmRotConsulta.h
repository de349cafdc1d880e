#pragma once
// QueryToSQL: a parametrised query as the plain SQL text it stands for, for the SQL log and
// error reports (never to be run: the driver binds the values).
//
// Each ":name" is replaced by its value. The name runs from after the ":" up to the first
// backspace, line feed, carriage return, blank, ")", ",", or ":" (a cast after it, ":x::int"),
// or the end of the text. Not parameters: a "::" cast (both colons stay), a ":" with no name
// after it, and anything inside a single-quoted literal ('it''s :x') or a double-quoted name.
// Values are written once, in place, so a value that itself holds ":x" is never replaced again.
//
// Values: "null" for a null value; a text between single quotes with inner quotes doubled; an
// integer as digits; a floating-point number with TmConv::FloatToAnsi; a date or date-time as
// 'YYYY-MM-DD'. A name without a value raises EQueryToSQL «Parâmetro "x" não localizado!»; any
// other type «Tipo de dados do parâmetro "x" não tratado para transofrmar em SQL» (the text
// callers have always matched).

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <stdexcept>

#include "base/ErroComMensagem.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

class QSqlQuery;

class EQueryToSQL : public TErroComMensagem<std::runtime_error> {
public:
    using TErroComMensagem::TErroComMensagem;
};

// The value of a parameter by its name (without ":"), or nothing when there is none.
using TValorParametro = std::function<std::optional<QVariant>(const QString& nome)>;

namespace TmRot {

ORVANE_SISTEMA_EXPORT QString QueryToSQL(const QString& sql, const TValorParametro& valor);
// The query's text with its bound values (bound by name).
ORVANE_SISTEMA_EXPORT QString QueryToSQL(const QSqlQuery& aoQuery);

}  // namespace TmRot
