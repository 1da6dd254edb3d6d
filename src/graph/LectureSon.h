// Sample access by layout, as every drawing reads a vector: the first (left) sample of a
// frame, in the raw units of the layout. 24-bit samples are read as their upper 16 bits,
// unsigned.
#pragma once

#include <algorithm>
#include <cstdint>

#include "sound/VecteurSon.h"

inline int Valeur24Bits(const std::uint8_t* zone, std::int64_t j) {
    return zone[j + 1] + 256 * zone[j + 2];
}

// One reader per layout, so that long scans choose the layout once and not per frame. Each
// returns the sample's own type, which lets a scan compare 8-bit samples 16 at a time.
template <TformatWave F>
inline auto LitTrame(const TvecteurSon& v, std::int64_t i) {
    if constexpr (F == TformatWave::f8) return v.son8(i);
    if constexpr (F == TformatWave::f16) return v.son16(i);
    if constexpr (F == TformatWave::f16stereo) return v.son16s(i, 0);
    if constexpr (F == TformatWave::f8stereo) return v.son8s(i, 0);
    if constexpr (F == TformatWave::f24) return Valeur24Bits(v.zone, 3 * i);
    if constexpr (F == TformatWave::f24stereo) return Valeur24Bits(v.zone, 6 * i);
}

// Calls f with the reader of v's layout: f(lecteur), where lecteur(i) is the value of frame i.
template <class Fonction>
decltype(auto) AvecLecteur(const TvecteurSon& v, Fonction&& f) {
    switch (v.formatWave) {
        case TformatWave::f16:
            return f([&v](std::int64_t i) { return LitTrame<TformatWave::f16>(v, i); });
        case TformatWave::f16stereo:
            return f([&v](std::int64_t i) { return LitTrame<TformatWave::f16stereo>(v, i); });
        case TformatWave::f8stereo:
            return f([&v](std::int64_t i) { return LitTrame<TformatWave::f8stereo>(v, i); });
        case TformatWave::f24:
            return f([&v](std::int64_t i) { return LitTrame<TformatWave::f24>(v, i); });
        case TformatWave::f24stereo:
            return f([&v](std::int64_t i) { return LitTrame<TformatWave::f24stereo>(v, i); });
        case TformatWave::f8:
            break;
    }
    return f([&v](std::int64_t i) { return LitTrame<TformatWave::f8>(v, i); });
}

inline int ValeurTrame(const TvecteurSon& v, std::int64_t i) {
    return AvecLecteur(v, [i](auto lecteur) { return static_cast<int>(lecteur(i)); });
}

// Frames of v that a drawing may read: the sound's count, cut to what the sample area
// holds for v's layout, so that a wrong count never reads past the area.
inline std::int32_t TramesLisibles(const TvecteurSon& v, std::int32_t nbreTot) {
    const auto capacite = static_cast<std::int32_t>(kTailleZoneSon / OctetsParTrame(v.formatWave));
    return std::clamp(nbreTot, 0, capacite);
}
