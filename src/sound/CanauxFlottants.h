// The filters' way through a sound: each channel of its layout in turn, as float samples centred
// on 0, written back rounded and clamped to the layout's range.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "sound/VecteurSon.h"

inline std::int16_t En16(float v) {
    return static_cast<std::int16_t>(std::clamp(std::rint(v), -32768.0f, 32767.0f));
}

inline std::uint8_t En8(float v) {
    return static_cast<std::uint8_t>(std::clamp(std::rint(v) + 128.0f, 0.0f, 255.0f));
}

// Calls traite(lit, ecrit) once per channel of source's layout (8 or 16 bits, mono or stereo):
// lit(i) is frame i's sample of that channel, ecrit(j, v) sets frame j's sample in `sortie`,
// which has the same layout.
template <typename Traite>
void PourChaqueCanal(const TvecteurSon& source, TvecteurSon& sortie, Traite&& traite) {
    const TformatWave f = source.formatWave;
    const int canaux = DescriptionFormat(f).echantillonsParTrame;
    for (int c = 0; c < canaux; ++c) {
        // Sample c of frame i sits at index canaux·i + c in every layout's view.
        const auto indice = [canaux, c](std::int32_t i) { return std::int64_t{canaux} * i + c; };
        if (EstHuitBits(f))
            traite([&](std::int32_t i) { return source.son8(indice(i)) - 128.0f; },
                   [&](std::int32_t j, float v) { sortie.setSon8(indice(j), En8(v)); });
        else
            traite([&](std::int32_t i) { return static_cast<float>(source.son16(indice(i))); },
                   [&](std::int32_t j, float v) { sortie.setSon16(indice(j), En16(v)); });
    }
}
