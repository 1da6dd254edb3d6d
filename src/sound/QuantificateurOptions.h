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

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "sound/Dither.h"
#include "sound/LoiQuantification.h"
#include "sound/Quantification.h"

struct ToptionsNumerisation {
    TloiQuantification loi = TloiQuantification::uniforme;
    bool dither = false;
    bool operator==(const ToptionsNumerisation&) const = default;
};

// A small value over tables it does not own, so that a digitiser's loop keeps it, and the
// noise's generator it is given, in registers.
class TquantificateurOptions {
public:
    TquantificateurOptions() = default;
    // Sets `table` to the law and b when an option is on (a fraction of a millisecond when they
    // changed, nothing otherwise; no allocation, so the stream's audio thread may call it).
    TquantificateurOptions(TtableQuantification& table, int q, bool huitBits, ToptionsNumerisation options);

    std::int16_t Quantifie(std::int16_t v, TgenerateurDither& generateur) const {
        if (simple_) return Quantifie16(v, q_);
        const auto i = static_cast<std::size_t>(v + 32768);
        if (dither_ && pas_[i] > pasSon_)
            v = static_cast<std::int16_t>(std::clamp(v + generateur.Decalage(pas_[i]), -32768, 32767));
        return niveaux_[static_cast<std::size_t>(v + 32768)];
    }
    std::uint8_t Quantifie(std::uint8_t v, TgenerateurDither& generateur) const {
        if (simple_) return Quantifie8(v, q_);
        return Depuis16(Quantifie(Vers16(v), generateur));
    }

    // Quantifie on v[0], v[1]… v[n - 1] in turn, in place: the same values and the same noise,
    // with the law's and the dither's choices made once per block instead of once per sample.
    void Quantifie(std::int16_t* v, std::size_t n, TgenerateurDither& generateur) const;
    void Quantifie(std::uint8_t* v, std::size_t n, TgenerateurDither& generateur) const;

private:
    static std::int16_t Vers16(std::uint8_t v) { return static_cast<std::int16_t>((v - 128) * 256); }
    static std::uint8_t Depuis16(int niveau) {
        return static_cast<std::uint8_t>(std::min((niveau + 128) >> 8, 127) + 128);
    }
    void QuantifieBloc(std::int16_t* v, std::size_t n, TgenerateurDither& generateur) const;

    int q_ = 1;
    bool simple_ = true;  // every option off
    bool dither_ = false;
    int pasSon_ = 1;  // the sound's own step, in 16-bit units
    // Under dither with the uniform law, log2 of its step when that step takes noise, else -1.
    int puissanceUniforme_ = -1;
    bool toutBruite_ = false;  // under dither, every step of the law takes noise
    const std::int16_t* niveaux_ = nullptr;
    const std::uint16_t* pas_ = nullptr;
};
