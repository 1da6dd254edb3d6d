#include <gtest/gtest.h>
#include <QLocale>

#include "BancGraphe.h"

namespace {

constexpr int kLargeur = 1073;
constexpr int kHauteur = 250;
constexpr TCouleur kBlancXorRouge = 0xFFFF00;
constexpr TCouleur kBlancXorJaune = 0xFF0000;

// A detail view of a long 16-bit sound with 8 bits kept, whose read-outs land in `vues`
// as the window's widgets would receive them.
class Repere : public testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        Prepare(TformatWave::f16, 100000, 8);
    }
    void TearDown() override { QLocale::setDefault(locale_); }

    void Prepare(TformatWave format, std::int32_t trames, int bits) {
        banc_ = std::make_unique<TbancGraphe>(format, kLargeur, kHauteur);
        TgrapheSon& g = banc_->graphe;
        const bool huit = EstHuitBits(format);
        g.NbreTot = trames;
        g.NbreBits = bits;
        g.NbreBitsInit = huit ? 8 : 16;
        g.pasFreq = 1;
        g.frequence = 8800;
        g.decalageCanvas = 90;
        g.mondeY.SetMinMax(huit ? 0 : -32764, huit ? 256 : 32764);
        g.AfficheLectures = [this](const TlecturesRepere& l) {
            ++appels_;
            vues_ = l;
        };
    }
    TgrapheSon& G() { return banc_->graphe; }
    TbancGraphe& B() { return *banc_; }
    TCouleur Pixel(int x, int y) { return B().canevas.Pixel(x, y); }

    // The same view drawn without any cursor in sight.
    QImage ImageSansCurseur() {
        const std::int32_t repere = G().repere;
        const bool avecTemps = G().avecTemps;
        G().repere = -1000;
        G().avecTemps = false;
        G().DrawG();
        QImage image = B().image.copy();
        G().repere = repere;
        G().avecTemps = avecTemps;
        return image;
    }

    std::unique_ptr<TbancGraphe> banc_;
    TlecturesRepere vues_;
    int appels_ = 0;
    QLocale locale_;
};

}  // namespace

TEST_F(Repere, NiveauSeizeBitsDUnZeroNumerise) {
    B().EcritSonBis(100, 0);
    G().repere = 100;
    G().DrawG();
    EXPECT_EQ(G().lectures.decimal, "128");
    EXPECT_EQ(G().lectures.binaire, "10000000");
    EXPECT_EQ(G().lectures.hexa, "80h");
    EXPECT_EQ(vues_, G().lectures);
    EXPECT_EQ(appels_, 1);
}

TEST_F(Repere, NiveauHuitBitsAvecQuatreBits) {
    Prepare(TformatWave::f8, 100000, 4);
    B().EcritSonBis(100, 160);
    G().repere = 100;
    G().DrawG();
    EXPECT_EQ(vues_.decimal, "10");
    EXPECT_EQ(vues_.binaire, "1010");
    EXPECT_EQ(vues_.hexa, "Ah");
}

TEST_F(Repere, LeCurseurEstUnTraitRougeEnXorSurToutLaHauteur) {
    G().repere = 100;
    G().DrawG();
    for (int x : {399, 400, 401}) {
        EXPECT_EQ(Pixel(x, 0), kBlancXorRouge) << x;
        EXPECT_EQ(Pixel(x, kHauteur - 1), kBlancXorRouge) << x;
    }
    EXPECT_EQ(Pixel(398, 0), clBlanc);
    EXPECT_EQ(Pixel(402, 0), clBlanc);
}

TEST_F(Repere, TraceDeuxFoisLesCurseursDisparaissentSansTrace) {
    G().repere = 100;
    G().repereTemps = 150;
    G().avecTemps = true;
    const QImage sansCurseur = ImageSansCurseur();
    G().DrawG();
    const QImage avecCurseurs = B().image.copy();
    EXPECT_NE(avecCurseurs, sansCurseur);
    G().TraceRepere();
    EXPECT_EQ(B().image, sansCurseur);
    G().TraceRepere();
    EXPECT_EQ(B().image, avecCurseurs);
}

