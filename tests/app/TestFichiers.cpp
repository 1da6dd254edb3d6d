#include <sndfile.h>

#include <gtest/gtest.h>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <QDialog>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QTest>
#include <QUrl>

#include "app/DialogueExtrait.h"
#include "app/FenetreTest.h"
#include "graph/GrapheSon.h"
#include "platform/DialoguesModaux.h"
#include "platform/Dossiers.h"
#include "sound/Numerisation.h"
#include "support/FichiersTest.h"

namespace {

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

std::vector<std::uint8_t> Seize(const std::vector<std::int16_t>& echantillons) {
    std::vector<std::uint8_t> v;
    for (std::int16_t e : echantillons) Ajoute16(v, static_cast<std::uint16_t>(e));
    return v;
}

std::vector<std::int16_t> Rampe(int n) {
    std::vector<std::int16_t> v(n);
    for (int i = 0; i < n; ++i) v[i] = static_cast<std::int16_t>(i * 131 - 30000);
    return v;
}

std::filesystem::path FichierSon(const std::vector<std::uint8_t>& image) {
    const auto chemin = NouveauDossier() / "Son Mixte.wav";
    EcritOctets(chemin, image);
    return chemin;
}

std::vector<short> LitSndfile(const QString& nom, SF_INFO& info) {
    SNDFILE* sf = sf_open(nom.toLocal8Bit().constData(), SFM_READ, &info);
    EXPECT_NE(sf, nullptr);
    if (!sf) return {};
    std::vector<short> v(info.frames * info.channels);
    sf_readf_short(sf, v.data(), info.frames);
    sf_close(sf);
    return v;
}

}  // namespace

TEST(Fichiers, ChargerActiveLesCommandesEtEcritLeSonNumerise) {
    FenetreTest f;
    const auto son = Rampe(400);
    const auto chemin = FichierSon(ImageWav(1, 44100, 16, Seize(son)));
    f.choix = Chemin(chemin);
    f.OpenFileBtn()->click();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(f->Seance().nomFichier, Chemin(chemin));  // the path as chosen, case kept
    EXPECT_EQ(f->Seance().son.NbrePoints, 400);
    for (QWidget* w : {static_cast<QWidget*>(f.PlayBtn()), static_cast<QWidget*>(f.PlaySousEchBtn()),
                       static_cast<QWidget*>(f.AnimBtn()), static_cast<QWidget*>(f.BitsTB()),
                       static_cast<QWidget*>(f.FechTB())})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(f.StopPlayBtn()->isEnabled());
    EXPECT_EQ(f->Lecteur().FileName, f->Seance().nomFichier);
    EXPECT_TRUE(f->Lecteur().EstOuvert());
    EXPECT_EQ(f->Seance().finS, 399);

    f.BitsTB()->setValue(3);
    f.FechTB()->setValue(6);
    EXPECT_EQ(f.LabelBits()->text(), "3 bits");
    EXPECT_EQ(f.LabelFreq()->text(), "14700 Hz");
    EXPECT_EQ(f->ModeleFenetre().pas, 3);
    const TmodeleVue m = f->ModeleFenetre();
    EXPECT_EQ(TgrapheSon(m, f->SonsVue(), nullptr, m.largeur, m.hauteur, TgenreVue::detail).mondeY.maxi,
              32764);
    EXPECT_TRUE(f->Lecteur().EstOuvert());

    SF_INFO info{};
    const auto lu = LitSndfile(f->Seance().nomFichierSousEch, info);
    ASSERT_EQ(info.frames, 400);
    EXPECT_EQ(info.samplerate, 44100);
    const int q = 8192;
    for (int i = 0; i < 400; ++i) {
        const int v = son[i - i % 3];
        const int attendu = v >= 0 ? v / q * q : -((-v) / q * q) - q;
        ASSERT_EQ(lu[i], std::max(attendu, -32768)) << i;
    }
}

