#pragma once
// The settings document the kill test saves again and again: version v is a header, the version
// and one long value made of v, so that a file cut short or mixing two versions shows.

#include <QByteArray>
#include <QString>

namespace VersaoConfig {

inline QString Dados(int versao) {
    return QStringLiteral("versao %1;").arg(versao).repeated(8000);
}

// The bytes of version v as the settings file writes them (Windows-1252, CR LF).
inline QByteArray Arquivo(int versao) {
    return "[Config]\r\nVersao=" + QByteArray::number(versao) +
           "\r\nDados=" + Dados(versao).toLatin1() + "\r\n";
}

}  // namespace VersaoConfig
