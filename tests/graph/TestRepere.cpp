#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

constexpr TCouleur kBlancXorRouge = 0xFFFF00;
constexpr TCouleur kBlancXorJaune = 0xFF0000;

// A detail view of a long sound whose read-outs land in `vues_`, as the window's widgets
// would receive them.
class Repere : public testing::Test {
protected:
    TmodeleVue& Prepare(TformatWave format, std::int32_t trames, int bits) {
        banc_ = std::make_unique<TbancGraphe>(format, 1073, 250);
        TmodeleVue& g = banc_->modele;
        g.trames = trames;
        g.bits = bits;
        g.bitsSon = EstHuitBits(format) ? 8 : 16;
        g.pas = 1;
        g.frequence = 8800;
        g.decalage = 90;
        return g;
    }
    void DrawG() { vues_ = banc_->Detail(); }
    void TraceRepere() { vues_ = DessineReperes(banc_->modele, banc_->Sons(), banc_->canevas, 1073, 250); }
    TCouleur Pixel(int x, int y) { return banc_->canevas.Pixel(x, y); }

    // The same view drawn with no cursor in sight.
    TimagePixels ImageSansCurseur() {
        TmodeleVue& g = banc_->modele;
        const std::int32_t repere = g.repere;
        g.repere = -1000;
        DrawG();
        g.repere = repere;
        return banc_->image;
    }

    std::unique_ptr<TbancGraphe> banc_;
    TlecturesRepere vues_;
};

}  // namespace

// The level is the left channel's: the right one holds another value.
TEST_F(Repere, NiveauDuCurseurEnDecimalBinaireEtHexadecimal) {
    TmodeleVue& g = Prepare(TformatWave::f16stereo, 100000, 8);
    banc_->sonBis->setSon16(2 * 100 + 1, 30000);
    g.repere = 100;  // digitised value 0
    DrawG();
    EXPECT_EQ(vues_.decimal, "128");
    EXPECT_EQ(vues_.binaire, "10000000");
    EXPECT_EQ(vues_.hexa, "80h");

    TmodeleVue& h = Prepare(TformatWave::f8stereo, 100000, 4);
    banc_->sonBis->setSon8(2 * 100, 160);
    banc_->sonBis->setSon8(2 * 100 + 1, 40);
    h.repere = 100;
    DrawG();
    EXPECT_EQ(vues_.decimal, "10");
    EXPECT_EQ(vues_.binaire, "1010");
    EXPECT_EQ(vues_.hexa, "Ah");
}

TEST_F(Repere, LesCurseursTracesDeuxFoisDisparaissentSansTrace) {
    TmodeleVue& g = Prepare(TformatWave::f16, 100000, 8);
    g.repere = 100;
    g.repereTemps = 188;  // 88 frames at 8800 Hz
    g.avecTemps = true;
    DrawG();
    const TimagePixels avecCurseurs = banc_->image;
    EXPECT_EQ(Pixel(401, 0), kBlancXorRouge);  // the main cursor, 3 pixels wide
    EXPECT_EQ(Pixel(402, 0), clBlanc);
    EXPECT_EQ(Pixel(752, 0), kBlancXorJaune);   // the second one, 1 pixel wide
    EXPECT_EQ(Pixel(600, 20), kBlancXorJaune);  // and the bridge between them
    EXPECT_EQ(vues_.tempsTexte, "10,00 ms=1/(100 Hz)");
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsLeft, 400 + 8);
    EXPECT_EQ(vues_.tempsTop, 20 + 90 - 8);

    const TimagePixels sansCurseur = ImageSansCurseur();
    DrawG();
    TraceRepere();
    EXPECT_EQ(banc_->image, sansCurseur);
    TraceRepere();
    EXPECT_EQ(banc_->image, avecCurseurs);
}

TEST_F(Repere, UnCurseurSurDebutNEstPasTraceEtVideLesAffichages) {
    TmodeleVue& g = Prepare(TformatWave::f16, 100000, 8);
    g.debut = 1000;
    g.repere = 1100;
    DrawG();
    ASSERT_FALSE(vues_.decimal.empty());
    g.repere = 1000;  // column 0 is not strictly inside the paint box
    g.repereTemps = 1010;
    g.avecTemps = true;
    const TimagePixels sansCurseur = ImageSansCurseur();
    DrawG();
    EXPECT_EQ(banc_->image, sansCurseur);
    EXPECT_EQ(vues_, TlecturesRepere{});
}

TEST_F(Repere, DeuxCurseursSurLaMemeTrameMontrentUneDureeNulle) {
    TmodeleVue& g = Prepare(TformatWave::f16, 100000, 8);
    g.repere = g.repereTemps = 100;
    g.avecTemps = true;
    DrawG();
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsTexte, "0,00 ms");
}

TEST_F(Repere, UnCurseurApresLaDerniereTrameEstTraceSansValeur) {
    TmodeleVue& g = Prepare(TformatWave::f16, 50, 8);
    TbancGraphe::Ecrit(*banc_->sonBis, 50, 300, 30000);
    g.repere = 49;
    DrawG();
    ASSERT_EQ(vues_.decimal, "128");
    g.repere = 50;
    DrawG();
    EXPECT_EQ(Pixel(200, 0), kBlancXorRouge);
    EXPECT_EQ(vues_, TlecturesRepere{});
}
