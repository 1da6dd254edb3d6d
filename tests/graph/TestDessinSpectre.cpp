// The error curve of the detail view and the spectrum plot.
#include <cmath>

#include <gtest/gtest.h>
#include <QPainter>

#include "BancGraphe.h"
#include "graph/DessinSpectre.h"

// The error lies on the silence line: 0 for 16-bit sounds, 128 for 8-bit ones; a frame whose
// digitised value is a step down takes the curve that far below it. Only the left channel is
// drawn: the right one holds other values, and no error.
TEST(CourbeErreur, AutourDeLaLigneDuSilence) {
    for (const TformatWave format :
         {TformatWave::f8, TformatWave::f16, TformatWave::f8stereo, TformatWave::f16stereo}) {
        TbancGraphe banc(format, 400, 200);
        TmodeleVue& g = banc.modele;
        const bool huit = EstHuitBits(format);
        const int canaux = EstStereo(format) ? 2 : 1;
        const auto ecrit = [&](TvecteurSon& v, int debut, int gauche) {
            for (int i = debut; i < 100; ++i) {
                TbancGraphe::Ecrit(v, canaux * i, canaux * i + 1, gauche);
                if (canaux == 2) TbancGraphe::Ecrit(v, 2 * i + 1, 2 * i + 2, huit ? 60 : -9000);
            }
        };
        g.trames = 100;
        g.bits = 8;
        g.bitsSon = huit ? 8 : 16;
        g.pas = 1;
        ecrit(*banc.son, 0, huit ? 200 : 9000);
        ecrit(*banc.sonBis, 0, huit ? 200 : 9000);
        ecrit(*banc.sonBis, 50, huit ? 190 : 8000);
        g.avecErreur = true;
        banc.Detail();
        int x, silence, bas;
        banc.Graphe().WindowXY(10, huit ? 128 : 0, x, silence);
        EXPECT_EQ(banc.Lignes(40, kCouleurs.erreur), std::vector<int>{silence});
        banc.Graphe().WindowXY(10, huit ? 118 : -1000, x, bas);
        EXPECT_EQ(banc.Lignes(300, kCouleurs.erreur), std::vector<int>{bas});
        g.avecErreur = false;
        banc.Detail();
        EXPECT_TRUE(banc.Lignes(40, kCouleurs.erreur).empty());
    }
}

TEST(DessinSpectre, AxesEtLigneDeNyquist) {
    const TaxeFrequence lineaire(22050, false, 100, 900);
    EXPECT_DOUBLE_EQ(lineaire.X(0), 100);
    EXPECT_DOUBLE_EQ(lineaire.X(11025), 500);
    const TaxeFrequence log(20000, true, 100, 900);
    EXPECT_DOUBLE_EQ(log.X(20), 100);
    EXPECT_DOUBLE_EQ(log.X(20000), 900);
    EXPECT_NEAR(log.X(std::sqrt(20.0 * 20000)), 500, 1e-9);
    EXPECT_DOUBLE_EQ(log.X(5), 100);  // below the axis: at its start

    EXPECT_EQ(TexteFrequence(2756.25), "2756,25");
    EXPECT_EQ(TexteFrequence(1378.125), "1378,13");
    EXPECT_EQ(TexteFrequence(11025), "11025");

    // The dashed line of FreqEch / (2 s) at its column, on both axes.
    for (const bool logarithmique : {false, true}) {
        QImage image(800, 450, QImage::Format_RGB32);
        TvueSpectre vue;
        vue.freqEch = 44100;
        vue.pas = 8;
        vue.logarithmique = logarithmique;
        {
            QPainter p(&image);
            DessineSpectre(p, image.rect(), vue);
        }
        const QRect courbes = ZoneCourbesSpectre(image.rect());
        const TaxeFrequence axe(22050, logarithmique, courbes.left(), courbes.right());
        const int x = static_cast<int>(std::lround(axe.X(2756.25)));
        int bleus = 0;
        for (int y = courbes.top(); y < courbes.bottom(); ++y) {
            const QColor c = image.pixelColor(x, y);
            bleus += c.blue() > 100 && c.red() < 100;
        }
        EXPECT_GT(bleus, courbes.height() / 4) << logarithmique;
    }
}
