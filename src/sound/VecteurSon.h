// The program's one in-memory sound: a sample area tagged with its layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

enum class TformatWave : std::uint8_t {
    f8 = 0,
    f16 = 1,
    f16stereo = 2,
    f8stereo = 3,
    f24 = 4,
    f24stereo = 5
};

// Bytes the loaders may put into the sample area (2^21); the area keeps four spare bytes.
inline constexpr std::int32_t kCapaciteSon = 2097152;
inline constexpr std::size_t kTailleZoneSon = 2097156;

struct TdescriptionFormat {
    int echantillonsParTrame;
    int octetsParEchantillon;
};

// One table for every derived quantity of a layout, indexed by its ordinal value.
inline constexpr TdescriptionFormat kFormats[] = {
    {1, 1},  // f8
    {1, 2},  // f16
    {2, 2},  // f16stereo
    {2, 1},  // f8stereo
    {1, 3},  // f24
    {2, 3},  // f24stereo
};

constexpr const TdescriptionFormat& DescriptionFormat(TformatWave f) {
    return kFormats[static_cast<int>(f)];
}
constexpr int OctetsParTrame(TformatWave f) {
    return DescriptionFormat(f).echantillonsParTrame * DescriptionFormat(f).octetsParEchantillon;
}
constexpr bool EstStereo(TformatWave f) {
    return DescriptionFormat(f).echantillonsParTrame == 2;
}
constexpr bool EstHuitBits(TformatWave f) {
    return DescriptionFormat(f).octetsParEchantillon == 1;
}

// The sample area holds samples exactly as in a PCM WAV data chunk (little-endian,
// interleaved). The views son8/son16/son16s/son8s are index helpers over it; reads
// go through memcpy so that no view aliases another.
struct TvecteurSon {
    TformatWave formatWave = TformatWave::f8;
    alignas(8) std::uint8_t zone[kTailleZoneSon];

    std::uint8_t son8(std::int64_t i) const { return zone[i]; }
    void setSon8(std::int64_t i, std::uint8_t v) { zone[i] = v; }

    std::int16_t son16(std::int64_t i) const {
        std::int16_t v;
        std::memcpy(&v, zone + 2 * i, 2);
        return v;
    }
    void setSon16(std::int64_t i, std::int16_t v) { std::memcpy(zone + 2 * i, &v, 2); }

    // Frame i, channel c (0 = left) of the stereo views.
    std::int16_t son16s(std::int64_t i, int c) const { return son16(2 * i + c); }
    std::uint8_t son8s(std::int64_t i, int c) const { return zone[2 * i + c]; }
};

using PvecteurSon = TvecteurSon*;

// Allocated once, never resized; contents left uninitialised as the loaders overwrite them.
inline std::unique_ptr<TvecteurSon> AlloueVecteurSon() {
    return std::unique_ptr<TvecteurSon>(new TvecteurSon);
}

// Frames that fit in the capacity for a layout.
constexpr std::int32_t TramesMax(TformatWave f) {
    return kCapaciteSon / OctetsParTrame(f);
}
