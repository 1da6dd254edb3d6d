#include <set>

#include <gtest/gtest.h>

#include "BancGraphe.h"
#include "graph/Couleurs.h"

namespace {

constexpr int kLargeur = 1073;
constexpr int kHauteur = 250;

// A detail view as the window sets it up: a 16-bit or 8-bit sound of `trames` frames of
// one value, cursors on frame 0 (not drawn).
class DessinDetail : public testing::Test {
  protected:
    void Prepare(TformatWave format, std::int32_t trames, int bits, int pas, int valeur = 0) {
        banc_ = std::make_unique<TbancGraphe>(format, kLargeur, kHauteur);
        TgrapheSon& g = banc_->graphe;
        const bool huit = EstHuitBits(format);
        g.NbreTot = trames;
        g.NbreBits = bits;
        g.NbreBitsInit = huit ? 8 : 16;
        g.pasFreq = pas;
        g.frequence = 44100;
        g.mondeY.SetMinMax(huit ? 0 : -32764, huit ? 256 : 32764);
        for (std::int32_t i = 0; i < trames; ++i) {
            banc_->EcritSon(i, valeur);
            banc_->EcritSonBis(i, valeur);
        }
    }
    TgrapheSon& G() { return banc_->graphe; }
    TbancGraphe& B() { return *banc_; }

    // Columns whose top row shows a sampling-instant line.
    std::vector<int> ColonnesEchantillons() { return B().Colonnes(0, couleurNiveau); }

