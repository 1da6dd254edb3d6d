// What the lesson adds: the error played, the noise ratio, the spectrum window, the filter, the
// pictures, the settings, and the command line against the window.
#include <cmath>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QToolTip>

#include "app/BoiteCouleur.h"
#include "app/FenetreSpectre.h"
#include "app/FenetreTest.h"
#include "app/OptionsDlg.h"
#include "app/PaintBox.h"
#include "graph/Couleurs.h"
#include "graph/Vues.h"
#include "platform/DialoguesModaux.h"
#include "sound/LecteurWav.h"
#include "sound/Numerisation.h"
#include "sound/RapportSignalBruit.h"
#include "sound/SignalErreur.h"
#include "support/CarteSon.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

std::filesystem::path Ini() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
           "/Quenvale/sampix.ini";
}

std::string Texte(const std::filesystem::path& p) {
    const auto o = LitOctets(p);
    return {o.begin(), o.end()};
}

// A 16-bit stereo sound whose channels differ in every frame: a 4 kHz tone left, a ramp right.
std::filesystem::path SonStereo(std::uint32_t frequence = 44100, int trames = 6000) {
    std::vector<std::uint8_t> d;
    for (int i = 0; i < trames; ++i) {
        Ajoute16(
            d, static_cast<std::uint16_t>(std::lround(20000 * std::sin(2 * M_PI * 4000.0 * i / frequence))));
        Ajoute16(d, static_cast<std::uint16_t>(-20000 + 5 * i));
    }
    const auto chemin = NouveauDossier() / "stereo.wav";
    EcritOctets(chemin, ImageWav(2, frequence, 16, d));
    return chemin;
}

// A 16-bit mono 440 Hz tone, low enough for every step, a quarter of full scale.
std::filesystem::path SonGrave() {
    std::vector<std::uint8_t> d;
    for (int i = 0; i < 20000; ++i)
        Ajoute16(d, static_cast<std::uint16_t>(std::lround(8000 * std::sin(2 * M_PI * 440.0 * i / 44100))));
    const auto chemin = NouveauDossier() / "grave.wav";
    EcritOctets(chemin, ImageWav(1, 44100, 16, d));
    return chemin;
}

double EcartQuadratique(const std::vector<std::int16_t>& a, const std::vector<std::int16_t>& b) {
    double somme = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) somme += std::pow(a[i] - b[i], 2);
    return somme;
}

std::filesystem::path Son8Bits() {
    std::vector<std::uint8_t> d(3001);
    for (std::size_t i = 0; i < d.size(); ++i)
        d[i] = static_cast<std::uint8_t>(128 + 100 * std::sin(i * 0.05));
    const auto chemin = NouveauDossier() / "huit.wav";
    EcritOctets(chemin, ImageWav(1, 11025, 8, d));
    return chemin;
}

void Regle(FenetreTest& f, int b, int s) {
    f.BitsTB()->setValue(b);
    f.FechTB()->setValue(9 - s);
}

struct Sortie {
    int code;
    QString sortie, erreurs;
};

Sortie Commande(const QStringList& arguments) {
    QProcess sampix;
    sampix.start(SAMPIX_EXECUTABLE, arguments);
    EXPECT_TRUE(sampix.waitForFinished(60000));
    return {sampix.exitCode(), QString::fromUtf8(sampix.readAllStandardOutput()).trimmed(),
            QString::fromUtf8(sampix.readAllStandardError())};
}

class DialoguesConduits {
public:
    explicit DialoguesConduits(std::function<int(QDialog&)> conduite)
        : ancien_(RemplaceExecutionDialogue(std::move(conduite))) {}
    ~DialoguesConduits() { RemplaceExecutionDialogue(ancien_); }

private:
    TexecutionDialogue ancien_;
};

void MontreEtActive(FenetreTest& f) {
    f->show();
    f->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
}

int Pixels(const QImage& image, TCouleur couleur) {
    const QColor c = EnQColor(couleur);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == c;
    return n;
}

}  // namespace

