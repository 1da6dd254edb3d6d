#include "sound/NumerisationFlux.h"

#include <algorithm>

#include "sound/Quantification.h"

namespace {

constexpr int kQuantumMax = 32768;

}  // namespace

template <typename T, typename Quantifie>
void TnumeriseurFlux::Bloc(const T* entree, T* sortie, std::size_t trames, int q, int pas,
                           Quantifie quantifie) {
    pas = std::max(pas, 1);
    q = std::clamp(q, 1, kQuantumMax);
    if (pas != pas_) {
        pas_ = pas;
        phase_ = 0;
    }
    // The input is read before the output is written, so both may be the same buffer.
    for (std::size_t i = 0; i < trames; ++i) {
        if (phase_ == 0) tenu_ = entree[i];
        sortie[i] = quantifie(static_cast<T>(tenu_), q);
        if (++phase_ == pas_) phase_ = 0;
    }
}

void TnumeriseurFlux::Numerise(const std::int16_t* entree, std::int16_t* sortie, std::size_t trames, int q,
                               int pas) {
    Bloc(entree, sortie, trames, q, pas, Quantifie16);
}

void TnumeriseurFlux::Numerise(const std::uint8_t* entree, std::uint8_t* sortie, std::size_t trames, int q,
                               int pas) {
    Bloc(entree, sortie, trames, q, pas, Quantifie8);
}
