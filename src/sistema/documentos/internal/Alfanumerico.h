#pragma once
// The characters of a CNPJ, which since July 2026 may hold upper-case letters in its base: a
// character's value in the check-digit sums is its code minus 48 ("0" is 0, "A" is 17). Internal
// to the document units.

#include <QString>
#include <QStringView>

namespace Alfanumerico {

inline bool Valido(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

inline int Valor(QChar c) {
    return c.unicode() - 48;
}

// The digits and letters of texto, letters upper-cased; everything else left out.
inline QString Extrair(QStringView texto) {
    QString out;
    out.reserve(texto.size());
    for (QChar c : texto) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        if (Valido(c))
            out += c;
    }
    return out;
}

}  // namespace Alfanumerico
