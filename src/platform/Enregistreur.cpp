#include "platform/Enregistreur.h"

#include <cmath>

TEnregistreur::TEnregistreur(std::size_t capacite) : capacite_(capacite) {
    signal_.OnSignal = [this](std::uint32_t, TtypeSignal) {
        veille_.Arrete();
        if (OnPlein) OnPlein();
    };
    veille_.Progression = [this] { return static_cast<std::int64_t>(Taille()); };
    veille_.OnMuet = [this] {
        if (OnCoupure) OnCoupure();
    };
}

Tresultat<> TEnregistreur::Ouvre(int peripherique, TformatCarte format) {
    format_ = format;
    veille_.Arrete();
    auto demarre = flux_.Demarre(peripherique, format, capacite_, signal_);
    if (demarre) veille_.Demarre();
    return demarre;
}

void TEnregistreur::Ferme() {
    veille_.Arrete();
    flux_.Arrete();
}

int CompteurMaxArret(double t, int intervalle) {
    return static_cast<int>(std::nearbyint((1000.0 * t - std::trunc(t)) / intervalle)) + 1;
}
