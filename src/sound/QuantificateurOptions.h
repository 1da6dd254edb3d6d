// One sample's quantiser under the lesson's options (the law, the dither), shared by the
// digitiser of a whole sound and the one of a stream so that both give the same bytes.
//
// b is the sound's bits less log2 q, q being the quantum that the plain quantiser takes. With
// every option off it is that quantiser (Quantifie8, Quantifie16), rounding down. Otherwise an
// 8-bit sample is handled as its 16-bit equivalent (v - 128) · 256 and brought back to the
// nearest 8-bit value (halves up). Under dither the noise spans one step of the law either side
// of the sample, the step being where the sample lies (q for the uniform law), and the noisy
// value goes to the level of its step: to the nearest multiple of q for the uniform law, so the
// error has no mean. Where the step is no wider than the sound's own (q = 1, or the finest steps
// of a law above 8 bits) nothing is requantised and no noise is added.
#pragma once

#include <cstdint>

#include "sound/Dither.h"
#include "sound/LoiQuantification.h"

struct ToptionsNumerisation {
    TloiQuantification loi = TloiQuantification::uniforme;
    bool dither = false;
    bool operator==(const ToptionsNumerisation&) const = default;
};

class TquantificateurOptions {
public:
    // Rebuilds the law's tables when b or the law changed (a fraction of a millisecond), without
    // allocating: the stream's audio thread calls it.
    void Regle(int q, bool huitBits, ToptionsNumerisation options);
    // The dither's noise starts again from its seed.
    void Remet() { generateur_.Remet(); }

    std::int16_t Quantifie(std::int16_t v);
    std::uint8_t Quantifie(std::uint8_t v);

private:
    int q_ = 1;
    bool huitBits_ = false;
    ToptionsNumerisation options_;
    TtableQuantification table_;
    TgenerateurDither generateur_;
};
