// Colours, the options dialog, the about box, help and the volume command, on the real
// window offscreen. Dialogs are driven without a modal loop through ExecuteDialogue.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/BoiteCouleur.h"
#include "app/FenetreAide.h"
#include "app/FenetreTest.h"
#include "app/OptionsDlg.h"
#include "app/PaintBox.h"
#include "graph/Couleurs.h"
#include "platform/DialoguesModaux.h"
#include "support/FichiersTest.h"

namespace {

std::filesystem::path Ini() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
           "/Quenvale/sampix.ini";
}

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

void EcritIni(const std::string& contenu) {
    std::filesystem::create_directories(Ini().parent_path());
    EcritOctets(Ini(), std::vector<std::uint8_t>(contenu.begin(), contenu.end()));
}

// Every test starts and ends without a settings file, since the window writes the file when
// it goes.
class Options : public testing::Test {
protected:
    void SetUp() override { std::filesystem::remove(Ini()); }
    void TearDown() override { std::filesystem::remove(Ini()); }
};

// Runs the dialogs a handler opens with `conduite` instead of a modal loop.
class DialoguesConduits {
public:
    explicit DialoguesConduits(std::function<int(QDialog&)> conduite)
        : ancien_(RemplaceExecutionDialogue(std::move(conduite))) {}
    ~DialoguesConduits() { RemplaceExecutionDialogue(ancien_); }

private:
    TexecutionDialogue ancien_;
};

class CouleurChoisie {
public:
    explicit CouleurChoisie(QColor reponse)
        : ancien_(RemplaceChoixCouleur([this, reponse](QWidget*, const QColor& initiale) {
              initiales.append(initiale);
              return reponse;
          })) {}
    ~CouleurChoisie() { RemplaceChoixCouleur(ancien_); }
    QList<QColor> initiales;

private:
    TchoixCouleur ancien_;
};

// A 16-bit square wave, so that both curves cross the whole view.
void ChargeCarre(FenetreTest& f) {
    std::vector<std::uint8_t> donnees;
    for (int i = 0; i < 2000; ++i) Ajoute16(donnees, static_cast<std::uint16_t>(i / 25 % 2 ? 20000 : -20000));
    const auto chemin = NouveauDossier() / "carre.wav";
    EcritOctets(chemin, ImageWav(1, 11025, 16, donnees));
    f.choix = Chemin(chemin);
    f.OpenFileBtn()->click();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
}

QImage VueDetail(FenetreTest& f) {
    return f.PaintBox()->grab().toImage();
}

int Pixels(const QImage& image, TCouleur couleur) {
    const QColor c = EnQColor(couleur);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == c;
    return n;
}

void MontreEtActive(FenetreTest& f) {
    f->show();
    f->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
}

}  // namespace

TEST_F(Options, PremierLancementCouleursParDefautPuisFichierEcritALaFermeture) {
    {
        FenetreTest f;
        EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, 0x808080u);
        EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x0000FFu);
        EXPECT_EQ(f->ModeleFenetre().couleurs.niveau, 0xE0E0E0u);
        EXPECT_FALSE(std::filesystem::exists(Ini()));
    }
    const auto octets = LitOctets(Ini());
    const QStringList lignes = QString::fromUtf8(QByteArray(reinterpret_cast<const char*>(octets.data()),
                                                            static_cast<qsizetype>(octets.size())))
                                   .split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lignes,
              QStringList({"[Couleur]", "Bis=255", "Courbe=8421504", "Erreur=16711680", "Niveau=14737632",
                           "Reconstruction=32768", "[Spectre]", "Logarithmique=0"}));
}

TEST_F(Options, BisEnHexadecimalDonneUneCourbeNumeriqueVerte) {
    EcritIni("[Couleur]\nBis=$00FF00\n");
    FenetreTest f;
    EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x00FF00u);
    EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, 0x808080u);
    EXPECT_EQ(f->ModeleFenetre().couleurs.reconstruction, 0x008000u);  // a file from before it
    ChargeCarre(f);
    const QImage vue = VueDetail(f);
    EXPECT_GT(Pixels(vue, 0x00FF00), 100);
    EXPECT_EQ(Pixels(vue, 0x0000FF), 0);
}

TEST_F(Options, BisEnToutesLettresGardeLeRouge) {
    EcritIni("[Couleur]\nBis=vert\nNiveau=$C0C0C0\n");
    FenetreTest f;
    EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x0000FFu);
    EXPECT_EQ(f->ModeleFenetre().couleurs.niveau, 0xC0C0C0u);
    ChargeCarre(f);
    EXPECT_GT(Pixels(VueDetail(f), 0x0000FF), 100);
}

