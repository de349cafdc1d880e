#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Cuts the byte stream of one command connection into lines and decodes them.
//
// A line is the bytes up to a line feed (byte 10). A carriage return just before the line feed is
// dropped; any other carriage return stays. The protocol is 7-bit text: a byte 0..127 becomes the
// character of that code, every byte 128..255 becomes U+FFFD.
//
// Length limit: the bytes between the previous line feed (or the start of the connection) and the
// line's own line feed may number at most MaximoBytesLinha, a carriage return before the line
// feed included (the limit is on what travels, before any decoding). The reader fails as soon as
// the line in progress passes the limit, without waiting for its line feed, so a peer that never
// sends one cannot make the reader hold more than MaximoBytesLinha bytes.
class LeitorLinhas {
public:
    static constexpr qsizetype MaximoBytesLinha = 16384;

    // Takes the next bytes received and puts in ultima the last non-empty line they complete,
    // decoded; leaves ultima as it is when they complete none. Lines that arrive together
    // replace one another at once in the pending slot, so only the last one is ever decoded.
    // Returns false when the line in progress passed the limit: the caller must close the
    // connection; the long line is discarded, the lines completed before it still count. The
    // bytes after the last line feed are kept for the next call; a connection that closes leaves
    // them unused.
    bool Alimentar(QByteArrayView dados, QString& ultima);

    // Decodes the bytes of one line, those before its line feed, as described above.
    static QString Decodificar(QByteArrayView linha);

private:
    QByteArray fParcial;  // bytes of the line in progress, when a read ended before its line feed
};
