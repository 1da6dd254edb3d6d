#include <gtest/gtest.h>

#include "BancGraphe.h"
#include "graph/Arrondi.h"

namespace {

// A detail graph of a long sound, scales computed, on a curve area 1,073 x 172.
class Monde : public testing::Test {
protected:
    TgrapheSon& Prepare(TformatWave format, std::int32_t debut) {
        banc_ = std::make_unique<TbancGraphe>(format, 1073, 172);
        TgrapheSon& g = banc_->graphe;
        g.NbreTot = 100000;
        g.debut = debut;
        if (EstHuitBits(format))
            g.mondeY.SetMinMax(0, 256);
        else
            g.mondeY.SetMinMax(-32764, 32764);
        g.ChercheMonde();
        return g;
    }
    int Ligne(double valeur) {
        int x, y;
        banc_->graphe.WindowXY(banc_->graphe.debut, valeur, x, y);
        return y;
    }
    int Colonne(double trame) {
        int x, y;
        banc_->graphe.WindowXY(trame, 0, x, y);
        return x;
    }
    std::int32_t TrameCliquee(int colonne) {
        long double xr, yr;
        banc_->graphe.MondeXY(colonne, 0, xr, yr);
        return Arrondi(xr);
    }

    std::unique_ptr<TbancGraphe> banc_;
};

}  // namespace

TEST_F(Monde, ExempleSeizeBits) {
    const TgrapheSon& g = Prepare(TformatWave::f16, 1000);
    EXPECT_EQ(Ligne(32764), 2);
    EXPECT_EQ(Ligne(0), 86);
    EXPECT_EQ(Ligne(-32764), 170);
    EXPECT_EQ(g.fin, 1267);
    EXPECT_EQ(Colonne(1000), 0);
    EXPECT_EQ(Colonne(1267), 1068);
}

TEST_F(Monde, ExempleHuitBits) {
    Prepare(TformatWave::f8, 0);
    EXPECT_EQ(Ligne(255), 2);
    EXPECT_EQ(Ligne(128), 87);
    EXPECT_EQ(Ligne(0), 172);
}

TEST_F(Monde, LesMoitiesVontAuPair) {
    TgrapheSon& g = Prepare(TformatWave::f16, 0);
    g.mondeY.a = 0.5;
    g.mondeY.b = 0;
    EXPECT_EQ(Ligne(5), 2);
    EXPECT_EQ(Ligne(7), 4);
    EXPECT_EQ(Ligne(-5), -2);
    // Column 2 of the detail view lies halfway between frames debut and debut + 1.
    for (std::int32_t debut : {1000, 1001}) {
        Prepare(TformatWave::f16, debut);
        EXPECT_EQ(TrameCliquee(1), debut);
        EXPECT_EQ(TrameCliquee(2), debut % 2 == 0 ? debut : debut + 1);
        EXPECT_EQ(TrameCliquee(4 * 267), debut + 267);
    }
}

TEST_F(Monde, UnePlageNulleEstElargieEtGardee) {
    TgrapheSon& g = Prepare(TformatWave::f8, 0);
    g.mondeY.SetMinMax(5, 5);
    g.ChercheMonde();
    g.ChercheMonde();
    EXPECT_EQ(g.mondeY.mini, 0.0);
    EXPECT_EQ(g.mondeY.maxi, 21.0);
}
