#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// An 8-bit sound rising one level a frame, digitised with a step of 4.
std::unique_ptr<TbancGraphe> SonMontant(std::int32_t trames) {
    auto banc = std::make_unique<TbancGraphe>(TformatWave::f8, 400, 250);
    banc->modele.trames = trames;
    banc->modele.pas = 4;
    for (std::int32_t i = 0; i < trames; ++i) {
        banc->son->setSon8(i, static_cast<std::uint8_t>(100 + i));
        banc->sonBis->setSon8(i, static_cast<std::uint8_t>(100 + i - i % 4));
    }
    return banc;
}

void Efface(TbancGraphe& banc) {
    EffaceAnimation(banc.modele, banc.Sons(), banc.canevas, 400, 250);
}

void DrawPoint(TbancGraphe& banc, int n) {
    DessinePasAnimation(banc.modele, banc.Sons(), banc.canevas, 400, 250, n);
}

}  // namespace

TEST(Animation, TigesAuxInstantsDEchantillonnageEtTiretsAuNiveauTenu) {
    auto banc = SonMontant(1000);
    banc->modele.debut = 0;
    Efface(*banc);
    EXPECT_EQ(banc->PixelsNonBlancs(), 0);
    for (int n = 1; n <= 20; ++n) DrawPoint(*banc, n);
    const int basDeTige = 250 - 5;
    for (int i = 1; i <= 20; ++i) {
        const bool tige = !banc->Lignes(4 * i, kCouleurs.niveau).empty() &&
                          banc->Lignes(4 * i, kCouleurs.niveau).back() >= basDeTige;
        EXPECT_EQ(tige, i % 4 == 0) << "frame " << i;
    }
    // Frame 0 is never drawn: the steps start at debut + 1.
    EXPECT_TRUE(banc->Lignes(0, kCouleurs.niveau).empty());
    // Between two stems the dashes stay on the held level.
    int x, yTenu;
    banc->Graphe().WindowXY(5, 104, x, yTenu);
    const std::vector<int> tirets = banc->Colonnes(yTenu, kCouleurs.bis);
    EXPECT_LE(tirets.front(), 16);
    EXPECT_GE(tirets.back(), 28);
}

TEST(Animation, AuDelaDeLaFinDuSonRienNEstLuNiDessine) {
    auto banc = SonMontant(10);
    Efface(*banc);
    for (int n = 1; n <= 101; ++n) DrawPoint(*banc, n);
    for (int x = 4 * 9 + 4; x < 400; ++x)
        EXPECT_TRUE(banc->Lignes(x, kCouleurs.courbe).empty() && banc->Lignes(x, kCouleurs.bis).empty()) << x;
    EXPECT_GT(banc->PixelsNonBlancs(), 0);
}
