#pragma once
// Whole files read and written by the transfer tests (a missing file reads as empty).

#include <QByteArray>
#include <QFile>
#include <QString>

namespace ArquivoTeste {

inline QByteArray Ler(const QString& caminho) {
    QFile arquivo(caminho);
    arquivo.open(QIODevice::ReadOnly);
    return arquivo.readAll();
}

inline void Gravar(const QString& caminho, const QByteArray& conteudo) {
    QFile arquivo(caminho);
    arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate);
    arquivo.write(conteudo);
}

}  // namespace ArquivoTeste
