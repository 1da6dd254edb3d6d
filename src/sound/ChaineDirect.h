// What the live mode does to each block of the microphone's sound, on the audio thread:
// digitise it, keep both for the view, choose what is heard (the digitised sound or the
// original, switched between two blocks without a gap, since the digitiser runs either way)
// and apply the listening gain. It takes its settings from atomics at the start of each block
// and never allocates, locks or logs.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

#include "sound/AnneauDirect.h"
#include "sound/NumerisationFlux.h"

// A block's gain, in percent: 100 leaves the samples as they are.
std::int16_t AppliqueGain(std::int16_t v, int pourcent);
std::uint8_t AppliqueGain(std::uint8_t v, int pourcent);

class TchaineDirect {
public:
    // UI thread, at any time: taken by the next block.
    void Regle(int q, int pas, ToptionsNumerisation options = {});
    void SetOriginal(bool original) { original_.store(original, std::memory_order_relaxed); }
    void SetGain(int pourcent) { gain_.store(pourcent, std::memory_order_relaxed); }

    // UI thread, while no stream runs: the next block starts a new sound of that width.
    void Remet(bool huitBits);

    // Audio thread: mono samples of the width given to Remet; both buffers hold `trames`.
    void Traite(const void* entree, void* sortie, std::size_t trames) noexcept;

    const TanneauDirect& Anneau() const { return anneau_; }

private:
    template <typename T>
    void TraiteBloc(const T* entree, T* sortie, std::size_t trames) noexcept;

    // q in the low 16 bits (at most 32768, kept as q - 1), the step above, then the law and the
    // dither, so that a block never takes its settings from two different calls.
    std::atomic<std::uint64_t> reglage_{0x10000};
    std::atomic<bool> original_{false};
    std::atomic<int> gain_{100};
    bool huitBits_ = false;
    TnumeriseurFlux numeriseur_;
    TanneauDirect anneau_;
};
