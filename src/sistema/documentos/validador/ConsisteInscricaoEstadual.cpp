// The state registration validator library: the call of the closed validator that POS programs
// load at run time, ConsisteInscricaoEstadual(registration, state code), built from the
// library's own rule table.
//
// Both texts are 8-bit and end in a zero byte. The registration may carry the marks ".", ",",
// "-", "/" and blanks between its digits, and for SP a leading "P" (rural producer); the state
// code is two letters in either case. Answers: 0 valid, 1 invalid (no digit at all included),
// 2 bad parameters (a missing text, an unknown state, another character in the registration).

#include <cctype>
#include <string>

#include "sistema/documentos/RegrasIE.h"

namespace {

constexpr int kValida = 0;
constexpr int kInvalida = 1;
constexpr int kParametrosInvalidos = 2;

bool Marca(char c) {
    return c == '.' || c == ',' || c == '-' || c == '/' || c == ' ';
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int ConsisteInscricaoEstadual(const char* Insc,
                                                                                const char* UF) {
    if (!Insc || !UF)
        return kParametrosInvalidos;
    std::string sigla;
    for (const char* c = UF; *c && sigla.size() <= 2; ++c)
        sigla += char(std::toupper(static_cast<unsigned char>(*c)));
    if (!RegrasIE::Procurar(sigla))
        return kParametrosInvalidos;
    std::string numero;
    for (const char* c = Insc; *c; ++c) {
        if (*c >= '0' && *c <= '9')
            numero += *c;
        else if ((*c == 'P' || *c == 'p') && numero.empty() && sigla == "SP")
            numero = "P";
        else if (!Marca(*c))
            return kParametrosInvalidos;
    }
    if (numero.empty() || numero == "P")
        return kInvalida;
    return RegrasIE::Valida(sigla, numero) ? kValida : kInvalida;
}
