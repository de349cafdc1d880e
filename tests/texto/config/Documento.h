#pragma once
// A settings document written in a test as its lines.

#include <QStringList>
#include <initializer_list>

// The lines in order, UTF-8; "" is a blank line.
inline QStringList Doc(std::initializer_list<const char*> linhas) {
    QStringList out;
    for (const char* l : linhas)
        out.append(QString::fromUtf8(l));
    return out;
}
