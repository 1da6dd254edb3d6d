// The error signal and the noise ratio measured on it.
#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
#include "sound/SignalErreur.h"

namespace {

struct Trio {
    std::unique_ptr<TvecteurSon> son = AlloueVecteurSon();
    std::unique_ptr<TvecteurSon> sousEch = AlloueVecteurSon();
    std::unique_ptr<TvecteurSon> erreur = AlloueVecteurSon();
    explicit Trio(TformatWave f) {
        son->formatWave = f;
        sousEch->formatWave = f;
    }
};

// A full-scale 16-bit sine whose period is not a whole number of frames.
void Sinus(TvecteurSon& v, std::int32_t n, double amplitude) {
    for (std::int32_t i = 0; i < n; ++i)
        v.setSon16(
            i, static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * M_PI * 997.0 * i / 44100))));
}

}  // namespace

// Left and right differ everywhere, and the step holds values far from the sound: the error
// is digitised minus original on each channel, at the limits of the layout.
TEST(SignalErreur, NumeriseMoinsOriginalParCanal) {
    Trio p(TformatWave::f16stereo);
    const std::int16_t g[] = {-32768, 32767, 1000, -1000, 5, -5};
    const std::int16_t d[] = {32767, -32768, -7, 300, -256, 256};
    for (int i = 0; i < 6; ++i) {
        p.son->setSon16(2 * i, g[i]);
        p.son->setSon16(2 * i + 1, d[i]);
    }
    NumeriseSon(*p.son, *p.sousEch, 6, QuantumNumerisation(16, 3), 2);
    CalculeSignalErreur(*p.son, *p.sousEch, 6, *p.erreur);
    EXPECT_EQ(p.erreur->formatWave, TformatWave::f16stereo);
    for (int i = 0; i < 6; ++i)
        for (int c = 0; c < 2; ++c) {
            const int attendu = p.sousEch->son16s(i, c) - p.son->son16s(i, c);
            EXPECT_EQ(ErreurTrame(*p.son, *p.sousEch, i, c), attendu) << i << " " << c;
            EXPECT_EQ(p.erreur->son16s(i, c), std::clamp(attendu, -32768, 32767)) << i << " " << c;
        }
    // Frame 1 holds frame 0: 32767 - (-32768) beyond the range on the right, the reverse on the left.
    EXPECT_EQ(ErreurTrame(*p.son, *p.sousEch, 1, 0), -32768 - 32767);
    EXPECT_EQ(p.erreur->son16s(1, 0), -32768);
    EXPECT_EQ(p.erreur->son16s(1, 1), 32767);

    Trio h(TformatWave::f8stereo);
    const std::uint8_t v[] = {0, 255, 127, 128, 200, 31};
    std::memcpy(h.son->zone, v, 6);
    NumeriseSon(*h.son, *h.sousEch, 3, QuantumNumerisation(8, 3), 1);
    CalculeSignalErreur(*h.son, *h.sousEch, 3, *h.erreur);
    // Around silence: 128 + (0-0), 128 + (224-255), 128 + (96-127), 128 + (128-128), ...
    const std::uint8_t attendu[] = {128, 97, 97, 128, 120, 97};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(h.erreur->son8(k), attendu[k]) << k;
}

// The textbook figure holds for a full-scale sine; a coarser step adds the sampling error.
TEST(RapportSignalBruit, SinusPleineEchelleSelonLaTheorie) {
    Trio p(TformatWave::f16);
    const std::int32_t n = 44100;
    Sinus(*p.son, n, 32767);
    NumeriseSon(*p.son, *p.sousEch, n, QuantumNumerisation(16, 8), 1);
    const auto rsb = RapportSignalBruitMesure(*p.son, *p.sousEch, n);
    ASSERT_TRUE(rsb.has_value());
    EXPECT_NEAR(*rsb, 6.02 * 8 + 1.76, 0.5);
    NumeriseSon(*p.son, *p.sousEch, n, QuantumNumerisation(16, 8), 4);
    EXPECT_LT(*RapportSignalBruitMesure(*p.son, *p.sousEch, n), 20);
}

TEST(RapportSignalBruit, SilenceSansErreurEtTextes) {
    Trio p(TformatWave::f8);
    std::memset(p.son->zone, 128, 1000);
    NumeriseSon(*p.son, *p.sousEch, 1000, QuantumNumerisation(8, 3), 1);
    EXPECT_FALSE(RapportSignalBruitMesure(*p.son, *p.sousEch, 1000).has_value());
    EXPECT_EQ(TexteRapportSignalBruit(std::nullopt, 3), "RSB : —, théorie 6,02·b + 1,76 = 19,8 dB");
    // 8 bits kept of an 8-bit sound: nothing changes.
    for (int i = 0; i < 1000; ++i) p.son->setSon8(i, static_cast<std::uint8_t>(i * 37));
    NumeriseSon(*p.son, *p.sousEch, 1000, QuantumNumerisation(8, 8), 1);
    EXPECT_TRUE(std::isinf(*RapportSignalBruitMesure(*p.son, *p.sousEch, 1000)));
    EXPECT_EQ(TexteRapportSignalBruit(*RapportSignalBruitMesure(*p.son, *p.sousEch, 1000), 8),
              "RSB mesuré : ∞, théorie 6,02·b + 1,76 = 49,9 dB");
    EXPECT_EQ(TexteRapportSignalBruit(19.84, 1), "RSB mesuré : 19,8 dB, théorie 6,02·b + 1,76 = 7,8 dB");
    EXPECT_EQ(Decimale(-3.46), "-3,5");
    EXPECT_EQ(Decimale(0.04), "0,0");
    EXPECT_EQ(Decimale(0.25), "0,3");  // halves away from zero
    EXPECT_EQ(Decimale(-0.25), "-0,3");
    EXPECT_EQ(Decimale(43.96), "44,0");
}

// In English the words change and the figures take a decimal point.
TEST(RapportSignalBruit, TexteEnAnglais) {
    EXPECT_EQ(TexteRapportSignalBruit(19.84, 1, Tlangue::anglais),
              "Measured SNR: 19.8 dB, theory 6.02·b + 1.76 = 7.8 dB");
    EXPECT_EQ(TexteRapportSignalBruit(std::nullopt, 3, Tlangue::anglais),
              "SNR: —, theory 6.02·b + 1.76 = 19.8 dB");
    EXPECT_EQ(TexteRapportReconstruction(27.26, Tlangue::anglais), "reconstruction: Measured SNR: 27.3 dB");
    EXPECT_EQ(Decimale(-3.46, Tlangue::anglais), "-3.5");
}
