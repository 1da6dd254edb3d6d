#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// An overview strip 104 x 50: the curve area two pixels inside on each side, so R - L = 100.
// The strip draws the digitised vector: here the bench's first one.
class DessinTout : public testing::Test {
protected:
    TmodeleVue& Prepare(std::int32_t trames) {
        banc_ = std::make_unique<TbancGraphe>(TformatWave::f8, 104, 50);
        banc_->modele.trames = trames;
        return banc_->modele;
    }
    TsonsVue Sons() const { return {banc_->sonBis.get(), banc_->son.get()}; }
    void Dessine() { DessineApercu(banc_->modele, Sons(), banc_->canevas, 104, 50); }
    TgrapheSon Graphe() const {
        return TgrapheSon(banc_->modele, Sons(), nullptr, 104, 50, TgenreVue::apercu);
    }
    TbancGraphe& B() { return *banc_; }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

// Silence tells the two methods apart: the polyline draws it flat on its row, the column
// strokes have no length and leave the strip white.
TEST_F(DessinTout, LaCompressionCommenceAUneTrameDePlusQue5FoisLaLargeur) {
    TmodeleVue& g = Prepare(501);
    TbancGraphe::Ecrit(*B().son, 0, 600, 128);
    Dessine();
    EXPECT_EQ(B().Colonnes(25, kCouleurs.bis).size(), 100u);

    g.trames = 502;
    Dessine();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);

    // Loud then silent: strokes from the smallest to the largest value, white where silent.
    g.trames = 1000;
    for (std::int32_t i = 0; i < 500; ++i) TbancGraphe::Ecrit(*B().son, i, i + 1, i % 2 ? 255 : 0);
    Dessine();
    for (int x = 2; x < 52; ++x) ASSERT_EQ(B().Lignes(x, kCouleurs.bis).size(), 49u) << x;  // row 0 left out
    EXPECT_EQ(B().PixelsNonBlancs(), 50 * 49);
}

TEST_F(DessinTout, LesColonnesNeLisentPasAuDelaDeLaDerniereTrame) {
    // 1/a = 959/100 rounds to 10 frames a column: columns from frame 960 on lie past the end.
    TmodeleVue& g = Prepare(960);
    TbancGraphe::Ecrit(*B().son, 0, 960, 128);
    TbancGraphe::Ecrit(*B().son, 960, 2000, 0);
    Dessine();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
    // 1/a = 954/100 rounds to 10 too: the last column stops its scan at frame 954.
    g.trames = 955;
    Dessine();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
}

TEST_F(DessinTout, UnSonDUneTrameEstUnTraitPlatSansDivisionParZero) {
    const TmodeleVue& g = Prepare(1);
    TbancGraphe::Ecrit(*B().son, 0, 1, 64);
    TbancGraphe::Ecrit(*B().son, 1, 2, 250);
    Dessine();
    int x, y;
    Graphe().WindowXY(0, 64, x, y);
    EXPECT_EQ(B().Colonnes(y, kCouleurs.bis).size(), 100u);
    EXPECT_EQ(B().PixelsNonBlancs(), 100);
    EXPECT_EQ(ColonneDeTrame(AxeApercu(g, 104), 0), 2);
}
