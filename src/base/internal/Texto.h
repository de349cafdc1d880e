#pragma once
// Small helpers the library's units share. Internal: do not depend on these from outside the
// library; they may change with it.

#include <QString>
#include <QStringView>
#include <algorithm>

namespace TextoInterno {

inline bool Digito(QChar c) {
    return c >= u'0' && c <= u'9';
}
inline bool LetraAscii(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
// Upper case of an ASCII letter; every other character unchanged (no locale, no accents).
inline QChar MaiusculaAscii(QChar c) {
    return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c;
}

// The platform readers' blanks (strict number and date parses): a space or a tab, nothing else.
inline bool EspacoOuTab(QChar c) {
    return c == u' ' || c == u'\t';
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

// The platform readers' trim, narrower than the library's: only spaces and tabs go from both
// ends, so a line break or another control character around a number or a date is refused.
inline QStringView SemEspacosETabsNasPontas(QStringView texto) {
    qsizetype inicio = 0, fim = texto.size();
    while (inicio < fim && EspacoOuTab(texto[inicio]))
        ++inicio;
    while (fim > inicio && EspacoOuTab(texto[fim - 1]))
        --fim;
    return texto.mid(inicio, fim - inicio);
}

// Delphi's Copy: quantidade characters from the 1-based position indice. An indice below 1
// starts at the first character (the count is not shortened); an indice past the end or a count
// of 0 or less gives the empty text; a count beyond the end gives the rest. QString::mid reads a
// negative count as "the rest", which is never what a Copy meant.
inline QString Copy(QStringView texto, qsizetype indice, qsizetype quantidade) {
    const qsizetype inicio = indice < 1 ? 0 : indice - 1;
    if (quantidade <= 0 || inicio >= texto.size())
        return {};
    return texto.mid(inicio, std::min(quantidade, texto.size() - inicio)).toString();
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

}  // namespace TextoInterno
