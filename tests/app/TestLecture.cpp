#include <filesystem>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/FenetreTest.h"
#include "app/PaintBox.h"
#include "platform/DialoguesModaux.h"
#include "platform/SondageEntrees.h"
#include "sound/Numerisation.h"
#include "support/CarteSon.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

std::vector<std::int16_t> Rampe(int n) {
    std::vector<std::int16_t> v(n);
    for (int i = 0; i < n; ++i) v[i] = static_cast<std::int16_t>(2000 + 7 * i);
    return v;
}

QString FichierSon(const std::vector<std::int16_t>& v, std::uint32_t frequence) {
    std::vector<std::uint8_t> o(v.size() * 2);
    std::memcpy(o.data(), v.data(), o.size());
    const auto chemin = NouveauDossier() / "son.wav";
    EcritOctets(chemin, ImageWav(1, frequence, 16, o));
    return QString::fromStdString(chemin.string());
}

std::vector<std::int16_t> Tranche(const std::vector<std::int16_t>& v, std::size_t debut, std::size_t fin) {
    return {v.begin() + static_cast<std::ptrdiff_t>(debut), v.begin() + static_cast<std::ptrdiff_t>(fin)};
}

bool Pret(FenetreTest& f) {
    return f.PlayBtn()->isEnabled() && f.PlaySousEchBtn()->isEnabled() && f.AnimBtn()->isEnabled() &&
           f.BitsTB()->isEnabled() && f.FechTB()->isEnabled() && !f.StopPlayBtn()->isEnabled() &&
           !f.Timer1()->isActive();
}

}  // namespace

TEST(Lecture, LesDeuxBoutonsJouentLaSelectionDuSonOuDeSaVersionNumerisee) {
    FenetreTest f;
    const auto son = Rampe(3998);
    f->ChargeFichierWav(FichierSon(son, 8000));
    // 126.5 ms and 374.5 ms in the player's unit, which both go to even: frames 1008 to 2992.
    f->Selectionne(1012, 2996);
    f.PlayBtn()->click();
    EXPECT_FALSE(f.PlayBtn()->isEnabled());
    EXPECT_TRUE(f.StopPlayBtn()->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichier);
    EXPECT_EQ(SonJoue(), Tranche(son, 1008, 2992));
    f->Timer1Timer();  // 374 ms of 500 is 2989.76 on a bar of 3997
    EXPECT_EQ(f.ScrollBar()->value(), 2990);

    f.BitsTB()->setValue(4);
    f.PlaySousEchBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichierSousEch);
    std::vector<std::int16_t> numerise(son.size());
    for (std::size_t i = 0; i < son.size(); ++i) {
        const int v = son[i];
        numerise[i] = static_cast<std::int16_t>(v / 4096 * 4096);
    }
    const auto joue = SonJoue();
    ASSERT_EQ(joue.size(), 1984u);
    for (std::size_t i = 0; i < joue.size(); ++i) ASSERT_EQ(joue[i], numerise[1008 + i]) << i;

    f.PlayBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichier);
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
}

TEST(Lecture, PositionEnMillisecondesArrondieAuPlusPres) {
    FenetreTest f;
    f->ChargeFichierWav(FichierSon(Rampe(50000), 44100));
    EXPECT_EQ(f->PositionLecteur(22050), 500);
    EXPECT_EQ(f->PositionLecteur(44099), 1000);
}

TEST(Lecture, UneBoucleRejoueLaSelectionJusquAStopPuisToutRevient) {
    FenetreTest f;
    const auto son = Rampe(4000);
    f->ChargeFichierWav(FichierSon(son, 8000));
    // 25 ms to 87 ms in the player's unit: frames 200 to 695.
    f->Selectionne(200, 695);
    f.BoucleCB()->setChecked(true);
    f.PlayBtn()->click();
    // Let at least two passes reach the device while the play goes on.
    ASSERT_TRUE(QTest::qWaitFor([&] { return TailleSortieCarte() > 3000; }, 5000));
    EXPECT_TRUE(f.StopPlayBtn()->isEnabled());
    f.StopPlayBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));

    const auto joue = SonJoue();
    const auto selection = Tranche(son, 200, 696);
    ASSERT_GE(joue.size(), 2 * selection.size());
    EXPECT_TRUE(std::equal(selection.begin(), selection.end(), joue.begin()));
    EXPECT_TRUE(std::equal(selection.begin(), selection.end(), joue.begin() + 496));
    EXPECT_TRUE(f.messages.isEmpty());
}

