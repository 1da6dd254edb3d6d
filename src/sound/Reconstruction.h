// The converter's second step: after the hold, the smoothing filter, the ideal low-pass at the
// new Nyquist frequency FreqEch / (2·pas). The held samples (frames 0, pas, 2·pas… of the
// digitised sound) are interpolated by a windowed sinc back to the sound's own rate:
//
//   y(i) = Σk x(k) · h(i / pas - k),  h(t) = sinc(t) · Kaiser(t / 16, β = 8) for |t| < 16,
//
// 16 held samples on either side, the taps of each phase scaled to sum to 1 so that a
// constant stays one. Each held sample stands at the frame where it was taken, so the curve
// goes through the held values there: the half step of delay that the hold adds, and the
// droop of its response, are left out (a converter corrects them). The response is flat within
// 0.01 dB up to 0.8 of the new Nyquist frequency, 6 dB down at it, and at least 80 dB down from
// 1.2 times it: a tone below comes back as it was, one above comes back at its alias, as the
// held samples say. Before the first frame and after the last the
// sound counts as silence; values are rounded to the nearest and limited to the layout's range.
//
// Each output frame is one sum in a fixed order, whatever range is asked: a range gives the
// bytes of the whole sound's reconstruction there.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/VecteurSon.h"

class Treconstruction {
public:
    static constexpr int kDemiLargeur = 16;  // held samples on either side

    // Frames debut..fin (both included, cut to the sound's nbrePoints frames) of the
    // reconstruction of the digitised sound `sousEch`, written into `sortie` at the same frames
    // and in the same layout; the other frames are left as they are. Each channel on its own.
    // With pas 1 the frames are copied; the 24-bit layouts give silence.
    void Calcule(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas, std::int32_t debut,
                 std::int32_t fin, TvecteurSon& sortie);

    void CalculeTout(const TvecteurSon& sousEch, std::int32_t nbrePoints, int pas, TvecteurSon& sortie) {
        Calcule(sousEch, nbrePoints, pas, 0, nbrePoints - 1, sortie);
    }

    // Phase p's 2·kDemiLargeur taps, for the held samples k0 - 15 .. k0 + 16 of frame k0·pas + p.
    static std::vector<float> Noyau(int pas);

private:
    template <typename Lit, typename Ecrit>
    void Canal(std::int32_t nbrePoints, int pas, std::int32_t debut, std::int32_t fin, Lit lit, Ecrit ecrit);

    std::vector<float> noyau_;
    int pasNoyau_ = 0;
    std::vector<float> tenus_;   // the held samples needed, with silence on both sides
    std::vector<float> sommes_;  // one block of sums, phase by phase
};
