// The two views in a shown window: paints, scrolling, the cursors and the play selection,
// driven with real mouse and key events and checked on the paint boxes' images.
#include <cmath>
#include <set>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QSlider>
#include <QSplitter>
#include <QTest>

#include "app/FenetreTest.h"
#include "app/PaintBox.h"
#include "support/FichiersTest.h"

namespace {

constexpr TCouleur kBlancXorRouge = 0xFFFF00;
constexpr TCouleur kBlancXorJaune = 0xFF0000;

std::vector<std::uint8_t> Seize(const std::vector<std::int16_t>& echantillons) {
    std::vector<std::uint8_t> donnees;
    for (std::int16_t e : echantillons) Ajoute16(donnees, static_cast<std::uint16_t>(e));
    return donnees;
}

class Vue : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(locale_); }

    // A 16-bit mono sound at 8000 Hz, opened in the shown window, both views painted.
    void Ouvre(const std::vector<std::int16_t>& echantillons) {
        OuvreImage(ImageWav(1, 8000, 16, Seize(echantillons)));
    }
    void OuvreImage(const std::vector<std::uint8_t>& image) {
        const auto chemin = NouveauDossier() / "vue.wav";
        EcritOctets(chemin, image);
        f->OuvreFichier(QString::fromStdString(chemin.string()));
        ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        Montre();
    }
    void Montre() {
        f->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.fenetre.get()));
        QCoreApplication::processEvents();
    }

    // What a full paint of the box draws, to compare with what the handlers left.
    static QImage Redessinee(TPaintBox* boite) {
        boite->Redessine();
        boite->repaint();
        return boite->image().copy();
    }
    TCouleur Detail(int x, int y) { return f.PaintBox()->Canvas().Pixel(x, y); }
    void Clic(int x, Qt::KeyboardModifiers touches = {}) {
        QTest::mouseClick(f.PaintBox(), Qt::LeftButton, touches, QPoint(x, 100));
    }
    void Presse(int x) { QTest::mousePress(f.PaintBoxAll(), Qt::LeftButton, {}, QPoint(x, 25)); }
    void Glisse(int x) { QTest::mouseMove(f.PaintBoxAll(), QPoint(x, 25)); }
    void Lache(int x) { QTest::mouseRelease(f.PaintBoxAll(), Qt::LeftButton, {}, QPoint(x, 25)); }
    Qt::CursorShape Forme() { return f.PaintBoxAll()->cursor().shape(); }

    FenetreTest f;
    QLocale locale_;
};

// 10,000 at frames 1000..1299 (digitised on 3 bits: level 5), -20,000 before frame 5000,
// 20,000 from there on. With 10,691 frames the strip's 1,069 columns hold ten frames each.
std::vector<std::int16_t> SonRepere() {
    std::vector<std::int16_t> s(10691);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = i < 5000 ? -20000 : 20000;
    std::fill(s.begin() + 1000, s.begin() + 1300, std::int16_t{10000});
    return s;
}

// Colours met down a column: one where nothing but a band or the background lies.
int CouleursColonne(TPaintBox* boite, int x) {
    std::set<TCouleur> couleurs;
    for (int y = 0; y < boite->HauteurPixels(); ++y) couleurs.insert(boite->Canvas().Pixel(x, y));
    return static_cast<int>(couleurs.size());
}

// Rows of a column in the colour of the digitised dashes, by default.
std::vector<int> RangeesBis(TPaintBox* boite, int x) {
    std::vector<int> r;
    for (int y = 0; y < boite->HauteurPixels(); ++y)
        if (boite->Canvas().Pixel(x, y) == TcouleursVues{}.bis) r.push_back(y);
    return r;
}

}  // namespace

// Run at scale 1 and, by a test of its own, with QT_SCALE_FACTOR=2 (a 4K projector): the views'
// pixels are the screen's, and the picture is the same one drawn with them: frame 10's dash
// (-20,000) lies from column 40 s, 3 s rows thick, the strip's last frame 2 s columns in from
// its right side, and a click at x = 600 still lands on frame 150.
TEST_F(Vue, LesVuesSontDessineesAvecLesPixelsDeLEcran) {
    const double s = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1;
    Ouvre(SonRepere());
    ASSERT_EQ(f.PaintBox()->devicePixelRatioF(), s);
    for (TPaintBox* boite : {f.PaintBox(), f.PaintBoxAll()}) {
        EXPECT_EQ(boite->image().size(), boite->size() * s);
        EXPECT_EQ(boite->grab().toImage().size(), boite->size() * s);
    }
    const int x = static_cast<int>(41 * s);
    const std::vector<int> dash = RangeesBis(f.PaintBox(), x);
    ASSERT_EQ(dash.size(), static_cast<std::size_t>(3 * s));
    EXPECT_EQ(dash.back() - dash.front(), 3 * s - 1);
    EXPECT_EQ(f->Bande().finPB, static_cast<int>(std::lround(1071 * s)));  // the last frame, 2 s in from the right
    Clic(600);
    EXPECT_EQ(f->ModeleFenetre().repere, 150);
}

