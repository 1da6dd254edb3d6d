#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

constexpr TCouleur kBlancXorRouge = 0xFFFF00;
constexpr TCouleur kBlancXorJaune = 0xFF0000;

// A detail view of a long sound whose read-outs land in `vues_`, as the window's widgets
// would receive them.
class Repere : public testing::Test {
protected:
    TgrapheSon& Prepare(TformatWave format, std::int32_t trames, int bits) {
        banc_ = std::make_unique<TbancGraphe>(format, 1073, 250);
        TgrapheSon& g = banc_->graphe;
        const bool huit = EstHuitBits(format);
        g.NbreTot = trames;
        g.NbreBits = bits;
        g.NbreBitsInit = huit ? 8 : 16;
        g.pasFreq = 1;
        g.frequence = 8800;
        g.decalageCanvas = 90;
        g.mondeY.SetMinMax(huit ? 0 : -32764, huit ? 256 : 32764);
        g.AfficheLectures = [this](const TlecturesRepere& l) { vues_ = l; };
        return g;
    }
    TCouleur Pixel(int x, int y) { return banc_->canevas.Pixel(x, y); }

    // The same view drawn with no cursor in sight.
    TimagePixels ImageSansCurseur() {
        TgrapheSon& g = banc_->graphe;
        const std::int32_t repere = g.repere;
        g.repere = -1000;
        g.DrawG();
        g.repere = repere;
        return banc_->image;
    }

    std::unique_ptr<TbancGraphe> banc_;
    TlecturesRepere vues_;
};

}  // namespace

// The level is the left channel's: the right one holds another value.
TEST_F(Repere, NiveauDuCurseurEnDecimalBinaireEtHexadecimal) {
    TgrapheSon& g = Prepare(TformatWave::f16stereo, 100000, 8);
    banc_->sonBis->setSon16(2 * 100 + 1, 30000);
    g.repere = 100;  // digitised value 0
    g.DrawG();
    EXPECT_EQ(vues_.decimal, "128");
    EXPECT_EQ(vues_.binaire, "10000000");
    EXPECT_EQ(vues_.hexa, "80h");

    TgrapheSon& h = Prepare(TformatWave::f8stereo, 100000, 4);
    banc_->sonBis->setSon8(2 * 100, 160);
    banc_->sonBis->setSon8(2 * 100 + 1, 40);
    h.repere = 100;
    h.DrawG();
    EXPECT_EQ(vues_.decimal, "10");
    EXPECT_EQ(vues_.binaire, "1010");
    EXPECT_EQ(vues_.hexa, "Ah");
}

TEST_F(Repere, LesCurseursTracesDeuxFoisDisparaissentSansTrace) {
    TgrapheSon& g = Prepare(TformatWave::f16, 100000, 8);
    g.repere = 100;
    g.repereTemps = 188;  // 88 frames at 8800 Hz
    g.avecTemps = true;
    g.DrawG();
    const TimagePixels avecCurseurs = banc_->image;
    EXPECT_EQ(Pixel(401, 0), kBlancXorRouge);  // the main cursor, 3 pixels wide
    EXPECT_EQ(Pixel(402, 0), clBlanc);
    EXPECT_EQ(Pixel(752, 0), kBlancXorJaune);   // the second one, 1 pixel wide
    EXPECT_EQ(Pixel(600, 20), kBlancXorJaune);  // and the bridge between them
    EXPECT_EQ(vues_.tempsTexte, "10.00 ms=1/(100 Hz)");
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsLeft, 400 + 8);
    EXPECT_EQ(vues_.tempsTop, 20 + 90 - 8);

    const TimagePixels sansCurseur = ImageSansCurseur();
    g.DrawG();
    g.TraceRepere();
    EXPECT_EQ(banc_->image, sansCurseur);
    g.TraceRepere();
    EXPECT_EQ(banc_->image, avecCurseurs);
}

TEST_F(Repere, UnCurseurSurDebutNEstPasTraceEtVideLesAffichages) {
    TgrapheSon& g = Prepare(TformatWave::f16, 100000, 8);
    g.debut = 1000;
    g.repere = 1100;
    g.DrawG();
    ASSERT_FALSE(vues_.decimal.empty());
    g.repere = 1000;  // column 0 is not strictly inside the paint box
    g.repereTemps = 1010;
    g.avecTemps = true;
    const TimagePixels sansCurseur = ImageSansCurseur();
    g.DrawG();
    EXPECT_EQ(banc_->image, sansCurseur);
    EXPECT_EQ(vues_, TlecturesRepere{});
}

TEST_F(Repere, DeuxCurseursSurLaMemeTrameMontrentUneDureeNulle) {
    TgrapheSon& g = Prepare(TformatWave::f16, 100000, 8);
    g.repere = g.repereTemps = 100;
    g.avecTemps = true;
    g.separateurDecimal = ",";  // the user's
    g.DrawG();
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsTexte, "0,00 ms");
}

TEST_F(Repere, UnCurseurApresLaDerniereTrameEstTraceSansValeur) {
    TgrapheSon& g = Prepare(TformatWave::f16, 50, 8);
    TbancGraphe::Ecrit(*banc_->sonBis, 50, 300, 30000);
    g.repere = 49;
    g.DrawG();
    ASSERT_EQ(vues_.decimal, "128");
    g.repere = 50;
    g.DrawG();
    EXPECT_EQ(Pixel(200, 0), kBlancXorRouge);
    EXPECT_EQ(vues_, TlecturesRepere{});
}
