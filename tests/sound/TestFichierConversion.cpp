#include <cerrno>
#include <cstring>
#include <numeric>

#include <gtest/gtest.h>

#include "sound/FichierConversion.h"
#include "support/FichiersTest.h"
#include "support/OutilsMp3.h"

namespace {

std::string MessageDeCreation(const std::filesystem::path& nom) {
    try {
        TfichierConversion wav(nom.string(), 2, 44100);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "créé";
}

}  // namespace

TEST(FichierConversion, EnTeteStereoA44100Hz) {
    const auto t = EnTeteConversion(2, 44100);
    const std::vector<std::uint8_t> v(t.begin(), t.end());
    EXPECT_EQ(std::string(v.begin(), v.begin() + 4), "RIFF");
    EXPECT_EQ(Lit32(v, 4), 0u);
    EXPECT_EQ(std::string(v.begin() + 8, v.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(Lit32(v, 16), 16u);
    EXPECT_EQ(Lit16(v, 20), 1u);
    EXPECT_EQ(Lit16(v, 22), 2u);
    EXPECT_EQ(Lit32(v, 24), 44100u);
    EXPECT_EQ(Lit32(v, 28), 176400u);
    EXPECT_EQ(Lit16(v, 32), 4u);
    EXPECT_EQ(Lit16(v, 34), 16u);
    EXPECT_EQ(std::string(v.begin() + 36, v.begin() + 40), "data");
    EXPECT_EQ(Lit32(v, 40), 0u);
}

TEST(FichierConversion, EnTeteMonoA22050Hz) {
    const auto t = EnTeteConversion(1, 22050);
    const std::vector<std::uint8_t> v(t.begin(), t.end());
    EXPECT_EQ(Lit16(v, 22), 1u);
    EXPECT_EQ(Lit32(v, 24), 22050u);
    EXPECT_EQ(Lit32(v, 28), 44100u);
    EXPECT_EQ(Lit16(v, 32), 2u);
    EXPECT_EQ(Lit16(v, 34), 16u);
}

TEST(FichierConversion, LesTaillesSontPoseesALaFinEtLibsndfileRelitLesEchantillons) {
    const auto nom = NouveauDossier() / "essai.wav";
    // A longer file of that name is replaced, not overwritten in place.
    EcritOctets(nom, std::vector<std::uint8_t>(100000, 0x55));
    std::vector<std::int16_t> echantillons(7002);
    std::iota(echantillons.begin(), echantillons.end(), -3500);
    {
        TfichierConversion wav(nom.string(), 2, 44100);
        EXPECT_EQ(LitOctets(nom).size(), 44u);
        EXPECT_EQ(Lit32(LitOctets(nom), 4), 0u);
        wav.Ajoute(echantillons.data(), 5000);
        wav.Ajoute(echantillons.data() + 5000, 2002);
        EXPECT_EQ(Lit32(LitOctets(nom), 40), 0u);
        EXPECT_EQ(wav.TailleDonnees(), 14004u);
        wav.Termine();
    }
    const auto v = LitOctets(nom);
    ASSERT_EQ(v.size(), 44u + 14004u);
    EXPECT_EQ(Lit32(v, 4), v.size() - 8);
    EXPECT_EQ(Lit32(v, 40), v.size() - 44);
    EXPECT_EQ(EchantillonsWav(nom), echantillons);
}

TEST(FichierConversion, UnFichierInacheveEstSupprime) {
    const auto nom = NouveauDossier() / "partiel.wav";
    {
        TfichierConversion wav(nom.string(), 1, 22050);
        const std::int16_t echantillons[4] = {1, 2, 3, 4};
        wav.Ajoute(echantillons, 4);
        EXPECT_TRUE(std::filesystem::exists(nom));
    }
    EXPECT_FALSE(std::filesystem::exists(nom));
}

TEST(FichierConversion, CreationImpossibleDitLeNomEtLaRaisonEtNeTouchePasAuChemin) {
    const auto dossier = NouveauDossier();
    EcritOctets(dossier / "fichier", {1, 2, 3});
    EXPECT_EQ(MessageDeCreation(dossier / "fichier" / "essai.wav"),
              "Impossible de créer le fichier \"" + (dossier / "fichier" / "essai.wav").string() + "\". " +
                  std::strerror(ENOTDIR));
    EXPECT_EQ(LitOctets(dossier / "fichier"), (std::vector<std::uint8_t>{1, 2, 3}));
    std::filesystem::create_directory(dossier / "essai.wav");
    EXPECT_EQ(MessageDeCreation(dossier / "essai.wav"), "Impossible de créer le fichier \"" +
                                                            (dossier / "essai.wav").string() + "\". " +
                                                            std::strerror(EISDIR));
    EXPECT_TRUE(std::filesystem::is_directory(dossier / "essai.wav"));
}
