// Float to pixel or frame index: nearest integer, halves to even.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// rint follows the current rounding mode, which the program never changes from
// round-to-nearest-even (nearbyint would do the same, many times slower, only to keep the
// inexact flag clear). Values beyond the integer range saturate, so that a degenerate
// scale (a zero slope divided into) cannot turn into undefined behaviour.
inline std::int32_t Arrondi(long double v) {
    if (std::isnan(v)) return 0;
    const long double r = std::rint(v);
    if (r >= std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (r <= std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}