// For two layouts, the command line writes the bytes the window's Save writes, over a longer
// file of the same name, and prints the ratio and the bit rate the window shows.
TEST(Lecon, LaLigneDeCommandeEcritCeQueLaFenetreEnregistre) {
    for (const auto& [son, b, s] : {std::tuple{SonStereo(), 3, 4}, std::tuple{Son8Bits(), 5, 3}}) {
        FenetreTest f;
        f->ChargeFichierWav(Chemin(son));
        Regle(f, b, s);
        const auto dossier = son.parent_path();
        f.choix = Chemin(dossier / "fenetre.sav");
        f.SaveBtn()->click();
        ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        const auto cli = dossier / "ligne.wav";
        EcritOctets(cli, std::vector<std::uint8_t>(1 << 20, 0xAA));
        const Sortie r =
            Commande({"--bits", QString::number(b), "--pas", QString::number(s), "--quantification",
                      "uniforme", "--sortie", Chemin(cli), "--image", Chemin(dossier / "vue.png"),
                      "--spectre", Chemin(dossier / "spectre.svg"), Chemin(son)});
        ASSERT_EQ(r.code, 0) << r.erreurs.toStdString();
        EXPECT_EQ(LitOctets(cli), LitOctets(dossier / "fenetre.wav"));
        EXPECT_EQ(r.sortie, f.LabelRSB()->text() + '\n' + f.LabelDebit()->text());
        EXPECT_EQ(QImage(Chemin(dossier / "vue.png")).width(), 1073);
        const std::string svg = Texte(dossier / "spectre.svg");
        EXPECT_NE(svg.find("<svg"), std::string::npos);
        EXPECT_NE(svg.find("Nyquist"), std::string::npos);
        std::size_t fichiers = 0;
        for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dossier)) ++fichiers;
        EXPECT_EQ(fichiers, 5u);  // no temporary file left beside them
    }
}

// Under the A law with dither, the window saves what the command line writes and shows its
// ratios; the reconstruction is drawn over the view in its colour, played over the selection
// from the file the command line writes, and measured once the view is drawn.
TEST(Lecon, LaLoiLeDitherEtLaReconstructionSontCeuxDeLaLigneDeCommande) {
    const auto son = SonStereo();
    const auto dossier = son.parent_path();
    FenetreTest f;
    MontreEtActive(f);
    f->ChargeFichierWav(Chemin(son));
    Regle(f, 5, 4);
    f.LoiCB()->setCurrentIndex(2);
    f.DitherCB()->click();
    EXPECT_FALSE(f.ReconstructionBtn()->isEnabled());
    f.ReconstructionCB()->click();
    QCoreApplication::processEvents();
    f.choix = Chemin(dossier / "fenetre.sav");
    f.SaveBtn()->click();
    const Sortie r = Commande({"--bits", "5", "--pas", "4", "--quantification", "a", "--dither", "--sortie",
                               Chemin(dossier / "ligne.wav"), "--reconstruction",
                               Chemin(dossier / "reconstruit.wav"), Chemin(son)});
    ASSERT_EQ(r.code, 0) << r.erreurs.toStdString();
    EXPECT_EQ(LitOctets(dossier / "ligne.wav"), LitOctets(dossier / "fenetre.wav"));
    EXPECT_EQ(r.sortie, f.LabelRSB()->text() + " ; " + f.LabelRSBReconstruction()->text() + '\n' +
                            f.LabelDebit()->text());
    EXPECT_TRUE(f.LabelRSBReconstruction()->isVisible());
    const auto verts = [&] {
        return Pixels(f.PaintBox()->image().copy(), f->ModeleFenetre().couleurs.reconstruction);
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return verts() > 200; }, 2000));

    f->Selectionne(882, 2645);  // 20 to 60 ms: the player counts in milliseconds
    f.ReconstructionBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.ReconstructionBtn()->isEnabled(); }, 5000));
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichierReconstruction);
    // What the card got, its silent ends left out as SonJoue leaves them out.
    TenregistrementSon reconstruit;
    ASSERT_TRUE(LitFichierWav((dossier / "reconstruit.wav").string(), reconstruit));
    std::vector<std::int16_t> selection;
    for (int i = 2 * 882; i < 2 * 2646; ++i) selection.push_back(reconstruit.vecteurSon->son16(i));
    const auto debut =
        std::find_if(selection.begin(), selection.end(), [](std::int16_t v) { return v != 0; });
    const auto fin =
        std::find_if(selection.rbegin(), selection.rend(), [](std::int16_t v) { return v != 0; });
    EXPECT_EQ(SonJoue(), std::vector<std::int16_t>(debut, fin.base()));

    f.ReconstructionCB()->click();
    EXPECT_FALSE(f.ReconstructionBtn()->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.LabelRSBReconstruction()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return verts() == 0; }, 2000));
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
}

