// Texts of the cursor read-outs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sound/Langue.h"
#include "sound/VecteurSon.h"

// The level as exactly n binary digits, most significant first; bits above n-1 are
// ignored. A negative level is first taken as (level + 32768) modulo 65536.
std::string ChaineBinaire(std::int32_t niveau, int n);

// The low n bits (n from 1 to 16) of the level as ceil(n/4) upper-case hexadecimal digits,
// leading zeros kept, followed by "h".
std::string ChaineHexa(std::int32_t niveau, int n);

// The duration of `ecart` frames at `frequence` Hz, for the label Temps: milliseconds
// rounded to three significant digits, written with two decimals and `separateur` (the user's
// decimal separator, UTF-8), then the matching frequency: "10.00 ms=1/(100 Hz)". With no gap
// the frequency is left out ("0.00 ms"). Empty when the rate is unknown (0).
std::string TexteDuree(std::int64_t ecart, std::int32_t frequence, std::string_view separateur);

// For a stereo sound, which channel the views and the read-outs show, and, when that left
// channel is silent while the right one is not, where the sound is. Empty for a mono sound.
std::string TexteVoieMontree(const TvecteurSon& son, std::int32_t nbrePoints,
                             Tlangue langue = Tlangue::francais);
