#include "sound/NumerisationFlux.h"

#include <algorithm>

namespace {

constexpr int kQuantumMax = 32768;

}  // namespace

template <typename T>
void TnumeriseurFlux::Bloc(const T* entree, T* sortie, std::size_t trames, int q, int pas,
                           ToptionsNumerisation options) {
    pas = std::max(pas, 1);
    q = std::clamp(q, 1, kQuantumMax);
    if (pas != pas_) {
        pas_ = pas;
        phase_ = 0;
    }
    constexpr bool huitBits = sizeof(T) == 1;
    const bool change = q != q_ || huitBits != huitBits_ || !(options == options_);
    if (change) {
        q_ = q;
        huitBits_ = huitBits;
        options_ = options;
        quantificateur_ = TquantificateurOptions(table_, q, huitBits, options);
        if (phase_ != 0) valeur_ = quantificateur_.Quantifie(static_cast<T>(tenu_), generateur_);
    }
    const TquantificateurOptions quantificateur = quantificateur_;
    TgenerateurDither generateur = generateur_;
    // The input is read before the output is written, so both may be the same buffer.
    for (std::size_t i = 0; i < trames; ++i) {
        if (phase_ == 0) {
            tenu_ = entree[i];
            valeur_ = quantificateur.Quantifie(static_cast<T>(tenu_), generateur);
        }
        sortie[i] = static_cast<T>(valeur_);
        if (++phase_ == pas_) phase_ = 0;
    }
    generateur_ = generateur;
}

void TnumeriseurFlux::Numerise(const std::int16_t* entree, std::int16_t* sortie, std::size_t trames, int q,
                               int pas, ToptionsNumerisation options) {
    Bloc(entree, sortie, trames, q, pas, options);
}

void TnumeriseurFlux::Numerise(const std::uint8_t* entree, std::uint8_t* sortie, std::size_t trames, int q,
                               int pas, ToptionsNumerisation options) {
    Bloc(entree, sortie, trames, q, pas, options);
}
