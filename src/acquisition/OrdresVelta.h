// The command lines of the VELTA interfaces and the constants of an acquisition.
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::int32_t kPointsAcquisition = 11025;
// An acquisition of this many samples or fewer is not kept.
inline constexpr std::int32_t kSeuilAcquisition = 2048;
inline constexpr std::uint32_t kFrequenceAcquisition = 11025;
// Sampling period of the W-command interfaces, in tens of microseconds.
inline constexpr int kPeriode = 9;

inline constexpr int kVitesseSonde = 9600;
inline constexpr int kVitesseAcquisition = 38400;

// The lines that program and start an acquisition, without their carriage return.
struct TordresAcquisition {
    std::string ordreProgramme;  // W-command interfaces (VX2, VQ2)
    std::string ordreLance;
    std::string ordreProgrammeVQ;  // VQ
    std::string ordreLanceVQ;
    std::string ordreResulVQ;
};

// "WPE 1 11025 90 1 11" and "WGOAR 127 M".
void OrdresW(TordresAcquisition& ordres);
// "YPEA 11025 9 0 10 A0", "YGO A 0 M 0 0 0" and "YRESUL! 0 11024".
void OrdresVQ(TordresAcquisition& ordres);
