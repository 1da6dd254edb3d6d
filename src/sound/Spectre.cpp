#include "sound/Spectre.h"

#include <fftw3.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <numbers>

namespace {

// Below this a bin is drawn as nothing at all; it keeps log10 away from 0.
constexpr double kPlancherDb = -300;

template <TformatWave F>
double Echantillon(const TvecteurSon& v, std::int64_t i) {
    if constexpr (F == TformatWave::f8) return v.son8(i) - 128.0;
    if constexpr (F == TformatWave::f8stereo) return v.son8s(i, 0) - 128.0;
    if constexpr (F == TformatWave::f16) return v.son16(i);
    return v.son16s(i, 0);
}

// Four running sums, so that the additions do not wait on one another (l is a multiple of 4).
double Somme(const double* x, int l) {
    double s0 = 0, s1 = 0, s2 = 0, s3 = 0;
    for (int n = 0; n < l; n += 4) {
        s0 += x[n];
        s1 += x[n + 1];
        s2 += x[n + 2];
        s3 += x[n + 3];
    }
    return (s0 + s1) + (s2 + s3);
}

}  // namespace

struct TanalyseurSpectre::Plan {
    int longueur = 0;
    double* entree = nullptr;
    fftw_complex* sortie = nullptr;
    fftw_plan plan = nullptr;
    std::vector<double> fenetre;

    explicit Plan(int l) : longueur(l), fenetre(static_cast<std::size_t>(l)) {
        entree = fftw_alloc_real(static_cast<std::size_t>(l));
        sortie = fftw_alloc_complex(static_cast<std::size_t>(l / 2 + 1));
        // Estimated, not measured: measuring costs a fifth of a second, which the command
        // line cannot spend, and gains little at these lengths.
        plan = fftw_plan_dft_r2c_1d(l, entree, sortie, FFTW_ESTIMATE);
        // The periodic Hann window, as spectral analysis uses it.
        for (int n = 0; n < l; ++n) fenetre[n] = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * n / l);
    }
    ~Plan() {
        fftw_destroy_plan(plan);
        fftw_free(sortie);
        fftw_free(entree);
    }
    Plan(const Plan&) = delete;
    Plan& operator=(const Plan&) = delete;
};

TanalyseurSpectre::TanalyseurSpectre() = default;
TanalyseurSpectre::~TanalyseurSpectre() = default;

int LongueurSegment(std::int64_t trames, std::uint32_t freqEch) {
    if (freqEch == 0 || trames < kTramesSpectreMin) return 0;
    const auto voulue = std::bit_ceil(std::max<std::uint32_t>(freqEch / 16, kTramesSpectreMin));
    const auto possible = std::bit_floor(static_cast<std::uint64_t>(trames));
    return static_cast<int>(std::min<std::uint64_t>(voulue, possible));
}

Tspectre TanalyseurSpectre::Calcule(const TvecteurSon& v, std::int32_t nbrePoints, std::int32_t debut,
                                    std::int32_t fin, std::uint32_t freqEch) {
    debut = std::max(debut, 0);
    fin = std::min(fin, std::clamp(nbrePoints, 0, TramesMax(v.formatWave)) - 1);
    const int l = LongueurSegment(std::int64_t{fin} - debut + 1, freqEch);
    if (l == 0 || v.formatWave == TformatWave::f24 || v.formatWave == TformatWave::f24stereo) return {};
    if (!plan_ || plan_->longueur != l) plan_ = std::make_unique<Plan>(l);
    Plan& p = *plan_;
    const int bins = l / 2 + 1;
    std::vector<double> puissance(static_cast<std::size_t>(bins), 0.0);
    int segments = 0;
    double* entree = p.entree;
    const double* fenetre = p.fenetre.data();
    double* somme = puissance.data();
    const auto analyse = [&](auto lecture) {
        for (std::int64_t depart = debut; depart + l - 1 <= fin; depart += l / 2) {
            for (int n = 0; n < l; ++n) entree[n] = lecture(depart + n);
            const double moyenne = Somme(entree, l) / l;
#pragma omp simd
            for (int n = 0; n < l; ++n) entree[n] = (entree[n] - moyenne) * fenetre[n];
            fftw_execute(p.plan);
            const double* sortie = &p.sortie[0][0];
#pragma omp simd
            for (int k = 0; k < bins; ++k)
                somme[k] += sortie[2 * k] * sortie[2 * k] + sortie[2 * k + 1] * sortie[2 * k + 1];
            ++segments;
        }
    };
    switch (v.formatWave) {
        case TformatWave::f8:
            analyse([&v](std::int64_t i) { return Echantillon<TformatWave::f8>(v, i); });
            break;
        case TformatWave::f8stereo:
            analyse([&v](std::int64_t i) { return Echantillon<TformatWave::f8stereo>(v, i); });
            break;
        case TformatWave::f16:
            analyse([&v](std::int64_t i) { return Echantillon<TformatWave::f16>(v, i); });
            break;
        default:
            analyse([&v](std::int64_t i) { return Echantillon<TformatWave::f16stereo>(v, i); });
            break;
    }
    // A sine of amplitude A in the middle of bin k gives |X_k| = A·Σw/2; the full scale is
    // 128 for 8-bit samples and 32768 for 16-bit ones.
    const double pleineEchelle = EstHuitBits(v.formatWave) ? 128.0 : 32768.0;
    const double sommeFenetre = l / 2.0;
    Tspectre s;
    s.pasFrequence = static_cast<double>(freqEch) / l;
    s.segments = segments;
    s.niveaux.resize(static_cast<std::size_t>(bins));
    for (int k = 0; k < bins; ++k) {
        const double facteur = (k == 0 || k == l / 2 ? 1.0 : 2.0) / sommeFenetre / pleineEchelle;
        const double amplitude2 = puissance[k] / segments * facteur * facteur;
        s.niveaux[k] = amplitude2 > 0 ? std::max(10 * std::log10(amplitude2), kPlancherDb) : kPlancherDb;
    }
    return s;
}
