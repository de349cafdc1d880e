#include "base/CodePage.h"

#include <algorithm>
#include <array>

namespace {
// Bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kAlto = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar Caractere(unsigned char b) {
    if (b < 0x80 || b >= 0xA0)
        return QChar(b);
    const char16_t c = kAlto[b - 0x80];
    return QChar(c ? c : b);
}
}  // namespace

namespace CodePage {

QString DeAnsi(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (char b : bytes)
        *d++ = Caractere(static_cast<unsigned char>(b));
    return out;
}

char ParaAnsi(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kAlto[i] == u && u != 0)
            return static_cast<char>(0x80 + i);
    if (u >= 0x80 && u < 0xA0 && kAlto[u - 0x80] == 0)
        return static_cast<char>(u);
    return '?';
}

QByteArray ParaAnsi(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* d = out.data();
    for (QChar c : text)
        *d++ = ParaAnsi(c);
    return out;
}

}  // namespace CodePage

namespace CodePage {

QString DeArquivo(QByteArrayView bytes) {
    constexpr QByteArrayView kMarcaUtf8("\xEF\xBB\xBF");
    if (bytes.startsWith(kMarcaUtf8))
        return QString::fromUtf8(bytes.sliced(kMarcaUtf8.size()));
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : DeAnsi(bytes);
}

bool SemMarcaEmUtf8(QByteArrayView bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char b) { return b >= 0; });
    return !ascii && bytes.isValidUtf8();
}

}  // namespace CodePage
