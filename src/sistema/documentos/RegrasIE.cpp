#include "sistema/documentos/RegrasIE.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace RegrasIE {
namespace {

// d(numero, 1) is the first digit.
int D(std::string_view numero, int posicao) {
    return numero[posicao - 1] - '0';
}

// S: each digit from posicao on times the weight in the same place.
int Soma(std::string_view numero, int posicao, std::initializer_list<int> pesos) {
    int soma = 0;
    for (const int peso : pesos)
        soma += D(numero, posicao++) * peso;
    return soma;
}

// M11: 0 when the remainder is 0 or 1, otherwise 11 minus it.
int M11(int soma) {
    const int resto = soma % 11;
    return resto < 2 ? 0 : 11 - resto;
}

// (S × 10) mod 11, where 10 becomes 0.
int Vezes10Mod11(int soma) {
    return soma * 10 % 11 % 10;
}

// The complement to 10 of the remainder modulo 10, or 0.
int M10(int soma) {
    return (10 - soma % 10) % 10;
}

// v = 11 - S mod 11, less 10 when it is 10 or 11.
int Onze(int soma) {
    const int v = 11 - soma % 11;
    return v >= 10 ? v - 10 : v;
}

bool Digitos(std::string_view numero) {
    return std::all_of(numero.begin(), numero.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool Prefixo(std::string_view numero, std::initializer_list<std::string_view> prefixos) {
    return std::any_of(prefixos.begin(), prefixos.end(),
                       [&](std::string_view p) { return numero.substr(0, p.size()) == p; });
}

long Numero(std::string_view numero, int inicio, int quantidade) {
    long n = 0;
    for (int i = 0; i < quantidade; ++i)
        n = n * 10 + D(numero, inicio + i);
    return n;
}

// The nine-digit rule of most states: d9 = M11 of S(9..2 over d1..d8).
bool Nove(std::string_view n) {
    return D(n, 9) == M11(Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2}));
}

bool AcreDF(std::string_view n) {
    const int d12 = M11(Soma(n, 1, {4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    const int d13 = M11(Soma(n, 1, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3}) + 2 * d12);
    return D(n, 12) == d12 && D(n, 13) == d13;
}

bool AC(std::string_view n) {
    return Prefixo(n, {"01"}) && AcreDF(n);
}
bool DF(std::string_view n) {
    return Prefixo(n, {"07"}) && AcreDF(n);
}

bool AL(std::string_view n) {
    return Prefixo(n, {"24"}) && D(n, 9) == Vezes10Mod11(Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2}));
}

bool AP(std::string_view n) {
    if (!Prefixo(n, {"03"}))
        return false;
    const long corpo = Numero(n, 1, 8);
    int p = 0, q = 0;
    if (corpo >= 3000001 && corpo <= 3017000)
        p = 5;
    else if (corpo > 3017000 && corpo <= 3019022)
        p = 9, q = 1;
    int v = 11 - (p + Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2})) % 11;
    if (v == 10)
        v = 0;
    else if (v == 11)
        v = q;
    return D(n, 9) == v;
}

bool AM(std::string_view n) {
    const int s = Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2});
    return D(n, 9) == (s <= 10 ? 11 - s : M11(s));
}

// Bahia's two check digits, the last one first: modulus 10 or 11 (M11) as the state says.
bool Bahia(std::string_view n, bool modulo11, std::initializer_list<int> pesosUltimo,
           std::initializer_list<int> pesosPenultimo) {
    const int tamanho = int(n.size());
    const auto digito = [&](int soma) { return modulo11 ? M11(soma) : M10(soma); };
    const int ultimo = digito(Soma(n, 1, pesosUltimo));
    const int penultimo = digito(Soma(n, 1, pesosPenultimo) + 2 * ultimo);
    return D(n, tamanho) == ultimo && D(n, tamanho - 1) == penultimo;
}

bool Modulo11NaBahia(int digito) {
    return digito == 6 || digito == 7 || digito == 9;
}

