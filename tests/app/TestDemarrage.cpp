#include <map>

#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/Application.h"
#include "app/FenetreTest.h"
#include "app/PaintBox.h"
#include "app/PlacementFenetre.h"
#include "support/FichiersTest.h"

namespace {

std::filesystem::path DossierQuenvale() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/Quenvale";
}

// The settings file's window section, which every window shown before in this process wrote.
void RegleFenetre(const std::map<QString, QString>& cles) {
    QSettings ini(QString::fromStdString((DossierQuenvale() / "sampix.ini").string()), QSettings::IniFormat);
    ini.remove(QStringLiteral("Fenetre"));
    for (const auto& [cle, valeur] : cles) ini.setValue("Fenetre/" + cle, valeur);
}

}  // namespace

TEST(Demarrage, CreeLesDossiersEtLesFichiersDeTravail) {
    std::filesystem::remove_all(DossierQuenvale());
    FenetreTest f;
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(f->Dossiers().appDataDir.toStdString(), DossierQuenvale().string() + "/");
    EXPECT_EQ(f->Dossiers().nomFichierIni, f->Dossiers().appDataDir + "sampix.ini");
    for (const char* nom : {"sampixSousEch.wav", "sampixRecord.wav"})
        EXPECT_EQ(LitOctets(DossierQuenvale() / nom), (std::vector<std::uint8_t>{'R', 'I', 'F', 'F'})) << nom;
    EXPECT_TRUE(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Quenvale").exists());
}

TEST(Demarrage, LaisseIntactUnFichierDeTravailExistant) {
    std::filesystem::create_directories(DossierQuenvale());
    EcritOctets(DossierQuenvale() / "sampixSousEch.wav", {9, 8, 7});
    FenetreTest f;
    EXPECT_EQ(LitOctets(DossierQuenvale() / "sampixSousEch.wav"), (std::vector<std::uint8_t>{9, 8, 7}));
}

TEST(Demarrage, UnFichierDeTravailImpossibleACreerEstSignaleEtLaFenetreSOuvre) {
    std::filesystem::remove_all(DossierQuenvale());
    std::filesystem::create_directories(DossierQuenvale().parent_path());
    EcritOctets(DossierQuenvale(), {1});  // a file where the folder should be
    {
        FenetreTest f;
        ASSERT_EQ(f.messages.size(), 1);
        EXPECT_TRUE(f.messages[0].startsWith("Impossible de créer le fichier"))
            << f.messages[0].toStdString();
        f->show();
        EXPECT_TRUE(f->isVisible());
        EXPECT_TRUE(f.OpenFileBtn()->isEnabled());
    }
    std::filesystem::remove(DossierQuenvale());
}

TEST(Demarrage, EtatInitialDesControles) {
    RegleFenetre({});
    FenetreTest premiere(TtailleFenetre::demarrage);
    const QRect ecran = premiere->screen()->availableGeometry();
    EXPECT_EQ(premiere->geometry(), PlacementInitial(ecran, premiere->sizeHint()));
    FenetreTest f;
    f->show();
    EXPECT_EQ(f->windowTitle(), kTitreFenetre);
    const QList<QToolButton*> boutons = f.ToolBar1()->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    QStringList textes;
    for (QToolButton* b : boutons)
        if (b->isVisible()) textes << b->text();
    EXPECT_EQ(textes.join(","),
              "Ouvrir,Velta,Volume,Enregistrer,Stop,Ecouter,Ecouter,Enregistrer,Stop,Animation,"
              "Aide,Options,A propos,Quitter");
    for (QToolButton* b :
         {f.StopBtn(), f.PlayBtn(), f.PlaySousEchBtn(), f.StopPlayBtn(), f.SaveBtn(), f.AnimBtn()})
        EXPECT_FALSE(b->isEnabled());
    for (QToolButton* b : {f.OpenFileBtn(), f.RecordBtn(), f.ExitBtn()}) EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(f.OpenFileBtn()->size(), QSize(67, 42));
    EXPECT_EQ(f.PlayBtn()->toolTip().toStdString(), "signal \"analogique\" (F5)");
    EXPECT_EQ(f.PlaySousEchBtn()->toolTip().toStdString(), "signal \"échantillonné\" (F6)");
    EXPECT_EQ(f.VeltaBtn()->toolTip().toStdString(), "test de la présence d'Velta VX2 ou VXQ (F8)");
    EXPECT_TRUE(f.SaveBtn()->toolTip().startsWith("Enregistrer le fichier son courant ("));
    EXPECT_EQ(f.BitsTB()->value(), 8);
    EXPECT_EQ(f.FechTB()->value(), 8);
    EXPECT_EQ(f.LabelBits()->text(), "Bits");
    EXPECT_EQ(f.LabelFreq()->text(), "Fréquence");
    EXPECT_FALSE(f.Gauge()->isVisible());
    EXPECT_EQ(f.Gauge()->maximum(), 11025);
    EXPECT_FALSE(f.Temps()->isVisible());
    EXPECT_FALSE(f.StopLabel()->isVisible());
    EXPECT_EQ(f.PaintBoxAll()->height(), 50);
    EXPECT_FALSE(f.BoucleCB()->isChecked());
    EXPECT_FALSE(f.tempsCB()->isChecked());
    EXPECT_EQ(f->Interface().Entree(), Tentree::eSon);
    EXPECT_TRUE(f->Seance().nomFichier.isEmpty());
}

// A laptop with a panel, a classroom screen, a 4K screen at scale 1: the window takes 88 % of
// the free area, never less than its controls ask for (nothing cut off on the laptop), never
// more than the screen; a saved window comes back where it was, or centred when it was left on
// a screen that is gone.
TEST(Demarrage, LaFenetrePrendSaTailleDeLEcranOuDeSaDerniereFois) {
    FenetreTest f(TtailleFenetre::demarrage);
    const QSize demande = f->sizeHint();
    ASSERT_LE(demande.width(), 1366);
    const QRect portable(0, 28, 1366, 740), salle(0, 0, 1920, 1080), k4(1920, 0, 3840, 2160);
    const QRect p = PlacementInitial(portable, demande);
    EXPECT_TRUE(portable.contains(p));
    EXPECT_EQ(p.center(), portable.center());
    EXPECT_EQ(p.size(), QSize(std::max(1202, demande.width()), 651));
    EXPECT_EQ(PlacementInitial(salle, demande), QRect(115, 65, 1690, 950));
    EXPECT_EQ(PlacementInitial(k4, demande), QRect(2150, 129, 3379, 1901));
    EXPECT_EQ(PlacementInitial(QRect(0, 0, 640, 480), demande).width(), 640);

    const QList<QRect> ecrans{salle, k4};
    EXPECT_EQ(PlacementFenetre(std::nullopt, ecrans, salle, demande), PlacementInitial(salle, demande));
    EXPECT_EQ(PlacementFenetre(QRect(3000, 500, 1200, 800), ecrans, salle, demande), QRect(3000, 500, 1200, 800));
    EXPECT_EQ(PlacementFenetre(QRect(-10, 5, 2500, 1500), ecrans, salle, demande), QRect(-10, 5, 1920, 1080));
    EXPECT_EQ(PlacementFenetre(QRect(9000, 500, 1200, 800), ecrans, salle, demande), QRect(360, 140, 1200, 800));

    RegleFenetre({});
    f.fenetre.reset();
    QRect gardee;
    {
        FenetreTest avant(TtailleFenetre::demarrage);
        avant->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(avant.fenetre.get()));
        gardee = QRect(30, 40, avant->width() + 100, 500);
        avant->setGeometry(gardee);
        avant.Splitter1()->setSizes({90, 400});
        QCoreApplication::processEvents();
        gardee.moveTopLeft(avant->pos());  // the frame's corner, where the window system puts it back
    }
    {
        FenetreTest apres(TtailleFenetre::demarrage);
        // The test screen is 800 pixels wide: the width comes back within it.
        const QRect ecran = apres->screen()->availableGeometry();
        EXPECT_EQ(apres->pos(), gardee.topLeft());
        EXPECT_EQ(apres->size(), gardee.size().boundedTo(ecran.size()));
        apres->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(apres.fenetre.get()));
        EXPECT_EQ(apres->geometry().topLeft(), QPoint(30, 40));
        EXPECT_EQ(apres.PaintBoxAll()->height(), 90);
    }
    // An unreadable key is as good as none: the first placement.
    RegleFenetre({{"X", "30"}, {"Y", "quarante"}, {"Largeur", "900"}, {"Hauteur", "600"}, {"Apercu", "-3"}});
    FenetreTest illisible(TtailleFenetre::demarrage);
    EXPECT_EQ(illisible->geometry(), PlacementInitial(illisible->screen()->availableGeometry(), demande));
    RegleFenetre({});
}

