#include "sistema/consulta/TmRotConsulta.h"

#include <QDate>
#include <QDateTime>
#include <QSqlQuery>

#include "base/TDateTime.h"
#include "sistema/datas/TmDtDatas.h"
#include "texto/conversao/TmConv.h"

namespace {

bool FimDoNome(QChar c) {
    return c == u':' || c == u'\b' || c == u'\n' || c == u'\r' || c == u' ' || c == u')' ||
           c == u',';
}

QString Aspas(const QString& nome) {
    return u'"' + nome + u'"';
}

QString ValorSql(const QString& nome, const QVariant& valor) {
    if (valor.isNull())
        return QStringLiteral("null");
    switch (valor.typeId()) {
        case QMetaType::QString:
        case QMetaType::QChar:
            return u'\'' + valor.toString().replace(u'\'', QLatin1String("''")) + u'\'';
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return valor.toString();
        case QMetaType::Double:
        case QMetaType::Float:
            return TmConv::FloatToAnsi(valor.toDouble());
        case QMetaType::QDate:
            return TmDt::Data2Ansi(DataHora::FromQDate(valor.toDate()), false);
        case QMetaType::QDateTime:
            return TmDt::Data2Ansi(DataHora::FromQDateTime(valor.toDateTime()), false);
        default:
            throw EQueryToSQL(QStringLiteral("Tipo de dados do parâmetro ") + Aspas(nome) +
                              QStringLiteral(" não tratado para transofrmar em SQL"));
    }
}

// The position after the quoted part that starts at inicio (its closing quote, a doubled quote
// being part of it), or the end of the text when it is not closed.
qsizetype FimDasAspas(const QString& sql, qsizetype inicio) {
    const QChar aspa = sql[inicio];
    for (qsizetype i = inicio + 1; i < sql.size(); ++i)
        if (sql[i] == aspa) {
            if (i + 1 < sql.size() && sql[i + 1] == aspa)
                ++i;
            else
                return i + 1;
        }
    return sql.size();
}

}  // namespace

namespace TmRot {

QString QueryToSQL(const QString& sql, const TValorParametro& valor) {
    QString resultado;
    resultado.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"') {
            const qsizetype fim = FimDasAspas(sql, i);
            resultado += QStringView(sql).mid(i, fim - i);
            i = fim;
        } else if (c == u':' && i + 1 < sql.size() && sql[i + 1] == u':') {
            resultado += QLatin1String("::");
            i += 2;
        } else if (c == u':') {
            qsizetype fim = i + 1;
            while (fim < sql.size() && !FimDoNome(sql[fim]))
                ++fim;
            if (fim == i + 1) {
                resultado += c;
                ++i;
                continue;
            }
            const QString nome = sql.mid(i + 1, fim - i - 1);
            const std::optional<QVariant> v = valor(nome);
            if (!v)
                throw EQueryToSQL(QStringLiteral("Parâmetro ") + Aspas(nome) +
                                  QStringLiteral(" não localizado!"));
            resultado += ValorSql(nome, *v);
            i = fim;
        } else {
            resultado += c;
            ++i;
        }
    }
    return resultado;
}

QString QueryToSQL(const QSqlQuery& aoQuery) {
    return QueryToSQL(aoQuery.lastQuery(), [&](const QString& nome) -> std::optional<QVariant> {
        const QVariant v = aoQuery.boundValue(u':' + nome);
        if (!v.isValid())
            return std::nullopt;
        return v;
    });
}

}  // namespace TmRot
