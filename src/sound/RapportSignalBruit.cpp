#include "sound/RapportSignalBruit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Sums of a series of integers, enough for its mean square about its mean, exactly.
struct Tsommes {
    std::int64_t somme = 0;
    std::int64_t carres = 0;

    // n·Σx² − (Σx)², which is 0 exactly when the series is constant; it fits in 128 bits
    // (n ≤ 2^21, Σx² ≤ 2^52).
    __int128 EcartNul(std::int64_t n) const {
        return static_cast<__int128>(n) * carres - static_cast<__int128>(somme) * somme;
    }
    long double Variance(std::int64_t n) const {
        return static_cast<long double>(EcartNul(n)) / (static_cast<long double>(n) * n);
    }
};

template <typename Lit>
std::optional<double> Rapport(std::int64_t echantillons, Lit lit) {
    if (echantillons < 1) return std::nullopt;
    Tsommes signal, difference;
    for (std::int64_t k = 0; k < echantillons; ++k) {
        const auto [original, numerise] = lit(k);
        const std::int64_t x = original, e = numerise - original;
        signal.somme += x;
        signal.carres += x * x;
        difference.somme += e;
        difference.carres += e * e;
    }
    if (signal.EcartNul(echantillons) == 0) return std::nullopt;
    if (difference.EcartNul(echantillons) == 0) return std::numeric_limits<double>::infinity();
    return static_cast<double>(10 *
                               std::log10(signal.Variance(echantillons) / difference.Variance(echantillons)));
}

}  // namespace

std::optional<double> RapportSignalBruitMesure(const TvecteurSon& son, const TvecteurSon& sousEch,
                                               std::int32_t nbrePoints) {
    const TformatWave f = son.formatWave;
    const std::int64_t echantillons =
        std::int64_t{std::clamp(nbrePoints, 0, TramesMax(f))} * DescriptionFormat(f).echantillonsParTrame;
    struct Paire {
        int original, numerise;
    };
    if (EstHuitBits(f))
        return Rapport(echantillons, [&](std::int64_t k) { return Paire{son.son8(k), sousEch.son8(k)}; });
    if (f == TformatWave::f16 || f == TformatWave::f16stereo)
        return Rapport(echantillons, [&](std::int64_t k) { return Paire{son.son16(k), sousEch.son16(k)}; });
    return std::nullopt;
}

double RapportSignalBruitTheorique(int b) {
    return 6.02 * b + 1.76;
}

std::string Decimale(double valeur, Tlangue langue) {
    const long long dixiemes = std::llround(valeur * 10);
    const long long absolu = dixiemes < 0 ? -dixiemes : dixiemes;
    std::string texte = dixiemes < 0 ? "-" : "";
    return texte.append(std::to_string(absolu / 10))
        .append(Selon(langue, ",", "."))
        .append(std::to_string(absolu % 10));
}

std::string TexteRapportMesure(std::optional<double> mesure, Tlangue langue) {
    if (!mesure) return Selon(langue, "RSB : —", "SNR: —");
    const std::string texte = Selon(langue, "RSB mesuré : ", "Measured SNR: ");
    if (std::isinf(*mesure)) return texte + "∞";
    return texte + Decimale(*mesure, langue) + " dB";
}

std::string TexteRapportReconstruction(std::optional<double> mesure, Tlangue langue) {
    return Selon(langue, "reconstruction : ", "reconstruction: ") + TexteRapportMesure(mesure, langue);
}

std::string TexteRapportSignalBruit(std::optional<double> mesure, int b, Tlangue langue) {
    return TexteRapportMesure(mesure, langue)
        .append(Selon(langue, ", théorie 6,02·b + 1,76 = ", ", theory 6.02·b + 1.76 = "))
        .append(Decimale(RapportSignalBruitTheorique(b), langue))
        .append(" dB");
}
