#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// An overview strip 104 x 50 as the window sets it up: the curve area two pixels inside on
// each side, so R - L = 100.
class DessinTout : public testing::Test {
protected:
    TgrapheSon& Prepare(std::int32_t trames) {
        banc_ = std::make_unique<TbancGraphe>(TformatWave::f8, 104, 50);
        banc_->graphe.LimiteCourbe = TRect{2, 0, 102, 50};
        banc_->graphe.NbreTot = trames;
        return banc_->graphe;
    }
    TbancGraphe& B() { return *banc_; }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

// Silence tells the two methods apart: the polyline draws it flat on its row, the column
// strokes have no length and leave the strip white.
TEST_F(DessinTout, LaCompressionCommenceAUneTrameDePlusQue5FoisLaLargeur) {
    TgrapheSon& g = Prepare(501);
    TbancGraphe::Ecrit(*B().son, 0, 600, 128);
    g.DrawAll();
    EXPECT_EQ(B().Colonnes(25, couleurBis).size(), 100u);

    g.NbreTot = 502;
    g.DrawAll();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);

    // Loud then silent: strokes from the smallest to the largest value, white where silent.
    g.NbreTot = 1000;
    for (std::int32_t i = 0; i < 500; ++i) TbancGraphe::Ecrit(*B().son, i, i + 1, i % 2 ? 255 : 0);
    g.DrawAll();
    for (int x = 2; x < 52; ++x) ASSERT_EQ(B().Lignes(x, couleurBis).size(), 49u) << x;  // row 0 left out
    EXPECT_EQ(B().PixelsNonBlancs(), 50 * 49);
}

TEST_F(DessinTout, LesColonnesNeLisentPasAuDelaDeLaDerniereTrame) {
    // 1/a = 959/100 rounds to 10 frames a column: columns from frame 960 on lie past the end.
    TgrapheSon& g = Prepare(960);
    TbancGraphe::Ecrit(*B().son, 0, 960, 128);
    TbancGraphe::Ecrit(*B().son, 960, 2000, 0);
    g.DrawAll();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
    // 1/a = 954/100 rounds to 10 too: the last column stops its scan at frame 954.
    g.NbreTot = 955;
    g.DrawAll();
    EXPECT_EQ(B().PixelsNonBlancs(), 0);
}

TEST_F(DessinTout, UnSonDUneTrameEstUnTraitPlatSansDivisionParZero) {
    TgrapheSon& g = Prepare(1);
    TbancGraphe::Ecrit(*B().son, 0, 1, 64);
    TbancGraphe::Ecrit(*B().son, 1, 2, 250);
    g.DrawAll();
    int x, y;
    g.WindowXY(0, 64, x, y);
    EXPECT_EQ(B().Colonnes(y, couleurBis).size(), 100u);
    EXPECT_EQ(B().PixelsNonBlancs(), 100);
    EXPECT_EQ(g.Xecran(0), 2);
}
