#pragma once
// The library's currency: a signed 64-bit count of ten-thousandths.
//
// Arithmetic is exact inside the range and saturates at its ends: a sum, difference, negation
// or product beyond the range stops at the nearest end instead of overflowing. Amounts read from
// outside (a POS line, a file) may lie anywhere in the range, so that no arithmetic on them may
// wrap around or be undefined; negating the lowest value gives the highest. Only the conversion
// from double rounds (to the nearest ten-thousandth, ties to even).

#include <compare>
#include <cstdint>
#include <limits>

class Currency {
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
