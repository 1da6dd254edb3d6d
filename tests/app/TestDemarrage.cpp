#include <gtest/gtest.h>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/Application.h"
#include "app/FenetreTest.h"
#include "app/PaintBox.h"
#include "support/FichiersTest.h"

namespace {

std::filesystem::path DossierQuenvale() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() + "/Quenvale";
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
    FenetreTest f;
    f->show();
    EXPECT_EQ(f->windowTitle(), kTitreFenetre);
    EXPECT_EQ(f->size(), QSize(1073, 350));
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
