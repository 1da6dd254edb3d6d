#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// A detail graph of a long sound, scales computed, on a curve area 1,073 x 172.
class Monde : public testing::Test {
protected:
    TgrapheSon& Prepare(TformatWave format, std::int32_t debut) {
        banc_ = std::make_unique<TbancGraphe>(format, 1073, 172);
        banc_->modele.trames = 100000;
        banc_->modele.debut = debut;
        graphe_ = std::make_unique<TgrapheSon>(banc_->Graphe());
        return *graphe_;
    }
    int Ligne(double valeur) {
        int x, y;
        graphe_->WindowXY(graphe_->debut, valeur, x, y);
        return y;
    }
    int Colonne(double trame) {
        int x, y;
        graphe_->WindowXY(trame, 0, x, y);
        return x;
    }
    std::int32_t TrameCliquee(int colonne) { return TrameDeColonne(AxeDetail(banc_->modele), colonne); }

    std::unique_ptr<TbancGraphe> banc_;
    std::unique_ptr<TgrapheSon> graphe_;
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

// The one pair of conversions, on both views' axes, at ties that go down and up to the even.
TEST(MondeColonnes, DetailDansLesDeuxSensAuxMoities) {
    TmodeleVue m;
    m.largeur = 1073;
    m.trames = 100000;
    m.debut = 1000;
    const TaxeTemps axe = AxeDetail(m);
    EXPECT_EQ(ColonneDeTrame(axe, 1000), 0);
    EXPECT_EQ(ColonneDeTrame(axe, 1000.125), 0);  // 0.5
    EXPECT_EQ(ColonneDeTrame(axe, 1000.375), 2);  // 1.5
    EXPECT_EQ(ColonneDeTrame(axe, 1267), 1068);
    EXPECT_EQ(TrameDeColonne(axe, 2), 1000);  // 1000.5
    EXPECT_EQ(TrameDeColonne(axe, 6), 1002);  // 1001.5
    EXPECT_EQ(TrameDeColonne(axe, 1068), 1267);
    for (std::int32_t trame : {1000, 1001, 1133, 1267})
        EXPECT_EQ(TrameDeColonne(axe, ColonneDeTrame(axe, trame)), trame);
}

TEST(MondeColonnes, ApercuDansLesDeuxSensAuxMoities) {
    TmodeleVue m;
    m.debut = 40;  // the strip ignores it
    m.trames = 9;  // 12.5 columns a frame on a curve area from 2 to 102
    TaxeTemps axe = AxeApercu(m, 104);
    EXPECT_EQ(ColonneDeTrame(axe, 0), 2);
    EXPECT_EQ(ColonneDeTrame(axe, 1), 14);  // 14.5
    EXPECT_EQ(ColonneDeTrame(axe, 3), 40);  // 39.5
    EXPECT_EQ(ColonneDeTrame(axe, 8), 102);

    m.trames = 51;  // two columns a frame
    axe = AxeApercu(m, 104);
    EXPECT_EQ(TrameDeColonne(axe, 2), 0);
    EXPECT_EQ(TrameDeColonne(axe, 3), 0);  // 0.5
    EXPECT_EQ(TrameDeColonne(axe, 5), 2);  // 1.5
    EXPECT_EQ(TrameDeColonne(axe, 102), 50);
    EXPECT_EQ(ColonneDeTrame(axe, 50), 102);

    m.trames = 1;  // no span: the frame sits on the left side
    axe = AxeApercu(m, 104);
    EXPECT_EQ(ColonneDeTrame(axe, 0), 2);
    EXPECT_EQ(TrameDeColonne(axe, 2), 0);
    EXPECT_EQ(TrameDeColonne(axe, 52), 0);   // 0.5
    EXPECT_EQ(TrameDeColonne(axe, 152), 2);  // 1.5
}
