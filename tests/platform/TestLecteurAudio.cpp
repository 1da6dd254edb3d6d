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
    ASSERT_TRUE(lecteur.Open());
    EXPECT_TRUE(lecteur.EstOuvert());
    EXPECT_EQ(lecteur.TimeFormat().Valeur(), TformatTemps::tfMilliseconds);
    EXPECT_EQ(lecteur.Length().Valeur(), 1500);
    ASSERT_TRUE(lecteur.SetTimeFormat(TformatTemps::tfSamples));
    EXPECT_EQ(lecteur.Length().Valeur(), 12000);
    // Reopening gives the device's own unit again.
    ASSERT_TRUE(lecteur.Open());
    EXPECT_EQ(lecteur.TimeFormat().Valeur(), TformatTemps::tfMilliseconds);
}

TEST(LecteurAudio, FermeRefuseLesQuestionsAvecLeMessageDuLecteur) {
    TLecteurAudio lecteur;
    lecteur.Close();
    for (const std::string& message : {lecteur.Length().Message(), lecteur.Position().Message(),
                                       lecteur.TimeFormat().Message(), lecteur.Stop().Message()})
        EXPECT_EQ(message, "Aucun périphérique MCI ouvert");
}

TEST(LecteurAudio, FichierIlisibleOuSansNomLaisseLeLecteurFerme) {
    const auto fichier = NouveauDossier() / "faux.wav";
    EcritOctets(fichier, {'R', 'I', 'F', 'F', 1, 2, 3});
    TLecteurAudio lecteur;
    EXPECT_EQ(lecteur.Open().Message(), "Aucun fichier son à ouvrir");
    lecteur.FileName = Chemin(fichier);
    EXPECT_EQ(lecteur.Open().Message().rfind("Impossible de lire le fichier son (", 0), 0u);
    EXPECT_FALSE(lecteur.EstOuvert());
}
