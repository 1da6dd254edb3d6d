// Quantisation of one sample down to a multiple of q, shared by the digitiser of a whole
// sound and the one of a stream, so that both round alike.
#pragma once

#include <algorithm>
#include <cstdint>

inline std::uint8_t Quantifie8(std::uint8_t v, int q) {
    return static_cast<std::uint8_t>(v / q * q);
}

// Negative samples go one step further down, never below -32768.
inline std::int16_t Quantifie16(std::int16_t v, int q) {
    if (v >= 0) return static_cast<std::int16_t>(v / q * q);
    const int r = -((-v) / q * q) - q;
    return static_cast<std::int16_t>(std::max(r, -32768));
}