TEST_F(Vue, SansSonRienNEstDessineEtLesGestesSontSansEffet) {
    Montre();
    Clic(100);
    Presse(10);
    Glisse(300);
    Lache(300);
    f.ScrollBar()->setValue(50);
    QCoreApplication::processEvents();
    for (TPaintBox* b : {f.PaintBox(), f.PaintBoxAll()}) EXPECT_EQ(CouleursColonne(b, 100), 1);
    EXPECT_EQ(f.PaintBox()->Canvas().Pixel(100, 5), clBlanc);
    EXPECT_EQ(f->ModeleFenetre().debut, 0);
    EXPECT_TRUE(f.EditDecimal()->text().isEmpty());
}

TEST_F(Vue, ClicEnColonne4kDonneLaTrameDebutPlusKEtSonNiveauNumerise) {
    f.BitsTB()->setValue(3);
    Ouvre(SonRepere());
    EXPECT_EQ(f.LabelBits0()->text(), "(16 bits)");
    EXPECT_EQ(f.LabelFreq0()->text(), "(8000 Hz)");
    f.ScrollBar()->setValue(1000);
    Clic(100);
    EXPECT_EQ(f->ModeleFenetre().repere, 1025);
    EXPECT_EQ(f.EditDecimal()->text(), "5");
    EXPECT_EQ(f.EditBinaire()->text(), "101");
    EXPECT_EQ(f.EditBinaire()->toolTip(), "5h");
    for (int x : {99, 100, 101}) EXPECT_EQ(Detail(x, 5), kBlancXorRouge) << x;
    EXPECT_EQ(Detail(102, 5), clBlanc);
}

TEST_F(Vue, CurseursDeplacesNeLaissentAucuneTrace) {
    Ouvre(SonRepere());
    f.tempsCB()->setChecked(true);
    QCoreApplication::processEvents();
    for (int x : {100, 300}) {
        Clic(x);
        Clic(x + 60, Qt::ShiftModifier);
    }
    const QImage apresClics = f.PaintBox()->image().copy();
    EXPECT_TRUE(apresClics == Redessinee(f.PaintBox()));
    EXPECT_EQ(Detail(300, 5), kBlancXorRouge);
    EXPECT_EQ(Detail(360, 5), kBlancXorJaune);
}

TEST_F(Vue, MajClicSansLaCaseDeplaceLeCurseurDeDureeSansLeDessiner) {
    Ouvre(SonRepere());
    Clic(100);
    const QImage avant = f.PaintBox()->image().copy();
    Clic(300, Qt::ShiftModifier);
    EXPECT_EQ(f->ModeleFenetre().repereTemps, 75);
    EXPECT_TRUE(f.PaintBox()->image() == avant);
    EXPECT_FALSE(f.Temps()->isVisible());

    f.tempsCB()->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(Detail(300, 5), kBlancXorJaune);
    ASSERT_TRUE(f.Temps()->isVisible());
    EXPECT_EQ(f.Temps()->text(), "6,25 ms=1/(160 Hz)");  // 50 frames at 8000 Hz
    EXPECT_EQ(f.Temps()->pos(), QPoint(108, f.PaintBox()->mapTo(f.fenetre.get(), QPoint(0, 0)).y() + 12));

    Clic(101, Qt::ShiftModifier);  // the main cursor's frame
    EXPECT_TRUE(f.Temps()->isVisible());
    EXPECT_EQ(f.Temps()->text(), "0,00 ms");
}

TEST_F(Vue, LeDefilementAtteintLaDerniereTrameEtUnSonCourtSeMontreDepuisLeDebut) {
    Ouvre(SonRepere());
    const int milieu = f.PaintBox()->height() / 2;
    ASSERT_FALSE(RangeesBis(f.PaintBox(), 1).empty());
    EXPECT_GT(RangeesBis(f.PaintBox(), 1).front(), milieu);  // -20,000
    f.ScrollBar()->setValue(5000);
    ASSERT_FALSE(RangeesBis(f.PaintBox(), 1).empty());
    EXPECT_LT(RangeesBis(f.PaintBox(), 1).back(), milieu);  // 20,000
    EXPECT_EQ(f->Bande().debutSelect, 502);
    const QImage bandes = f.PaintBoxAll()->image().copy();
    EXPECT_TRUE(bandes == Redessinee(f.PaintBoxAll()));

    f.ScrollBar()->setValue(f.ScrollBar()->maximum());
    EXPECT_FALSE(RangeesBis(f.PaintBox(), 1).empty());  // the last frame
    EXPECT_TRUE(RangeesBis(f.PaintBox(), 5).empty());

    Ouvre(std::vector<std::int16_t>(100, 20000));
    EXPECT_EQ(f.ScrollBar()->maximum(), 99);
    EXPECT_EQ(f->ModeleFenetre().debut, 0);
    Clic(40);
    EXPECT_FALSE(f.EditDecimal()->text().isEmpty());
    Clic(600);  // past the last frame
    EXPECT_EQ(f->ModeleFenetre().repere, 150);
    EXPECT_TRUE(f.EditDecimal()->text().isEmpty());
    EXPECT_TRUE(f.EditBinaire()->toolTip().isEmpty());
}

