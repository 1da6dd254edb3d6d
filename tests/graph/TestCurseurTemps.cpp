#include <gtest/gtest.h>

#include "graph/CurseurTemps.h"

// Edges closer than the grab distance: inside moves the band, and on the end edge the start
// edge, tested first, wins.
TEST(CurseurTemps, DesBordsTropProchesLaissentLaPriseAuDebut) {
    EXPECT_EQ(ChercheCurseurTemps(100, 103, 101), TcurseurTemps::curDeplace);
    EXPECT_EQ(ChercheCurseurTemps(100, 103, 103), TcurseurTemps::curDebut);
    EXPECT_EQ(ChercheCurseurTemps(100, 103, 107), TcurseurTemps::curFin);
}

TEST(CurseurTemps, UnDeplacementContreLeBordEstRefuseMaisUnPlusPetitPasse) {
    const TbandeSelection bande{10, 60, 30};
    EXPECT_FALSE(GlisseSelection(TcurseurTemps::curDeplace, bande, 22, 2, 1071));  // start on L
    const auto pas = GlisseSelection(TcurseurTemps::curDeplace, bande, 23, 2, 1071);
    ASSERT_TRUE(pas);
    EXPECT_EQ(*pas, (TbandeSelection{3, 53, 23}));
}

TEST(CurseurTemps, LeDebutNeRejointPasLaFin) {
    const TbandeSelection bande{10, 60, 0};
    EXPECT_FALSE(GlisseSelection(TcurseurTemps::curDebut, bande, 60, 2, 1071));
    EXPECT_FALSE(GlisseSelection(TcurseurTemps::curFin, bande, 10, 2, 1071));
    EXPECT_FALSE(GlisseSelection(TcurseurTemps::curFin, bande, 1071, 2, 1071));
    EXPECT_EQ(GlisseSelection(TcurseurTemps::curFin, bande, 1070, 2, 1071)->finPB, 1070);
    EXPECT_FALSE(GlisseSelection(TcurseurTemps::curNormal, bande, 30, 2, 1071));
}
