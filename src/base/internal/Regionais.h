#pragma once
// Small rules on the regional settings that the library's units share. Internal: do not depend
// on these from outside the library.

#include <QString>
#include <QStringView>

namespace RegionaisInterno {

// The order of day, month and year in a short-date pattern, as "dmy", "mdy" or "ymd": the first
// "d", "m" and "y" in either case ("dd/MM/yyyy" of Qt and "dd/mm/yyyy" of the library alike).
// A pattern that lacks one of the three gives "dmy", the library's own order.
inline QString OrdemDaData(QStringView formato) {
    QString ordem;
    for (const QChar c : formato) {
        const QChar letra = c.toLower();
        if ((letra == u'd' || letra == u'm' || letra == u'y') && !ordem.contains(letra))
            ordem += letra;
    }
    return ordem.size() == 3 ? ordem : QStringLiteral("dmy");
}

}  // namespace RegionaisInterno
