#include <gtest/gtest.h>

#include <random>

#include "sound/ChaineDirect.h"
#include "sound/Numerisation.h"

namespace {

// The batch digitiser on mono samples, for comparison.
template <typename T>
std::vector<T> Lot(const std::vector<T>& entree, int q, int pas, ToptionsNumerisation options = {}) {
    auto son = AlloueVecteurSon();
    auto sortie = AlloueVecteurSon();
    son->formatWave = sizeof(T) == 1 ? TformatWave::f8 : TformatWave::f16;
    std::memcpy(son->zone, entree.data(), entree.size() * sizeof(T));
    TnumeriseurSon().Numerise(*son, *sortie, static_cast<std::int32_t>(entree.size()), q, pas, options);
    std::vector<T> v(entree.size());
    std::memcpy(v.data(), sortie->zone, v.size() * sizeof(T));
    return v;
}

// Random samples over the whole range, with the limits and the values next to them.
template <typename T>
std::vector<T> Hasard(std::size_t n, std::mt19937& g) {
    std::uniform_int_distribution<int> d(std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
    std::vector<T> v(n);
    for (T& e : v) e = static_cast<T>(d(g));
    const T limites[] = {std::numeric_limits<T>::min(),
                         static_cast<T>(std::numeric_limits<T>::min() + 1),
                         std::numeric_limits<T>::max(),
                         0,
                         static_cast<T>(-1),
                         1};
    for (std::size_t i = 0; i < std::size(limites); ++i) v[8 * i] = limites[i];
    return v;
}

// Blocks of random sizes; from frame `bascule` on, the block starting there gets q2 and pas2.
template <typename T>
std::vector<T> EnFlux(const std::vector<T>& entree, std::mt19937& g, int q, int pas, std::size_t bascule = -1,
                      int q2 = 0, int pas2 = 0, ToptionsNumerisation options = {}) {
    TnumeriseurFlux flux;
    std::vector<T> sortie(entree.size());
    std::uniform_int_distribution<std::size_t> taille(1, 300);
    for (std::size_t i = 0; i < entree.size();) {
        std::size_t n = std::min(taille(g), entree.size() - i);
        if (i < bascule) n = std::min(n, bascule - i);
        const bool apres = i >= bascule;
        flux.Numerise(entree.data() + i, sortie.data() + i, n, apres ? q2 : q, apres ? pas2 : pas, options);
        i += n;
    }
    return sortie;
}

template <typename T>
std::vector<T> Colle(std::vector<T> a, const std::vector<T>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(NumerisationFlux, DesBlocsAuHasardDonnentLeSonNumeriseEnUneFois) {
    std::mt19937 g(16);
    const auto son16 = Hasard<std::int16_t>(20000, g);
    const auto son8 = Hasard<std::uint8_t>(20000, g);
    for (const auto& [b, pas] : {std::pair{3, 8}, {1, 3}, {8, 1}, {5, 7}}) {
        const int q16 = QuantumNumerisation(16, b), q8 = QuantumNumerisation(8, b);
        EXPECT_EQ(EnFlux(son16, g, q16, pas), Lot(son16, q16, pas)) << b << " bits, pas " << pas;
        EXPECT_EQ(EnFlux(son8, g, q8, pas), Lot(son8, q8, pas)) << b << " bits, pas " << pas;
    }
}

// The laws and the dither's noise run across the blocks as the hold does.
TEST(NumerisationFlux, AvecLoiEtDitherLeFluxDonneLeLot) {
    std::mt19937 g(25);
    const auto son16 = Hasard<std::int16_t>(20000, g);
    const auto son8 = Hasard<std::uint8_t>(20000, g);
    for (const ToptionsNumerisation options : {ToptionsNumerisation{TloiQuantification::mu, true},
                                               {TloiQuantification::a, false},
                                               {TloiQuantification::uniforme, true}}) {
        const int q16 = QuantumNumerisation(16, 4), q8 = QuantumNumerisation(8, 4);
        EXPECT_EQ(EnFlux(son16, g, q16, 3, -1, 0, 0, options), Lot(son16, q16, 3, options));
        EXPECT_EQ(EnFlux(son8, g, q8, 3, -1, 0, 0, options), Lot(son8, q8, 3, options));
        EXPECT_NE(Lot(son16, q16, 3, options), Lot(son16, q16, 3));
        // The live chain takes the options with q and the step, in one setting.
        TchaineDirect chaine;
        chaine.Remet(false);
        chaine.Regle(q16, 3, options);
        std::vector<std::int16_t> sortie(son16.size());
        chaine.Traite(son16.data(), sortie.data(), son16.size());
        EXPECT_EQ(sortie, Lot(son16, q16, 3, options));
    }
}

// Frame 1000 is inside a step of 3 (999 to 1001): the new step starts there, cutting it short.
// A new q alone keeps the step under way and quantises its held value anew.
TEST(NumerisationFlux, UnChangementPrendEffetAuDebutDuBloc) {
    std::mt19937 g(7);
    const auto son = Hasard<std::int16_t>(6000, g);
    const std::vector<std::int16_t> debut(son.begin(), son.begin() + 1000),
        fin(son.begin() + 1000, son.end());
    EXPECT_EQ(EnFlux(son, g, 8192, 3, 1000, 8192, 8), Colle(Lot(debut, 8192, 3), Lot(fin, 8192, 8)));
    const auto avecQ2 = Lot(son, 256, 3);
    EXPECT_EQ(EnFlux(son, g, 8192, 3, 1000, 256, 3),
              Colle(Lot(debut, 8192, 3), std::vector<std::int16_t>(avecQ2.begin() + 1000, avecQ2.end())));
}

// Truncation toward zero, around 0 for 16-bit samples and 128 for 8-bit ones.
TEST(ChaineDirect, LeGainEtLOriginalSansTrou) {
    EXPECT_EQ(AppliqueGain(std::int16_t{-32768}, 50), -16384);
    EXPECT_EQ(AppliqueGain(std::int16_t{-3}, 50), -1);
    EXPECT_EQ(AppliqueGain(std::int16_t{3}, 50), 1);
    EXPECT_EQ(AppliqueGain(std::int16_t{32767}, 100), 32767);
    EXPECT_EQ(AppliqueGain(std::uint8_t{0}, 50), 64);
    EXPECT_EQ(AppliqueGain(std::uint8_t{255}, 50), 191);
    EXPECT_EQ(AppliqueGain(std::uint8_t{128}, 0), 128);

    // Blocks of 5: digitised, original, digitised again; the hold of 4 runs under the original.
    TchaineDirect chaine;
    chaine.Remet(false);
    chaine.Regle(256, 4);
    std::vector<std::int16_t> entree(15), sortie(15);
    for (int i = 0; i < 15; ++i) entree[i] = static_cast<std::int16_t>(1000 * i - 300);
    for (int bloc = 0; bloc < 3; ++bloc) {
        chaine.SetOriginal(bloc == 1);
        chaine.Traite(entree.data() + 5 * bloc, sortie.data() + 5 * bloc, 5);
    }
    const auto numerise = Lot(entree, 256, 4);
    std::vector<std::int16_t> attendu = numerise;
    std::copy(entree.begin() + 5, entree.begin() + 10, attendu.begin() + 5);
    EXPECT_EQ(sortie, attendu);

    // The view gets the last frames, oldest first, the sound and its digitised value.
    std::vector<std::int16_t> son(20), vu(20);
    ASSERT_EQ(chaine.Anneau().Derniers(20, son.data(), vu.data()), 15u);
    EXPECT_EQ(std::vector(son.begin(), son.begin() + 15), entree);
    EXPECT_EQ(std::vector(vu.begin(), vu.begin() + 15), numerise);
    ASSERT_EQ(chaine.Anneau().Derniers(4, son.data(), vu.data()), 4u);
    EXPECT_EQ(std::vector(son.begin(), son.begin() + 4), std::vector(entree.end() - 4, entree.end()));
}

// A ring of 16 frames, written past its end: the reader gets at most half of it, the newest.
TEST(ChaineDirect, LAnneauRendLesDernieresTrames) {
    TanneauDirect anneau(4);
    std::vector<std::uint8_t> son(21), num(21, 7);
    for (int i = 0; i < 21; ++i) son[i] = static_cast<std::uint8_t>(200 + i);
    anneau.Ecrit(son.data(), num.data(), 13);
    anneau.Ecrit(son.data() + 13, num.data() + 13, 8);
    std::vector<std::int16_t> lu(16), luNum(16);
    ASSERT_EQ(anneau.Derniers(16, lu.data(), luNum.data()), 8u);
    EXPECT_EQ(std::vector(lu.begin(), lu.begin() + 8), std::vector<std::int16_t>(son.end() - 8, son.end()));
    EXPECT_EQ(luNum[0], 7);
}
