#pragma once
// SQL literals and the positional template formatter.
//
// Fmt writes each parameter i into every "{i}" of the template (i from 0, written without
// leading zeros) and every "{\n}" (the four characters) as a carriage return, in one pass over the
// template: the text a parameter brings is never read again, so a parameter holding «{1}» or
// «{\n}» comes out as written and cannot reopen the quoting of another. A parameter whose
// placeholder the template lacks raises EConvertError «FormatSt. Posição {i} não localizada.».
//
// Parameter texts:
//   integers      decimal
//   reals         general form (FloatToStr) with the live settings; flagSQL: "." as decimal
//                 point; flagHuman without flagSQL: "#,##0.00". Currency likewise, exactly.
//   date-times    no date part: the time; no time part: the date; both: date and time; in the
//                 live short formats, or with flagSQL 'hh:nn:ss', 'yyyy-mm-dd hh:nn:ss',
//                 'yyyy-mm-dd' between single quotes
//   Booleans      flagBoolSN: S or N (quoted with flagSQL); otherwise True or False
//   texts         as they are; flagSQL: between single quotes, inner quotes doubled, and with
//                 flagSQL_ConverteStr every "\" doubled and "E" in front (a PostgreSQL escape
//                 literal)
//   arrays        items joined by ", ", texts among them always quoted as with flagSQL;
//                 without flagSQL between "[" and "]"
//   Null          flagSQL: null; otherwise nothing
//
// WARNING: a text holding "¿¿" is the caller's raw SQL: it is written unquoted with every "¿¿"
// removed. Never pass text from outside the program (a user, a file, a server) with flagSQL
// unless it is known not to hold "¿¿": such a text goes into the statement as SQL.

#include <QFlags>
#include <QList>
#include <QString>
#include <QStringView>
#include <concepts>
#include <utility>

#include "base/Variante.h"
#include "base/mConst.h"
#include "base/mLib.h"
#include "sistema/ExportacaoSistema.h"

enum TFormatStFlag {
    flagSQL = 0x1,
    flagHuman = 0x2,
    flagBoolSN = 0x4,
    flagSQL_ConverteStr = 0x8,
};
Q_DECLARE_FLAGS(TFormatStFlags, TFormatStFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFormatStFlags)

// One parameter of Fmt: a value (Null included; a date-time as Variante::DeDataHora) or an array.
class ORVANE_SISTEMA_EXPORT TParametroFmt {
public:
    template <typename T>
    requires std::constructible_from<Variante, T> TParametroFmt(T&& valor)
        : itens_{Variante(std::forward<T>(valor))} {}
    TParametroFmt(TcrvArrayVariant itens) : itens_(std::move(itens)), lista_(true) {}
    TParametroFmt(const TcrvArrayString& itens);
    TParametroFmt(const TcrvArrayInteger& itens);

    bool Lista() const { return lista_; }
    const TcrvArrayVariant& Itens() const { return itens_; }

private:
    TcrvArrayVariant itens_;
    bool lista_ = false;
};

namespace TmStr {

// "s" when Condicao holds.
ORVANE_SISTEMA_EXPORT QString Plural(bool Condicao);
// asValue, or asDefault when asValue is empty.
ORVANE_SISTEMA_EXPORT QString Coalesce(QStringView asValue, QStringView asDefault);
// null for a text empty after trimming; otherwise the text with a to z upper-cased, between
// single quotes (inner quotes doubled).
ORVANE_SISTEMA_EXPORT QString IfVazioNull(QStringView asValor);
// null for 0; otherwise the decimal number.
ORVANE_SISTEMA_EXPORT QString IfZeroNull(int aiValor);

ORVANE_SISTEMA_EXPORT QString Fmt(QStringView aString, const QList<TParametroFmt>& aParam,
                                  TFormatStFlags FormatFlags = {});
ORVANE_SISTEMA_EXPORT QString FmtSql(QStringView aString, const QList<TParametroFmt>& aParam);

}  // namespace TmStr
