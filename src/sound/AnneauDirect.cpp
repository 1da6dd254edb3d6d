#include "sound/AnneauDirect.h"

#include <algorithm>

TanneauDirect::TanneauDirect(int bits)
    : masque_((std::size_t{1} << bits) - 1),
      son_(std::make_unique<std::atomic<std::int16_t>[]>(masque_ + 1)),
      numerise_(std::make_unique<std::atomic<std::int16_t>[]>(masque_ + 1)) {}

template <typename T>
void TanneauDirect::EcritBloc(const T* son, const T* numerise, std::size_t trames) noexcept {
    const auto debut = static_cast<std::size_t>(ecrites_.load(std::memory_order_relaxed));
    for (std::size_t i = 0; i < trames; ++i) {
        const std::size_t k = (debut + i) & masque_;
        son_[k].store(static_cast<std::int16_t>(son[i]), std::memory_order_relaxed);
        numerise_[k].store(static_cast<std::int16_t>(numerise[i]), std::memory_order_relaxed);
    }
    ecrites_.store(static_cast<std::int64_t>(debut + trames), std::memory_order_release);
}

void TanneauDirect::Ecrit(const std::int16_t* son, const std::int16_t* numerise,
                          std::size_t trames) noexcept {
    EcritBloc(son, numerise, trames);
}

void TanneauDirect::Ecrit(const std::uint8_t* son, const std::uint8_t* numerise,
                          std::size_t trames) noexcept {
    EcritBloc(son, numerise, trames);
}

std::size_t TanneauDirect::Derniers(std::size_t trames, std::int16_t* son, std::int16_t* numerise) const {
    const auto fin = static_cast<std::size_t>(ecrites_.load(std::memory_order_acquire));
    const std::size_t n = std::min({trames, fin, (masque_ + 1) / 2});
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t k = (fin - n + i) & masque_;
        son[i] = son_[k].load(std::memory_order_relaxed);
        numerise[i] = numerise_[k].load(std::memory_order_relaxed);
    }
    return n;
}
