#include <cmath>

#include <gtest/gtest.h>

#include "BancGraphe.h"
#include "graph/Arrondi.h"

namespace {

int LigneDe(const TgrapheSon& g, double valeur) {
    int x, y;
    g.WindowXY(g.debut, valeur, x, y);
    return y;
}

int ColonneDe(const TgrapheSon& g, double trame) {
    int x, y;
    g.WindowXY(trame, 0, x, y);
    return x;
}

std::int32_t TrameCliquee(const TgrapheSon& g, int colonne) {
    long double xr, yr;
    g.MondeXY(colonne, 0, xr, yr);
    return Arrondi(xr);
}

}  // namespace

TEST(Monde, CreateDonneLesValeursInitiales) {
    TgrapheSon g(nullptr, nullptr);
    EXPECT_EQ(g.mondeX.mini, 0.0);
    EXPECT_EQ(g.mondeX.maxi, 1.0);
    EXPECT_EQ(g.mondeY.a, 1.0);
    EXPECT_EQ(g.mondeY.b, 0.0);
    EXPECT_EQ(g.NbreTot, 0);
    EXPECT_EQ(g.Canvas, nullptr);
}

TEST(Monde, ArrondiVaAuPairSurLesMoities) {
    EXPECT_EQ(Arrondi(2.5), 2);
    EXPECT_EQ(Arrondi(3.5), 4);
    EXPECT_EQ(Arrondi(-2.5), -2);
    EXPECT_EQ(Arrondi(2.5000001), 3);
    EXPECT_EQ(Arrondi(NAN), 0);
    EXPECT_EQ(Arrondi(1e30L), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Arrondi(-INFINITY), std::numeric_limits<std::int32_t>::min());
}

TEST(Monde, WindowXYMetLesMoitiesSurLePixelPair) {
    TgrapheSon g(nullptr, nullptr);
    g.mondeY.a = 0.5;
    EXPECT_EQ(LigneDe(g, 5), 2);
    EXPECT_EQ(LigneDe(g, 7), 4);
    g.mondeX.a = 0.5;
    EXPECT_EQ(ColonneDe(g, 1), 0);
    EXPECT_EQ(ColonneDe(g, 3), 2);
    EXPECT_EQ(g.Xecran(5), 2);
}

TEST(Monde, ExempleSeizeBits) {
    TbancGraphe banc(TformatWave::f16, 1073, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 100000;
    g.debut = 1000;
    g.mondeY.SetMinMax(-32764, 32764);
    g.ChercheMonde();
    EXPECT_NEAR(g.mondeY.a, -0.0025734, 1e-7);
    EXPECT_EQ(g.mondeY.b, 86.0);
    EXPECT_EQ(LigneDe(g, 32764), 2);
    EXPECT_EQ(LigneDe(g, 0), 86);
    EXPECT_EQ(LigneDe(g, -32764), 170);
    EXPECT_EQ(g.fin, 1267);
    EXPECT_EQ(ColonneDe(g, 1000), 0);
    EXPECT_EQ(ColonneDe(g, 1267), 1068);
}

TEST(Monde, ExempleHuitBits) {
    TbancGraphe banc(TformatWave::f8, 1073, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 100000;
    g.mondeY.SetMinMax(0, 256);
    g.ChercheMonde();
    EXPECT_NEAR(g.mondeY.a, -0.66522, 1e-5);
    EXPECT_EQ(LigneDe(g, 255), 2);
    EXPECT_EQ(LigneDe(g, 128), 87);
    EXPECT_EQ(LigneDe(g, 0), 172);
}

TEST(Monde, LeStereoHuitBitsEstDeLaFamilleHuitBits) {
    TbancGraphe banc(TformatWave::f8stereo, 1073, 172);
    banc.graphe.NbreTot = 10;
    banc.graphe.mondeY.SetMinMax(0, 256);
    banc.graphe.ChercheMonde();
    EXPECT_EQ(banc.graphe.mondeY.b, 172.0);
}

TEST(Monde, UnSonCourtArreteFinASaDerniereTrame) {
    TbancGraphe banc(TformatWave::f16, 1073, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 50;
    g.ChercheMonde();
    EXPECT_EQ(g.fin, 49);
    g.debut = 60;
    g.ChercheMonde();
    EXPECT_LT(g.fin, g.debut);
}

TEST(Monde, UnePlageNulleEstElargieEtGardee) {
    TbancGraphe banc(TformatWave::f8, 400, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 10;
    g.mondeY.SetMinMax(5, 5);
    g.ChercheMonde();
    EXPECT_EQ(g.mondeY.mini, 0.0);
    EXPECT_EQ(g.mondeY.maxi, 21.0);
    g.ChercheMonde();
    EXPECT_EQ(g.mondeY.maxi, 21.0);
    EXPECT_TRUE(std::isfinite(g.mondeY.a));

    TbancGraphe seize(TformatWave::f16, 400, 172);
    seize.graphe.NbreTot = 10;
    seize.graphe.mondeY.SetMinMax(32700, 32700);
    seize.graphe.ChercheMonde();
    EXPECT_EQ(seize.graphe.mondeY.mini, 32444.0);
    EXPECT_EQ(seize.graphe.mondeY.maxi, 32764.0);
}

TEST(Monde, UnClicSurLaColonne4kDonneLaTrameDebutPlusK) {
    TbancGraphe banc(TformatWave::f16, 1073, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 100000;
    for (std::int32_t debut : {1000, 1001}) {
        g.debut = debut;
        g.ChercheMonde();
        for (int k : {0, 1, 17, 267}) EXPECT_EQ(TrameCliquee(g, 4 * k), debut + k);
        EXPECT_EQ(TrameCliquee(g, 1), debut);
        // Column 2 is frame debut + 0.5: halves go to the even frame.
        EXPECT_EQ(TrameCliquee(g, 2), debut % 2 == 0 ? debut : debut + 1);
    }
}

TEST(Monde, XecranIgnoreDebut) {
    TbancGraphe banc(TformatWave::f16, 1073, 172);
    TgrapheSon& g = banc.graphe;
    g.NbreTot = 100000;
    g.debut = 300;
    g.ChercheMonde();
    EXPECT_EQ(g.Xecran(310) - ColonneDe(g, 310), 4 * 300);
}

TEST(Monde, Valeur24LitLesOctetsDuSonSansSigne) {
    TbancGraphe banc(TformatWave::f24, 10, 10);
    std::uint8_t* s = banc.son->zone;
    s[3] = 0x01;
    s[4] = 0x02;
    s[5] = 0x83;
    EXPECT_EQ(banc.graphe.valeur24bits(3), 0x8302);
    EXPECT_DOUBLE_EQ(banc.graphe.valeur24(3), 0x830201 / 8388608.0);
    EXPECT_EQ(banc.graphe.valeur24bits(static_cast<std::int32_t>(kTailleZoneSon) - 2), 0);
    EXPECT_EQ(banc.graphe.valeur24(-1), 0.0);
}