TEST(Lecon, LaLigneDeCommandeRefuseClairementSansRienEcrire) {
    const auto son = SonStereo();
    const auto avant = LitOctets(son);
    const auto dossier = son.parent_path();
    const QString sortie = Chemin(dossier / "sortie.wav");
    const QList<QStringList> refus = {
        {"--bits", "0", "--sortie", sortie, Chemin(son)},
        {"--bits", "8", "--pas", "9", "--sortie", sortie, Chemin(son)},
        {"--bits", "3x", "--sortie", sortie, Chemin(son)},
        {"--bits", "3", Chemin(son)},
        {"--sortie", sortie},
        {"--sortie", Chemin(son), Chemin(son)},
        {"--sortie", sortie, "--image", Chemin(son), Chemin(son)},
        {"--sortie", sortie, "--image", "vue.jpg", Chemin(son)},
        {"--sortie", sortie, "--tout", Chemin(son)},
        {"--quantification", "mu-law", "--sortie", sortie, Chemin(son)},
        {"--sortie", sortie, "--reconstruction", sortie, Chemin(son)},
        {"--sortie", sortie, "--reconstruction", Chemin(son), Chemin(son)},
    };
    for (const QStringList& arguments : refus) {
        const Sortie r = Commande(arguments);
        EXPECT_EQ(r.code, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.erreurs.contains("sampix : ")) << r.erreurs.toStdString();
    }
    for (const QStringList& arguments :
         {QStringList{"--sortie", sortie, Chemin(dossier / "absent.wav")},
          QStringList{"--sortie", Chemin(dossier / "absent" / "s.wav"), Chemin(son)},
          QStringList{"--sortie", sortie, Chemin(dossier)}}) {
        const Sortie r = Commande(arguments);
        EXPECT_EQ(r.code, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.erreurs.contains("sampix : impossible")) << r.erreurs.toStdString();
    }
    EXPECT_EQ(LitOctets(son), avant);
    EXPECT_FALSE(std::filesystem::exists(dossier / "sortie.wav"));
    EXPECT_FALSE(std::filesystem::exists(dossier / "absent"));

    const Sortie aide = Commande({"--help"});
    EXPECT_EQ(aide.code, 0);
    for (const char* option :
         {"--bits <B>", "--pas <S>", "--sortie <OUT.wav>", "--image <VUE.png>", "--spectre <SPECTRE.png>",
          "--quantification <LOI>", "--dither", "--reconstruction <RECONSTRUIT.wav>", "SON"})
        EXPECT_TRUE(aide.sortie.contains(option)) << option;
}

