// The digitised signal: the sound re-quantised to b bits and held over the sampling step.
#pragma once

#include <cstdint>
#include <string>

#include "sound/QuantificateurOptions.h"
#include "sound/VecteurSon.h"

// Quantisation step 2^(nBits - b), rounded; at least 1, so a refused file narrower than
// b bits never makes it a zero divisor.
int QuantumNumerisation(int nBits, int b);

// Sampling step s from the position of the frequency track bar (maximum - position + 1).
inline int PasEchantillonnage(int maximum, int position) {
    return maximum - position + 1;
}

// Frame i of `sousEch` gets frame i - (i mod pas) of `son`, each sample quantised down to a
// multiple of q (negative 16-bit samples go one step further down, never below -32768).
// The 24-bit layouts are left as they are. One pass, no allocation.
void NumeriseSon(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int q, int pas);

// NumeriseSon under the lesson's options (TquantificateurOptions): the same hold, each held
// sample through the law and the dither, whose noise starts from its seed at every call. With
// every option off, NumeriseSon itself. Keeps the law's tables from one call to the next.
class TnumeriseurSon {
public:
    void Numerise(const TvecteurSon& son, TvecteurSon& sousEch, std::int32_t nbrePoints, int q, int pas,
                  ToptionsNumerisation options);

private:
    TtableQuantification table_;
};

struct TplageVerticale {
    double mini;
    double maxi;
};
// The detail graph's value range for a layout.
TplageVerticale PlageVerticale(TformatWave format);

// Label texts of the digitised settings and of the loaded sound.
std::string TexteLabelBits(int b);
std::string TexteLabelFreq(std::uint32_t freqEch, int pas);
std::string TexteLabelBits0(int nBits);
std::string TexteLabelFreq0(std::uint32_t freqEch);
