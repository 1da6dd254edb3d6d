#include "sound/SignalErreur.h"

#include <algorithm>
#include <cstring>

namespace {

std::int16_t Limite16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

std::uint8_t Limite8(int v) {
    return static_cast<std::uint8_t>(std::clamp(128 + v, 0, 255));
}

}  // namespace

int ErreurTrame(const TvecteurSon& son, const TvecteurSon& sousEch, std::int64_t i, int canal) {
    switch (son.formatWave) {
        case TformatWave::f8:
            return sousEch.son8(i) - son.son8(i);
        case TformatWave::f16:
            return sousEch.son16(i) - son.son16(i);
        case TformatWave::f8stereo:
            return sousEch.son8s(i, canal) - son.son8s(i, canal);
        case TformatWave::f16stereo:
            return sousEch.son16s(i, canal) - son.son16s(i, canal);
        case TformatWave::f24:
        case TformatWave::f24stereo:
            break;
    }
    return 0;
}

void CalculeSignalErreur(const TvecteurSon& son, const TvecteurSon& sousEch, std::int32_t nbrePoints,
                         TvecteurSon& erreur) {
    erreur.formatWave = son.formatWave;
    const std::int64_t echantillons = std::int64_t{std::clamp(nbrePoints, 0, TramesMax(son.formatWave))} *
                                      DescriptionFormat(son.formatWave).echantillonsParTrame;
    if (EstHuitBits(son.formatWave)) {
        for (std::int64_t k = 0; k < echantillons; ++k)
            erreur.setSon8(k, Limite8(sousEch.son8(k) - son.son8(k)));
    } else if (son.formatWave == TformatWave::f16 || son.formatWave == TformatWave::f16stereo) {
        for (std::int64_t k = 0; k < echantillons; ++k)
            erreur.setSon16(k, Limite16(sousEch.son16(k) - son.son16(k)));
    } else {
        std::memset(erreur.zone, 0, static_cast<std::size_t>(echantillons) * 3);
    }
}
