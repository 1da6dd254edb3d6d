#include <sndfile.h>

#include <gtest/gtest.h>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "app/FenetreTest.h"
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
    f->OpenFileBtn->click();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(f->nomFichier, Chemin(chemin));  // the path as chosen, case kept
    EXPECT_EQ(f->son.NbrePoints, 400);
    for (QWidget* w : {static_cast<QWidget*>(f->PlayBtn), static_cast<QWidget*>(f->PlaySousEchBtn),
                       static_cast<QWidget*>(f->AnimBtn), static_cast<QWidget*>(f->BitsTB),
                       static_cast<QWidget*>(f->FechTB)})
        EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(f->StopPlayBtn->isEnabled());
    EXPECT_EQ(f->MediaPlayer.FileName, f->nomFichier);
    EXPECT_TRUE(f->MediaPlayer.EstOuvert());
    EXPECT_EQ(f->finS, 399);

    f->BitsTB->setValue(3);
    f->FechTB->setValue(6);
    EXPECT_EQ(f->LabelBits->text(), "3 bits");
    EXPECT_EQ(f->LabelFreq->text(), "14700 Hz");
    EXPECT_EQ(f->graphe->pasFreq, 3);
    EXPECT_EQ(f->graphe->mondeY.maxi, 32764);
    EXPECT_TRUE(f->MediaPlayer.EstOuvert());

    SF_INFO info{};
    const auto lu = LitSndfile(f->nomFichierSousEch, info);
    ASSERT_EQ(info.frames, 400);
    EXPECT_EQ(info.samplerate, 44100);
    const int q = 8192;
    for (int i = 0; i < 400; ++i) {
        const int v = son[i - i % 3];
        const int attendu = v >= 0 ? v / q * q : -((-v) / q * q) - q;
        ASSERT_EQ(lu[i], std::max(attendu, -32768)) << i;
    }
}

TEST(Fichiers, UnFichierRefuseDonneUnSeulMessageEtUneVueVide) {
    FenetreTest f;
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(3000, 128)))));
    ASSERT_TRUE(f.messages.isEmpty());

    const auto refuse = FichierSon(ImageWav(2, 44100, 24, std::vector<std::uint8_t>(600, 1)));
    f->ChargeFichierWav(Chemin(refuse));
    ASSERT_EQ(f.messages.size(), 1) << f.messages.join("|").toStdString();
    EXPECT_TRUE(f.messages[0].contains(Chemin(refuse)));
    EXPECT_TRUE(f.messages[0].contains("Format non géré : 24 bits par échantillon"));
    EXPECT_TRUE(f->nomFichier.isEmpty());
    EXPECT_EQ(f->son.NbrePoints, 0);
    EXPECT_EQ(f->graphe->NbreTot, 0);
    EXPECT_EQ(f->grapheAll->NbreTot, 0);
    EXPECT_TRUE(f->MediaPlayer.FileName.isEmpty());
    EXPECT_FALSE(f->MediaPlayer.EstOuvert());

    // Later settings changes stay quiet: there is no sound to write or play.
    f->BitsTB->setValue(2);
    EXPECT_EQ(f.messages.size(), 1);
    EXPECT_EQ(f->LabelBits->text(), "2 bits");
}

TEST(Fichiers, FichierAbsentDitQuIlManque) {
    FenetreTest f;
    f->ChargeFichierWav("/nulle/part/son.wav");
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].contains("/nulle/part/son.wav"));
    EXPECT_TRUE(f->nomFichier.isEmpty());
}

TEST(Fichiers, ReglagesAvantToutChargementSansErreur) {
    FenetreTest f;
    f->FechTB->setValue(7);
    f->BitsTB->setValue(1);
    EXPECT_TRUE(f.messages.isEmpty());
    EXPECT_EQ(f->LabelBits->text(), "1 bits");
    EXPECT_EQ(f->LabelFreq->text(), "0 Hz");
}

TEST(Fichiers, SonTronqueMarqueLeTitreUneSeuleFois) {
    FenetreTest f;
    const auto long16 = FichierSon(ImageWav(1, 44100, 16, std::vector<std::uint8_t>(3000000, 0)));
    f->ChargeFichierWav(Chemin(long16));
    f->ChargeFichierWav(Chemin(long16));
    EXPECT_EQ(f->windowTitle(), kTitreFenetre + "erTronque");
    EXPECT_EQ(f->son.NbrePoints, 1048576);
}

TEST(Fichiers, EnregistrerSauveLeSonNumeriseSousLExtensionWav) {
    FenetreTest f;
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(2, 22050, 8, std::vector<std::uint8_t>(200, 200)))));
    f->BitsTB->setValue(2);
    const auto dossier = NouveauDossier();
    f.choix = Chemin(dossier / "copie.sav");
    f->SaveBtnClick();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_FALSE(std::filesystem::exists(dossier / "copie.sav"));
    SF_INFO info{};
    const auto lu = LitSndfile(Chemin(dossier / "copie.WAV"), info);
    EXPECT_EQ(info.channels, 2);
    EXPECT_EQ(info.samplerate, 22050);
    ASSERT_EQ(info.frames, 100);
    EXPECT_EQ(lu[0], (192 - 128) * 256);  // 200 quantised to 2 bits: 192
}

TEST(Fichiers, EnregistrerSansSonEcritUnEnTeteEtActiveLesBoutons) {
    FenetreTest f;
    const auto dossier = NouveauDossier();
    f.choix = Chemin(dossier / "vide");
    f->SaveBtnClick();
    EXPECT_EQ(LitOctets(dossier / "vide.WAV").size(), 44u);
    EXPECT_TRUE(f->PlayBtn->isEnabled());
    EXPECT_TRUE(f->AnimBtn->isEnabled());
}

TEST(Fichiers, EnregistrerLaOuCEstImpossibleLeDit) {
    FenetreTest f;
    const auto dossier = NouveauDossier();
    std::filesystem::create_directory(dossier / "x.WAV");  // a folder stands where the file would go
    f.choix = Chemin(dossier / "x.sav");
    f->SaveBtnClick();
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de sauver le fichier simulé"));

    f.messages.clear();
    f.choix = Chemin(dossier / "manque" / "y.sav");
    f->SaveBtnClick();
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de sauver le fichier simulé"));
    EXPECT_TRUE(f.messages[0].contains("manque/y.WAV"));
}

TEST(Fichiers, UnMp3SansDecodeurEstSignale) {
    FenetreTest f;
    f->bassOK = false;
    f->OuvreFichier("/tmp/chanson.Mp3");
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_EQ(f.messages[0], "Décodeur MP3 non trouvé (libmpg123)");
}

TEST(Fichiers, UnNouveauSonSeMontreDepuisSonDebut) {
    FenetreTest f;
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(100000, 100)))));
    f->ScrollBar->setValue(90000);
    EXPECT_EQ(f->graphe->debut, 90000);
    f->ChargeFichierWav(Chemin(FichierSon(ImageWav(1, 8000, 8, std::vector<std::uint8_t>(50000, 100)))));
    EXPECT_EQ(f->ScrollBar->value(), 0);
    EXPECT_EQ(f->graphe->debut, 0);
}
