#include "base/Currency.h"

#include <cmath>

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