// The µ law at 8 bits gives G.711's round trip (sox codes and decodes the source); the dither
// gives the same bytes on every run, and the views follow it; the reconstruction of a low tone
// is far closer to it than the staircase, and its ratio follows the usual line.
TEST(Lecon, LaLigneDeCommandeOffreLoiDitherEtReconstruction) {
    const auto son = SonGrave();
    const auto dossier = son.parent_path();
    const auto fichier = [&](const QString& nom) { return Chemin(dossier / nom.toStdString()); };

    ASSERT_EQ(Commande({"--quantification", "mu", "--sortie", fichier("mu.wav"), Chemin(son)}).code, 0);
    Lance("sox", {"-D", Chemin(son), "-e", "u-law", fichier("code.wav")});
    Lance("sox", {"-D", fichier("code.wav"), "-e", "signed-integer", "-b", "16", fichier("retour.wav")});
    EXPECT_EQ(PremiereDifference(LitSon(dossier / "mu.wav").echantillons,
                                 LitSon(dossier / "retour.wav").echantillons, 1),
              "");

    for (const QString nom : {"dither1", "dither2", "sans"}) {
        QStringList arguments{
            "--bits", "3", "--sortie", fichier(nom + ".wav"), "--image", fichier(nom + ".png"), Chemin(son)};
        if (nom != "sans") arguments << "--dither";
        ASSERT_EQ(Commande(arguments).code, 0) << nom.toStdString();
    }
    EXPECT_EQ(LitOctets(dossier / "dither1.wav"), LitOctets(dossier / "dither2.wav"));
    EXPECT_NE(LitOctets(dossier / "dither1.wav"), LitOctets(dossier / "sans.wav"));
    EXPECT_NE(QImage(fichier("dither1.png")), QImage(fichier("sans.png")));

    const Sortie r = Commande({"--pas", "8", "--sortie", fichier("escalier.wav"), "--reconstruction",
                               fichier("lisse.wav"), Chemin(son)});
    ASSERT_EQ(r.code, 0) << r.erreurs.toStdString();
    const auto ligne = QRegularExpression(R"(^RSB mesuré : (-?\d+,\d) dB, théorie 6,02·b \+ 1,76 = 49,9 dB)"
                                          R"( ; reconstruction : RSB mesuré : (-?\d+,\d) dB\nDébit : )")
                           .match(r.sortie);
    ASSERT_TRUE(ligne.hasMatch()) << r.sortie.toStdString();
    const auto decibels = [&](int i) { return ligne.captured(i).replace(',', '.').toDouble(); };
    EXPECT_GT(decibels(2), decibels(1) + 10);
    const auto source = LitSon(son).echantillons;
    const TsonLu lisse = LitSon(dossier / "lisse.wav");
    EXPECT_EQ(lisse.frequence, 44100);
    EXPECT_EQ(lisse.echantillons.size(), source.size());
    EXPECT_LT(10 * EcartQuadratique(lisse.echantillons, source),
              EcartQuadratique(LitSon(dossier / "escalier.wav").echantillons, source));
}

// The error button plays digitised minus original over the selection, and follows the
// digitised sound's button through a play; the other buttons play their own files after it.
TEST(Lecon, ErreurJoueLaDifferenceSurLaSelection) {
    FenetreTest f;
    std::vector<std::uint8_t> d;
    std::vector<std::int16_t> son(4000);
    for (int i = 0; i < 4000; ++i)
        Ajoute16(d, static_cast<std::uint16_t>(son[i] = static_cast<std::int16_t>(2000 + 7 * i)));
    const auto chemin = NouveauDossier() / "rampe.wav";
    EcritOctets(chemin, ImageWav(1, 8000, 16, d));
    MontreEtActive(f);
    f->ChargeFichierWav(Chemin(chemin));
    EXPECT_TRUE(f.ErreurBtn()->isEnabled());
    f.BitsTB()->setValue(4);
    f->Selectionne(1000, 2999);
    QTest::keyClick(f.fenetre.get(), Qt::Key_F9);
    EXPECT_FALSE(f.ErreurBtn()->isEnabled());
    EXPECT_TRUE(f.FiltreCB()->isEnabled());  // the settings stay live during a play
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return f.ErreurBtn()->isEnabled() && f.PlayBtn()->isEnabled(); }, 5000));
    EXPECT_TRUE(f.FiltreCB()->isEnabled());
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichierErreur);
    const auto joue = SonJoue();
    ASSERT_EQ(joue.size(), 2000u);
    for (std::size_t i = 0; i < joue.size(); ++i)
        ASSERT_EQ(joue[i], son[1000 + i] / 4096 * 4096 - son[1000 + i]) << i;
    f.PlaySousEchBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.PlayBtn()->isEnabled(); }, 5000));
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichierSousEch);
    EXPECT_EQ(SonJoue()[0], son[1000] / 4096 * 4096);
    EXPECT_TRUE(f.ErreurBtn()->toolTip().contains("(F9)"));
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
}