// A refused file is named with its reason, and the sound on screen stays as it was.
TEST(Fichiers, UnFichierRefuseDonneUnSeulMessageEtGardeLeSon) {
    FenetreTest f;
    const QString premier = Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(3000, 128))));
    f->ChargeFichierWav(premier);
    ASSERT_TRUE(f.messages.isEmpty());

    auto coupe = ImageWav(1, 8000, 16, {});
    coupe.resize(30);
    auto tagInconnu = ImageWav(1, 8000, 16, std::vector<std::uint8_t>(600, 0x5A));
    tagInconnu[20] = 0x34;
    tagInconnu[21] = 0x12;
    const struct {
        std::vector<std::uint8_t> image;
        const char* raison;
    } cas[] = {
        {ImageWav(2, 44100, 24, std::vector<std::uint8_t>(600, 1)),
         "Format non géré : 24 bits par échantillon"},
        {coupe, "Format incorrect : en-tête incomplet"},
        {ImageWav(1, 8000, 16, {}, 100), "Format incorrect : bloc de données vide"},
        {tagInconnu, "Ce n'est pas un fichier son que Sampix sait lire"},
    };
    for (const auto& c : cas) {
        f.messages.clear();
        const auto refuse = FichierSon(c.image);
        // The reader itself for the first, the road a chosen file takes for the others.
        if (&c == &cas[0])
            f->ChargeFichierWav(Chemin(refuse));
        else
            f->OuvreFichier(Chemin(refuse));
        ASSERT_TRUE(f.AttendsConversion());
        ASSERT_EQ(f.messages.size(), 1) << c.raison << f.messages.join("|").toStdString();
        EXPECT_TRUE(f.messages[0].contains(Chemin(refuse))) << f.messages[0].toStdString();
        EXPECT_TRUE(f.messages[0].contains(c.raison)) << f.messages[0].toStdString();
        EXPECT_EQ(f->Seance().nomFichier, premier);
        EXPECT_EQ(f->Seance().son.NbrePoints, 3000);
        EXPECT_EQ(f->ModeleFenetre().trames, 3000);
        EXPECT_EQ(f->Lecteur().FileName, premier);
        EXPECT_TRUE(f->Lecteur().EstOuvert());
    }
}

TEST(Fichiers, FichierAbsentDitQuIlManque) {
    FenetreTest f;
    f->ChargeFichierWav("/nulle/part/son.wav");
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains("/nulle/part/son.wav"));
    EXPECT_TRUE(f->Seance().nomFichier.isEmpty());
}

TEST(Fichiers, ReglagesAvantToutChargementSansErreur) {
    FenetreTest f;
    f.FechTB()->setValue(7);
    f.BitsTB()->setValue(1);
    EXPECT_TRUE(f.messages.isEmpty());
    EXPECT_EQ(f.LabelBits()->text(), "1 bits");
    EXPECT_EQ(f.LabelFreq()->text(), "0 Hz");
}

TEST(Fichiers, SonTronqueMarqueLeTitreUneSeuleFois) {
    FenetreTest f;
    const auto long16 = FichierSon(ImageWav(1, 44100, 16, std::vector<std::uint8_t>(3000000, 0)));
    f->ChargeFichierWav(Chemin(long16));
    f->ChargeFichierWav(Chemin(long16));
    EXPECT_EQ(f->windowTitle(), kTitreFenetre + "erTronque");
    EXPECT_EQ(f->Seance().son.NbrePoints, 1048576);
}

TEST(Fichiers, EnregistrerSauveLeSonNumeriseSousLExtensionWav) {
    FenetreTest f;
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(2, 22050, 8, std::vector<std::uint8_t>(200, 200)))));
    f.BitsTB()->setValue(2);
    const auto dossier = NouveauDossier();
    f.choix = Chemin(dossier / "copie.sav");
    f->SaveBtnClick();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_FALSE(std::filesystem::exists(dossier / "copie.sav"));
    // The dialog names the type; a name typed in lower case keeps its case, another gets ".WAV".
    EXPECT_EQ(f.demandes.back().filtre, "Son numérisé WAV (*.wav *.WAV)");
    f.choix = Chemin(dossier / "Copie2");
    f->SaveBtnClick();
    EXPECT_TRUE(std::filesystem::exists(dossier / "Copie2.WAV"));
    SF_INFO info{};
    const auto lu = LitSndfile(Chemin(dossier / "copie.wav"), info);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, 22050);
    ASSERT_EQ(info.frames, 100);
    EXPECT_EQ(lu[0], (192 - 128) * 256);  // 200 quantised to 2 bits: 192
}

// With no sound, nothing that needs one is offered, and a save asked anyway writes nothing.
TEST(Fichiers, SansSonRienDeCeQuiEnDemandeUnNEstDisponible) {
    FenetreTest f;
    for (QToolButton* b : {f.SaveBtn(), f.PlayBtn(), f.PlaySousEchBtn(), f.ErreurBtn(), f.AnimBtn(),
                           f.SpectreBtn(), f.ExporteImageBtn()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    const auto dossier = NouveauDossier();
    f.choix = Chemin(dossier / "vide");
    f->SaveBtnClick();
    EXPECT_TRUE(std::filesystem::is_empty(dossier));
    EXPECT_TRUE(f.messages.isEmpty());
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 16, Seize(Rampe(100))))));
    for (QToolButton* b : {f.SaveBtn(), f.AnimBtn(), f.SpectreBtn(), f.ExporteImageBtn()})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
}

