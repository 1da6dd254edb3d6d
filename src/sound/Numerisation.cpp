#include "sound/Numerisation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

// The hold under the lesson's options: the held samples (left before right) gathered a block
// at a time, quantised together, then each written over its step.
template <typename T, int canaux>
void NumeriseParBlocs(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int pas,
                      const TquantificateurOptions& quantificateur, TgenerateurDither& generateur) {
    constexpr std::int64_t kTenus = 256;  // held frames per block
    T tenus[2 * kTenus];
    const std::int64_t trames = nbrePoints, tenusTotal = (trames + pas - 1) / pas;
    constexpr std::size_t kTrame = canaux * sizeof(T);
    for (std::int64_t k0 = 0; k0 < tenusTotal; k0 += kTenus) {
        const std::int64_t n = std::min(kTenus, tenusTotal - k0);
        const std::uint8_t* entree = son.zone + k0 * pas * kTrame;
        std::uint8_t* sortie = sousEch.zone + k0 * pas * kTrame;
        if (pas == 1) {
            std::memcpy(tenus, entree, n * kTrame);
        } else {
            for (std::int64_t k = 0; k < n; ++k)
                std::memcpy(tenus + k * canaux, entree + k * pas * kTrame, kTrame);
        }
        quantificateur.Quantifie(tenus, static_cast<std::size_t>(n * canaux), generateur);
        if (pas == 1) {
            std::memcpy(sortie, tenus, n * kTrame);
            continue;
        }
        for (std::int64_t k = 0; k < n; ++k) {
            const std::int64_t debut = (k0 + k) * pas, fin = std::min(trames, debut + pas);
            for (std::int64_t i = debut; i < fin; ++i)
                std::memcpy(sousEch.zone + i * kTrame, tenus + k * canaux, kTrame);
        }
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
    const TformatWave f = son.formatWave;
    const TquantificateurOptions quantificateur(table_, q, EstHuitBits(f), options);
    TgenerateurDither generateur;
    pas = std::max(pas, 1);
    nbrePoints = std::clamp(nbrePoints, 0, TramesMax(f));
    switch (f) {
        case TformatWave::f8:
            NumeriseParBlocs<std::uint8_t, 1>(son, sousEch, nbrePoints, pas, quantificateur, generateur);
            break;
        case TformatWave::f8stereo:
            NumeriseParBlocs<std::uint8_t, 2>(son, sousEch, nbrePoints, pas, quantificateur, generateur);
            break;
        case TformatWave::f16:
            NumeriseParBlocs<std::int16_t, 1>(son, sousEch, nbrePoints, pas, quantificateur, generateur);
            break;
        case TformatWave::f16stereo:
            NumeriseParBlocs<std::int16_t, 2>(son, sousEch, nbrePoints, pas, quantificateur, generateur);
            break;
        case TformatWave::f24:
        case TformatWave::f24stereo:
            break;
    }
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