// The ratio follows every track bar; the spectrum window follows the bars and the selection
// while shown, and keeps its axis choice in the settings; the filter is never kept.
TEST(Lecon, LeRapportLeSpectreEtLeFiltreSuiventLesReglages) {
    std::filesystem::remove(Ini());
    {
        FenetreTest f;
        MontreEtActive(f);
        EXPECT_EQ(f.LabelRSB()->text(), "RSB : —, théorie 6,02·b + 1,76 = 49,9 dB");
        f->ChargeFichierWav(Chemin(SonStereo()));
        Regle(f, 8, 8);
        const auto mesure =
            RapportSignalBruitMesure(*f->Seance().son.vecteurSon, *f->Seance().son.vecteurSonSousEch, 6000);
        EXPECT_EQ(f.LabelRSB()->text().toStdString(), TexteRapportSignalBruit(mesure, 8));

        QTest::keyClick(f.fenetre.get(), Qt::Key_F10);
        ASSERT_NE(f.FenetreSpectre(), nullptr);
        const TvueSpectre& vue = f.FenetreSpectre()->Graphe->vue;
        EXPECT_EQ(vue.pas, 8);
        ASSERT_FALSE(vue.numerique.niveaux.empty());
        // The 4 kHz tone of the left channel folds to 5512.5 - 4000 Hz.
        const auto pic = [](const Tspectre& s, double jusqua) {
            const auto fin = s.niveaux.begin() + static_cast<int>(jusqua / s.pasFrequence);
            return (std::max_element(s.niveaux.begin() + 1, fin) - s.niveaux.begin()) * s.pasFrequence;
        };
        EXPECT_NEAR(pic(vue.numerique, 2756), 1512.5, vue.numerique.pasFrequence);
        EXPECT_NEAR(pic(vue.analogique, 22050), 4000, vue.analogique.pasFrequence);
        const auto replie = [&] {
            return vue.numerique.niveaux[std::lround(1512.5 / vue.numerique.pasFrequence)];
        };
        const double avecRepliement = replie();

        // What is left of the tone after the filter is below one step: the quantiser turns it
        // into a square wave of half a step, 30 dB under the folded tone at 8 bits.
        f.FiltreCB()->click();
        QCoreApplication::processEvents();  // the spectrum follows once the views are drawn
        EXPECT_LT(replie(), avecRepliement - 30);
        EXPECT_NE(f.LabelRSB()->text().toStdString(), TexteRapportSignalBruit(mesure, 8));
        f.FiltreCB()->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(f.LabelRSB()->text().toStdString(), TexteRapportSignalBruit(mesure, 8));
        EXPECT_NEAR(replie(), avecRepliement, 1e-9);

        Regle(f, 8, 1);
        QCoreApplication::processEvents();
        EXPECT_EQ(vue.pas, 1);
        EXPECT_LT(replie(), avecRepliement - 30);  // nothing folded any more
        QCoreApplication::processEvents();
        QTest::mousePress(f.PaintBoxAll(), Qt::LeftButton, {}, QPoint(f->Bande().finPB, 25));
        QTest::mouseRelease(f.PaintBoxAll(), Qt::LeftButton, {}, QPoint(f->Bande().debutPB + 200, 25));
        ASSERT_LT(f->Seance().finS, 2000);  // a shorter selection, hence shorter segments
        EXPECT_EQ(vue.analogique.niveaux.size(),
                  static_cast<std::size_t>(
                      LongueurSegment(f->Seance().finS - f->Seance().debutS + 1, 44100) / 2 + 1));
        EXPECT_EQ(vue.numerique.niveaux.size(), vue.analogique.niveaux.size());
        EXPECT_LT(vue.analogique.niveaux.size(), 2049u);
        f.FenetreSpectre()->LogCB->click();
        f.FiltreCB()->click();
    }
    EXPECT_NE(Texte(Ini()).find("Logarithmique=1"), std::string::npos);
    FenetreTest f;
    f->ChargeFichierWav(Chemin(SonStereo()));
    f.SpectreBtn()->click();
    EXPECT_TRUE(f.FenetreSpectre()->Logarithmique());
    EXPECT_FALSE(f.FiltreCB()->isChecked());
    std::filesystem::remove(Ini());
}

