#include "sound/Numerisation.h"

#include <algorithm>
#include <cmath>

#include "sound/Quantification.h"

namespace {

constexpr int kQuantumMax = 32768;

template <typename Lit, typename Ecrit>
void Maintient(std::int32_t nbrePoints, int pas, Lit lit, Ecrit ecrit) {
    for (std::int32_t j = 0; j < nbrePoints; j += pas) {
        const auto valeur = lit(j);
        const std::int32_t fin = std::min<std::int64_t>(nbrePoints, std::int64_t{j} + pas);
        for (std::int32_t i = j; i < fin; ++i) ecrit(i, valeur);
    }
}

struct Paire8 {
    std::uint8_t g, d;
};
struct Paire16 {
    std::int16_t g, d;
};

// The hold over every layout, each held sample quantised once, left before right.
template <typename Q8, typename Q16>
void NumeriseAvec(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int pas, Q8 q8,
                  Q16 q16) {
    pas = std::max(pas, 1);
    nbrePoints = std::clamp(nbrePoints, 0, TramesMax(son.formatWave));
    switch (son.formatWave) {
        case TformatWave::f8:
            Maintient(
                nbrePoints, pas, [&](std::int32_t j) { return q8(son.son8(j)); },
                [&](std::int32_t i, std::uint8_t v) { sousEch.setSon8(i, v); });
            break;
        case TformatWave::f16:
            Maintient(
                nbrePoints, pas, [&](std::int32_t j) { return q16(son.son16(j)); },
                [&](std::int32_t i, std::int16_t v) { sousEch.setSon16(i, v); });
            break;
        case TformatWave::f8stereo:
            Maintient(
                nbrePoints, pas,
                [&](std::int32_t j) {
                    return Paire8{q8(son.son8s(j, 0)), q8(son.son8s(j, 1))};
                },
                [&](std::int32_t i, Paire8 v) {
                    sousEch.setSon8(2 * i, v.g);
                    sousEch.setSon8(2 * i + 1, v.d);
                });
            break;
        case TformatWave::f16stereo:
            Maintient(
                nbrePoints, pas,
                [&](std::int32_t j) {
                    return Paire16{q16(son.son16s(j, 0)), q16(son.son16s(j, 1))};
                },
                [&](std::int32_t i, Paire16 v) {
                    sousEch.setSon16(2 * i, v.g);
                    sousEch.setSon16(2 * i + 1, v.d);
                });
            break;
        case TformatWave::f24:
        case TformatWave::f24stereo:
            break;
    }
}

}  // namespace

int QuantumNumerisation(int nBits, int b) {
    const double q = std::nearbyint(std::pow(2.0, nBits - b));
    return static_cast<int>(std::clamp(q, 1.0, static_cast<double>(kQuantumMax)));
}

void NumeriseSon(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int q, int pas) {
    q = std::clamp(q, 1, kQuantumMax);
    NumeriseAvec(
        son, sousEch, nbrePoints, pas, [q](std::uint8_t v) { return Quantifie8(v, q); },
        [q](std::int16_t v) { return Quantifie16(v, q); });
}

void TnumeriseurSon::Numerise(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int q,
                              int pas, ToptionsNumerisation options) {
    if (options == ToptionsNumerisation{}) return NumeriseSon(son, sousEch, nbrePoints, q, pas);
    const TquantificateurOptions quantificateur(table_, q, EstHuitBits(son.formatWave), options);
    TgenerateurDither generateur;
    NumeriseAvec(
        son, sousEch, nbrePoints, pas,
        [&](std::uint8_t v) { return quantificateur.Quantifie(v, generateur); },
        [&](std::int16_t v) { return quantificateur.Quantifie(v, generateur); });
}

TplageVerticale PlageVerticale(TformatWave format) {
    if (EstHuitBits(format)) return {0, 256};
    return {-32764, 32764};
}

// Texts are built by appending: GCC 12 warns wrongly about "literal" + std::string.
std::string TexteLabelBits(int b) {
    return std::to_string(b).append(" bits");
}

std::string TexteLabelFreq(std::uint32_t freqEch, int pas) {
    return std::to_string(freqEch / static_cast<std::uint32_t>(std::max(pas, 1))).append(" Hz");
}

std::string TexteLabelBits0(int nBits) {
    return std::string("(").append(std::to_string(nBits)).append(" bits)");
}

std::string TexteLabelFreq0(std::uint32_t freqEch) {
    return std::string("(").append(std::to_string(freqEch)).append(" Hz)");
}
