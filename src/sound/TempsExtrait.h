// The times of the excerpt dialog, as the teacher reads and types them: "mm:ss,d".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sound/Langue.h"

// `trames` frames at `frequence` Hz as "mm:ss,d", rounded to the nearest tenth of a second,
// halves up ("00:00,1" for 0.05 s). Minutes take two digits at least and go past 59. In English
// the tenths follow a point: "00:00.1".
std::string TexteTemps(std::int64_t trames, std::uint32_t frequence, Tlangue langue = Tlangue::francais);

// A typed time in milliseconds: "mm:ss,d" with two-digit seconds under 60, or "ss,d" alone;
// the decimal separator is a comma or a point, and the decimals (up to three) may be left
// out. Spaces around are ignored. Nothing for any other text (empty, negative, letters).
// Milliseconds rather than seconds so that the frame it maps to is exact.
std::optional<std::int64_t> LitTemps(std::string_view texte);

// The frame nearest to `millisecondes` at `frequence` Hz, halves up.
std::int64_t TrameDuTemps(std::int64_t millisecondes, std::uint32_t frequence);
