// The digitiser over a stream that comes in blocks, for the live mode: mono samples, 8-bit
// unsigned or 16-bit, each held over the sampling step and quantised exactly as NumeriseSon
// (TnumeriseurSon under the lesson's options) does. While q, the options and the step stay the
// same, the output is the one the batch digitiser gives on the whole input taken as one sound:
// the hold runs across the block boundaries, and so does the dither's noise from Remet on.
//
// A block given with another step starts a new step at its first frame, cutting short the
// step under way: so a change of step takes effect exactly at a block boundary, and the
// output from there on is NumeriseSon's on the input from there on. A new q or new options
// apply from the block's first frame, to the value held as well.
#pragma once

#include <cstddef>
#include <cstdint>

#include "sound/QuantificateurOptions.h"

class TnumeriseurFlux {
public:
    void Numerise(const std::int16_t* entree, std::int16_t* sortie, std::size_t trames, int q, int pas,
                  ToptionsNumerisation options = {});
    void Numerise(const std::uint8_t* entree, std::uint8_t* sortie, std::size_t trames, int q, int pas,
                  ToptionsNumerisation options = {});
    // The next block starts a new sound.
    void Remet() {
        pas_ = 0;
        phase_ = 0;
        generateur_.Remet();
    }

private:
    template <typename T>
    void Bloc(const T* entree, T* sortie, std::size_t trames, int q, int pas, ToptionsNumerisation options);

    int pas_ = 0;     // step of the previous block, 0 before the first
    int phase_ = 0;   // frames of the step under way already given
    int tenu_ = 0;    // raw value of the step's first frame
    int valeur_ = 0;  // its quantised value
    int q_ = 0;
    bool huitBits_ = false;
    ToptionsNumerisation options_;
    TtableQuantification table_;
    TquantificateurOptions quantificateur_;
    TgenerateurDither generateur_;
};
