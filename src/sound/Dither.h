// The dither's noise: triangular (TPDF), the sum of two uniform values in (-1/2, 1/2) of a step,
// so within one step either side, from a generator of our own (PCG32) started from a fixed seed:
// the same sound and settings give the same bytes on every platform, which the standard
// library's distributions do not promise.
#pragma once

#include <cstdint>

class TgenerateurDither {
public:
    static constexpr std::uint64_t kGraine = 0x5A3D1F0C2B4E6978;

    void Remet() { etat_ = kGraine; }

    // Floor of the noise times `pas`, in samples: a value in -pas .. pas - 1, of mean -1/2
    // (the floor's), so that the dithered sample rounded down is the noisy value's floor.
    int Decalage(int pas) {
        const std::uint32_t r = Suivant();
        // Two halves of 16 bits, each an odd count of 2^-17 of a step, symmetric about 0.
        const std::int64_t somme = 2 * static_cast<std::int64_t>(r >> 16) + 2 * (r & 0xFFFF) + 2 - 131072;
        return static_cast<int>((somme * pas) >> 17);
    }

private:
    std::uint32_t Suivant() {
        const std::uint64_t ancien = etat_;
        etat_ = ancien * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto melange = static_cast<std::uint32_t>(((ancien >> 18) ^ ancien) >> 27);
        const auto rotation = static_cast<unsigned>(ancien >> 59);
        return (melange >> rotation) | (melange << ((32 - rotation) & 31));
    }

    std::uint64_t etat_ = kGraine;
};
