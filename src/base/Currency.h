#pragma once
// The library's currency: a signed 64-bit count of ten-thousandths.
//
// Arithmetic is exact inside the range and saturates at its ends: a sum, difference, negation
// or product beyond the range stops at the nearest end instead of overflowing. Amounts read from
// outside (a POS line, a file) may lie anywhere in the range, so that no arithmetic on them may
// wrap around or be undefined; negating the lowest value gives the highest. Only the conversions
// from double and from decimal text round (to the nearest ten-thousandth, ties to even).

#include <compare>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "base/ExportacaoBase.h"

class ORVANE_BASE_EXPORT Currency {
public:
    static constexpr std::int64_t Escala = 10000;

    constexpr Currency() = default;
    static constexpr Currency FromRaw(std::int64_t raw) { return Currency(raw); }
    static constexpr Currency FromInt(std::int64_t units) {
        std::int64_t raw;
        return __builtin_mul_overflow(units, Escala, &raw) ? Extremo(units > 0) : Currency(raw);
    }
    // Rounds to four decimals, ties to even; NaN gives 0, values beyond the range saturate.
    static Currency FromDouble(double value);
    // The decimal ±digitos × 10^expoente read exactly (digitos: ASCII digits), rounded to four
    // decimals, ties to even; nothing when the result lies outside the range. The one rounding
    // rule of every reader of currency text, so that none of them goes through a double.
    static std::optional<Currency> FromDecimal(bool negativo, std::string_view digitos,
                                               int expoente);
    // A decimal text in the C locale's form ("-12.5e3": optional minus, digits with an optional
    // point, optional exponent) read exactly, as FromDecimal; nothing for any other text and
    // outside the range. A double holds only 15 to 17 significant digits, so through one
    // sixteen-digit amounts and the type's limits would not come back as written.
    static std::optional<Currency> FromDecimalC(std::string_view texto);
    static constexpr Currency Maximo() {
        return Currency(std::numeric_limits<std::int64_t>::max());
    }
    static constexpr Currency Minimo() {
        return Currency(std::numeric_limits<std::int64_t>::min());
    }

    constexpr std::int64_t Raw() const { return raw_; }
    double ToDouble() const { return static_cast<double>(raw_) / Escala; }

    constexpr Currency operator-() const { return Currency() - *this; }
    constexpr Currency operator+(Currency o) const {
        std::int64_t raw;
        return __builtin_add_overflow(raw_, o.raw_, &raw) ? Extremo(o.raw_ > 0) : Currency(raw);
    }
    constexpr Currency operator-(Currency o) const {
        std::int64_t raw;
        return __builtin_sub_overflow(raw_, o.raw_, &raw) ? Extremo(o.raw_ < 0) : Currency(raw);
    }
    constexpr Currency& operator+=(Currency o) { return *this = *this + o; }
    constexpr Currency& operator-=(Currency o) { return *this = *this - o; }
    // Product rounded to four decimals, ties to even.
    Currency operator*(Currency o) const;
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    // The end of the range a result beyond it stops at.
    static constexpr Currency Extremo(bool acima) { return acima ? Maximo() : Minimo(); }

    std::int64_t raw_ = 0;
};
