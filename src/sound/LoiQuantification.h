// The quantiser's laws: uniform, µ-law and A-law, over 16-bit samples.
//
// At 8 bits the µ-law and the A-law are the telephone's, ITU-T G.711: a 16-bit sample is first
// rounded to the law's own input (14 bits for µ, 13 for A; to the nearest, halves up), coded on
// 8 bits (sign, 3 bits of segment, 4 of step) and decoded to G.711's value.
//
// Other widths, for the lesson:
// - below 8 bits, the code keeps its sign and the b − 1 high bits of its 7-bit magnitude (the
//   segment first): the codes that differ only in the bits dropped become one, and a sample
//   comes back as the middle of the samples that this one code stands for;
// - above 8 bits, each step of the 8-bit law is cut into 2^(b − 8) equal steps (a longer step
//   field in each segment), and a sample comes back as the middle of its step; a step of one
//   sample keeps the sample as it is.
// Either way the law stays monotonic.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

enum class TloiQuantification : std::uint8_t { uniforme, mu, a };

// The G.711 byte of a 16-bit sample, as a line carries it, and the 16-bit value it decodes to.
std::uint8_t EncodeG711(TloiQuantification loi, std::int16_t v);
std::int16_t DecodeG711(TloiQuantification loi, std::uint8_t code);

// The uniform law's level of v for a step of 2^k samples: the nearest multiple of the step
// (halves up), within the range.
inline std::int16_t NiveauUniforme(int v, int k) {
    const int q = 1 << k;
    return static_cast<std::int16_t>(std::clamp(((v + q / 2) >> k) * q, -32768, 32768 - q));
}

// One quantiser as two tables indexed by the 16-bit sample: the value it comes back as, and the
// width of its step (the samples that come back as that value), which the dither scales to.
// The uniform law here rounds to the nearest multiple of q (halves up), within the range: the
// digitiser uses it under dither only, its plain quantiser rounds down.
class TtableQuantification {
public:
    TtableQuantification();

    // Rebuilds the tables when the law or b changed; allocates nothing.
    void Regle(TloiQuantification loi, int b);

    std::int16_t Niveau(std::int16_t v) const { return niveaux_[Indice(v)]; }
    int Pas(std::int16_t v) const { return pas_[Indice(v)]; }
    // The narrowest step.
    int PasMin() const { return pasMin_; }
    // Both tables from sample -32768 on; they stay where they are from one setting to the next.
    const std::int16_t* Niveaux() const { return niveaux_.data(); }
    const std::uint16_t* Pas() const { return pas_.data(); }

private:
    static std::size_t Indice(std::int16_t v) { return static_cast<std::size_t>(v + 32768); }
    void Uniforme(int b);
    void Compresse(TloiQuantification loi, int b);
    void Remplit(int debut, int fin, int niveau);

    TloiQuantification loi_ = TloiQuantification::uniforme;
    int b_ = 0;
    int pasMin_ = 0;
    std::vector<std::int16_t> niveaux_;
    std::vector<std::uint16_t> pas_;
    // Each sample's 8-bit code under loiRangs_, in order: -128 .. -1 for the negative codes
    // (-1 - magnitude), 0 .. 127 for the others; kept while the law stays.
    TloiQuantification loiRangs_ = TloiQuantification::uniforme;
    std::vector<std::int8_t> rangs_;
};
