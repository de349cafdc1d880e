#pragma once
// Whole files read and made by the log tests.

#include <QByteArray>
#include <QFile>
#include <QString>

inline QByteArray Ler(const QString& caminho) {
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(sem arquivo)");
}

inline bool Criar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
