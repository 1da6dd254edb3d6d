#include "platform/Enregistreur.h"

#include <cmath>

#include <QCoreApplication>
#include <QEvent>

namespace {

const QEvent::Type kEvenementPlein = static_cast<QEvent::Type>(QEvent::User + 3);

}  // namespace

TEnregistreur::TEnregistreur(std::size_t capacite) : capacite_(capacite) {}

std::optional<std::string> TEnregistreur::Ouvre(int peripherique, TformatCarte format) {
    format_ = format;
    return flux_.Demarre(peripherique, format, capacite_,
                         [this] { QCoreApplication::postEvent(this, new QEvent(kEvenementPlein)); });
}

void TEnregistreur::Ferme() { flux_.Arrete(); }

bool TEnregistreur::event(QEvent* evenement) {
    if (evenement->type() != kEvenementPlein) return QObject::event(evenement);
    if (OnPlein) OnPlein();
    return true;
}

int CompteurMaxArret(double t, int intervalle) {
    return static_cast<int>(std::nearbyint((1000.0 * t - std::trunc(t)) / intervalle)) + 1;
}
