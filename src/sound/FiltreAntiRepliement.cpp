#include "sound/FiltreAntiRepliement.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "sound/CanauxFlottants.h"
#include "sound/FenetreKaiser.h"

namespace {

constexpr double kAttenuationDb = 60;
constexpr double kDebutTransition = 0.75;  // of the new Nyquist frequency

using Tquatre = float __attribute__((vector_size(16)));

Tquatre Charge(const float* p) {
    Tquatre v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The sums of n outputs whose inputs start at x, x + pas… Each in one fixed order, whatever
// the machine: four partial sums (tap k in sum k mod 4), the taps past the last multiple of
// four added to the first, then the four added in turn. The n sums run side by side, so that
// no addition waits on the one before.
template <int n>
void Sommes(const float* h, int taille, const float* x, int pas, float* sommes) {
    const int quatres = taille / 4 * 4;
    Tquatre s[n] = {};
    for (int k = 0; k < quatres; k += 4) {
        const Tquatre c = Charge(h + k);
        for (int j = 0; j < n; ++j) s[j] += c * Charge(x + j * pas + k);
    }
    for (int j = 0; j < n; ++j) {
        float premiere = s[j][0];
        for (int k = quatres; k < taille; ++k) premiere += h[k] * x[j * pas + k];
        sommes[j] = premiere + s[j][1] + s[j][2] + s[j][3];
    }
}

template <typename Lit, typename Ecrit>
void FiltreCanal(const std::vector<float>& h, std::vector<float>& canal, std::int32_t nbrePoints, int pas,
                 Lit lit, Ecrit ecrit) {
    const std::size_t m = h.size() / 2;
    canal.assign(static_cast<std::size_t>(nbrePoints) + 2 * m, 0.0f);
    for (std::int32_t i = 0; i < nbrePoints; ++i) canal[m + static_cast<std::size_t>(i)] = lit(i);
    const int taille = static_cast<int>(h.size());
    // Output j is centred on input j, which sits at j + m in the padded channel.
    float sommes[4];
    std::int32_t j = 0;
    for (; j + std::int64_t{3} * pas < nbrePoints; j += 4 * pas) {
        Sommes<4>(h.data(), taille, canal.data() + j, pas, sommes);
        for (int i = 0; i < 4; ++i) ecrit(j + i * pas, sommes[i]);
    }
    for (; j < nbrePoints; j += pas) {
        Sommes<1>(h.data(), taille, canal.data() + j, pas, sommes);
        ecrit(j, sommes[0]);
    }
}

}  // namespace

std::vector<float> TfiltreAntiRepliement::Noyau(int pas) {
    pas = std::max(pas, 1);
    // Frequencies in cycles per frame.
    const double arret = 0.5 / pas;
    const double transition = arret * (1 - kDebutTransition);
    const double coupure = arret - transition / 2;
    // Kaiser's estimates of the window's shape and of the length for that attenuation.
    const double beta = 0.1102 * (kAttenuationDb - 8.7);
    int ordre =
        static_cast<int>(std::ceil((kAttenuationDb - 8) / (2.285 * 2 * std::numbers::pi * transition)));
    ordre += ordre % 2;
    std::vector<double> h(static_cast<std::size_t>(ordre) + 1);
    double somme = 0;
    for (int n = 0; n <= ordre; ++n) {
        const double t = n - ordre / 2.0;
        const double sinc =
            t == 0 ? 2 * coupure : std::sin(2 * std::numbers::pi * coupure * t) / (std::numbers::pi * t);
        h[n] = sinc * FenetreKaiser(2.0 * n / ordre - 1, beta);
        somme += h[n];
    }
    std::vector<float> noyau(h.size());
    for (std::size_t n = 0; n < h.size(); ++n) noyau[n] = static_cast<float>(h[n] / somme);
    return noyau;
}

void TfiltreAntiRepliement::Applique(const TvecteurSon& son, std::int32_t nbrePoints, int pas,
                                     TvecteurSon& filtre) {
    const TformatWave f = son.formatWave;
    filtre.formatWave = f;
    nbrePoints = std::clamp(nbrePoints, 0, TramesMax(f));
    if (pas <= 1 || f == TformatWave::f24 || f == TformatWave::f24stereo) {
        std::memcpy(filtre.zone, son.zone, static_cast<std::size_t>(nbrePoints) * OctetsParTrame(f));
        return;
    }
    if (pas != pasNoyau_) {
        noyau_ = Noyau(pas);
        pasNoyau_ = pas;
    }
    PourChaqueCanal(son, filtre,
                    [&](auto lit, auto ecrit) { FiltreCanal(noyau_, canal_, nbrePoints, pas, lit, ecrit); });
}
