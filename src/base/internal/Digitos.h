#pragma once
// The decimal digits of a double, the one routine the number texts, the formatter and the rounding
// share. std::to_chars writes them: correctly rounded from the binary value, and independent of
// the C locale (snprintf's decimal point follows LC_NUMERIC). Internal to the library.

#include <algorithm>
#include <charconv>

namespace DigitosInterno {

// A positive finite magnitude as significant digits: digitos[0] stands for 10^expoente, the
// others follow it; trailing zeros are kept as written.
struct Digitos {
    char digitos[24] = {};
    int quantidade = 0;
    int expoente = 0;
};

// `significativos` digits (1 to 24, correctly rounded), or with 0 the shortest digits that read
// back as the same double.
inline Digitos Escrever(double magnitude, int significativos) {
    char texto[48];  // d.ddd...de±ddd
    const char* fim =
        significativos == 0
            ? std::to_chars(texto, texto + sizeof texto, magnitude, std::chars_format::scientific)
                  .ptr
            : std::to_chars(texto, texto + sizeof texto, magnitude, std::chars_format::scientific,
                            significativos - 1)
                  .ptr;
    const char* e = std::find(static_cast<const char*>(texto), fim, 'e');
    Digitos r;
    r.digitos[r.quantidade++] = texto[0];
    for (const char* p = texto + 2; p < e; ++p)
        r.digitos[r.quantidade++] = *p;
    std::from_chars(e + 1 + (e[1] == '+'), fim, r.expoente);
    return r;
}

}  // namespace DigitosInterno
