// The quantisation error that the class hears and sees: the digitised sound minus the sound,
// sample by sample, on the held and re-quantised values that the digitised vector holds.
#pragma once

#include <cstdint>

#include "sound/VecteurSon.h"

// Sample `canal` (0 = left) of frame i: digitised minus original, in raw units (for 8-bit
// samples the 128 of the storage cancels out). Not limited: with a sampling step above 1 a
// held value can be the whole range away from the sound. 0 for the 24-bit layouts, which
// are not digitised.
int ErreurTrame(const TvecteurSon& son, const TvecteurSon& sousEch, std::int64_t i, int canal);

// The error signal as a sound of the sound's own layout, so that it is written and played like
// the others: 16-bit values limited to -32768..32767, 8-bit ones placed around silence (128)
// and limited to 0..255. At full level: its loudness beside the sound's is what the class is
// to hear. The 24-bit layouts give silence.
void CalculeSignalErreur(const TvecteurSon& son, const TvecteurSon& sousEch, std::int32_t nbrePoints,
                         TvecteurSon& erreur);
