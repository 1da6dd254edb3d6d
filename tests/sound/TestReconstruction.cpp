// The converter's smoothing filter after the hold, on tones either side of the new Nyquist
// frequency; and the bit rate text.
#include <cmath>
#include <cstring>

#include <gtest/gtest.h>

#include "sound/Debit.h"
#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
#include "sound/Reconstruction.h"
#include "sound/ReconstructionSuivie.h"
#include "sound/Spectre.h"

namespace {

constexpr std::uint32_t kFreq = 44100;

double Ton(double frequence, std::int64_t i) {
    return std::sin(2 * M_PI * frequence * static_cast<double>(i) / kFreq);
}

double Niveau(const Tspectre& s, double f) {
    const int k = static_cast<int>(std::lround(f / s.pasFrequence));
    return *std::max_element(s.niveaux.begin() + k - 2, s.niveaux.begin() + k + 3);
}

}  // namespace

// A tone at a quarter of the new Nyquist frequency, held one frame in 8: the staircase is far
// from it, the reconstruction close; the held frames come back as they were.
TEST(Reconstruction, UnTonSousNyquistRevient) {
    const int n = 44100, pas = 8;
    auto son = AlloueVecteurSon(), sousEch = AlloueVecteurSon(), reconstruit = AlloueVecteurSon();
    son->formatWave = sousEch->formatWave = TformatWave::f16;
    for (int i = 0; i < n; ++i)
        son->setSon16(i, static_cast<std::int16_t>(std::lround(20000 * Ton(kFreq / (8.0 * pas), i))));
    NumeriseSon(*son, *sousEch, n, 1, pas);
    Treconstruction r;
    r.CalculeTout(*sousEch, n, pas, *reconstruit);
    const double escalier = *RapportSignalBruitMesure(*son, *sousEch, n);
    const double lisse = *RapportSignalBruitMesure(*son, *reconstruit, n);
    EXPECT_LT(escalier, 15);
    EXPECT_GT(lisse, 45);
    for (int i = 0; i < n; i += pas) ASSERT_EQ(reconstruit->son16(i), sousEch->son16(i)) << i;
}

// 8-bit stereo, held one frame in 5 (new Nyquist 4410 Hz): a tone at 6000 Hz comes back at its
// alias 8820 - 6000 = 2820 Hz, and the staircase's image at 6000 Hz is gone. The silent right
// channel stays silent.
TEST(Reconstruction, UnTonAuDessusRevientReplie) {
    const int n = 44100, pas = 5;
    auto son = AlloueVecteurSon(), sousEch = AlloueVecteurSon(), reconstruit = AlloueVecteurSon();
    son->formatWave = sousEch->formatWave = TformatWave::f8stereo;
    for (int i = 0; i < n; ++i) {
        son->setSon8(2 * i, static_cast<std::uint8_t>(std::lround(128 + 100 * Ton(6000, i))));
        son->setSon8(2 * i + 1, 128);
    }
    NumeriseSon(*son, *sousEch, n, 1, pas);
    Treconstruction r;
    r.CalculeTout(*sousEch, n, pas, *reconstruit);
    TanalyseurSpectre analyseur;
    const Tspectre escalier = analyseur.Calcule(*sousEch, n, 0, n - 1, kFreq);
    const Tspectre lisse = analyseur.Calcule(*reconstruit, n, 0, n - 1, kFreq);
    EXPECT_GT(Niveau(escalier, 6000), -20);
    EXPECT_LT(Niveau(lisse, 6000), -60);
    EXPECT_NEAR(Niveau(lisse, 2820), 20 * std::log10(100 / 128.0), 1);
    for (int i = 0; i < n; ++i) ASSERT_EQ(reconstruit->son8s(i, 1), 128) << i;
}

// What the detail view asks: a range is the whole reconstruction's bytes there, and nothing
// else is written; a step of 1 copies.
TEST(Reconstruction, UnePlageDonneLesOctetsDuToutEtRienDePlus) {
    const int n = 30001, pas = 7;
    auto son = AlloueVecteurSon(), sousEch = AlloueVecteurSon(), tout = AlloueVecteurSon(),
         plage = AlloueVecteurSon();
    son->formatWave = sousEch->formatWave = TformatWave::f16stereo;
    for (int i = 0; i < n; ++i) {
        son->setSon16(2 * i, static_cast<std::int16_t>(std::lround(30000 * Ton(440, i))));
        son->setSon16(2 * i + 1, static_cast<std::int16_t>(std::lround(32767 * Ton(3000, i) * Ton(3, i))));
    }
    NumeriseSon(*son, *sousEch, n, QuantumNumerisation(16, 5), pas);
    Treconstruction r;
    r.CalculeTout(*sousEch, n, pas, *tout);
    std::memset(plage->zone, 0xAB, 4 * n);
    for (const auto& [debut, fin] : {std::pair{0, 40}, {12345, 15678}, {29990, 40000}}) {
        r.Calcule(*sousEch, n, pas, debut, fin, *plage);
        const int f = std::min(fin, n - 1);
        EXPECT_EQ(0, std::memcmp(plage->zone + 4 * debut, tout->zone + 4 * debut, 4 * (f - debut + 1)))
            << debut;
    }
    EXPECT_EQ(plage->zone[4 * 41], 0xAB);
    EXPECT_EQ(plage->zone[4 * 12345 - 1], 0xAB);
    r.Calcule(*sousEch, n, 1, 100, 200, *plage);
    EXPECT_EQ(0, std::memcmp(plage->zone + 400, sousEch->zone + 400, 4 * 101));
}