TEST(Lecture, LaFenetreQuiPerdLeLecteurPendantUneLectureRevientPrete) {
    FenetreTest f;
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    f->ChargeFichierWav(FichierSon(Rampe(4000), 8000));
    f.BoucleCB()->setChecked(true);
    f.PlayBtn()->click();
    // Another of the program's windows takes the focus: the player lets go of the device.
    const TexecutionDialogue execution = RemplaceExecutionDialogue([&](QDialog& d) {
        d.show();
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f->Lecteur().EstOuvert(); }, 2000));
        return 0;
    });
    f.ToolButton2()->click();
    RemplaceExecutionDialogue(execution);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
    QTest::qWait(300);
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    // The next play takes the player back.
    f.BoucleCB()->setChecked(false);
    f.PlayBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
    EXPECT_TRUE(f.messages.isEmpty());
}

TEST(Lecture, UneLectureImpossibleLeDitUneFoisEtLaisseLaFenetrePrete) {
    FenetreTest f;
    f->ChargeFichierWav(FichierSon(Rampe(400), 8000));
    // The digitised sound's working file spoilt behind the program's back.
    EcritOctets(f->Seance().nomFichierSousEch.toStdString(), {'R', 'I', 'F', 'F'});
    f.PlaySousEchBtn()->click();
    EXPECT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.PlaySousEchBtn()->isEnabled());
    EXPECT_FALSE(f.StopPlayBtn()->isEnabled());
    EXPECT_FALSE(f.Timer1()->isActive());
}

TEST(Lecture, LaVueSuitLaPositionJouee) {
    FenetreTest f;
    f->ChargeFichierWav(FichierSon(Rampe(40000), 8000));
    f->Selectionne(10000, 30000);
    f.BoucleCB()->setChecked(true);
    f.PlayBtn()->click();
    f->Timer1Timer();
    const int valeur = f.ScrollBar()->value();
    f.StopPlayBtn()->click();
    EXPECT_GE(valeur, 10000);
    EXPECT_LE(valeur, 30001);
}

// At 16 bits from the default input, then at 8 bits from "seize", which converts its 16-bit
// samples into the format asked: the 8-bit recording reads back as unsigned samples.
TEST(Enregistrement, LEntreeDeLaCarteDevientLeSonCourant) {
    std::vector<std::uint8_t> entree(400000);
    for (std::size_t i = 0; i < entree.size(); ++i) entree[i] = static_cast<std::uint8_t>(i * 7 + 1);
    for (const TformatCarte format : {TformatCarte{11025, 16}, TformatCarte{22050, 8}}) {
        const bool huit = format.bits == 8;
        if (huit) {
            const std::vector<std::int16_t> seize(entree.size() / 2, kValeurSeize);
            std::memcpy(entree.data(), seize.data(), entree.size());
        }
        EntreeCarte(entree);
        const int peripherique = huit ? EntreeSeize() : PeripheriqueEntreeParDefaut();
        const auto ancienne = RemplaceSondeEntrees([=] {
            return TresultatSondage{{{peripherique, "entrée"}}, {format}, 0};
        });
        FenetreTest f;
        f->WaveInCBChange(0);
        f.RecordBtn()->click();
        EXPECT_FALSE(f.RecordBtn()->isEnabled());
        EXPECT_TRUE(f.StopBtn()->isEnabled());
        QTest::qWait(100);
        f.StopBtn()->click();
        EXPECT_FALSE(f.StopLabel()->isHidden());
        EXPECT_EQ(f->Seance().Activite(), Tactivite::acDecompte);
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.RecordBtn()->isEnabled(); }, 10000));
        RemplaceSondeEntrees(ancienne);
        EXPECT_EQ(f->Seance().Activite(), Tactivite::acRepos);
        EXPECT_TRUE(f.StopLabel()->isHidden());
        EXPECT_EQ(f->Seance().nomFichier, f->Seance().nomFichierRecord);
        EXPECT_EQ(f->Seance().son.FreqEch, format.frequence);
        EXPECT_EQ(f->Seance().son.NBits, format.bits);
        ASSERT_GT(f->Seance().son.NbrePoints, 100);
        EXPECT_TRUE(f.PlayBtn()->isEnabled());
        if (!huit) {
            EXPECT_EQ(0, std::memcmp(f->Seance().son.vecteurSon->zone, entree.data(), 200));
            continue;
        }
        EXPECT_EQ(FormatDemandeSeize(), (std::pair{1, 22050u}));
        // libsndfile reads an unsigned 8-bit sample v as (v - 128) << 8.
        const TsonLu lu = LitSon(f->Seance().nomFichierRecord.toStdString());
        for (int i = 0; i < 100; ++i) {
            ASSERT_EQ(f->Seance().son.vecteurSon->son8(i), kValeurSeizeHuitBits) << i;
            ASSERT_EQ(lu.echantillons[i], kValeurSeize & ~0xFF) << i;
        }
    }
}

