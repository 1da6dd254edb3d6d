#include <gtest/gtest.h>

#include "sound/Numerisation.h"

namespace {

struct Paire {
    std::unique_ptr<TvecteurSon> son = AlloueVecteurSon();
    std::unique_ptr<TvecteurSon> sousEch = AlloueVecteurSon();
    explicit Paire(TformatWave f) {
        son->formatWave = f;
        sousEch->formatWave = f;
    }
};

}  // namespace

TEST(Numerisation, HuitBitsSansReductionRecopieLeSon) {
    Paire p(TformatWave::f8);
    for (int i = 0; i < 256; ++i) p.son->setSon8(i, static_cast<std::uint8_t>(i));
    NumeriseSon(*p.son, *p.sousEch, 256, QuantumNumerisation(8, 8), 1);
    EXPECT_EQ(0, std::memcmp(p.son->zone, p.sousEch->zone, 256));
}

TEST(Numerisation, ChaqueTrameReprendLeDebutDeSonPas) {
    Paire p(TformatWave::f8);
    for (int i = 0; i < 10; ++i) p.son->setSon8(i, static_cast<std::uint8_t>(10 * i));
    NumeriseSon(*p.son, *p.sousEch, 10, 1, 3);
    const int attendu[] = {0, 0, 0, 30, 30, 30, 60, 60, 60, 90};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(p.sousEch->son8(i), attendu[i]) << i;
    // Nothing past the last frame is written.
    p.sousEch->setSon8(10, 77);
    NumeriseSon(*p.son, *p.sousEch, 10, 1, 8);
    EXPECT_EQ(p.sousEch->son8(10), 77);
    EXPECT_EQ(p.sousEch->son8(9), 80);
}

TEST(Numerisation, HuitBitsDescendAuMultipleInferieur) {
    Paire p(TformatWave::f8);
    const std::uint8_t valeurs[] = {0, 31, 32, 63, 128, 255};
    for (int i = 0; i < 6; ++i) p.son->setSon8(i, valeurs[i]);
    NumeriseSon(*p.son, *p.sousEch, 6, QuantumNumerisation(8, 3), 1);
    const int attendu[] = {0, 0, 32, 32, 128, 224};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.sousEch->son8(i), attendu[i]) << i;
}

TEST(Numerisation, SeizeBitsNegatifsDescendentDUnPasDePlus) {
    Paire p(TformatWave::f16);
    const std::int16_t valeurs[] = {-1, -255, -256, 255, 256, 32767, -32768, -32767};
    for (int i = 0; i < 8; ++i) p.son->setSon16(i, valeurs[i]);
    NumeriseSon(*p.son, *p.sousEch, 8, QuantumNumerisation(16, 8), 1);
    const int attendu[] = {-256, -256, -512, 0, 256, 32512, -32768, -32768};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(p.sousEch->son16(i), attendu[i]) << valeurs[i];
}

TEST(Numerisation, UnSeulBitSurSeizeBits) {
    Paire p(TformatWave::f16);
    const std::int16_t valeurs[] = {0, 1, 32767, -1, -32767, -32768};
    for (int i = 0; i < 6; ++i) p.son->setSon16(i, valeurs[i]);
    ASSERT_EQ(QuantumNumerisation(16, 1), 32768);
    NumeriseSon(*p.son, *p.sousEch, 6, 32768, 1);
    const int attendu[] = {0, 0, 0, -32768, -32768, -32768};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.sousEch->son16(i), attendu[i]) << valeurs[i];
}

TEST(Numerisation, StereoQuantifieChaqueVoieDepuisLaMemeTrame) {
    Paire p(TformatWave::f16stereo);
    for (int i = 0; i < 4; ++i) {
        p.son->setSon16(2 * i, static_cast<std::int16_t>(1000 * (i + 1)));
        p.son->setSon16(2 * i + 1, static_cast<std::int16_t>(-1000 * (i + 1)));
    }
    NumeriseSon(*p.son, *p.sousEch, 4, 256, 2);
    const int gauche[] = {768, 768, 2816, 2816};
    const int droite[] = {-1024, -1024, -3072, -3072};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(p.sousEch->son16s(i, 0), gauche[i]);
        EXPECT_EQ(p.sousEch->son16s(i, 1), droite[i]);
    }

    Paire h(TformatWave::f8stereo);
    for (int i = 0; i < 3; ++i) h.son->setSon8(2 * i, 100 + i), h.son->setSon8(2 * i + 1, 200 + i);
    NumeriseSon(*h.son, *h.sousEch, 3, 64, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(h.sousEch->son8s(i, 0), 64);
        EXPECT_EQ(h.sousEch->son8s(i, 1), 192);
    }
}

TEST(Numerisation, QuantumJamaisNul) {
    EXPECT_EQ(QuantumNumerisation(8, 3), 32);
    EXPECT_EQ(QuantumNumerisation(16, 8), 256);
    // A refused 4-bit file, or no sound at all, must not give a zero divisor.
    EXPECT_EQ(QuantumNumerisation(4, 8), 1);
    EXPECT_EQ(QuantumNumerisation(0, 8), 1);
    EXPECT_EQ(QuantumNumerisation(255, 1), 32768);
}

TEST(Numerisation, TextesDesLabels) {
    EXPECT_EQ(TexteLabelBits(3), "3 bits");
    EXPECT_EQ(TexteLabelFreq(44100, PasEchantillonnage(8, 6)), "14700 Hz");
    EXPECT_EQ(TexteLabelFreq(22050, PasEchantillonnage(8, 7)), "11025 Hz");
    EXPECT_EQ(TexteLabelFreq(11025, PasEchantillonnage(8, 7)), "5512 Hz");
    EXPECT_EQ(TexteLabelBits0(16), "(16 bits)");
    EXPECT_EQ(TexteLabelFreq0(44100), "(44100 Hz)");
}
