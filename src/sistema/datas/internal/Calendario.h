#pragma once
// What the date units share: the range of dates they compute with. Internal to the library.

#include <cmath>

#include "base/TDateTime.h"

namespace Calendario {

// 1 January of year 1 and 31 December 9999, the library's date range, as day numbers.
constexpr double kPrimeiroDia = -693593;
constexpr double kUltimoDia = 2958465;

// A finite value whose day lies in the years 1..9999: only such values are turned into
// calendar dates (a day number beyond them has no date to convert to).
inline bool NoIntervalo(TDateTime valor) {
    return std::isfinite(valor) && valor > kPrimeiroDia - 1 && valor < kUltimoDia + 1;
}

}  // namespace Calendario