TEST_F(Repere, UnCurseurSurDebutNEstPasTraceEtVideLesAffichages) {
    G().debut = 1000;
    G().repere = 1100;
    G().DrawG();
    ASSERT_FALSE(vues_.decimal.isEmpty());
    G().repere = 1000;  // column 0 is not strictly inside the paint box
    G().repereTemps = 1010;
    G().avecTemps = true;
    const QImage sansCurseur = ImageSansCurseur();
    G().DrawG();
    EXPECT_EQ(B().image, sansCurseur);
    EXPECT_TRUE(vues_.decimal.isEmpty());
    EXPECT_TRUE(vues_.binaire.isEmpty());
    EXPECT_TRUE(vues_.hexa.isEmpty());
    EXPECT_FALSE(vues_.tempsVisible);
}

TEST_F(Repere, UnCurseurHorsDeLaBoiteVideLesAffichages) {
    G().repere = 100;
    G().DrawG();
    G().repere = 300;  // column 1200, beyond the right edge
    G().DrawG();
    EXPECT_TRUE(vues_.decimal.isEmpty());
    EXPECT_EQ(B().Colonnes(0, kBlancXorRouge).size(), 0u);
}

TEST_F(Repere, LaDureeEntreLesCurseursEtSonEtiquette) {
    G().repere = 100;
    G().repereTemps = 188;  // 88 frames at 8800 Hz
    G().avecTemps = true;
    G().DrawG();
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsTexte, "10.00 ms=1/(100 Hz)");
    EXPECT_EQ(vues_.tempsLeft, 400 + 8);
    EXPECT_EQ(vues_.tempsTop, 20 + 90 - 8);
    // The second cursor, one pixel wide, and the bridge 20 pixels below the top.
    EXPECT_EQ(Pixel(752, 0), kBlancXorJaune);
    EXPECT_EQ(Pixel(751, 0), clBlanc);
    EXPECT_EQ(Pixel(600, 20), kBlancXorJaune);
    EXPECT_EQ(Pixel(600, 19), clBlanc);

    G().repereTemps = 97;  // 3 frames before, now on the left
    G().frequence = 44100;
    G().DrawG();
    EXPECT_EQ(vues_.tempsTexte, "0.07 ms=1/(14700 Hz)");
    EXPECT_EQ(vues_.tempsLeft, 388 + 8);
}

TEST_F(Repere, SansLaCaseLaDureeNEstNiTraceeNiAffichee) {
    G().repere = 100;
    G().repereTemps = 188;
    G().avecTemps = true;
    G().DrawG();
    G().avecTemps = false;
    G().DrawG();
    EXPECT_FALSE(vues_.tempsVisible);
    EXPECT_EQ(Pixel(752, 0), clBlanc);
    EXPECT_FALSE(vues_.decimal.isEmpty());
}

TEST_F(Repere, DeuxCurseursSurLaMemeTrameMontrentUneDureeNulle) {
    G().repere = 100;
    G().repereTemps = 100;
    G().avecTemps = true;
    const QImage sansCurseur = ImageSansCurseur();
    G().DrawG();
    EXPECT_TRUE(vues_.tempsVisible);
    EXPECT_EQ(vues_.tempsTexte, "0.00 ms");
    G().TraceRepere();
    EXPECT_EQ(B().image, sansCurseur);
}

TEST_F(Repere, SansFrequenceConnueLaDureeResteCachee) {
    G().repere = 100;
    G().repereTemps = 188;
    G().avecTemps = true;
    G().frequence = 0;
    G().DrawG();
    EXPECT_FALSE(vues_.tempsVisible);
}

TEST_F(Repere, UnCurseurApresLaDerniereTrameEstTraceSansValeur) {
    Prepare(TformatWave::f16, 50, 8);
    for (std::int32_t i = 50; i < 300; ++i) B().EcritSonBis(i, 30000);
    G().repere = 10;
    G().DrawG();
    ASSERT_EQ(vues_.decimal, "128");
    G().repere = 100;
    G().DrawG();
    EXPECT_EQ(Pixel(400, 0), kBlancXorRouge);
    EXPECT_TRUE(vues_.decimal.isEmpty());
    EXPECT_TRUE(vues_.binaire.isEmpty());
    EXPECT_TRUE(vues_.hexa.isEmpty());
}

TEST_F(Repere, SansSonRienNEstTraceNiAnnonce) {
    G().NbreTot = 0;
    G().repere = 100;
    const QImage avant = B().image.copy();
    G().TraceRepere();
    EXPECT_EQ(B().image, avant);
    EXPECT_EQ(appels_, 0);
}
