// Colours of the graphs: 24-bit values $BBGGRR, red in the lowest byte.
#pragma once

#include <cstdint>

using TCouleur = std::uint32_t;

inline constexpr TCouleur clBlanc = 0xFFFFFF;
inline constexpr TCouleur clRouge = 0x0000FF;
inline constexpr TCouleur clJaune = 0x00FFFF;
