#include "display/telas/FormatoValor.h"

#include <limits>

#include "text/conversao/TmStrNumeros.h"

QString FormataValor(Currency valor) {
    return TmStr::Formata(valor, QStringLiteral("#,##0.00"), false);
}

Currency Negado(Currency valor) {
    constexpr std::int64_t minimo = std::numeric_limits<std::int64_t>::min();
    return valor.Raw() == minimo ? Currency::FromRaw(-(minimo + 1)) : -valor;
}

Currency Somado(Currency a, Currency b) {
    std::int64_t soma;
    if (!__builtin_add_overflow(a.Raw(), b.Raw(), &soma))
        return Currency::FromRaw(soma);
    return Currency::FromRaw(b.Raw() > 0 ? std::numeric_limits<std::int64_t>::max()
                                         : std::numeric_limits<std::int64_t>::min());
}
