#include "platform/Enregistreur.h"

#include <cmath>

TEnregistreur::TEnregistreur(std::size_t capacite) : capacite_(capacite) {
    signal_.OnSignal = [this](std::uint32_t, TtypeSignal) {
        if (OnPlein) OnPlein();
    };
}

std::optional<std::string> TEnregistreur::Ouvre(int peripherique, TformatCarte format) {
    format_ = format;
    return flux_.Demarre(peripherique, format, capacite_, signal_);
}

void TEnregistreur::Ferme() {
    flux_.Arrete();
}

int CompteurMaxArret(double t, int intervalle) {
    return static_cast<int>(std::nearbyint((1000.0 * t - std::trunc(t)) / intervalle)) + 1;
}
