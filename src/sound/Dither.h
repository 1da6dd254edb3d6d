// The dither's noise: triangular (TPDF), the sum of two uniform values in (-1/2, 1/2) of a step,
// so within one step either side, from a generator of our own (PCG32) started from a fixed seed:
// the same sound and settings give the same bytes on every platform, which the standard
// library's distributions do not promise.
#pragma once

#include <cstddef>
#include <cstdint>

class TgenerateurDither {
public:
    static constexpr std::uint64_t kGraine = 0x5A3D1F0C2B4E6978;

    void Remet() { etat_ = kGraine; }

    // Floor of the noise times `pas`, in samples: a value in -pas .. pas - 1, of mean -1/2
    // (the floor's), so that the dithered sample rounded down is the noisy value's floor.
    int Decalage(int pas) { return Decalage(Suivant(), pas); }

    // The same from one value r of the generator.
    static int Decalage(std::uint32_t r, int pas) {
        return static_cast<int>((static_cast<std::int64_t>(Somme(r)) * pas) >> 17);
    }
    // The same for a step of 2^k samples (k at most 17), in 32-bit arithmetic.
    static int DecalagePuissance(std::uint32_t r, int k) { return Somme(r) >> (17 - k); }

    // The next n values of the generator, those that n calls of Decalage would use, in order.
    void Remplit(std::uint32_t* r, std::size_t n);

private:
    // Two halves of 16 bits, each an odd count of 2^-17 of a step, symmetric about 0.
    static std::int32_t Somme(std::uint32_t r) {
        return 2 * static_cast<std::int32_t>(r >> 16) + 2 * static_cast<std::int32_t>(r & 0xFFFF) + 2 -
               131072;
    }

    static constexpr std::uint64_t kMultiplicateur = 6364136223846793005ULL;
    static constexpr std::uint64_t kIncrement = 1442695040888963407ULL;

    static std::uint32_t Sortie(std::uint64_t etat) {
        const auto melange = static_cast<std::uint32_t>(((etat >> 18) ^ etat) >> 27);
        const auto rotation = static_cast<unsigned>(etat >> 59);
        return (melange >> rotation) | (melange << ((32 - rotation) & 31));
    }

    std::uint32_t Suivant() {
        const std::uint64_t ancien = etat_;
        etat_ = ancien * kMultiplicateur + kIncrement;
        return Sortie(ancien);
    }

    std::uint64_t etat_ = kGraine;
};

inline void TgenerateurDither::Remplit(std::uint32_t* r, std::size_t n) {
    // Four streams, each four steps ahead at a time, so that no step waits on the one before.
    constexpr std::uint64_t m2 = kMultiplicateur * kMultiplicateur, m4 = m2 * m2;
    constexpr std::uint64_t c2 = kIncrement * (kMultiplicateur + 1), c4 = c2 * (m2 + 1);
    std::uint64_t e[4] = {etat_};
    for (int j = 1; j < 4; ++j) e[j] = e[j - 1] * kMultiplicateur + kIncrement;
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        for (int j = 0; j < 4; ++j) {
            r[i + j] = Sortie(e[j]);
            e[j] = e[j] * m4 + c4;
        }
    }
    etat_ = e[0];
    for (; i < n; ++i) r[i] = Suivant();
}
