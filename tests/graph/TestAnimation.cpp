#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// An 8-bit sound rising one level a frame, digitised with a step of 4.
std::unique_ptr<TbancGraphe> SonMontant(std::int32_t trames) {
    auto banc = std::make_unique<TbancGraphe>(TformatWave::f8, 400, 250);
    TgrapheSon& g = banc->graphe;
    g.NbreTot = trames;
    g.pasFreq = 4;
    g.mondeY.SetMinMax(0, 256);
    for (std::int32_t i = 0; i < trames; ++i) {
        banc->son->setSon8(i, static_cast<std::uint8_t>(100 + i));
        banc->sonBis->setSon8(i, static_cast<std::uint8_t>(100 + i - i % 4));
    }
    return banc;
}

}  // namespace

TEST(Animation, TigesAuxInstantsDEchantillonnageEtTiretsAuNiveauTenu) {
    auto banc = SonMontant(1000);
    TgrapheSon& g = banc->graphe;
    g.debut = 0;
    g.Efface();
    EXPECT_EQ(banc->PixelsNonBlancs(), 0);
    for (int n = 1; n <= 20; ++n) g.DrawPoint(n);
    const int basDeTige = 250 - 5;
    for (int i = 1; i <= 20; ++i) {
        const bool tige = !banc->Lignes(4 * i, couleurNiveau).empty() &&
                          banc->Lignes(4 * i, couleurNiveau).back() >= basDeTige;
        EXPECT_EQ(tige, i % 4 == 0) << "frame " << i;
    }
    // Frame 0 is never drawn: the steps start at debut + 1.
    EXPECT_TRUE(banc->Lignes(0, couleurNiveau).empty());
    // Between two stems the dashes stay on the held level.
    int x, yTenu;
    g.WindowXY(5, 104, x, yTenu);
    const std::vector<int> tirets = banc->Colonnes(yTenu, couleurBis);
    EXPECT_LE(tirets.front(), 16);
    EXPECT_GE(tirets.back(), 28);
}

TEST(Animation, AuDelaDeLaFinDuSonRienNEstLuNiDessine) {
    auto banc = SonMontant(10);
    TgrapheSon& g = banc->graphe;
    g.Efface();
    for (int n = 1; n <= 101; ++n) g.DrawPoint(n);
    for (int x = 4 * 9 + 4; x < 400; ++x)
        EXPECT_TRUE(banc->Lignes(x, couleurCourbe).empty() && banc->Lignes(x, couleurBis).empty()) << x;
    EXPECT_GT(banc->PixelsNonBlancs(), 0);
}
