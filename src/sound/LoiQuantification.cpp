#include "sound/LoiQuantification.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int kBiaisMu = 33;  // added to the 14-bit magnitude, so that segments double
constexpr int kMagnitudeMuMax = 8158;

// Sign and 7-bit magnitude (segment · 16 + step) of a code, whatever the law's bit inversions.
struct Tcode {
    bool negatif;
    int magnitude;
};

Tcode Decompose(TloiQuantification loi, std::uint8_t code) {
    if (loi == TloiQuantification::mu) {
        const int u = static_cast<std::uint8_t>(~code);
        return {(u & 0x80) != 0, u & 0x7F};
    }
    const int a = code ^ 0x55;
    return {(a & 0x80) == 0, a & 0x7F};
}

std::uint8_t CodeMu(std::int16_t v) {
    // Rounded to the 14-bit input, halves up; 32766 and 32767 reach 8192 and are clipped.
    const int x = std::min((v + 2) >> 2, 8191);
    const bool negatif = x < 0;
    const int m = std::min(negatif ? -x : x, kMagnitudeMuMax) + kBiaisMu;
    const int segment = std::bit_width(static_cast<unsigned>(m)) - 6;
    const int u = (negatif ? 0x80 : 0) | segment << 4 | ((m >> (segment + 1)) & 0xF);
    return static_cast<std::uint8_t>(~u);
}

std::uint8_t CodeA(std::int16_t v) {
    // Rounded to the 13-bit input, halves up; negatives count from -1 (one's complement).
    const int x = std::min((v + 4) >> 3, 4095);
    const bool negatif = x < 0;
    const int m = negatif ? -x - 1 : x;
    const int segment = m < 32 ? 0 : std::bit_width(static_cast<unsigned>(m)) - 5;
    const int a = (negatif ? 0 : 0x80) | segment << 4 | ((m >> std::max(segment, 1)) & 0xF);
    return static_cast<std::uint8_t>(a ^ 0x55);
}

}  // namespace

std::uint8_t EncodeG711(TloiQuantification loi, std::int16_t v) {
    return loi == TloiQuantification::mu ? CodeMu(v) : CodeA(v);
}

std::int16_t DecodeG711(TloiQuantification loi, std::uint8_t code) {
    const Tcode c = Decompose(loi, code);
    const int segment = c.magnitude >> 4, pas = c.magnitude & 0xF;
    int t;
    if (loi == TloiQuantification::mu) {
        // In 16-bit units: the bias is 4 · 33, a step 8 << segment, a value the middle of its step.
        t = (((pas << 3) + 4 * kBiaisMu) << segment) - 4 * kBiaisMu;
    } else {
        t = (pas << 4) + 8;
        if (segment > 0) t = (t + 0x100) << (segment - 1);
    }
    return static_cast<std::int16_t>(c.negatif ? -t : t);
}

TtableQuantification::TtableQuantification() : niveaux_(65536), pas_(65536), rangs_(65536) {}

void TtableQuantification::Regle(TloiQuantification loi, int b) {
    b = std::clamp(b, 1, 16);
    if (loi == loi_ && b == b_) return;
    loi_ = loi;
    b_ = b;
    pasMin_ = 65536;
    if (loi == TloiQuantification::uniforme)
        Uniforme(b);
    else
        Compresse(loi, b);
}

void TtableQuantification::Remplit(int debut, int fin, int niveau) {
    std::fill(niveaux_.begin() + debut + 32768, niveaux_.begin() + fin + 32769,
              static_cast<std::int16_t>(niveau));
    std::fill(pas_.begin() + debut + 32768, pas_.begin() + fin + 32769,
              static_cast<std::uint16_t>(fin - debut + 1));
    pasMin_ = std::min(pasMin_, fin - debut + 1);
}

void TtableQuantification::Uniforme(int b) {
    for (int v = -32768; v < 32768; ++v) {
        niveaux_[Indice(static_cast<std::int16_t>(v))] = NiveauUniforme(v, 16 - b);
        pas_[Indice(static_cast<std::int16_t>(v))] = static_cast<std::uint16_t>(1 << (16 - b));
    }
    pasMin_ = 1 << (16 - b);
}

void TtableQuantification::Compresse(TloiQuantification loi, int b) {
    if (loi != loiRangs_) {
        loiRangs_ = loi;
        for (int v = -32768; v < 32768; ++v) {
            const std::uint8_t code = EncodeG711(loi, static_cast<std::int16_t>(v));
            const Tcode c = Decompose(loi, code);
            rangs_[Indice(static_cast<std::int16_t>(v))] =
                static_cast<std::int8_t>(c.negatif ? -1 - c.magnitude : c.magnitude);
        }
    }
    // The law being monotonic, each code is one run of samples; with 8 - b low bits dropped
    // from the magnitude, a run of codes.
    const int abandon = std::max(8 - b, 0), coupe = std::max(b - 8, 0);
    const auto cle = [&](int v) {
        const int r = rangs_[Indice(static_cast<std::int16_t>(v))];
        return r < 0 ? -1 - ((-1 - r) >> abandon) : r >> abandon;
    };
    int debut = -32768, k = cle(debut);
    for (int v = -32767; v <= 32768; ++v) {
        const int suivante = v < 32768 ? cle(v) : k + 1;
        if (suivante == k) continue;
        const int fin = v - 1;
        if (b == 8) {
            Remplit(debut, fin, DecodeG711(loi, EncodeG711(loi, static_cast<std::int16_t>(debut))));
        } else if (coupe == 0) {
            Remplit(debut, fin, (debut + fin + 1) >> 1);
        } else {
            // Step i of n covers the samples debut + ceil(i·largeur / n) onwards.
            const long largeur = fin - debut + 1, n = 1L << coupe;
            for (long i = 0; i < n; ++i) {
                const int bas = debut + static_cast<int>((i * largeur + n - 1) >> coupe);
                const int haut = debut + static_cast<int>(((i + 1) * largeur + n - 1) >> coupe) - 1;
                if (bas <= haut) Remplit(bas, haut, (bas + haut + 1) >> 1);
            }
        }
        debut = v;
        k = suivante;
    }
}