TEST(Fichiers, EnregistrerLaOuCEstImpossibleLeDit) {
    FenetreTest f;
    const auto dossier = NouveauDossier();
    std::filesystem::create_directory(dossier / "x.wav");  // a folder stands where the file would go
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 16, Seize(Rampe(100))))));
    f.choix = Chemin(dossier / "x.sav");
    f->SaveBtnClick();
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de sauver le fichier simulé"));

    f.messages.clear();
    f.choix = Chemin(dossier / "manque" / "y.sav");
    f->SaveBtnClick();
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de sauver le fichier simulé"));
    EXPECT_TRUE(f.messages[0].contains("manque/y.wav"));
}

TEST(Fichiers, UnMp3SansDecodeurEstSignale) {
    const DecodeurMp3Absent absent;
    FenetreTest f;
    f->OuvreFichier("/tmp/chanson.Mp3");
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_EQ(f.messages[0], "Décodeur MP3 non trouvé (libmpg123)");
}

TEST(Fichiers, UnNouveauSonSeMontreDepuisSonDebut) {
    FenetreTest f;
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(100000, 100)))));
    f.ScrollBar()->setValue(90000);
    EXPECT_EQ(f->ModeleFenetre().debut, 90000);
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(50000, 100)))));
    EXPECT_EQ(f.ScrollBar()->value(), 0);
    EXPECT_EQ(f->ModeleFenetre().debut, 0);
}

namespace {

// 60 s of 16-bit stereo at 44100 Hz, five times what the record holds, with channels that
// differ at every frame.
std::int16_t Gauche(std::int64_t i) {
    return static_cast<std::int16_t>(i * 7);
}
std::int16_t Droite(std::int64_t i) {
    return static_cast<std::int16_t>(~(i * 7));
}
std::filesystem::path SonDeSoixanteSecondes() {
    std::vector<std::uint8_t> donnees;
    donnees.reserve(60 * 44100 * 4);
    for (std::int64_t i = 0; i < 60 * 44100; ++i) {
        Ajoute16(donnees, static_cast<std::uint16_t>(Gauche(i)));
        Ajoute16(donnees, static_cast<std::uint16_t>(Droite(i)));
    }
    const auto chemin = NouveauDossier() / "long.wav";
    EcritOctets(chemin, ImageWav(2, 44100, 16, donnees));
    return chemin;
}

}  // namespace

TEST(Fichiers, UnLongSonSOuvreParExtrait) {
    FenetreTest f;
    const auto chemin = SonDeSoixanteSecondes();

    // Enter on the dialog opens what always opened: the first part.
    const TexecutionDialogue execution = RemplaceExecutionDialogue([](QDialog& d) {
        d.show();
        QTest::keyClick(&d, Qt::Key_Return);
        return d.result();
    });
    f->OuvreFichier(Chemin(chemin));
    RemplaceExecutionDialogue(execution);
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(f->Seance().son.NbrePoints, 524288);
    EXPECT_EQ(f->Seance().son.vecteurSon->son16s(0, 0), Gauche(0));
    EXPECT_EQ(f->Seance().son.vecteurSon->son16s(524287, 1), Droite(524287));
    EXPECT_EQ(f->windowTitle(), kTitreFenetre + "erTronque");

    // From 30 s on: exactly those frames, and the caption says from where.
    std::optional<TdemandeExtrait> demande;
    const TchoixExtrait ancien = RemplaceChoixExtrait([&](const TdemandeExtrait& d) {
        demande = d;
        return std::optional<std::int64_t>(30 * 44100);
    });
    f->OuvreFichier(Chemin(chemin));
    ASSERT_TRUE(demande);
    EXPECT_EQ(demande->tramesTotal, 60 * 44100);
    EXPECT_EQ(demande->tramesRecord, 524288);
    EXPECT_EQ(demande->frequence, 44100u);
    EXPECT_EQ(demande->nomFichier, Chemin(chemin));
    EXPECT_FALSE(demande->enveloppe.empty());
    EXPECT_EQ(f->Seance().son.NbrePoints, 524288);
    EXPECT_EQ(f->Seance().son.vecteurSon->son16s(0, 0), Gauche(30 * 44100));
    EXPECT_EQ(f->Seance().son.vecteurSon->son16s(524287, 1), Droite(30 * 44100 + 524287));
    EXPECT_EQ(f->windowTitle(), kTitreFenetre + "erTronque (extrait à partir de 00:30,0)");

    // The command line's --debut takes the same frames.
    const auto sortie = NouveauDossier() / "extrait.wav";
    QProcess sampix;
    sampix.start(SAMPIX_EXECUTABLE, {"--debut", "30", "--sortie", Chemin(sortie), Chemin(chemin)});
    ASSERT_TRUE(sampix.waitForFinished(60000));
    EXPECT_EQ(sampix.exitCode(), 0) << sampix.readAllStandardError().toStdString();
    SF_INFO info{}, infoFenetre{};
    EXPECT_EQ(LitSndfile(Chemin(sortie), info), LitSndfile(f->Seance().nomFichierSousEch, infoFenetre));
    EXPECT_EQ(info.frames, 524288);

    // A cancelled choice opens nothing: the excerpt stays.
    RemplaceChoixExtrait([](const TdemandeExtrait&) { return std::optional<std::int64_t>(); });
    f->OuvreFichier(Chemin(chemin));
    EXPECT_EQ(f->Seance().son.vecteurSon->son16s(0, 0), Gauche(30 * 44100));
    RemplaceChoixExtrait(ancien);
}

