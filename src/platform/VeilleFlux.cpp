#include "platform/VeilleFlux.h"

namespace {

// Long enough that a loaded machine never trips it: a working card calls back every few
// tens of milliseconds.
constexpr auto kSilenceMax = std::chrono::seconds(2);

}  // namespace

TveilleFlux::TveilleFlux() {
    minuterie_.setInterval(250);
    QObject::connect(&minuterie_, &QTimer::timeout, [this] { Verifie(); });
}

void TveilleFlux::Demarre() {
    derniere_ = Progression ? Progression() : 0;
    depuis_ = std::chrono::steady_clock::now();
    minuterie_.start();
}

void TveilleFlux::Arrete() {
    minuterie_.stop();
}

void TveilleFlux::Verifie() {
    const std::int64_t maintenant = Progression ? Progression() : 0;
    if (maintenant != derniere_) {
        derniere_ = maintenant;
        depuis_ = std::chrono::steady_clock::now();
        return;
    }
    if (std::chrono::steady_clock::now() - depuis_ < kSilenceMax) return;
    minuterie_.stop();
    if (OnMuet) OnMuet();
}
