// The anti-aliasing filter: a low-pass below the new Nyquist frequency FreqEch / (2·pas), put
// before the sampling step holds one frame in pas, as an analog-to-digital converter has one.
//
// A linear-phase FIR filter (a windowed sinc, Kaiser window), centred so that it delays
// nothing: flat within 0.01 dB up to three quarters of the new Nyquist frequency, at least
// 60 dB down from that frequency on. Before the first frame and after the last the sound
// counts as silence.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/VecteurSon.h"

class TfiltreAntiRepliement {
public:
    // Writes into `filtre`, in the sound's layout, the filtered sound at each frame that the
    // sampling step holds (the multiples of pas); the other frames of `filtre` are left as
    // they are, since the digitiser reads only those. Each channel is filtered on its own.
    // With pas 1 there is nothing to fold: the sound is copied. 24-bit layouts are copied too.
    void Applique(const TvecteurSon& son, std::int32_t nbrePoints, int pas, TvecteurSon& filtre);

    // The filter's coefficients for a step (an odd count, summing to 1).
    static std::vector<float> Noyau(int pas);

private:
    std::vector<float> noyau_;
    int pasNoyau_ = 0;
    std::vector<float> canal_;  // one channel with silence on both sides
};
