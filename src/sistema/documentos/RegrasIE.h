#pragma once
// The table of the 27 federative units (code, IBGE number, name, the lengths of their state
// registrations) and the check-digit rule of each registration length. Plain C++ without Qt:
// the library's validators and the state registration validator library (validador/) are built
// from this one table, so the two never disagree.
//
// A registration is given as its digits alone, in the length of one of the state's formats; São
// Paulo's rural producers write a "P" before their twelve digits. Every rule answers false for
// a text of another length or with other characters, never anything worse.
//
// Where the states issue registrations that older tables rejected, the rules follow the states:
// Bahia also has 9 digits (two check digits, the modulus chosen by the second digit),
// Pernambuco's eFisco numbers have 9 digits (the 14-digit numbers stay valid), Rio Grande do
// Norte also has 10 digits, Rondônia's numbers have 14 and Sergipe's 9.

#include <string_view>

#include "sistema/ExportacaoSistemaDocumentos.h"

namespace RegrasIE {

// The check of one registration length: the digits (and the "P" of a rural producer) in.
using Regra = bool (*)(std::string_view numero);

struct Formato {
    int tamanho = 0;
    Regra valida = nullptr;
};

struct Estado {
    std::string_view sigla;
    int ibge = 0;
    std::string_view nome;  // UTF-8
    Formato formatos[2];
    int quantidadeFormatos = 0;
    // Mato Grosso: a shorter number is filled with "0" on the left and a longer one cut to its
    // last digits before the check.
    bool completaComZeros = false;
};

inline constexpr int kQuantidadeEstados = 27;

// The table, in its fixed order (AC, AL, AM, AP, BA, ...).
ORVANE_SISTEMADOCUMENTOS_EXPORT const Estado* Estados();

// The state of that exact upper-case code, or nullptr.
ORVANE_SISTEMADOCUMENTOS_EXPORT const Estado* Procurar(std::string_view sigla);

// Whether numero (digits only, "P" and twelve digits for a São Paulo rural producer) is a valid
// registration of the state of that code. False for an unknown code.
ORVANE_SISTEMADOCUMENTOS_EXPORT bool Valida(std::string_view sigla, std::string_view numero);

}  // namespace RegrasIE
