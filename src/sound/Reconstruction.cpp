#include "sound/Reconstruction.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "sound/CanauxFlottants.h"
#include "sound/FenetreKaiser.h"

namespace {

constexpr double kBeta = 8;
constexpr int kTaps = 2 * Treconstruction::kDemiLargeur;
constexpr std::int32_t kBloc = 256;  // held samples per block of sums

}  // namespace

std::vector<float> Treconstruction::Noyau(int pas) {
    pas = std::max(pas, 1);
    std::vector<float> noyau(static_cast<std::size_t>(pas) * kTaps);
    for (int p = 0; p < pas; ++p) {
        double h[kTaps], somme = 0;
        for (int m = 0; m < kTaps; ++m) {
            // Tap m weighs held sample k0 + m - 15, which stands t held steps before the frame.
            const double t = static_cast<double>(p) / pas - (m - kDemiLargeur + 1);
            const double sinc = t == 0 ? 1 : std::sin(std::numbers::pi * t) / (std::numbers::pi * t);
            h[m] = sinc * FenetreKaiser(t / kDemiLargeur, kBeta);
            somme += h[m];
        }
        for (int m = 0; m < kTaps; ++m)
            noyau[static_cast<std::size_t>(p) * kTaps + m] = static_cast<float>(h[m] / somme);
    }
    return noyau;
}

template <typename Lit, typename Ecrit>
void Treconstruction::Canal(std::int32_t nbrePoints, int pas, std::int32_t debut, std::int32_t fin, Lit lit,
                            Ecrit ecrit) {
    const std::int32_t tenusTotal = (nbrePoints - 1) / pas + 1;
    const std::int32_t k0 = debut / pas, k1 = fin / pas;
    // tenus_[j] is held sample k0 - 15 + j; the sums of held sample k read tenus_[k - k0 + m].
    const std::int32_t premier = k0 - kDemiLargeur + 1;
    tenus_.assign(static_cast<std::size_t>(k1 - k0 + kTaps), 0.0f);
    for (std::int32_t k = std::max(premier, 0);
         k < std::min(premier + static_cast<std::int32_t>(tenus_.size()), tenusTotal); ++k)
        tenus_[static_cast<std::size_t>(k - premier)] = lit(k * pas);
    sommes_.resize(static_cast<std::size_t>(pas) * kBloc);
    for (std::int32_t bloc = k0; bloc <= k1; bloc += kBloc) {
        const std::int32_t n = std::min(kBloc, k1 - bloc + 1);
        const float* x = tenus_.data() + (bloc - k0);
        for (int p = 1; p < pas; ++p) {
            float* s = sommes_.data() + static_cast<std::size_t>(p) * kBloc;
            std::fill(s, s + n, 0.0f);
            for (int m = 0; m < kTaps; ++m) {
                const float c = noyau_[static_cast<std::size_t>(p) * kTaps + m];
                const float* xm = x + m;
                // Across the held samples, so that each frame's sum keeps the order of its taps.
#pragma omp simd
                for (std::int32_t j = 0; j < n; ++j) s[j] += c * xm[j];
            }
        }
        for (std::int32_t j = 0; j < n; ++j) {
            const std::int32_t base = (bloc + j) * pas;
            const int pDebut = std::max(0, debut - base), pFin = std::min(pas - 1, fin - base);
            for (int p = pDebut; p <= pFin; ++p)
                ecrit(base + p,
                      p == 0 ? x[j + kDemiLargeur - 1] : sommes_[static_cast<std::size_t>(p) * kBloc + j]);
        }
    }
}

void Treconstruction::Calcule(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas,
                              std::int32_t debut, std::int32_t fin, TvecteurSon& sortie) {
    const TformatWave f = sousEch.formatWave;
    sortie.formatWave = f;
    nbrePoints = std::clamp(nbrePoints, 0, TramesMax(f));
    debut = std::max(debut, 0);
    fin = std::min(fin, nbrePoints - 1);
    if (debut > fin) return;
    const std::size_t octets = static_cast<std::size_t>(OctetsParTrame(f));
    const std::size_t decalage = static_cast<std::size_t>(debut) * octets,
                      taille = static_cast<std::size_t>(fin - debut + 1) * octets;
    if (f == TformatWave::f24 || f == TformatWave::f24stereo) {
        std::memset(sortie.zone + decalage, 0, taille);
        return;
    }
    pas = std::max(pas, 1);
    if (pas == 1) {
        std::memcpy(sortie.zone + decalage, sousEch.zone + decalage, taille);
        return;
    }
    if (pas != pasNoyau_) {
        noyau_ = Noyau(pas);
        pasNoyau_ = pas;
    }
    PourChaqueCanal(sousEch, sortie,
                    [&](auto lit, auto ecrit) { Canal(nbrePoints, pas, debut, fin, lit, ecrit); });
}
