#include <gtest/gtest.h>

#include "BancGraphe.h"
#include "graph/Couleurs.h"

namespace {

constexpr int kHauteur = 50;

// An overview strip as the window sets it up: the curve area two pixels inside on each side.
class DessinTout : public testing::Test {
  protected:
    void Prepare(TformatWave format, int largeur, std::int32_t trames) {
        banc_ = std::make_unique<TbancGraphe>(format, largeur, kHauteur);
        banc_->graphe.LimiteCourbe = TRect{2, 0, largeur - 2, kHauteur};
        banc_->graphe.NbreTot = trames;
    }
    TgrapheSon& G() { return banc_->graphe; }
    TbancGraphe& B() { return *banc_; }
    int PixelsCourbe() {
        int n = 0;
        for (int x = 0; x < B().image.width(); ++x) n += static_cast<int>(B().Lignes(x, couleurBis).size());
        return n;
    }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

// Silence tells the two methods apart: the polyline draws it flat, the column strokes have
// no length and draw nothing.
TEST_F(DessinTout, LaCompressionCommenceAUneTrameDePlusQue5FoisLaLargeur) {
    Prepare(TformatWave::f8, 104, 501);  // R - L = 100
    for (std::int32_t i = 0; i < 600; ++i) B().EcritSon(i, 128);
    G().DrawAll();
    EXPECT_EQ(G().mondeX.a, 0.2);
    EXPECT_EQ(B().Colonnes(25, couleurBis).size(), 100u);  // 128 on the middle row, L..R-1

    G().NbreTot = 502;
    G().DrawAll();
    EXPECT_LT(G().mondeX.a, 0.2);
    EXPECT_EQ(PixelsCourbe(), 0);
}

TEST_F(DessinTout, UnPassageSilencieuxLaisseLaBandeBlanche) {
    Prepare(TformatWave::f16, 1073, 100000);
    for (std::int32_t i = 0; i < 100000; ++i) B().EcritSon(i, i < 50000 ? (i % 2 ? 20000 : -20000) : 0);
    G().DrawAll();
    const int milieu = 2 + 1069 / 2;
    for (int x = 2; x < milieu - 2; ++x) ASSERT_FALSE(B().Lignes(x, couleurBis).empty()) << x;
    for (int x = milieu + 2; x < 1073; ++x) ASSERT_TRUE(B().Lignes(x, couleurBis).empty()) << x;
}

TEST_F(DessinTout, LesColonnesNeLisentPasAuDelaDeLaDerniereTrame) {
    // 1/a = 959/100 rounds to 10 frames a column: columns 96 to 99 would start past the end.
    Prepare(TformatWave::f8, 104, 960);
    for (std::int32_t i = 0; i < 2000; ++i) B().EcritSon(i, i < 960 ? 128 : 0);
    G().DrawAll();
    EXPECT_EQ(PixelsCourbe(), 0);

    // 1/a = 954/100 rounds to 10 too: the last column stops its scan at frame 954.
    G().NbreTot = 955;
    G().DrawAll();
    EXPECT_EQ(PixelsCourbe(), 0);
}

TEST_F(DessinTout, ChaqueColonneVaDuMinimumAuMaximumSansLeDernierPixel) {
    Prepare(TformatWave::f8, 104, 1000);  // 10 frames a column
    for (std::int32_t i = 0; i < 1000; ++i) B().EcritSon(i, 128);
    B().EcritSon(33, 0);
    B().EcritSon(36, 255);
    G().DrawAll();
    // Frames 30..39 are column L + 3: 0 at the bottom edge (row 50), 255 on row 0, left out.
    std::vector<int> attendues;
    for (int y = 1; y < kHauteur; ++y) attendues.push_back(y);
    EXPECT_EQ(B().Lignes(5, couleurBis), attendues);
    EXPECT_TRUE(B().Lignes(4, couleurBis).empty());
    EXPECT_TRUE(B().Lignes(6, couleurBis).empty());
}

TEST_F(DessinTout, SeizeBitsZeroAuMilieuEtVoieGaucheSeulement) {
    Prepare(TformatWave::f16stereo, 104, 200);
    for (std::int32_t i = 0; i < 200; ++i) TbancGraphe::EcritTrame(*B().son, i, 0, 20000);
    G().DrawAll();
    EXPECT_EQ(G().mondeY.b, 25.0);
    EXPECT_EQ(B().Colonnes(25, couleurBis).size(), 100u);
    EXPECT_EQ(PixelsCourbe(), 100);
}

TEST_F(DessinTout, LesEchellesRestentPourLaSouris) {
    Prepare(TformatWave::f16, 1073, 20000);
    G().DrawAll();
    EXPECT_EQ(G().Xecran(0), 2);
    EXPECT_EQ(G().Xecran(19999), 1071);
    long double xr, yr;
    G().MondeXY(1071, 0, xr, yr);
    EXPECT_NEAR(static_cast<double>(xr), 19999.0, 1e-6);
}

TEST_F(DessinTout, UnSonDUneTrameEstUnTraitPlatSansDivisionParZero) {
    Prepare(TformatWave::f8, 104, 1);
    B().EcritSon(0, 64);
    B().EcritSon(1, 250);
    G().DrawAll();
    EXPECT_EQ(G().mondeX.a, 100.0);
    int x, y;
    G().WindowXY(0, 64, x, y);
    const std::vector<int> colonnes = B().Colonnes(y, couleurBis);
    ASSERT_EQ(colonnes.size(), 100u);
    EXPECT_EQ(colonnes.front(), 2);
    EXPECT_EQ(PixelsCourbe(), 100);
    EXPECT_EQ(G().Xecran(0), 2);
}

TEST_F(DessinTout, SansSonLaBandeEstBlanche) {
    Prepare(TformatWave::f8, 104, 0);
    B().image.fill(Qt::black);
    G().DrawAll();
    for (int x = 2; x < 102; ++x)
        ASSERT_EQ(B().Lignes(x, clBlanc).size(), static_cast<std::size_t>(kHauteur));
}

TEST_F(DessinTout, UnSonLongTraceUneColonneParPixelDeLaZone) {
    Prepare(TformatWave::f8, 1073, kCapaciteSon);
    for (std::int32_t i = 0; i < kCapaciteSon; ++i) B().EcritSon(i, i % 2 ? 200 : 50);
    G().DrawAll();
    EXPECT_TRUE(B().Lignes(1, couleurBis).empty());
    EXPECT_FALSE(B().Lignes(2, couleurBis).empty());
    EXPECT_FALSE(B().Lignes(1070, couleurBis).empty());
    EXPECT_TRUE(B().Lignes(1071, couleurBis).empty());
}
