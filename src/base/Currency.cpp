#include "base/Currency.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

Currency Currency::FromDouble(double value) {
    if (std::isnan(value))
        return Currency();
    const double scaled = std::nearbyint(value * Escala);  // default rounding mode: ties to even
    constexpr double limite = 9.2233720368547748e18;       // 2^63
    if (scaled >= limite)
        return Maximo();
    if (scaled < -limite)
        return Minimo();
    return Currency(static_cast<std::int64_t>(scaled));
}

std::optional<Currency> Currency::FromDecimal(bool negativo, std::string_view digitos,
                                              int expoente) {
    constexpr std::uint64_t kMagnitudeMinima = std::uint64_t(1) << 63;
    // In ten-thousandths the digits before corte are whole; the first one after it decides the
    // rounding, together with whether any later one is not zero.
    const std::int64_t corte = std::int64_t(digitos.size()) + std::int64_t(expoente) + 4;
    std::uint64_t bruto = 0;
    auto acumular = [&](int digito) {
        if (bruto > (kMagnitudeMinima - std::uint64_t(digito)) / 10)
            return false;
        bruto = bruto * 10 + std::uint64_t(digito);
        return true;
    };
    for (std::int64_t i = 0; i < corte; ++i) {
        const int digito = i < std::int64_t(digitos.size()) ? digitos[std::size_t(i)] - '0' : 0;
        if (!acumular(digito))
            return std::nullopt;
        if (bruto == 0 && i >= std::int64_t(digitos.size()))
            break;  // zeros after a zero value: nothing to scale
    }
    if (corte >= 0 && corte < std::int64_t(digitos.size())) {
        const int decisivo = digitos[std::size_t(corte)] - '0';
        const bool resto =
            digitos.substr(std::size_t(corte) + 1).find_first_not_of('0') != std::string_view::npos;
        if (decisivo > 5 || (decisivo == 5 && (resto || (bruto & 1))))
            ++bruto;  // at most 2^63 + 1: the range check below catches it
    }
    if (bruto > (negativo ? kMagnitudeMinima : kMagnitudeMinima - 1))
        return std::nullopt;
    return Currency(negativo ? static_cast<std::int64_t>(0 - bruto)
                             : static_cast<std::int64_t>(bruto));
}

std::optional<Currency> Currency::FromDecimalC(std::string_view texto) {
    const bool negativo = texto.starts_with('-');
    if (negativo)
        texto.remove_prefix(1);
    std::string digitos;
    int expoente = 0;
    std::size_t i = 0;
    for (bool ponto = false; i < texto.size(); ++i) {
        if (texto[i] >= '0' && texto[i] <= '9') {
            digitos += texto[i];
            expoente -= ponto;
        } else if (texto[i] == '.' && !ponto) {
            ponto = true;
        } else {
            break;
        }
    }
    if (digitos.empty())
        return std::nullopt;
    if (i < texto.size()) {
        if (texto[i] != 'e' && texto[i] != 'E')
            return std::nullopt;
        // Beyond a million the exponent only decides between zero and out of range.
        constexpr int kExpoenteMaximo = 1'000'000;
        std::string_view exp = texto.substr(i + 1);
        const bool expNegativo = exp.starts_with('-');
        if (exp.starts_with('-') || exp.starts_with('+'))
            exp.remove_prefix(1);
        if (exp.empty() || exp.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        int valor = 0;
        for (const char d : exp)
            valor = std::min(kExpoenteMaximo, valor * 10 + (d - '0'));
        expoente += expNegativo ? -valor : valor;
    }
    return FromDecimal(negativo, digitos, expoente);
}

Currency Currency::operator*(Currency o) const {
    const __int128 p = static_cast<__int128>(raw_) * o.raw_;
    __int128 q = p / Escala;
    const __int128 r = p % Escala;
    const __int128 dobro = (r < 0 ? -r : r) * 2;
    if (dobro > Escala || (dobro == Escala && (q % 2 != 0)))
        q += (p < 0 ? -1 : 1);
    if (q > Maximo().raw_ || q < Minimo().raw_)
        return Extremo(q > 0);
    return Currency(static_cast<std::int64_t>(q));
}
