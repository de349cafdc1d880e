// The 2-bit compressor and the other 8-bit encodings on any Latin-1 text: each inverse gives the
// text back whole; decompressing arbitrary data never crashes.
#include <cstddef>
#include <cstdint>

#include "Exigir.h"
#include "sistema/formatacao/TmStrCodifica.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString texto =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Exigir(TmStr::DescomprimeString(TmStr::ComprimeString(texto)) == texto);
    Exigir(TmStr::DesHeximiza(TmStr::Heximiza(texto)) == texto);
    (void)TmStr::DescomprimeString(texto);
    (void)TmStr::Ansi2Asc(texto);
    return 0;
}
