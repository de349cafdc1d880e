#pragma once
// A network path as callers write it, "\\server\share\folder" or "//server/share/folder" ("\" and
// "/" both separators), read once into its parts and checked, so that nothing of it can become an
// option, a second address or a way out of the share. The server is a host name (letters,
// digits, "-" and "_" in labels joined by "."), an IPv4 address or an IPv6 address in brackets,
// with an optional ":port"; the share is any text without the characters Windows refuses in
// share names ("\/[]:|<>+=;,*?) and without control characters; the folders below it, any text
// without control characters or the characters Windows refuses in file names, never "." or "..".

#include <QString>
#include <QStringList>

#include <optional>

struct TCaminhoRede {
    QString Servidor;  // as written, brackets kept for IPv6
    int Porta = 0;     // 0: the protocol's own
    QString Compartilhamento;
    QStringList Pastas;  // below the share, each one folder
};

namespace CaminhoRede {

// The parts of asCaminho; empty with the reason in asMotivo when it is not a network path.
std::optional<TCaminhoRede> Ler(const QString& asCaminho, QString& asMotivo);

// "smb://" + the server, port, share and folders, each part percent-encoded; asCredenciais
// ("user:password@" already encoded, or "") goes before the server.
QString UrlSmb(const TCaminhoRede& aCaminho, const QString& asCredenciais = {});

// Whether texto holds a control character (below U+0020, or DEL): no part of a path, and no answer
// given to a program line by line, may hold one.
bool TemControle(const QString& texto);

}  // namespace CaminhoRede