bool BA8(std::string_view n) {
    return Bahia(n, Modulo11NaBahia(D(n, 1)), {7, 6, 5, 4, 3, 2}, {8, 7, 6, 5, 4, 3});
}
bool BA9(std::string_view n) {
    return Bahia(n, Modulo11NaBahia(D(n, 2)), {8, 7, 6, 5, 4, 3, 2}, {9, 8, 7, 6, 5, 4, 3});
}

bool GO(std::string_view n) {
    if (!Prefixo(n, {"10", "11", "15"}))
        return false;
    const long corpo = Numero(n, 1, 8);
    if (corpo == 11094402)
        return D(n, 9) == 0 || D(n, 9) == 1;
    const int r = Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2}) % 11;
    int d9 = 11 - r;
    if (r == 0)
        d9 = 0;
    else if (r == 1)
        d9 = corpo >= 10103105 && corpo <= 10119997 ? 1 : 0;
    return D(n, 9) == d9;
}

template <char A, char B>
bool NoveComPrefixo(std::string_view n) {
    return n[0] == A && n[1] == B && Nove(n);
}

bool MT(std::string_view n) {
    return D(n, 11) == M11(Soma(n, 1, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool PR(std::string_view n) {
    const int d9 = M11(Soma(n, 1, {3, 2, 7, 6, 5, 4, 3, 2}));
    const int d10 = M11(Soma(n, 1, {4, 3, 2, 7, 6, 5, 4, 3}) + 2 * d9);
    return D(n, 9) == d9 && D(n, 10) == d10;
}

bool PE9(std::string_view n) {
    const int d8 = M11(Soma(n, 1, {8, 7, 6, 5, 4, 3, 2}));
    return D(n, 8) == d8 && Nove(n);
}
bool PE14(std::string_view n) {
    return Prefixo(n, {"18"}) &&
           D(n, 14) == Onze(Soma(n, 1, {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool RJ(std::string_view n) {
    return D(n, 8) == M11(Soma(n, 1, {2, 7, 6, 5, 4, 3, 2}));
}

bool RN9(std::string_view n) {
    return Prefixo(n, {"20"}) && D(n, 9) == Vezes10Mod11(Soma(n, 1, {9, 8, 7, 6, 5, 4, 3, 2}));
}
bool RN10(std::string_view n) {
    return Prefixo(n, {"20"}) && D(n, 10) == Vezes10Mod11(Soma(n, 1, {10, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool RS(std::string_view n) {
    return D(n, 1) <= 4 && D(n, 10) == M11(Soma(n, 1, {2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool RO(std::string_view n) {
    return D(n, 14) == Onze(Soma(n, 1, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool RR(std::string_view n) {
    return Prefixo(n, {"24"}) && D(n, 9) == Soma(n, 1, {1, 2, 3, 4, 5, 6, 7, 8}) % 9;
}

// São Paulo's first check digit, the ninth of the digits.
bool SPNono(std::string_view n) {
    return D(n, 9) == Soma(n, 1, {1, 3, 4, 5, 6, 7, 8, 10}) % 11 % 10;
}
bool SP(std::string_view n) {
    return Digitos(n) && SPNono(n) &&
           D(n, 12) == Soma(n, 1, {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2}) % 11 % 10;
}
bool SPRural(std::string_view n) {
    return n[0] == 'P' && Digitos(n.substr(1)) && SPNono(n.substr(1));
}

bool TipoTocantins(std::string_view n) {
    return Prefixo(n, {"29"}) && Prefixo(n.substr(2), {"01", "02", "03", "99"});
}
bool TO9(std::string_view n) {
    return TipoTocantins(n) && Nove(n);
}
bool TO11(std::string_view n) {
    const int s = D(n, 1) * 9 + D(n, 2) * 8 + Soma(n, 5, {7, 6, 5, 4, 3, 2});
    return TipoTocantins(n) && D(n, 11) == M11(s);
}

bool MG(std::string_view n) {
    int soma = 0, posicao = 1;
    for (const int peso : {1, 2, 1, 1, 2, 1, 2, 1, 2, 1, 2}) {
        const int produto = D(n, posicao++) * peso;
        soma += produto / 10 + produto % 10;
    }
    const int d12 = M10(soma);
    const int d13 = M11(Soma(n, 1, {3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3}) + 2 * d12);
    return D(n, 12) == d12 && D(n, 13) == d13;
}

constexpr Estado kEstados[kQuantidadeEstados] = {
    {"AC", 12, "Acre", {{13, AC}}, 1},
    {"AL", 27, "Alagoas", {{9, AL}}, 1},
    {"AM", 13, "Amazonas", {{9, AM}}, 1},
    {"AP", 16, "Amapá", {{9, AP}}, 1},
    {"BA", 29, "Bahia", {{8, BA8}, {9, BA9}}, 2},
    {"CE", 23, "Ceará", {{9, Nove}}, 1},
    {"DF", 53, "Distrito Federal", {{13, DF}}, 1},
    {"ES", 32, "Espírito Santo", {{9, Nove}}, 1},
    {"GO", 52, "Goiás", {{9, GO}}, 1},
    {"MA", 21, "Maranhão", {{9, NoveComPrefixo<'1', '2'>}}, 1},
    {"MG", 31, "Minas Gerais", {{13, MG}}, 1},
    {"MS", 50, "Mato Grosso do Sul", {{9, NoveComPrefixo<'2', '8'>}}, 1},
    {"MT", 51, "Mato Grosso", {{11, MT}}, 1, true},
    {"PA", 15, "Pará", {{9, NoveComPrefixo<'1', '5'>}}, 1},
    {"PB", 25, "Paraíba", {{9, NoveComPrefixo<'1', '6'>}}, 1},
    {"PE", 26, "Pernambuco", {{9, PE9}, {14, PE14}}, 2},
    {"PI", 22, "Piauí", {{9, NoveComPrefixo<'1', '9'>}}, 1},
    {"PR", 41, "Paraná", {{10, PR}}, 1},
    {"RJ", 33, "Rio de Janeiro", {{8, RJ}}, 1},
    {"RN", 24, "Rio Grande do Norte", {{9, RN9}, {10, RN10}}, 2},
    {"RO", 11, "Rondônia", {{14, RO}}, 1},
    {"RR", 14, "Roraima", {{9, RR}}, 1},
    {"RS", 43, "Rio Grande do Sul", {{10, RS}}, 1},
    {"SC", 42, "Santa Catarina", {{9, NoveComPrefixo<'2', '5'>}}, 1},
    {"SE", 28, "Sergipe", {{9, Nove}}, 1},
    {"SP", 35, "São Paulo", {{12, SP}, {13, SPRural}}, 2},
    {"TO", 17, "Tocantins", {{9, TO9}, {11, TO11}}, 2},
};

}  // namespace

const Estado* Estados() {
    return kEstados;
}

const Estado* Procurar(std::string_view sigla) {
    for (const Estado& e : kEstados)
        if (e.sigla == sigla)
            return &e;
    return nullptr;
}

bool Valida(std::string_view sigla, std::string_view numero) {
    const Estado* estado = Procurar(sigla);
    if (!estado)
        return false;
    std::string completo;
    if (estado->completaComZeros) {
        const std::size_t tamanho = std::size_t(estado->formatos[0].tamanho);
        completo = numero.size() >= tamanho
                       ? std::string(numero.substr(numero.size() - tamanho))
                       : std::string(tamanho - numero.size(), '0') + std::string(numero);
        numero = completo;
    }
    const bool rural = !numero.empty() && numero[0] == 'P' && sigla == "SP";
    if (!Digitos(rural ? numero.substr(1) : numero))
        return false;
    for (int i = 0; i < estado->quantidadeFormatos; ++i)
        if (std::size_t(estado->formatos[i].tamanho) == numero.size())
            return estado->formatos[i].valida(numero);
    return false;
}

}  // namespace RegrasIE
