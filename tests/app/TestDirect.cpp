#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include "app/FenetreTest.h"
#include "app/PaintBox.h"
#include "graph/Canevas.h"
#include "sound/Numerisation.h"
#include "support/CarteSon.h"
#include "support/FichiersTest.h"

namespace {

// A loud square wave of 16-bit samples, 100 frames a period.
std::vector<std::uint8_t> Carre(std::size_t trames) {
    std::vector<std::uint8_t> o(2 * trames);
    for (std::size_t i = 0; i < trames; ++i) {
        const std::int16_t v = (i / 50) % 2 ? 20000 : -20000;
        std::memcpy(o.data() + 2 * i, &v, 2);
    }
    return o;
}

bool ContientCouleur(const QImage& image, TCouleur couleur) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (CouleurPixel(image, x, y) == couleur) return true;
    return false;
}

}  // namespace

TEST(Direct, F11LanceLeModeEchapLArreteEtLeSonChargeRevient) {
    FenetreTest f;
    const auto chemin = NouveauDossier() / "son.wav";
    EcritOctets(chemin, ImageWav(1, 22050, 16, Carre(4000)));
    f->ChargeFichierWav(QString::fromStdString(chemin.string()));
    ASSERT_EQ(f->Seance().son.NbrePoints, 4000);
    TentreeTempsReel entree(Carre(11025 * 4), 22050);
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    QTest::keyClick(f.fenetre.get(), Qt::Key_F11);
    ASSERT_TRUE(f->EnDirect()) << f.messages.join("\n").toStdString();
    EXPECT_TRUE(f.DirectBtn()->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.OriginalCB()->isVisible(); }, 1000));
    EXPECT_EQ(f.GainDirectTB()->value(), 30);
    EXPECT_TRUE(f.StopBtn()->isEnabled());
    EXPECT_FALSE(f.PlayBtn()->isEnabled());
    EXPECT_FALSE(f.RecordBtn()->isEnabled());
    // The track bar acts on the live sound only (the loaded sound's digitised version stays as
    // it was); its label shows the live rate.
    const TvecteurSon& numerise = *f->Seance().son.vecteurSonSousEch;
    const std::vector<std::uint8_t> numeriseAvant(numerise.zone, numerise.zone + 4000 * 2);
    f.FechTB()->setValue(7);
    f.BitsTB()->setValue(3);
    // The µ law reaches the live sound; the reconstruction, a whole-sound computation, waits.
    EXPECT_FALSE(f.ReconstructionCB()->isEnabled());
    f.LoiCB()->setCurrentIndex(1);
    TtableQuantification mu;
    mu.Regle(TloiQuantification::mu, 3);
    ASSERT_NE(mu.Niveau(20000), 16384);  // the uniform quantiser's level
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            std::int16_t son = 0, numerise1 = 0;
            return f->ChaineDirect()->Anneau().Derniers(1, &son, &numerise1) == 1 && son == 20000 &&
                   numerise1 == mu.Niveau(20000);
        },
        5000));
    EXPECT_EQ(f.LabelFreq()->text(), "5512 Hz");
    EXPECT_EQ(f->ModeleFenetre().pas, 2);  // the input card runs at 11025 Hz
    EXPECT_TRUE(std::equal(numeriseAvant.begin(), numeriseAvant.end(), numerise.zone));
    // The level shows on the strip (a bar from its left side, where the loaded sound's strip
    // has its selection band), the live sound and, at 3 bits apart from it, its digitised version
    // in the detail view.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return CouleurPixel(f.PaintBoxAll()->image(), 3, f.PaintBoxAll()->height() / 2) ==
                       f->ModeleFenetre().couleurs.bis &&
                   ContientCouleur(f.PaintBox()->image(), f->ModeleFenetre().couleurs.courbe);
        },
        5000));
    EXPECT_TRUE(ContientCouleur(f.PaintBox()->image(), f->ModeleFenetre().couleurs.bis));

    QTest::keyClick(f.fenetre.get(), Qt::Key_Escape);
    EXPECT_FALSE(f->EnDirect());
    EXPECT_FALSE(f.DirectBtn()->isChecked());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.OriginalCB()->isVisible(); }, 1000));
    EXPECT_TRUE(f.PlayBtn()->isEnabled());
    EXPECT_TRUE(f.RecordBtn()->isEnabled());
    EXPECT_FALSE(f.StopBtn()->isEnabled());
    // The loaded sound takes the step and the law now, at its own rate, and nothing was kept.
    EXPECT_EQ(f->ModeleFenetre().pas, 2);
    EXPECT_EQ(f->ModeleFenetre().bits, 3);
    const auto attendu = AlloueVecteurSon();
    TnumeriseurSon().Numerise(*f->Seance().son.vecteurSon, *attendu, 4000, 8192, 2, {TloiQuantification::mu});
    EXPECT_TRUE(std::equal(attendu->zone, attendu->zone + 4000 * 2, numerise.zone));
    EXPECT_TRUE(f.ReconstructionCB()->isEnabled());
    EXPECT_EQ(f.LabelFreq()->text(), "11025 Hz");
    EXPECT_EQ(f->Seance().nomFichier.toStdString(), chemin.string());
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("\n").toStdString();
}

// The input stops delivering, as an unplugged microphone: the mode ends by itself and says so.
TEST(Direct, UneEntreeQuiDisparaitArreteLeModeAvecUnMessage) {
    FenetreTest f;
    TentreeTempsReel entree(Carre(11025 * 10), 22050);
    f.DirectBtn()->click();
    ASSERT_TRUE(f->EnDirect()) << f.messages.join("\n").toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->ChaineDirect()->Anneau().Ecrites() > 2048; }, 5000));
    entree.Coupe(std::chrono::milliseconds(3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.messages.isEmpty(); }, 10000));
    EXPECT_EQ(f.messages.last(), "L'entrée son ne répond plus : le mode direct s'arrête.");
    EXPECT_FALSE(f->EnDirect());
    EXPECT_TRUE(f.RecordBtn()->isEnabled());
    EXPECT_FALSE(f.PlayBtn()->isEnabled());
    EXPECT_FALSE(f.StopBtn()->isEnabled());
}
