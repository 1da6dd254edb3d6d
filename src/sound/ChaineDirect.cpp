#include "sound/ChaineDirect.h"

#include <algorithm>
#include <cstring>

// The audio thread reads its settings in one load that must never take a lock.
static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

std::int16_t AppliqueGain(std::int16_t v, int pourcent) {
    return static_cast<std::int16_t>(v * pourcent / 100);
}

std::uint8_t AppliqueGain(std::uint8_t v, int pourcent) {
    return static_cast<std::uint8_t>(128 + (v - 128) * pourcent / 100);
}

void TchaineDirect::Regle(int q, int pas, ToptionsNumerisation options) {
    q = std::clamp(q, 1, 32768);
    pas = std::clamp(pas, 1, 0xFFFF);
    reglage_.store(static_cast<std::uint64_t>(q - 1) | static_cast<std::uint64_t>(pas) << 16 |
                       static_cast<std::uint64_t>(options.loi) << 32 | std::uint64_t{options.dither} << 34,
                   std::memory_order_relaxed);
}

void TchaineDirect::Remet(bool huitBits) {
    huitBits_ = huitBits;
    numeriseur_.Remet();
    anneau_.Vide();
}

template <typename T>
void TchaineDirect::TraiteBloc(const T* entree, T* sortie, std::size_t trames) noexcept {
    const std::uint64_t reglage = reglage_.load(std::memory_order_relaxed);
    const int q = static_cast<int>(reglage & 0xFFFF) + 1;
    const int pas = static_cast<int>(reglage >> 16 & 0xFFFF);
    const ToptionsNumerisation options{static_cast<TloiQuantification>(reglage >> 32 & 3),
                                       (reglage >> 34 & 1) != 0};
    numeriseur_.Numerise(entree, sortie, trames, q, pas, options);
    anneau_.Ecrit(entree, sortie, trames);
    // memmove: a block without input comes with the output buffer as its input.
    if (original_.load(std::memory_order_relaxed)) std::memmove(sortie, entree, trames * sizeof(T));
    const int gain = gain_.load(std::memory_order_relaxed);
    if (gain == 100) return;
    for (std::size_t i = 0; i < trames; ++i) sortie[i] = AppliqueGain(sortie[i], gain);
}

void TchaineDirect::Traite(const void* entree, void* sortie, std::size_t trames) noexcept {
    if (huitBits_)
        TraiteBloc(static_cast<const std::uint8_t*>(entree), static_cast<std::uint8_t*>(sortie), trames);
    else
        TraiteBloc(static_cast<const std::int16_t*>(entree), static_cast<std::int16_t*>(sortie), trames);
}
