// The magnitude spectrum of a stretch of sound by Welch's method: segments whose length is a
// power of two, each overlapping the previous one by half, each with its mean removed and a
// Hann window applied; their squared magnitudes are averaged. The transform is FFTW's.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sound/VecteurSon.h"

struct Tspectre {
    double pasFrequence = 0;      // Hz from one bin to the next
    std::vector<double> niveaux;  // bins 0 .. L/2, in dB; a full-scale sine reads 0 dB
    int segments = 0;             // segments averaged
};

// Shortest stretch that gets a spectrum.
inline constexpr std::int32_t kTramesSpectreMin = 32;

// Segment length for a stretch of `trames` frames: the power of two that gives about 10 Hz per
// bin (freqEch / 16 or more), shortened to the stretch when it is shorter. 0 when the stretch
// is shorter than kTramesSpectreMin or the rate is unknown.
int LongueurSegment(std::int64_t trames, std::uint32_t freqEch);

// Keeps the transform's plan and buffers from one call to the next: the spectrum follows the
// track bars live. Not for use from two threads at once (FFTW's planner is not).
class TanalyseurSpectre {
public:
    TanalyseurSpectre();
    ~TanalyseurSpectre();
    TanalyseurSpectre(const TanalyseurSpectre&) = delete;
    TanalyseurSpectre& operator=(const TanalyseurSpectre&) = delete;

    // Frames debut..fin (both included, cut to the sound's nbrePoints frames) of the first
    // channel of `v`, as every view reads a stereo sound. Empty (no bins) for a stretch too
    // short, an unknown rate or a 24-bit layout.
    Tspectre Calcule(const TvecteurSon& v, std::int32_t nbrePoints, std::int32_t debut, std::int32_t fin,
                     std::uint32_t freqEch);

private:
    struct Plan;
    std::unique_ptr<Plan> plan_;
};