TEST_F(Options, UneSectionInconnueSurvitALaFermeture) {
    EcritIni("[Classe]\nNom=4B\n[Couleur]\nBis=65280\n");
    { FenetreTest f; }
    const auto octets = LitOctets(Ini());
    const QString texte = QString::fromUtf8(
        QByteArray(reinterpret_cast<const char*>(octets.data()), static_cast<qsizetype>(octets.size())));
    EXPECT_TRUE(texte.contains("[Classe]\nNom=4B\n")) << texte.toStdString();
    EXPECT_TRUE(texte.contains("Bis=65280\n")) << texte.toStdString();
}

TEST_F(Options, LeDialogueMontreLesCouleursEnCoursLaNonListeeDansPersonnaliser) {
    FenetreTest f;
    QStringList vues;
    DialoguesConduits conduite([&](QDialog& d) {
        auto& dlg = dynamic_cast<TOptionsDlg&>(d);
        d.show();
        EXPECT_EQ(d.windowTitle(), "Options");
        EXPECT_EQ(d.size(), QSize(345, 290));
        EXPECT_GE(d.height(), d.layout()->minimumSize().height());  // the language rows fit
        EXPECT_EQ(dlg.CourbeCB->width(), 140);
        for (QLabel* l : {dlg.Label1, dlg.Label2, dlg.Label3, dlg.Label4, dlg.Label5}) vues << l->text();
        for (TboiteCouleur* b :
             {dlg.CourbeCB, dlg.CourbeBisCB, dlg.NiveauCB, dlg.ErreurCB, dlg.ReconstructionCB})
            vues << b->currentText();
        EXPECT_EQ(dlg.NiveauCB->Selected(), 0xE0E0E0u);
        EXPECT_EQ(dlg.NiveauCB->count(), 21);
        dlg.BitBtn2->click();
        return d.result();
    });
    f.OptionsBtn()->click();
    EXPECT_EQ(vues, QStringList({"Analogique", "Numérique", "Niveau", "Erreur", "Reconstruction", "Gris",
                                 "Rouge", "Personnaliser...", "Bleu", "Vert"}));
}

// The language is kept for the next start; the window in use keeps its own.
TEST_F(Options, LaLangueChoisieEstGardeePourLeProchainDemarrage) {
    const auto choisit = [](int rang, bool ok, QStringList& vus) {
        return DialoguesConduits([rang, ok, &vus](QDialog& d) {
            auto& dlg = dynamic_cast<TOptionsDlg&>(d);
            d.show();
            vus << dlg.LangueCB->currentText();
            dlg.LangueCB->setCurrentIndex(rang);
            (ok ? dlg.BitBtn1 : dlg.BitBtn2)->click();
            return d.result();
        });
    };
    QStringList vus;
    {
        FenetreTest f;
        {
            const auto conduite = choisit(2, true, vus);
            f.OptionsBtn()->click();
        }
        EXPECT_EQ(f.OptionsBtn()->text(), "Options");
        const auto conduite = choisit(1, false, vus);
        f.OptionsBtn()->click();
    }
    {
        FenetreTest f;
        const auto conduite = choisit(0, true, vus);
        f.OptionsBtn()->click();
    }
    EXPECT_EQ(vus, QStringList({"Selon le système", "English", "English"}));
    const auto octets = LitOctets(Ini());
    const QString texte = QString::fromUtf8(
        QByteArray(reinterpret_cast<const char*>(octets.data()), static_cast<qsizetype>(octets.size())));
    EXPECT_TRUE(texte.contains("[Interface]\nLangue=systeme\n")) << texte.toStdString();
}

TEST_F(Options, AnnulerNeChangeNiLesCouleursNiLaVue) {
    FenetreTest f;
    ChargeCarre(f);
    const QImage avant = VueDetail(f);
    CouleurChoisie choix(QColor(0, 255, 0));
    DialoguesConduits conduite([](QDialog& d) {
        auto& dlg = dynamic_cast<TOptionsDlg&>(d);
        d.show();
        dlg.CourbeBisCB->setCurrentIndex(dlg.CourbeBisCB->findText("Bleu"));
        dlg.NiveauCB->setCurrentIndex(0);
        emit dlg.NiveauCB->activated(0);
        dlg.BitBtn2->click();
        return d.result();
    });
    f.OptionsBtn()->click();
    // The chooser starts from the colour that the first entry holds.
    EXPECT_EQ(choix.initiales, QList<QColor>{QColor(0xE0, 0xE0, 0xE0)});
    EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, 0x808080u);
    EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x0000FFu);
    EXPECT_EQ(f->ModeleFenetre().couleurs.niveau, 0xE0E0E0u);
    EXPECT_EQ(VueDetail(f), avant);
}

