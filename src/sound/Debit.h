// The bit rate and the size of the digitised sound, as pupils compute them:
// "Débit : 11025 Hz × 8 bits × 1 voie = 88,2 kbit/s ; 264,6 ko pour 3,0 s".
#pragma once

#include <cstdint>
#include <string>

#include "sound/Langue.h"
#include "sound/VecteurSon.h"

// The rate is FreqEch / pas (whole, or with one decimal when the division leaves a fraction);
// the bit rate is that rate × b × the layout's channels; the size is the bit rate × the
// duration of the sound's nbrePoints frames / 8, in ko of 1000 bytes (as kbit are 1000 bits).
// Bit rate, size and duration are rounded to one decimal (to the nearest, halves away from
// zero) and written with the language's decimal separator. An unknown rate gives "Débit : —".
// In English: "Bit rate: 11025 Hz × 8 bits × 1 channel = 88.2 kbit/s; 264.6 kB for 3.0 s".
std::string TexteDebit(std::uint32_t freqEch, int pas, int b, TformatWave format, std::int32_t nbrePoints,
                       Tlangue langue = Tlangue::francais);
