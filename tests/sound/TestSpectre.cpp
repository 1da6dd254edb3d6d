// The spectrum by Welch's method and the anti-aliasing filter, on tones of known frequency.
#include <algorithm>
#include <cmath>
#include <numeric>

#include <gtest/gtest.h>

#include "sound/FenetreKaiser.h"
#include "sound/FiltreAntiRepliement.h"
#include "sound/Numerisation.h"
#include "sound/Spectre.h"

namespace {

constexpr std::uint32_t kFreq = 44100;

double Ton(double frequence, std::int64_t i) {
    return std::sin(2 * M_PI * frequence * static_cast<double>(i) / kFreq);
}

int BinMax(const Tspectre& s, double jusqua) {
    const auto fin = s.niveaux.begin() + static_cast<int>(jusqua / s.pasFrequence);
    return static_cast<int>(std::max_element(s.niveaux.begin() + 1, fin) - s.niveaux.begin());
}

int Bin(const Tspectre& s, double frequence) {
    return static_cast<int>(std::lround(frequence / s.pasFrequence));
}

// RMS of the held frames of channel c, away from both ends.
double Efficace(const TvecteurSon& v, std::int32_t n, int pas, int c, bool huitBits) {
    double somme = 0;
    int compte = 0;
    for (std::int32_t j = 2000 / pas * pas; j < n - 2000; j += pas) {
        const double x = huitBits ? v.son8s(j, c) - 128.0 : v.son16s(j, c);
        somme += x * x;
        ++compte;
    }
    return std::sqrt(somme / compte);
}

}  // namespace

TEST(Spectre, LeTonEstDansSonBinEtLeRepliementAFeMoinsF) {
    const std::int32_t n = 44100;
    auto son = AlloueVecteurSon(), sousEch = AlloueVecteurSon();
    son->formatWave = sousEch->formatWave = TformatWave::f16stereo;
    // Only the left channel is analysed: the right one holds another tone.
    for (std::int32_t i = 0; i < n; ++i) {
        son->setSon16(2 * i, static_cast<std::int16_t>(std::lround(30000 * Ton(1000, i))));
        son->setSon16(2 * i + 1, static_cast<std::int16_t>(std::lround(30000 * Ton(7000, i))));
    }
    TanalyseurSpectre analyseur;
    const Tspectre s = analyseur.Calcule(*son, n, 0, n - 1, kFreq);
    ASSERT_EQ(LongueurSegment(n, kFreq), 4096);
    EXPECT_EQ(s.niveaux.size(), 2049u);
    EXPECT_EQ(s.segments, (n - 4096) / 2048 + 1);
    EXPECT_EQ(BinMax(s, 22050), Bin(s, 1000));
    EXPECT_NEAR(s.niveaux[Bin(s, 1000)], 20 * std::log10(30000 / 32768.0), 1.5);
    EXPECT_LT(s.niveaux[Bin(s, 7000)], -80);

    for (std::int32_t i = 0; i < n; ++i)
        son->setSon16(2 * i, static_cast<std::int16_t>(std::lround(30000 * Ton(4000, i))));
    NumeriseSon(*son, *sousEch, n, QuantumNumerisation(16, 8), 8);
    const Tspectre numerique = analyseur.Calcule(*sousEch, n, 0, n - 1, kFreq);
    // Below the new Nyquist frequency (2756.25 Hz) the strongest line is 5512.5 - 4000 Hz.
    EXPECT_EQ(BinMax(numerique, kFreq / 16.0), Bin(numerique, 1512.5));
    EXPECT_GT(numerique.niveaux[Bin(numerique, 1512.5)], -20);
    // Only a selection is analysed; a stretch too short gives nothing.
    EXPECT_EQ(analyseur.Calcule(*son, n, 100, 100 + 1023, kFreq).niveaux.size(), 513u);
    EXPECT_TRUE(analyseur.Calcule(*son, n, 100, 100 + kTramesSpectreMin - 2, kFreq).niveaux.empty());
}

// Above the new Nyquist frequency the filter takes 40 dB at least; well below it, 1 dB at
// most. Left and right carry tones on either side, at every step.
TEST(FiltreAntiRepliement, CoupeAuDessusDeLaNouvelleFrequenceDeNyquist) {
    const std::int32_t n = 30000;
    auto son = AlloueVecteurSon(), filtre = AlloueVecteurSon();
    TfiltreAntiRepliement f;
    for (int pas = 2; pas <= 8; ++pas) {
        const double nyquist = kFreq / (2.0 * pas);
        son->formatWave = TformatWave::f16stereo;
        for (std::int32_t i = 0; i < n; ++i) {
            son->setSon16(2 * i, static_cast<std::int16_t>(std::lround(20000 * Ton(1.1 * nyquist, i))));
            son->setSon16(2 * i + 1, static_cast<std::int16_t>(std::lround(20000 * Ton(0.3 * nyquist, i))));
        }
        f.Applique(*son, n, pas, *filtre);
        const double entree = 20000 / std::sqrt(2.0);
        EXPECT_LT(20 * std::log10(Efficace(*filtre, n, pas, 0, false) / entree), -40) << pas;
        EXPECT_NEAR(20 * std::log10(Efficace(*filtre, n, pas, 1, false) / entree), 0, 1) << pas;
    }
    son->formatWave = TformatWave::f8stereo;
    for (std::int32_t i = 0; i < n; ++i) {
        son->setSon8(2 * i, static_cast<std::uint8_t>(std::lround(128 + 100 * Ton(0.2 * kFreq / 16, i))));
        son->setSon8(2 * i + 1, static_cast<std::uint8_t>(std::lround(128 + 100 * Ton(1.2 * kFreq / 16, i))));
    }
    f.Applique(*son, n, 8, *filtre);
    EXPECT_NEAR(20 * std::log10(Efficace(*filtre, n, 8, 0, true) / (100 / std::sqrt(2.0))), 0, 1);
    EXPECT_LT(Efficace(*filtre, n, 8, 1, true), 1.0);
    const auto h = TfiltreAntiRepliement::Noyau(8);
    EXPECT_EQ(h.size() % 2, 1u);
    EXPECT_NEAR(std::accumulate(h.begin(), h.end(), 0.0), 1.0, 1e-5);
}

// The window's own Bessel series against the standard library's, over the arguments a window
// takes (the filters' β are 8 and 5.65; 0 and the far end of the series' range included).
TEST(FiltreAntiRepliement, LaFenetreDeKaiserEstLaFonctionDeBessel) {
    for (const double x : {0.0, 1e-3, 0.5, 3.0, 5.65, 8.0, 20.0, 49.5})
        EXPECT_NEAR(BesselI0(x) / std::cyl_bessel_i(0.0, x), 1.0, 1e-14) << x;
    EXPECT_EQ(FenetreKaiser(0, 8), 1.0);
    EXPECT_EQ(FenetreKaiser(1.01, 8), 0.0);
    EXPECT_NEAR(FenetreKaiser(0.5, 5.6),
                std::cyl_bessel_i(0.0, 5.6 * std::sqrt(0.75)) / std::cyl_bessel_i(0.0, 5.6), 1e-15);
}