TEST_F(Options, LaVueEstRedessineeQuelQueSoitLeResultat) {
    FenetreTest f;
    ChargeCarre(f);
    const QImage propre = VueDetail(f);
    f.PaintBox()->image().fill(Qt::black);  // a stale picture that only a full redraw replaces
    DialoguesConduits conduite([](QDialog& d) {
        d.show();
        dynamic_cast<TOptionsDlg&>(d).BitBtn2->click();
        return d.result();
    });
    f.OptionsBtn()->click();
    EXPECT_EQ(VueDetail(f), propre);
}

TEST_F(Options, OKAppliqueLaCouleurPersonnaliseeEtLaVueLaMontre) {
    FenetreTest f;
    ChargeCarre(f);
    CouleurChoisie choix(QColor(0x12, 0x34, 0x56));
    DialoguesConduits conduite([](QDialog& d) {
        auto& dlg = dynamic_cast<TOptionsDlg&>(d);
        d.show();
        dlg.CourbeBisCB->setCurrentIndex(0);
        emit dlg.CourbeBisCB->activated(0);
        dlg.BitBtn1->click();
        return d.result();
    });
    f.OptionsBtn()->click();
    ASSERT_EQ(choix.initiales.size(), 1);
    EXPECT_EQ(f->ModeleFenetre().couleurs.bis, 0x563412u);
    EXPECT_GT(Pixels(VueDetail(f), 0x563412), 100);
    EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, 0x808080u);
}

TEST_F(Options, UnChoixDeCouleurAnnuleRevientALaCouleurPrecedente) {
    TboiteCouleur boite;
    boite.SetSelected(0x00FFFF);
    CouleurChoisie choix{QColor()};
    boite.setCurrentIndex(0);
    emit boite.activated(0);
    EXPECT_EQ(boite.currentText(), "Jaune");
    EXPECT_EQ(boite.Selected(), 0x00FFFFu);
}

TEST_F(Options, TaperDansUneBoiteDeroulePuisVaAuNom) {
    TboiteCouleur boite;
    boite.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&boite));
    QTest::keyClick(&boite, Qt::Key_R);
    EXPECT_TRUE(boite.view()->isVisible());
    EXPECT_EQ(boite.view()->currentIndex().data().toString(), "Rouge");
    boite.hidePopup();
}

TEST_F(Options, LeLecteurEstRenduPendantLeDialogueEtReprisApres) {
    FenetreTest f;
    ChargeCarre(f);
    MontreEtActive(f);
    ASSERT_TRUE(f->Lecteur().EstOuvert());
    bool ouvertPendant = true;
    DialoguesConduits conduite([&](QDialog& d) {
        d.show();
        d.activateWindow();
        // A dialog counts as active while its owner is: wait for the focus itself.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &d; }));
        ouvertPendant = f->Lecteur().EstOuvert();
        d.hide();
        f->activateWindow();
        return int(QDialog::Rejected);
    });
    f.ToolButton2()->click();
    EXPECT_FALSE(ouvertPendant);
    EXPECT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    EXPECT_TRUE(f->Lecteur().EstOuvert());
}

TEST_F(Options, LaBoiteAProposEtSonAdresseInjoignable) {
    FenetreTest f;
    DialoguesConduits conduite([&](QDialog& d) {
        auto& boite = dynamic_cast<TAboutBox&>(d);
        d.show();
        EXPECT_EQ(d.windowTitle(), "A propos");
        EXPECT_EQ(d.size(), QSize(309, 262));
        EXPECT_EQ(boite.ProductName->text(),
                  "Sampix : effet de l'échantillonnage et de la numérisation sur un son");
        EXPECT_TRUE(boite.Version->text().contains("2.01"));
        EXPECT_TRUE(boite.Version->text().contains("20/04/2014"));
        for (const char* bibliotheque : {"Qt", "PortAudio", "libsndfile", "libmpg123", "FFTW", "GNU GPL 3"})
            EXPECT_TRUE(boite.Comments->text().contains(bibliotheque)) << bibliotheque;
        EXPECT_GE(boite.Comments->height(), boite.Comments->sizeHint().height());  // nothing cut
        EXPECT_FALSE(boite.ProgramIcon->pixmap().isNull());
        EXPECT_EQ(boite.VersionBtn->text(), "Version à jour");
        // The offscreen platform opens no address: the failure path.
        boite.VersionBtn->click();
        boite.OKBtn->click();
        return d.result();
    });
    f.ToolButton2()->click();
    EXPECT_EQ(f.messages, QStringList{"Impossible d'accéder à " + AdresseMiseAJour()});
}