TEST(Demarrage, RaccourcisQuelQueSoitLeControleActif) {
    FenetreTest f;
    const auto son = NouveauDossier() / "son.wav";
    EcritOctets(son, ImageWav(1, 11025, 8, std::vector<std::uint8_t>(100, 128)));
    f->ChargeFichierWav(QString::fromStdString(son.string()));
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    f.tempsCB()->setFocus();
    QTest::keyClick(f.fenetre.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(f.demandes.size(), 1);
    EXPECT_FALSE(f.demandes.value(0).enregistrement);
    QTest::keyClick(f.BitsTB(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(f.demandes.size(), 2);
    EXPECT_TRUE(f.demandes[1].enregistrement);
    EXPECT_EQ(f.BitsTB()->value(), 8);
    QTest::keyClick(f.FechTB(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(f->isVisible());
}

// The real program, started as a file manager's "Open with" would start it.
TEST(Demarrage, SampixFichierOuvreLeFichier) {
    std::filesystem::create_directories(DossierQuenvale());
    const auto sousEch = DossierQuenvale() / "sampixSousEch.wav";
    EcritOctets(sousEch, {'R', 'I', 'F', 'F'});
    const auto son = NouveauDossier() / "voix.wav";
    std::vector<std::uint8_t> donnees(2000);
    for (std::size_t i = 0; i < donnees.size(); ++i) donnees[i] = static_cast<std::uint8_t>(i);
    EcritOctets(son, ImageWav(1, 11025, 8, donnees));

    QProcess sampix;
    sampix.start(SAMPIX_EXECUTABLE, {QString::fromStdString(son.string())});
    ASSERT_TRUE(sampix.waitForStarted());
    // Opening a file writes its digitised version to the working file.
    const auto attendu = ImageWav(1, 11025, 8, donnees);
    for (int essai = 0; essai < 300 && LitOctets(sousEch) != attendu; ++essai) QTest::qWait(50);
    sampix.kill();
    sampix.waitForFinished();
    EXPECT_EQ(LitOctets(sousEch), attendu);
}

// Qt's own dialogs speak French, like the program: the file dialog's buttons and labels.
TEST(Demarrage, LesDialoguesDeQtParlentFrancais) {
    ChargeTraductionQt();
    QFileDialog dialogue;
    dialogue.setOption(QFileDialog::DontUseNativeDialog);
    const auto* boutons = dialogue.findChild<QDialogButtonBox*>();
    ASSERT_NE(boutons, nullptr);
    EXPECT_EQ(boutons->button(QDialogButtonBox::Cancel)->text(), "Annuler");
    EXPECT_EQ(boutons->button(QDialogButtonBox::Open)->text(), "&Ouvrir");
    EXPECT_EQ(dialogue.labelText(QFileDialog::LookIn), "Voir dans :");
}

// The twin buttons keep their captions; their icons and accessible names tell them apart.
TEST(Demarrage, LesBoutonsJumeauxSeDistinguent) {
    FenetreTest f;
    const std::pair<QToolButton*, QToolButton*> jumeaux[] = {
        {f.PlayBtn(), f.PlaySousEchBtn()}, {f.RecordBtn(), f.SaveBtn()}, {f.StopBtn(), f.StopPlayBtn()}};
    QStringList noms;
    for (const auto& [a, b] : jumeaux) {
        EXPECT_EQ(a->text(), b->text());
        for (QToolButton* bouton : {a, b}) {
            EXPECT_FALSE(bouton->icon().isNull()) << bouton->objectName().toStdString();
            noms << bouton->accessibleName();
        }
        EXPECT_NE(a->icon().pixmap(32).toImage(), b->icon().pixmap(32).toImage());
    }
    EXPECT_EQ(noms.join("|"),
              "Écouter le son|Écouter le son numérisé|Enregistrer un son|"
              "Enregistrer le son numérisé dans un fichier|Arrêter l'enregistrement|Arrêter l'écoute");
}