TEST(Enregistrement, UnEnregistrementQuiNePeutEtreEcritGardeLeSonPrecedent) {
    FenetreTest f;
    const QString precedent = FichierSon(Rampe(1000), 8000);
    f->ChargeFichierWav(precedent);
    // The record file cannot be written: a folder takes its place.
    const std::filesystem::path record = f->Seance().nomFichierRecord.toStdString();
    std::filesystem::remove(record);
    std::filesystem::create_directory(record);
    f.RecordBtn()->click();
    f.StopBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.RecordBtn()->isEnabled(); }, 10000));
    ASSERT_GE(f.messages.size(), 1);
    EXPECT_TRUE(f.messages.last().contains("Impossible d'enregistrer")) << f.messages.last().toStdString();
    EXPECT_EQ(f->Seance().nomFichier, precedent);
    EXPECT_EQ(f->Seance().son.NbrePoints, 1000);
    EXPECT_TRUE(f.PlayBtn()->isEnabled());
    std::filesystem::remove(record);
}

TEST(Enregistrement, PendantUneLectureEnregistrerArreteLaLecture) {
    FenetreTest f;
    f->ChargeFichierWav(FichierSon(Rampe(4000), 8000));
    f.BoucleCB()->setChecked(true);
    f.PlayBtn()->click();
    f.RecordBtn()->click();
    EXPECT_FALSE(f->Lecteur().EnLecture());
    QTest::qWait(100);
    // The play's end must not make the play buttons usable while the device records.
    EXPECT_FALSE(f.PlayBtn()->isEnabled());
    EXPECT_FALSE(f.PlaySousEchBtn()->isEnabled());
    f.StopBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.RecordBtn()->isEnabled(); }, 10000));
}

TEST(Entrees, SansEntreeSonLeProgrammeResteUtilisable) {
    const auto ancienne = RemplaceSondeEntrees([] { return TresultatSondage{}; });
    {
        FenetreTest f;
        // Said once the window is up, not while it is being made.
        EXPECT_TRUE(f.messages.isEmpty());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f.messages.isEmpty(); }, 2000));
        EXPECT_EQ(f.messages, QStringList{"Pas d'entrée son"});
        EXPECT_FALSE(f.WaveInCB()->isVisible());
        f->ChargeFichierWav(FichierSon(Rampe(100), 8000));
        EXPECT_EQ(f->Seance().son.NbrePoints, 100);
        f.RecordBtn()->click();
        EXPECT_TRUE(f.messages.last().startsWith("Enregistrement impossible"));
        EXPECT_TRUE(f.RecordBtn()->isEnabled());
        EXPECT_TRUE(f.PlayBtn()->isEnabled());
    }
    RemplaceSondeEntrees(ancienne);
}

TEST(Entrees, LeChoixDansLaListeDonneLeFormatDeCetteEntree) {
    const auto ancienne = RemplaceSondeEntrees([] {
        TresultatSondage r;
        r.entrees = {{0, "Micro interne du portable avec un nom bien trop long"}, {1, "Carte USB"}};
        r.formats = {TformatCarte{44100, 16}, TformatCarte{22050, 8}};
        r.parDefaut = 0;
        return r;
    });
    {
        FenetreTest f;
        f->show();
        EXPECT_TRUE(f.messages.isEmpty());
        EXPECT_TRUE(f.WaveInCB()->isVisible());
        ASSERT_EQ(f.WaveInCB()->count(), 2);
        EXPECT_EQ(f.WaveInCB()->itemText(0).size(), 32);
        EXPECT_EQ(f->EntreeSon().FreqEchCarte, 44100u);
        EXPECT_EQ(f->Seance().son.Format(), TformatWave::f16);
        f->WaveInCBChange(1);
        EXPECT_EQ(f->EntreeSon().deviceID, 1);
        EXPECT_EQ(f->EntreeSon().FreqEchCarte, 22050u);
        EXPECT_EQ(f->EntreeSon().NbitsCarte, 8);
    }
    RemplaceSondeEntrees(ancienne);
}

TEST(Animation, UnSonPlusCourtQueLaVueDureNbreMaxPlusUnPas) {
    FenetreTest f;
    f->show();
    f->ChargeFichierWav(FichierSon(Rampe(20), 8000));
    f.AnimBtn()->click();
    EXPECT_FALSE(f.AnimBtn()->isEnabled());
    EXPECT_TRUE(f.Timer2()->isActive());
    int pas = 0;
    while (!f.AnimBtn()->isEnabled() && pas < 10000) {
        f->Timer2Timer();
        ++pas;
    }
    EXPECT_EQ(pas, f.PaintBox()->width() / 4 + 1);
    EXPECT_FALSE(f.Timer2()->isActive());
}

TEST(Lecture, LAideOuverteLaisseLaLectureContinuer) {
    FenetreTest f;
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    f->ChargeFichierWav(FichierSon(Rampe(4000), 8000));
    f.BoucleCB()->setChecked(true);
    f.PlayBtn()->click();
    f->AideBtnClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() != f.fenetre.get(); }));
    EXPECT_TRUE(f->Lecteur().EnLecture());
    f.StopPlayBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pret(f); }, 5000));
}