// The view's ranges, apart, overlapping and then the whole sound, give the whole sound's bytes;
// once stale, a range already asked for is computed again from the new digitised sound.
TEST(Reconstruction, LaSuiviePlageParPlageDonneLeTout) {
    const int n = 20000, pas = 5;
    auto son = AlloueVecteurSon(), sousEch = AlloueVecteurSon(), tout = AlloueVecteurSon();
    son->formatWave = sousEch->formatWave = TformatWave::f16;
    for (int i = 0; i < n; ++i) son->setSon16(i, static_cast<std::int16_t>(std::lround(30000 * Ton(700, i))));
    NumeriseSon(*son, *sousEch, n, QuantumNumerisation(16, 4), pas);
    Treconstruction().CalculeTout(*sousEch, n, pas, *tout);
    TreconstructionSuivie suivie;
    for (const auto& [debut, fin] : {std::pair{5000, 6000}, {9000, 9500}, {8000, 9200}, {9400, 12000}})
        suivie.Plage(*sousEch, n, pas, debut, fin);
    EXPECT_FALSE(suivie.Entiere(n));
    EXPECT_EQ(0, std::memcmp(suivie.Tout(*sousEch, n, pas).zone, tout->zone, 2 * n));
    EXPECT_TRUE(suivie.Entiere(n));

    NumeriseSon(*son, *sousEch, n, QuantumNumerisation(16, 2), pas);
    Treconstruction().CalculeTout(*sousEch, n, pas, *tout);
    suivie.Perime();
    EXPECT_EQ(0, std::memcmp(suivie.Plage(*sousEch, n, pas, 9000, 9500).zone + 2 * 9000,
                             tout->zone + 2 * 9000, 2 * 501));
    EXPECT_EQ(0, std::memcmp(suivie.Tout(*sousEch, n, pas).zone, tout->zone, 2 * n));
}

TEST(Debit, TexteEnMonoEtEnStereo) {
    EXPECT_EQ(TexteDebit(44100, 1, 16, TformatWave::f16stereo, 441000),
              "Débit : 44100 Hz × 16 bits × 2 voies = 1411,2 kbit/s ; 1764,0 ko pour 10,0 s");
    EXPECT_EQ(TexteDebit(11025, 3, 8, TformatWave::f8, 33075),
              "Débit : 3675 Hz × 8 bits × 1 voie = 29,4 kbit/s ; 11,0 ko pour 3,0 s");
    EXPECT_EQ(TexteDebit(22050, 4, 3, TformatWave::f8stereo, 55125),
              "Débit : 5512,5 Hz × 3 bits × 2 voies = 33,1 kbit/s ; 10,3 ko pour 2,5 s");
    EXPECT_EQ(TexteDebit(44100, 8, 1, TformatWave::f16, 4410),
              "Débit : 5512,5 Hz × 1 bit × 1 voie = 5,5 kbit/s ; 0,1 ko pour 0,1 s");
    EXPECT_EQ(TexteDebit(0, 1, 8, TformatWave::f8, 0), "Débit : —");
}

TEST(Debit, TexteEnAnglais) {
    EXPECT_EQ(TexteDebit(22050, 4, 3, TformatWave::f8stereo, 55125, Tlangue::anglais),
              "Bit rate: 5512.5 Hz × 3 bits × 2 channels = 33.1 kbit/s; 10.3 kB for 2.5 s");
    EXPECT_EQ(TexteDebit(44100, 8, 1, TformatWave::f16, 4410, Tlangue::anglais),
              "Bit rate: 5512.5 Hz × 1 bit × 1 channel = 5.5 kbit/s; 0.1 kB for 0.1 s");
    EXPECT_EQ(TexteDebit(0, 1, 8, TformatWave::f8, 0, Tlangue::anglais), "Bit rate: —");
}
