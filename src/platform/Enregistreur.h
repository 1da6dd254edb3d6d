// The recorder: a mono recording from a sound-card input into a bounded buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/FluxAudio.h"
#include "platform/SignalAudio.h"
#include "platform/VeilleFlux.h"

class TEnregistreur {
public:
    // Room for what the sound record can load; a longer recording stops growing.
    explicit TEnregistreur(std::size_t capacite);

    // Told on the UI thread, once, when the recording has filled its room.
    std::function<void()> OnPlein;
    // Told on the UI thread, once, when the sound card stopped answering: what was recorded
    // until then stays readable, the recording stays open until Ferme.
    std::function<void()> OnCoupure;

    // Returns the reason when the device cannot record in that format.
    Tresultat<> Ouvre(int peripherique, TformatCarte format);
    // Stops recording; what was recorded stays readable until the next Ouvre.
    void Ferme();
    bool EstOuvert() const { return flux_.EnCours(); }
    const std::uint8_t* Octets() const { return flux_.Octets(); }
    std::size_t Taille() const { return flux_.OctetsEnregistres(); }
    TformatCarte Format() const { return format_; }

private:
    std::size_t capacite_;
    TformatCarte format_{0, 16};
    TsignalAudio signal_;
    TfluxEntree flux_;
    TveilleFlux veille_;
};

// Ticks of the stop countdown for a recording that ran t seconds (the elapsed time modulo
// one hour): Round((1000 t - Trunc(t)) / intervalle) + 1, halves to even.
int CompteurMaxArret(double t, int intervalle);
