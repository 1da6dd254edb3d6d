#include <gtest/gtest.h>

#include "platform/DecodeurMp3.h"
#include "support/FichiersTest.h"
#include "support/OutilsMp3.h"

namespace {

struct Tdecode {
    std::vector<std::int16_t> echantillons;
    std::vector<int> pourcentages;
    std::vector<std::size_t> tailles;
};

Tdecode DecodeTout(TdecodeurMp3& decodeur) {
    Tdecode d;
    TblocMp3 bloc;
    while (const std::size_t n = decodeur.LitBloc(bloc)) {
        d.echantillons.insert(d.echantillons.end(), bloc.begin(), bloc.begin() + n);
        d.tailles.push_back(n);
        d.pourcentages.push_back(decodeur.Pourcentage());
    }
    return d;
}

std::string RaisonDuRefus(const std::filesystem::path& fichier) {
    try {
        TdecodeurMp3 decodeur(fichier.string());
    } catch (const EDecodeurMp3& e) {
        return e.what();
    }
    return "accepté";
}

}  // namespace

TEST(DecodeurMp3, DisponibleAvecLeLibsndfileDuSysteme) {
    EXPECT_TRUE(DecodeurMp3Disponible());
}

TEST(DecodeurMp3, StereoDonneExactementLesEchantillonsDeMpg123) {
    const auto mp3 = NouveauDossier() / "stereo.mp3";
    FabriqueMp3Sox(mp3, 44100, 2, 2.0);
    TdecodeurMp3 decodeur(mp3.string());
    EXPECT_EQ(decodeur.Canaux(), 2);
    EXPECT_EQ(decodeur.Frequence(), 44100u);
    const Tdecode d = DecodeTout(decodeur);
    const auto reference = EchantillonsMpg123(mp3);
    ASSERT_GT(reference.size(), 2u * 44100);
    EXPECT_EQ(d.echantillons, reference);
    // Blocks of 10000 bytes, each a whole number of frames.
    for (std::size_t i = 0; i < d.tailles.size(); ++i) {
        EXPECT_EQ(d.tailles[i] % 2, 0u);
        if (i + 1 < d.tailles.size()) {
            EXPECT_EQ(d.tailles[i], kEchantillonsParBloc);
        }
    }
    // Decoding overshoots full scale: the clamp must match mpg123's.
    EXPECT_NE(std::find(reference.begin(), reference.end(), 32767), reference.end());
    EXPECT_NE(std::find(reference.begin(), reference.end(), -32768), reference.end());
}

TEST(DecodeurMp3, MonoDeLameDonneExactementLesEchantillonsDeMpg123) {
    const auto mp3 = NouveauDossier() / "mono.mp3";
    FabriqueMp3Lame(mp3, 22050, 1, 1.5);
    TdecodeurMp3 decodeur(mp3.string());
    EXPECT_EQ(decodeur.Canaux(), 1);
    EXPECT_EQ(decodeur.Frequence(), 22050u);
    EXPECT_EQ(DecodeTout(decodeur).echantillons, EchantillonsMpg123(mp3));
}

TEST(DecodeurMp3, LaProgressionMonteSansDepasserCent) {
    const auto mp3 = NouveauDossier() / "progression.mp3";
    FabriqueMp3Sox(mp3, 44100, 2, 3.0);
    TdecodeurMp3 decodeur(mp3.string());
    EXPECT_EQ(decodeur.Pourcentage(), 0);
    const auto pourcentages = DecodeTout(decodeur).pourcentages;
    ASSERT_GT(pourcentages.size(), 10u);
    EXPECT_TRUE(std::is_sorted(pourcentages.begin(), pourcentages.end()));
    EXPECT_LT(pourcentages.front(), 5);
    // The announced length includes the encoder's padding: the last block is just short of it.
    EXPECT_GE(pourcentages.back(), 99);
    EXPECT_LE(pourcentages.back(), 100);
    TblocMp3 bloc;
    EXPECT_EQ(decodeur.LitBloc(bloc), 0u);
}

TEST(DecodeurMp3, RefuseCeQuiNEstPasDuMp3) {
    const auto dossier = NouveauDossier();
    EcritOctets(dossier / "texte.mp3",
                {'c', 'e', 'c', 'i', ' ', 'e', 's', 't', ' ', 'd', 'u', ' ', 't', 'e', 'x'});
    EcritOctets(dossier / "vide.mp3", {});
    EcritOctets(dossier / "son.mp3", ImageWav(1, 8000, 16, std::vector<std::uint8_t>(4000, 0)));
    EcritOctets(dossier / "binaire.mp3", BinaireCoucheI());
    FabriqueMp3Sox(dossier / "complet.mp3", 44100, 2, 1.0);
    auto debut = LitOctets(dossier / "complet.mp3");
    debut.resize(300);
    EcritOctets(dossier / "coupe.mp3", debut);
    FabriqueMp3Sox(dossier / "couche2.mp2", 44100, 2, 1.0);
    std::filesystem::rename(dossier / "couche2.mp2", dossier / "couche2.mp3");

    EXPECT_EQ(RaisonDuRefus(dossier / "texte.mp3"), "Ce n'est pas un fichier son MP3.");
    EXPECT_EQ(RaisonDuRefus(dossier / "vide.mp3"), "Ce n'est pas un fichier son MP3.");
    EXPECT_EQ(RaisonDuRefus(dossier / "coupe.mp3"), "Ce n'est pas un fichier son MP3.");
    EXPECT_EQ(RaisonDuRefus(dossier / "absent.mp3"), "Ce n'est pas un fichier son MP3.");
    // A WAV file named .mp3 is a sound, but not one to decode.
    EXPECT_EQ(RaisonDuRefus(dossier / "son.mp3"), "Ce n'est pas un fichier son MP3.");
    EXPECT_EQ(RaisonDuRefus(dossier / "binaire.mp3"), "Ce n'est pas un son MPEG Layer III.");
    EXPECT_EQ(RaisonDuRefus(dossier / "couche2.mp3"), "Ce n'est pas un son MPEG Layer III.");
}

TEST(DecodeurMp3, UnMilieuEndommageArreteLaLectureSurUneErreur) {
    const auto mp3 = NouveauDossier() / "abime.mp3";
    FabriqueMp3Sox(mp3, 44100, 2, 3.0);
    EndommageMilieu(mp3, 4000);
    TdecodeurMp3 decodeur(mp3.string());
    TblocMp3 bloc;
    std::size_t lus = 0;
    try {
        while (const std::size_t n = decodeur.LitBloc(bloc)) lus += n;
        FAIL() << "lu jusqu'au bout : " << lus;
    } catch (const EDecodeurMp3& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Le fichier est endommagé : erreur de décodage à ", 0), 0u)
            << e.what();
    }
    EXPECT_GT(lus, 0u);
    EXPECT_LT(lus, 2u * 44100 * 3);
}
