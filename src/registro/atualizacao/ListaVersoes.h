#pragma once
// The version list the update server publishes ("Versoes.ini"): lines name=version, name being a
// program file's name without folder, matched ignoring letter case; the first line of a name
// counts. An optional line name.sha256=hex gives the SHA-256 of the published file; lists
// without such lines still work. Blanks around names and values, a CR before the line feed,
// empty lines, section headers ("[...]") and comments (";") are ignored. The same reader takes
// the update's configuration file, which has the same shape.

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include "registro/ExportacaoRegistroAtualizacao.h"

class ORVANE_REGISTROATUALIZACAO_EXPORT TListaVersoes {
public:
    // Reads the list from the file's bytes (UTF-8 when valid, else Windows-1252).
    static TListaVersoes Ler(QByteArrayView bytes);

    // The value of the name; "" when the list has none.
    QString Valor(const QString& nome) const;
    // The version published for the file name; "" when the list has none.
    QString Versao(const QString& nome) const { return Valor(nome); }
    // The SHA-256 of the published file, as lower-case hex; "" when the list gives none.
    QString Sha256(const QString& nome) const;

private:
    QHash<QString, QString> valores_;  // by name in lower case
};