TEST_F(Vue, UneSelectionEtroiteSeDeplaceDepuisLInterieur) {
    Ouvre(SonRepere());
    Presse(2);  // the start edge to frame 1000, the end edge to frame 1400
    Glisse(102);
    Lache(102);
    Presse(1071);
    Glisse(142);
    Lache(142);
    ASSERT_EQ(f->Bande().debutPB, 102);
    ASSERT_EQ(f->Bande().finPB, 142);
    Presse(105);  // 3 inside the start edge
    EXPECT_EQ(Forme(), Qt::PointingHandCursor);
    Glisse(125);
    Lache(125);
    EXPECT_EQ(f->Seance().debutS, 1200);
    EXPECT_EQ(f->Seance().finS, 1600);
    EXPECT_EQ(Forme(), Qt::ArrowCursor);
    const QImage apres = f.PaintBoxAll()->image().copy();
    EXPECT_TRUE(apres == Redessinee(f.PaintBoxAll()));

    Presse(119);  // 3 outside it
    EXPECT_EQ(Forme(), Qt::SplitHCursor);
    Glisse(90);
    Lache(90);
    EXPECT_EQ(f->Seance().debutS, 880);
    EXPECT_EQ(f->Seance().finS, 1600);
}

TEST_F(Vue, UnBordSePrendADistanceZeroEtUnLacherDehorsSArreteAuxTramesExtremes) {
    Ouvre(SonRepere());
    ASSERT_EQ(f->Bande().finPB, 1071);
    Presse(7);  // 5 from the start edge
    EXPECT_EQ(f->Bande().curseurT, TcurseurTemps::curDeplace);
    Lache(7);
    Glisse(1068);  // hovering, no button
    EXPECT_EQ(Forme(), Qt::SplitHCursor);

    Presse(1071);
    EXPECT_EQ(f->Bande().curseurT, TcurseurTemps::curFin);
    Glisse(1000);
    Glisse(1100);  // refused: the band stays at the last accepted column
    EXPECT_EQ(f->Bande().finPB, 1000);
    Lache(1100);
    EXPECT_EQ(f->Seance().finS, 10690);
    EXPECT_EQ(f->Bande().finPB, 1071);

    Presse(2);
    Glisse(50);
    Lache(-30);
    EXPECT_EQ(f->Seance().debutS, 0);
    EXPECT_EQ(f->Bande().debutPB, 2);
    const QImage apres = f.PaintBoxAll()->image().copy();
    EXPECT_TRUE(apres == Redessinee(f.PaintBoxAll()));
}

TEST_F(Vue, UnSonDUneTrameSeDessineEtSeSelectionne) {
    // The data block must end before the RIFF size: an empty chunk follows it.
    std::vector<std::uint8_t> image = ImageWav(1, 8000, 16, Seize({20000}));
    image[4] += 8;
    AjouteTexte(image, "LIST");
    Ajoute32(image, 0);
    OuvreImage(image);
    ASSERT_EQ(f->Seance().son.NbrePoints, 1);
    EXPECT_EQ(CouleursColonne(f.PaintBoxAll(), 500), 2);  // a flat line across the strip
    Presse(f->Bande().finPB);
    Lache(2000);
    EXPECT_EQ(f->Seance().debutS, 0);
    EXPECT_EQ(f->Seance().finS, 0);
}

TEST_F(Vue, LesVuesSuiventLaFenetre) {
    Ouvre(SonRepere());
    const int hauteurDetail = f.PaintBox()->height();
    f->resize(900, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.PaintBoxAll()->height(), 50);
    EXPECT_EQ(f.PaintBox()->height(), hauteurDetail + 150);
    EXPECT_FALSE(RangeesBis(f.PaintBox(), 897).empty());
    EXPECT_EQ(f->Bande().finPB, 898);

    f.Splitter1()->setSizes({80, f.Splitter1()->height() - 80});
    f->resize(1000, 450);
    QCoreApplication::processEvents();
    EXPECT_EQ(f.PaintBoxAll()->height(), 80);
    EXPECT_EQ(f->Bande().finPB, 998);
}