// A settings file from before the error colour reads as it did; the error curve shows in that
// colour once asked for in the options, and the file gains the colour at the end.
TEST(Lecon, UnFichierDeReglagesAncienSeLitTelQuel) {
    std::filesystem::create_directories(Ini().parent_path());
    const std::string ancien = "[Couleur]\nBis=65280\nCourbe=0\nNiveau=12632256\n";
    EcritOctets(Ini(), std::vector<std::uint8_t>(ancien.begin(), ancien.end()));
    {
        FenetreTest f;
        EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x00FF00u);
        EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, 0u);
        EXPECT_EQ(f->ModeleFenetre().couleurs.niveau, 0xC0C0C0u);
        EXPECT_EQ(f->ModeleFenetre().couleurs.erreur, 0xFF0000u);
        f->show();
        f->ChargeFichierWav(Chemin(SonStereo(11025)));
        Regle(f, 2, 1);
        QCoreApplication::processEvents();
        EXPECT_EQ(Pixels(f.PaintBox()->grab().toImage(), 0xFF0000), 0);
        DialoguesConduits conduite([](QDialog& d) {
            auto& dlg = dynamic_cast<TOptionsDlg&>(d);
            d.show();
            EXPECT_FALSE(dlg.AvecErreurCB->isChecked());
            dlg.AvecErreurCB->setChecked(true);
            dlg.BitBtn1->click();
            return d.result();
        });
        f.OptionsBtn()->click();
        QCoreApplication::processEvents();
        EXPECT_GT(Pixels(f.PaintBox()->grab().toImage(), 0xFF0000), 100);
    }
    const std::string apres = Texte(Ini());
    EXPECT_NE(apres.find("Bis=65280\nCourbe=0\nErreur=16711680\nNiveau=12632256\n"), std::string::npos)
        << apres;
    std::filesystem::remove(Ini());
}

// The exported views are the paint boxes' pictures, which are what the window-free drawing of
// the command line gives for the same sizes; the spectrum exports as SVG strokes.
TEST(Lecon, LesImagesExporteesSontCellesDeLEcran) {
    FenetreTest f;
    f->show();
    f->ChargeFichierWav(Chemin(SonStereo()));
    Regle(f, 3, 4);
    QCoreApplication::processEvents();
    const auto dossier = NouveauDossier();
    f.choix = Chemin(dossier / "vues.png");
    f.ExporteImageBtn()->click();
    const QImage exportee(f.choix);
    const QImage ecran = AssembleVues(f.PaintBoxAll()->grab().toImage(), f.PaintBox()->grab().toImage());
    EXPECT_EQ(exportee.convertToFormat(QImage::Format_RGB32), ecran.convertToFormat(QImage::Format_RGB32));
    const TimagesVues dessinees = DessineVuesOuverture(
        f->Seance().son, 3, 4, f.PaintBoxAll()->size(), f.PaintBox()->size(),
        DeQColor(QToolTip::palette().color(QPalette::ToolTipBase)), f->ModeleFenetre().couleurs);
    EXPECT_EQ(dessinees.apercu, f.PaintBoxAll()->image());
    EXPECT_EQ(dessinees.detail, f.PaintBox()->image());

    f.choix = Chemin(dossier / "vues.svg");
    f.ExporteImageBtn()->click();
    EXPECT_NE(Texte(dossier / "vues.svg").find("<image"), std::string::npos);
    f.SpectreBtn()->click();
    f.choix = Chemin(dossier / "spectre.SVG");
    f.FenetreSpectre()->ExporterBtn->click();
    const std::string svg = Texte(dossier / "spectre.SVG");
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    f.choix = Chemin(dossier / "spectre.gif");
    f.FenetreSpectre()->ExporterBtn->click();
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains(".png ou .svg"));
    EXPECT_FALSE(std::filesystem::exists(dossier / "spectre.gif"));
}

// The bit rate and size follow the track bars, with the sound's own rate and channels; no
// sound, no line.
TEST(Lecon, LeDebitSuitLesReglages) {
    FenetreTest f;
    EXPECT_EQ(f.LabelDebit()->text(), "");
    f->ChargeFichierWav(Chemin(SonStereo(22050, 55125)));
    Regle(f, 3, 4);
    EXPECT_EQ(f.LabelDebit()->text(),
              "Débit : 5512,5 Hz × 3 bits × 2 voies = 33,1 kbit/s ; 10,3 ko pour 2,5 s");
    Regle(f, 8, 1);
    EXPECT_EQ(f.LabelDebit()->text(),
              "Débit : 22050 Hz × 8 bits × 2 voies = 352,8 kbit/s ; 110,3 ko pour 2,5 s");
}
