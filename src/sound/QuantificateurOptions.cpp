#include "sound/QuantificateurOptions.h"

#include <bit>

namespace {

// Samples quantised together: their noise and steps stay in the first-level cache.
constexpr std::size_t kBloc = 512;

}  // namespace

TquantificateurOptions::TquantificateurOptions(TtableQuantification& table, int q, bool huitBits,
                                               ToptionsNumerisation options)
    : q_(std::clamp(q, 1, 32768)),
      simple_(options == ToptionsNumerisation{}),
      dither_(options.dither),
      pasSon_(huitBits ? 256 : 1) {
    if (simple_) return;
    const int bits = huitBits ? 8 : 16;
    table.Regle(options.loi, bits - std::countr_zero(std::bit_floor(static_cast<unsigned>(q_))));
    niveaux_ = table.Niveaux();
    pas_ = table.Pas();
    toutBruite_ = dither_ && table.PasMin() > pasSon_;
    if (toutBruite_ && options.loi == TloiQuantification::uniforme)
        puissanceUniforme_ = std::countr_zero(static_cast<unsigned>(table.Pas(0)));
}

void TquantificateurOptions::Quantifie(std::int16_t* v, std::size_t n, TgenerateurDither& generateur) const {
    if (simple_) {
        for (std::size_t i = 0; i < n; ++i) v[i] = Quantifie16(v[i], q_);
        return;
    }
    for (std::size_t debut = 0; debut < n; debut += kBloc)
        QuantifieBloc(v + debut, std::min(kBloc, n - debut), generateur);
}

void TquantificateurOptions::Quantifie(std::uint8_t* v, std::size_t n, TgenerateurDither& generateur) const {
    if (simple_) {
        for (std::size_t i = 0; i < n; ++i) v[i] = Quantifie8(v[i], q_);
        return;
    }
    std::int16_t x[kBloc];
    for (std::size_t debut = 0; debut < n; debut += kBloc) {
        const std::size_t taille = std::min(kBloc, n - debut);
        for (std::size_t i = 0; i < taille; ++i) x[i] = Vers16(v[debut + i]);
        QuantifieBloc(x, taille, generateur);
        for (std::size_t i = 0; i < taille; ++i) v[debut + i] = Depuis16(x[i]);
    }
}

void TquantificateurOptions::QuantifieBloc(std::int16_t* v, std::size_t n,
                                           TgenerateurDither& generateur) const {
    const auto indice = [](int x) { return static_cast<std::size_t>(x + 32768); };
    std::uint32_t bruit[kBloc];
    if (puissanceUniforme_ >= 0) {
        // Every sample takes noise, and the level is plain arithmetic: no table in the loop.
        const int k = puissanceUniforme_;
        generateur.Remplit(bruit, n);
        for (std::size_t i = 0; i < n; ++i)
            v[i] = NiveauUniforme(
                std::clamp(v[i] + TgenerateurDither::DecalagePuissance(bruit[i], k), -32768, 32767), k);
        return;
    }
    if (!dither_) {
        for (std::size_t i = 0; i < n; ++i) v[i] = niveaux_[indice(v[i])];
        return;
    }
    if (toutBruite_) {
        generateur.Remplit(bruit, n);
        for (std::size_t i = 0; i < n; ++i) {
            const int x = v[i] + TgenerateurDither::Decalage(bruit[i], pas_[indice(v[i])]);
            v[i] = niveaux_[indice(std::clamp(x, -32768, 32767))];
        }
        return;
    }
    // Only the samples whose step is wider than the sound's take noise: count them, draw that
    // much noise at once, then give it out in order.
    std::uint16_t pas[kBloc];
    std::size_t bruites = 0;
    for (std::size_t i = 0; i < n; ++i) {
        pas[i] = pas_[indice(v[i])];
        bruites += pas[i] > pasSon_;
    }
    generateur.Remplit(bruit, bruites);
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        int x = v[i];
        if (pas[i] > pasSon_)
            x = std::clamp(x + TgenerateurDither::Decalage(bruit[k++], pas[i]), -32768, 32767);
        v[i] = niveaux_[indice(x)];
    }
}
