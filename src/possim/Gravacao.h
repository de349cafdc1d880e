#pragma once
// The recording format of the POS simulator: what a POS sent, line by line, with its pace.
//
// One text line per command line received, ended by a line feed:
//
//     <milliseconds since the first line> TAB <the line's bytes, escaped>
//
// The milliseconds are a decimal count (0 for the first line), never decreasing. The bytes are
// those received before the line's line feed, exactly (a carriage return before it included).
// Printable ASCII (32 to 126) stands for itself except the backslash, written "\\"; every other
// byte, the tab and the control codes of the commands included, is written "\xHH" with two
// hexadecimal digits. So the file is plain 7-bit text whatever the POS sent, and reading it back
// gives the same bytes. Lines that are empty or start with # are comments and are skipped; a
// file saved with carriage return and line feed line ends (a raw carriage return is never
// written) reads the same.

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QList>
#include <QString>

#include <optional>

namespace Gravacao {

struct Linha {
    qint64 instanteMs = 0;  // since the first line of the recording
    QByteArray bytes;       // as received, without the line feed
};

// The bytes escaped as above, and the reverse (nothing, with the reason in erro, for a lone
// backslash or a bad "\x" escape).
QByteArray Escapar(QByteArrayView bytes);
std::optional<QByteArray> Desescapar(QByteArrayView texto, QString& erro);

// One line of the file, with its line feed.
QByteArray Formatar(const Linha& linha);

// Reads a whole recording. A malformed line makes the whole file refused, with its line number
// and the reason in erro, so that a replay never sends half of a damaged recording.
std::optional<QList<Linha>> Ler(QIODevice& arquivo, QString& erro);

}  // namespace Gravacao
