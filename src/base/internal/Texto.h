#pragma once
// Small helpers the text routines share (not part of the library's interface).

#include <QString>
#include <QStringView>

namespace TextoComum {

inline bool Digito(QChar c) {
    return c >= u'0' && c <= u'9';
}
inline bool LetraAscii(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// The library's trim: every character with a code of 32 or less goes from both ends.
inline QStringView Aparar(QStringView texto) {
    qsizetype inicio = 0, fim = texto.size();
    while (inicio < fim && texto[inicio].unicode() <= 32)
        ++inicio;
    while (fim > inicio && texto[fim - 1].unicode() <= 32)
        --fim;
    return texto.mid(inicio, fim - inicio);
}

// Between single quotes with inner quotes doubled: a text literal for SQL.
inline QString Aspas(QStringView texto) {
    QString out;
    out.reserve(texto.size() + 2);
    out += QLatin1Char('\'');
    for (const QChar c : texto) {
        if (c == u'\'')
            out += QLatin1Char('\'');
        out += c;
    }
    out += QLatin1Char('\'');
    return out;
}

}  // namespace TextoComum