TEST_F(Options, SansMelangeurVolumeDitImpossibleEtDisparait) {
    FenetreTest f;
    MontreEtActive(f);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    f.VolumeBtn()->click();
    qputenv("PATH", path);
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(
        f.messages[0].startsWith("Impossible\n\nAucun de ces mélangeurs de volume ne s'est lancé : "
                                 "pavucontrol, pavucontrol-qt, mate-volume-control"))
        << f.messages[0].toStdString();
    // The tool bar hides it at its next layout.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f.VolumeBtn()->isVisible(); }));
    EXPECT_TRUE(f.OptionsBtn()->isVisible());
}

TEST_F(Options, VolumeLanceLeMelangeurTrouveSurLePath) {
    const auto dossier = NouveauDossier();
    const auto temoin = dossier / "lance";
    const auto script = dossier / "pavucontrol";
    const std::string texte = "#!/bin/sh\necho > '" + temoin.string() + "'\n";
    EcritOctets(script, std::vector<std::uint8_t>(texte.begin(), texte.end()));
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    FenetreTest f;
    MontreEtActive(f);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dossier.string()));
    f.VolumeBtn()->click();
    qputenv("PATH", path);
    EXPECT_TRUE(f.messages.isEmpty());
    EXPECT_TRUE(f.VolumeBtn()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::filesystem::exists(temoin); }, 20000));
}

TEST_F(Options, AideOuvreSaPremierePage) {
    FenetreTest f;
    f.AideBtn()->click();
    ASSERT_NE(f.FenetreAide(), nullptr);
    EXPECT_TRUE(f.FenetreAide()->isVisible());
    const QTextBrowser* texte = f.FenetreAide()->Texte;
    EXPECT_EQ(texte->source(), QUrl("qrc:/aide/index.html"));
    EXPECT_EQ(texte->documentTitle(), "Aide de Sampix");
    EXPECT_TRUE(texte->toPlainText().contains("échantillonne"))
        << texte->toPlainText().left(200).toStdString();
}

TEST_F(Options, F1OuvreLAide) {
    FenetreTest f;
    MontreEtActive(f);
    QTest::keyClick(f.fenetre.get(), Qt::Key_F1);
    ASSERT_NE(f.FenetreAide(), nullptr);
    EXPECT_TRUE(f.FenetreAide()->isVisible());
}

TEST_F(Options, LesLiensEtImagesDeLAideMenentTousQuelquePart) {
    FenetreTest f;
    f.AideBtn()->click();
    const QStringList pages = QDir(":/aide").entryList({"*.html"});
    EXPECT_GE(pages.size(), 8);
    const QRegularExpression lien(R"((?:href|src)="([^"#:]+)[^"]*")");
    for (const QString& page : pages) {
        QFile fichier(":/aide/" + page);
        ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(fichier.readAll());
        for (const auto& m : lien.globalMatch(html))
            EXPECT_TRUE(QFile::exists(":/aide/" + m.captured(1)))
                << page.toStdString() << " -> " << m.captured(1).toStdString();
    }
}

TEST_F(Options, LesSonsDExempleSOuvrentEtTiennentEnMoinsDUnMo) {
    const QStringList exemples = QDir(SAMPIX_EXEMPLES).entryList({"*.wav"});
    EXPECT_EQ(exemples.size(), 5);
    std::uintmax_t total = 0;
    FenetreTest f;
    for (const QString& nom : exemples) {
        f.choix = QString(SAMPIX_EXEMPLES) + "/" + nom;
        f.OpenFileBtn()->click();
        EXPECT_TRUE(f.messages.isEmpty()) << nom.toStdString() << " : " << f.messages.join("|").toStdString();
        EXPECT_GT(f->Seance().son.NbrePoints, 10000) << nom.toStdString();
        total += std::filesystem::file_size(f.choix.toStdString());
        f.messages.clear();
    }
    EXPECT_LT(total, 1000000u);
}
