#include <gtest/gtest.h>

#include "platform/LecteurAudio.h"
#include "support/FichiersTest.h"

namespace {

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

}  // namespace

TEST(LecteurAudio, OuvreUnFichierEtDonneSaDureeEnMillisecondes) {
    const auto fichier = NouveauDossier() / "son.wav";
    EcritOctets(fichier, ImageWav(1, 8000, 16, std::vector<std::uint8_t>(2 * 12000, 0)));
    TLecteurAudio lecteur;
    lecteur.FileName = Chemin(fichier);
    lecteur.Open();
    EXPECT_TRUE(lecteur.EstOuvert());
    EXPECT_EQ(lecteur.TimeFormat(), TformatTemps::tfMilliseconds);
    EXPECT_EQ(lecteur.Length(), 1500);
    lecteur.SetTimeFormat(TformatTemps::tfSamples);
    EXPECT_EQ(lecteur.Length(), 12000);
    // Reopening gives the device's own unit again.
    lecteur.Open();
    EXPECT_EQ(lecteur.TimeFormat(), TformatTemps::tfMilliseconds);
}

TEST(LecteurAudio, FermeRefuseLesQuestionsAvecLeMessageDuLecteur) {
    TLecteurAudio lecteur;
    lecteur.Close();
    try {
        lecteur.Length();
        FAIL();
    } catch (const ELecteurErreur& e) {
        EXPECT_STREQ(e.what(), "Aucun périphérique MCI ouvert");
    }
    EXPECT_THROW(lecteur.TimeFormat(), ELecteurErreur);
}

TEST(LecteurAudio, FichierIlisibleOuSansNomLaisseLeLecteurFerme) {
    const auto fichier = NouveauDossier() / "faux.wav";
    EcritOctets(fichier, {'R', 'I', 'F', 'F', 1, 2, 3});
    TLecteurAudio lecteur;
    EXPECT_THROW(lecteur.Open(), ELecteurErreur);
    lecteur.FileName = Chemin(fichier);
    EXPECT_THROW(lecteur.Open(), ELecteurErreur);
    EXPECT_FALSE(lecteur.EstOuvert());
}
