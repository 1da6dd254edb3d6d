#include <sndfile.h>
#include <sys/stat.h>

#include <cstring>

#include <gtest/gtest.h>

#include "sound/EcrivainWav.h"
#include "sound/Traduction.h"
#include "support/FichiersTest.h"

namespace {

// Fills the first frames of a vector with a recognisable pattern.
void Remplit(TvecteurSon& v, TformatWave format, std::int32_t trames) {
    v.formatWave = format;
    for (std::int64_t i = 0; i < std::int64_t{trames} * OctetsParTrame(format); ++i)
        v.zone[i] = static_cast<std::uint8_t>(i * 37 + 11);
}

std::filesystem::path FichierExistant(const std::vector<std::uint8_t>& contenu = {'R', 'I', 'F', 'F'}) {
    const auto chemin = NouveauDossier() / "sortie.wav";
    EcritOctets(chemin, contenu);
    return chemin;
}

struct LuParSndfile {
    SF_INFO info{};
    std::vector<short> echantillons;
};

LuParSndfile RelitAvecSndfile(const std::filesystem::path& chemin) {
    LuParSndfile lu;
    SNDFILE* sf = sf_open(chemin.c_str(), SFM_READ, &lu.info);
    EXPECT_NE(sf, nullptr) << sf_strerror(nullptr);
    if (!sf) return lu;
    lu.echantillons.resize(lu.info.frames * lu.info.channels);
    EXPECT_EQ(sf_readf_short(sf, lu.echantillons.data(), lu.info.frames), lu.info.frames);
    sf_close(sf);
    return lu;
}

std::uint32_t Lit32(const std::vector<std::uint8_t>& v, std::size_t p) {
    return v[p] | (v[p + 1] << 8) | (v[p + 2] << 16) | (static_cast<std::uint32_t>(v[p + 3]) << 24);
}

}  // namespace