// A Broadcast WAV (a "bext" chunk before "fmt ") is decoded, never over its source.
TEST(Fichiers, UnWavDeTerrainSOuvreSansToucherLaSource) {
    FenetreTest f;
    std::vector<std::int16_t> echantillons;
    for (int i = 0; i < 2000; ++i) echantillons.push_back(static_cast<std::int16_t>(i % 2 ? i * 13 : -i * 5));
    auto image = ImageWav(2, 48000, 16, Seize(echantillons));
    std::vector<std::uint8_t> bext{'b', 'e', 'x', 't', 6, 0, 0, 0, 'S', 'a', 'l', 'l', 'e', '3'};
    image.insert(image.begin() + 12, bext.begin(), bext.end());
    image[4] += static_cast<std::uint8_t>(bext.size());
    const auto source = FichierSon(image);
    f->OuvreFichier(Chemin(source));
    ASSERT_TRUE(f.AttendsConversion());
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(LitOctets(source), image);
    EXPECT_EQ(f->Seance().nomFichier, Chemin(source.parent_path() / "Son Mixte (Sampix).wav"));
    ASSERT_EQ(f->Seance().son.NbrePoints, 1000);
    EXPECT_EQ(f->Seance().son.Format(), TformatWave::f16stereo);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(f->Seance().son.vecteurSon->son16(i), echantillons[i]) << i;
}

TEST(Fichiers, UnFichierDeposeSOuvre) {
    FenetreTest f;
    const auto chemin = FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(500, 60)));
    QMimeData donnees;
    donnees.setUrls({QUrl::fromLocalFile(Chemin(chemin))});
    // Qt hands the drop to the widget that accepted the drag's entry.
    QDragEnterEvent entree(QPoint(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.fenetre.get(), &entree);
    EXPECT_TRUE(entree.isAccepted());
    QDropEvent depot(QPointF(10, 10), Qt::CopyAction, &donnees, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.fenetre.get(), &depot);
    QCoreApplication::processEvents();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(f->Seance().nomFichier, Chemin(chemin));
    EXPECT_EQ(f->Seance().son.NbrePoints, 500);
}

// The dialogs start in the examples the first time, then where the teacher last was, also
// in the next session.
TEST(Fichiers, LesDialoguesSeSouviennentDuDossier) {
    const auto dossier = NouveauDossier();
    {
        FenetreTest f;
        const auto son = FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(500, 60)));
        f.choix = Chemin(son);
        f->OpenFileBtnClick();
        f.choix = Chemin(dossier / "copie.sav");
        f->SaveBtnClick();
        ASSERT_EQ(f.demandes.size(), 2);
        EXPECT_EQ(f.demandes[0].dossier, DossierExemples());
        EXPECT_EQ(f.demandes[1].dossier, Chemin(son.parent_path()));
    }
    FenetreTest f;
    f->OpenFileBtnClick();
    ASSERT_EQ(f.demandes.size(), 1);
    EXPECT_EQ(f.demandes[0].dossier, Chemin(dossier));
}

// A stereo sound says that the left channel is the one shown, and where the sound is when the
// left channel is silent and the right one is not.
TEST(Fichiers, UnSonStereoDitQuelleVoieEstMontree) {
    FenetreTest f;
    const auto charge = [&](int canaux, std::int16_t gauche, std::int16_t droite) {
        std::vector<std::int16_t> v;
        for (int i = 0; i < 200; ++i) {
            v.push_back(static_cast<std::int16_t>(gauche * (i % 7)));
            if (canaux == 2) v.push_back(static_cast<std::int16_t>(droite * (i % 5)));
        }
        f->ChargeFichierWav(Chemin(FichierSon(ImageWav(canaux, 8000, 16, Seize(v)))));
        return f.VoieLabel()->text();
    };
    EXPECT_EQ(charge(1, 100, 0), "");
    EXPECT_EQ(charge(2, 100, 100), "Son stéréo : les vues et les lectures montrent la voie gauche");
    EXPECT_EQ(charge(2, 0, 100),
              "Son stéréo : les vues et les lectures montrent la voie gauche, muette ; le son est sur la "
              "voie droite");
    EXPECT_EQ(charge(2, 100, 0), "Son stéréo : les vues et les lectures montrent la voie gauche");
}
