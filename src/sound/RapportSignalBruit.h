// The signal-to-quantisation-noise ratio measured on the whole sound, beside the textbook
// figure 6.02·b + 1.76 dB of a full-scale sine quantised to b bits.
//
// Measured ratio: 10·log10(Ps / Pe) dB, where Ps is the mean square of the sound and Pe the
// mean square of the difference digitised − sound, both on the samples as stored (raw units,
// every channel of every frame) and each taken about its own mean. Neither mean is heard: the
// sound's is the 128 of 8-bit storage (or a constant offset of the recording), the
// difference's is the half step that the digitiser's rounding down adds to every sample.
// Counted in, that half step alone would put a full-scale sine 6 dB under the textbook figure,
// which assumes rounding to the nearest level. With a sampling step above 1 the difference
// holds the sampling error too, so the measured ratio falls below the textbook one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "sound/Langue.h"
#include "sound/VecteurSon.h"

// No value for a silent (constant) sound, an empty one or a 24-bit one; +infinity when the
// digitised sound differs from the sound by a constant only (8 bits kept of an 8-bit sound).
std::optional<double> RapportSignalBruitMesure(const TvecteurSon& son, const TvecteurSon& sousEch,
                                               std::int32_t nbrePoints);

double RapportSignalBruitTheorique(int b);

// "RSB mesuré : 19,8 dB"; "RSB : —" when there is no ratio, "RSB mesuré : ∞" when there is no
// error. In English "Measured SNR: 19.8 dB", "SNR: —", "Measured SNR: ∞".
std::string TexteRapportMesure(std::optional<double> mesure, Tlangue langue = Tlangue::francais);

// TexteRapportMesure, then ", théorie 6,02·b + 1,76 = 19,8 dB" (", theory 6.02·b + 1.76 = 19.8 dB").
std::string TexteRapportSignalBruit(std::optional<double> mesure, int b, Tlangue langue = Tlangue::francais);

// The reconstructed sound's ratio, measured as the staircase's against the sound, to follow its
// text: "reconstruction : RSB mesuré : 27,3 dB" ("reconstruction: Measured SNR: 27.3 dB").
std::string TexteRapportReconstruction(std::optional<double> mesure, Tlangue langue = Tlangue::francais);

// A figure with one decimal, with the language's separator: 19,8 or -3,5 in French, 19.8 or -3.5
// in English.
std::string Decimale(double valeur, Tlangue langue = Tlangue::francais);