    // Rows of a column, away from sampling lines, that show a level line.
    std::set<int> LignesNiveaux(int x) {
        const auto lignes = B().Lignes(x, couleurNiveau);
        return {lignes.begin(), lignes.end()};
    }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

TEST_F(DessinDetail, SansSonLaZoneEstBlancheEtRienNEstLu) {
    Prepare(TformatWave::f16, 0, 8, 4);
    B().image.fill(Qt::black);
    G().DrawG();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
    EXPECT_TRUE(G().lectures.decimal.isEmpty());
}

TEST_F(DessinDetail, PasDeLignesDEchantillonnageAuxPasUnEtDeux) {
    for (int pas : {1, 2}) {
        Prepare(TformatWave::f16, 100000, 8, pas);
        G().DrawG();
        EXPECT_TRUE(ColonnesEchantillons().empty()) << pas;
    }
}

TEST_F(DessinDetail, LignesDEchantillonnageTousLes4PasPixelsAuxMultiplesDuPas) {
    for (int pas : {3, 4, 8}) {
        Prepare(TformatWave::f16, 100000, 8, pas);
        G().debut = 1001;
        G().DrawG();
        const std::vector<int> colonnes = ColonnesEchantillons();
        ASSERT_FALSE(colonnes.empty());
        const int premiere = 4 * ((pas - 1001 % pas) % pas);  // first multiple of pas from 1001
        EXPECT_EQ(colonnes.front(), premiere) << pas;
        for (std::size_t k = 1; k < colonnes.size(); ++k) EXPECT_EQ(colonnes[k] - colonnes[k - 1], 4 * pas);
        const int derniereTrame = 4 * (kLargeur / 4 - 1);  // column of the last frame shown
        EXPECT_EQ(colonnes.size(), static_cast<std::size_t>((derniereTrame - premiere) / (4 * pas) + 1));
        // The line runs the whole height of the curve area, apart from the curve and dashes.
        EXPECT_GE(B().Lignes(premiere, couleurNiveau).size(), static_cast<std::size_t>(kHauteur - 4));
    }
}

TEST_F(DessinDetail, PasDeNiveauxASeizeBitsAvecHuitBitsGardes) {
    Prepare(TformatWave::f16, 100000, 8, 1);
    G().DrawG();
    EXPECT_EQ(G().coeffBit, 256);
    EXPECT_TRUE(LignesNiveaux(501).empty());
}

TEST_F(DessinDetail, SeizeNiveauxASeizeBitsAvecQuatreBits) {
    Prepare(TformatWave::f16, 100000, 4, 1, 18000);  // the curve lies between two levels
    G().DrawG();
    EXPECT_EQ(G().coeffBit, 4096);
    std::set<int> attendues;
    for (int v = -32764; v <= 32764; v += 4096) {
        int x, y;
        G().WindowXY(G().debut, v, x, y);
        attendues.insert(y);
    }
    ASSERT_EQ(attendues.size(), 16u);
    EXPECT_EQ(LignesNiveaux(501), attendues);
    // Lines run from the left edge to the last column.
    EXPECT_EQ(B().Colonnes(*attendues.begin(), couleurNiveau).size(), static_cast<std::size_t>(kLargeur));
}

TEST_F(DessinDetail, NiveauxHuitBitsStereoDepuisZeroEtVoieGauche) {
    Prepare(TformatWave::f8stereo, 100000, 4, 1);
    for (std::int32_t i = 0; i < 300; ++i) {
        TbancGraphe::EcritTrame(*B().son, i, 200, 50);
        TbancGraphe::EcritTrame(*B().sonBis, i, 192, 48);
    }
    G().DrawG();
    EXPECT_EQ(G().coeffBit, 16);
    std::set<int> attendues;
    for (int v = 0; v <= 256; v += 16) {
        int x, y;
        G().WindowXY(0, v, x, y);
        attendues.insert(y);
    }
    EXPECT_EQ(attendues.size(), 17u);
    // Curve and dashes, drawn later, may cover a level.
    std::set<int> vues = LignesNiveaux(502);
    for (TCouleur dessus : {couleurCourbe, couleurBis})
        for (int y : B().Lignes(502, dessus)) vues.insert(y);
    // Level 0 sits on the bottom edge, just outside the image.
    for (int y : attendues) EXPECT_TRUE(vues.count(y) || y == kHauteur) << y;

    int x, yGauche, yDroite;
    G().WindowXY(0, 200, x, yGauche);
    G().WindowXY(0, 50, x, yDroite);
    EXPECT_EQ(B().Lignes(2, couleurCourbe), std::vector<int>{yGauche});
    EXPECT_EQ(B().Lignes(2, couleurBis).size(), 3u);
    EXPECT_EQ(B().Colonnes(yDroite, couleurCourbe).size(), 0u);
}

TEST_F(DessinDetail, LaCourbePasseParChaqueTrameEtLesTiretsSuivent) {
    Prepare(TformatWave::f16, 100000, 8, 1);
    G().debut = 500;
    for (std::int32_t i = 500; i < 800; ++i) {
        B().EcritSon(i, (i - 500) * 100 - 10000);
        B().EcritSonBis(i, 20000);
    }
    G().DrawG();
    for (std::int32_t i : {500, 510, 600, 700, 766}) {
        int x, y;
        G().WindowXY(i, (i - 500) * 100 - 10000, x, y);
        EXPECT_EQ(B().canevas.Pixel(x, y), couleurCourbe) << i;
    }
    int x, y;
    G().WindowXY(600, 20000, x, y);
    // A dash of frame i covers its four columns and one more, three rows high.
    for (int dx = -1; dx <= 3; ++dx)
        for (int dy = -1; dy <= 1; ++dy) EXPECT_EQ(B().canevas.Pixel(x + dx, y + dy), couleurBis);
    EXPECT_EQ(B().Colonnes(y, couleurBis).size(), static_cast<std::size_t>(kLargeur - 1));
}

TEST_F(DessinDetail, UnSonPlusCourtQueLaVueSArreteASaDerniereTrameSansLireAuDela) {
    Prepare(TformatWave::f16, 50, 8, 1);
    // Beyond the sound the vectors hold a value that must never appear.
    for (std::int32_t i = 50; i < 400; ++i) {
        B().EcritSon(i, 30000);
        B().EcritSonBis(i, 30000);
    }
    G().DrawG();
    EXPECT_EQ(G().fin, 49);
    int x, y;
    G().WindowXY(0, 30000, x, y);
    EXPECT_TRUE(B().Colonnes(y, couleurCourbe).empty());
    EXPECT_TRUE(B().Colonnes(y, couleurBis).empty());
    // The last dash ends at the fifth column of the last frame; white after it.
    int xFin, yFin;
    G().WindowXY(49, 0, xFin, yFin);
    for (int col = xFin + 4; col < kLargeur; ++col) ASSERT_TRUE(B().Lignes(col, couleurBis).empty()) << col;
}

TEST_F(DessinDetail, UneVueAuDelaDuSonResteBlanche) {
    Prepare(TformatWave::f16, 50, 8, 1);
    G().debut = 60;
    G().DrawG();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
}

TEST_F(DessinDetail, LesCouleursSontLuesAChaqueDessin) {
    Prepare(TformatWave::f16, 100000, 8, 4);
    const TCouleur ancienne = couleurNiveau;
    couleurNiveau = 0x00FF00;
    G().DrawG();
    couleurNiveau = ancienne;
    EXPECT_FALSE(B().Colonnes(0, 0x00FF00).empty());
}