TEST(EcrivainWav, DispositionAOctetPourOctet) {
    auto v = AlloueVecteurSon();
    Remplit(*v, TformatWave::f16, 1000);
    const auto chemin = FichierExistant();
    ASSERT_TRUE(EcritWav(chemin.string(), *v, 1000, 22050));
    const auto octets = LitOctets(chemin);
    ASSERT_EQ(octets.size(), 2044u);
    // The canonical header built independently by the tests' own helper.
    EXPECT_EQ(octets, ImageWav(1, 22050, 16, std::vector<std::uint8_t>(v->zone, v->zone + 2000)));
    EXPECT_EQ(Lit32(octets, 4), 2036u);
    EXPECT_EQ(Lit32(octets, 28), 44100u);

    const LuParSndfile lu = RelitAvecSndfile(chemin);
    EXPECT_EQ(lu.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(lu.info.samplerate, 22050);
    EXPECT_EQ(lu.info.channels, 1);
    ASSERT_EQ(lu.info.frames, 1000);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(lu.echantillons[i], v->son16(i)) << i;
}

TEST(EcrivainWav, DispositionBPourLeStereo16Bits) {
    auto v = AlloueVecteurSon();
    Remplit(*v, TformatWave::f16stereo, 1000);
    const auto chemin = FichierExistant();
    ASSERT_TRUE(EcritWav(chemin.string(), *v, 1000, 44100));
    const auto octets = LitOctets(chemin);
    ASSERT_EQ(octets.size(), 4058u);

    std::vector<std::uint8_t> attendu;
    AjouteTexte(attendu, "RIFF");
    Ajoute32(attendu, 4050);
    AjouteTexte(attendu, "WAVEfmt ");
    Ajoute32(attendu, 18);
    Ajoute16(attendu, 1);
    Ajoute16(attendu, 2);
    Ajoute32(attendu, 44100);
    Ajoute32(attendu, 176400);
    Ajoute16(attendu, 4);
    Ajoute16(attendu, 16);
    Ajoute16(attendu, 0);
    AjouteTexte(attendu, "fact");
    Ajoute32(attendu, 4);
    Ajoute32(attendu, 1000);
    AjouteTexte(attendu, "data");
    Ajoute32(attendu, 4000);
    attendu.insert(attendu.end(), v->zone, v->zone + 4000);
    EXPECT_EQ(octets, attendu);

    const LuParSndfile lu = RelitAvecSndfile(chemin);
    EXPECT_EQ(lu.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    EXPECT_EQ(lu.info.channels, 2);
    ASSERT_EQ(lu.info.frames, 1000);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(lu.echantillons[2 * i], v->son16s(i, 0));
        ASSERT_EQ(lu.echantillons[2 * i + 1], v->son16s(i, 1));
    }
}

TEST(EcrivainWav, HuitBitsMonoEtStereo) {
    for (const TformatWave format : {TformatWave::f8, TformatWave::f8stereo}) {
        auto v = AlloueVecteurSon();
        Remplit(*v, format, 333);
        const auto chemin = FichierExistant();
        ASSERT_TRUE(EcritWav(chemin.string(), *v, 333, 11025));
        const int canaux = EstStereo(format) ? 2 : 1;
        const auto octets = LitOctets(chemin);
        EXPECT_EQ(octets,
                  ImageWav(canaux, 11025, 8, std::vector<std::uint8_t>(v->zone, v->zone + 333 * canaux)));

        const LuParSndfile lu = RelitAvecSndfile(chemin);
        EXPECT_EQ(lu.info.format, SF_FORMAT_WAV | SF_FORMAT_PCM_U8);
        EXPECT_EQ(lu.info.channels, canaux);
        EXPECT_EQ(lu.info.samplerate, 11025);
        ASSERT_EQ(lu.info.frames, 333);
        // libsndfile turns unsigned 8-bit v into the signed 16-bit (v - 128) << 8.
        for (int i = 0; i < 333 * canaux; ++i) ASSERT_EQ(lu.echantillons[i], (v->zone[i] - 128) * 256) << i;
    }
}

TEST(EcrivainWav, SansSonEcritUnEnTeteSeul) {
    auto v = AlloueVecteurSon();
    v->formatWave = TformatWave::f16;
    const auto chemin = FichierExistant();
    ASSERT_TRUE(EcritWav(chemin.string(), *v, 0, 0));
    EXPECT_EQ(LitOctets(chemin), ImageWav(1, 0, 16, {}));
}

TEST(EcrivainWav, RaccourcitUnFichierPlusLong) {
    auto v = AlloueVecteurSon();
    Remplit(*v, TformatWave::f8, 10);
    const auto chemin = FichierExistant(std::vector<std::uint8_t>(5000, 0xAA));
    ASSERT_TRUE(EcritWav(chemin.string(), *v, 10, 8000));
    EXPECT_EQ(LitOctets(chemin).size(), 54u);
}

TEST(EcrivainWav, NeCreeJamaisLeFichierEtDitPourquoi) {
    auto v = AlloueVecteurSon();
    v->formatWave = TformatWave::f8;
    const auto absent = NouveauDossier() / "absent.wav";
    const auto ecrit = EcritWav(absent.string(), *v, 0, 8000);
    ASSERT_FALSE(ecrit);
    EXPECT_FALSE(ecrit.Message().empty());
    EXPECT_FALSE(std::filesystem::exists(absent));
    EXPECT_FALSE(EcritWav(NouveauDossier().string(), *v, 0, 8000));
}

TEST(EcrivainWav, FichierDeTravailCreeSeulementSIlManque) {
    const auto dossier = NouveauDossier();
    ASSERT_TRUE(CreeFichierSiAbsent((dossier / "a.wav").string()));
    EXPECT_EQ(LitOctets(dossier / "a.wav"), (std::vector<std::uint8_t>{'R', 'I', 'F', 'F'}));

    EcritOctets(dossier / "b.wav", {1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(CreeFichierSiAbsent((dossier / "b.wav").string()));
    EXPECT_EQ(LitOctets(dossier / "b.wav"), (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));

    // Marks in the name stay as they are: the arguments go in once.
    const auto manque = (dossier / "manque%2" / "c%1.wav").string();
    const auto cree = CreeFichierSiAbsent(manque);
    ASSERT_FALSE(cree);
    EXPECT_EQ(cree.Message(), "Impossible de créer le fichier " + manque + " : " + std::strerror(ENOENT));

    // The installed translation gives the text, its arguments in the order it names them.
    InstalleTraducteur([](const char* contexte, const char* texte) -> std::string {
        return std::string(contexte) == "EcrivainWav" ? "%2 (%1%3)" : texte;
    });
    const auto traduit = CreeFichierSiAbsent(manque);
    InstalleTraducteur(nullptr);
    ASSERT_FALSE(traduit);
    EXPECT_EQ(traduit.Message(), std::strerror(ENOENT) + (" (" + manque + "%3)"));
}

// A new file renamed over its name: a pipe (or a device) there stays and the write is refused;
// through a link, the linked file is the one replaced and the link stays.
TEST(EcrivainWav, UnFichierNeufNeRemplaceQuUnFichierOrdinaire) {
    auto v = AlloueVecteurSon();
    Remplit(*v, TformatWave::f8, 10);
    const auto dossier = NouveauDossier();
    const auto tube = dossier / "tube.wav";
    ASSERT_EQ(::mkfifo(tube.c_str(), 0600), 0);
    EXPECT_EQ(EcritWavNeuf(tube.string(), *v, 10, 8000).Message(), "ce n'est pas un fichier ordinaire");
    EXPECT_TRUE(std::filesystem::is_fifo(tube));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier), {}), 1);

    const auto vrai = FichierExistant(std::vector<std::uint8_t>(5000, 0xAA));
    const auto lien = dossier / "lien.wav";
    std::filesystem::create_symlink(vrai, lien);
    ASSERT_TRUE(EcritWavNeuf(lien.string(), *v, 10, 8000));
    EXPECT_TRUE(std::filesystem::is_symlink(lien));
    EXPECT_EQ(LitOctets(vrai).size(), 54u);
}
