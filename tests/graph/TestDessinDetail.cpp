#include <set>

#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

constexpr int kLargeur = 1073;
constexpr int kHauteur = 250;

// A detail view of a 16-bit sound of `trames` frames of one value, cursors on frame 0 (not drawn).
class DessinDetail : public testing::Test {
protected:
    TmodeleVue& Prepare(std::int32_t trames, int bits, int pas, int valeur = 0) {
        banc_ = std::make_unique<TbancGraphe>(TformatWave::f16, kLargeur, kHauteur);
        TmodeleVue& g = banc_->modele;
        g.trames = trames;
        g.bits = bits;
        g.bitsSon = 16;
        g.pas = pas;
        TbancGraphe::Ecrit(*banc_->son, 0, trames, valeur);
        TbancGraphe::Ecrit(*banc_->sonBis, 0, trames, valeur);
        return g;
    }
    TbancGraphe& B() { return *banc_; }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

TEST_F(DessinDetail, PasDeLignesDEchantillonnageAuxPasUnEtDeux) {
    for (int pas : {1, 2}) {
        Prepare(100000, 8, pas);
        B().Detail();
        EXPECT_TRUE(B().Colonnes(0, kCouleurs.niveau).empty()) << pas;
    }
}

TEST_F(DessinDetail, LignesDEchantillonnageTousLes4PasPixelsAuxMultiplesDuPas) {
    for (int pas : {3, 4, 8}) {
        TmodeleVue& g = Prepare(100000, 8, pas);
        g.debut = 1001;
        B().Detail();
        const std::vector<int> colonnes = B().Colonnes(0, kCouleurs.niveau);
        ASSERT_FALSE(colonnes.empty());
        EXPECT_EQ(colonnes.front(), 4 * ((pas - 1001 % pas) % pas)) << pas;
        for (std::size_t k = 1; k < colonnes.size(); ++k) EXPECT_EQ(colonnes[k] - colonnes[k - 1], 4 * pas);
        EXPECT_LE(colonnes.back(), 4 * 267);  // the last frame shown
        EXPECT_GT(colonnes.back() + 4 * pas, 4 * 267);
        // The whole height of the area, apart from the curve and its dash on the middle rows.
        EXPECT_EQ(B().Lignes(colonnes.front(), kCouleurs.niveau).size(),
                  static_cast<std::size_t>(kHauteur - 3));
    }
}

TEST_F(DessinDetail, NiveauxAbsentsAHuitBitsPresentsAQuatre) {
    Prepare(100000, 8, 1);
    B().Detail();
    EXPECT_TRUE(B().Lignes(501, kCouleurs.niveau).empty());

    Prepare(100000, 4, 1, 18000);  // the curve lies between two levels
    B().Detail();
    const TgrapheSon g = B().Graphe();
    std::set<int> attendues;
    for (int v = -32764; v <= 32764; v += 4096) {
        int x, y;
        g.WindowXY(g.debut, v, x, y);
        attendues.insert(y);
    }
    ASSERT_EQ(attendues.size(), 16u);
    const std::vector<int> vues = B().Lignes(501, kCouleurs.niveau);
    EXPECT_EQ(std::set<int>(vues.begin(), vues.end()), attendues);
    EXPECT_EQ(B().Colonnes(*attendues.begin(), kCouleurs.niveau).size(), static_cast<std::size_t>(kLargeur));
}

TEST_F(DessinDetail, UnSonPlusCourtQueLaVueNEstPasLuAuDelaDeSaFin) {
    TmodeleVue& g = Prepare(50, 8, 1);
    TbancGraphe::Ecrit(*B().son, 50, 400, 30000);
    TbancGraphe::Ecrit(*B().sonBis, 50, 400, 30000);
    B().Detail();
    EXPECT_EQ(B().Graphe().fin, 49);
    // Curve and dashes on the row of 0 up to the last frame's dash, nothing beyond.
    int x, y;
    B().Graphe().WindowXY(49, 0, x, y);
    EXPECT_EQ(B().Colonnes(y, kCouleurs.bis).back(), x + 3);
    EXPECT_EQ(B().PixelsNonBlancs(), 3 * (x + 4));

    g.debut = 60;  // the view lies wholly past the end
    B().Detail();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
}

TEST_F(DessinDetail, SansSonLaZoneEstBlanche) {
    Prepare(0, 8, 4);
    B().image.Remplit(0x000000);
    B().Detail();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
}
