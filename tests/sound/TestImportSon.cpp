// The import's window-free parts: the choice of road from a file's first bytes and name,
// and the converted file, which takes its name only once whole.
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include <gtest/gtest.h>

#include "sound/FichierConversion.h"
#include "sound/RouteFichier.h"
#include "support/FichiersTest.h"

namespace {

std::vector<std::uint8_t> Octets(const std::string& texte, std::size_t taille = 64) {
    std::vector<std::uint8_t> v(std::max(taille, texte.size()), 0x55);
    std::copy(texte.begin(), texte.end(), v.begin());
    return v;
}

std::vector<std::filesystem::path> Contenu(const std::filesystem::path& dossier) {
    std::vector<std::filesystem::path> v;
    for (const auto& e : std::filesystem::directory_iterator(dossier)) v.push_back(e.path().filename());
    std::sort(v.begin(), v.end());
    return v;
}

}  // namespace

TEST(RouteFichier, LeContenuDecideAvantLExtension) {
    const auto d = NouveauDossier();
    // An ID3v2 tag of 0x81 + 10 bytes (7-bit size bytes 0 0 1 1), then what it stands before.
    auto id3 = [](const std::string& suite) {
        auto v = Octets(std::string("ID3\x03\x00\x00\x00\x00\x01\x01", 10), 10 + 129);
        v.insert(v.end(), suite.begin(), suite.end());
        return v;
    };
    const std::string mpeg1 = "\xFF\xFB\x90\x00";   // MPEG-1 Layer III
    const std::string mpeg25 = "\xFF\xE3\x18\xC4";  // MPEG-2.5 Layer III
    struct Tcas {
        const char* nom;
        std::vector<std::uint8_t> octets;
        TrouteFichier route;
        const char* contenu;
    };
    // WAV headers the reader takes as they are, and those libsndfile decodes.
    const auto pcm = [](int canaux, int bits) {
        return ImageWav(canaux, 8000, bits, std::vector<std::uint8_t>(8));
    };
    const auto avecEtiquette = [&](std::uint16_t etiquette, int bits) {
        auto v = pcm(1, bits);
        v[20] = etiquette & 0xFF;
        v[21] = etiquette >> 8;
        return v;
    };
    // WAVE_FORMAT_EXTENSIBLE: a 40-byte format chunk whose sub-format GUID starts with the tag.
    const auto extensible = [&](std::uint8_t sousFormat) {
        auto v = avecEtiquette(0xFFFE, 16);
        std::vector<std::uint8_t> suite{22,         0,    16,   0,    4,    0,    0,    0,
                                        sousFormat, 0,    0,    0,    0x00, 0x00, 0x10, 0x00,
                                        0x80,       0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
        v[16] = 40;
        v.insert(v.begin() + 36, suite.begin(), suite.end());
        return v;
    };
    auto bext = pcm(2, 16);
    bext.insert(bext.begin() + 12, {'b', 'e', 'x', 't', 4, 0, 0, 0, 1, 2, 3, 4});
    const Tcas cas[] = {
        {"a.wav", pcm(2, 16), TrouteFichier::rWav, "WAV"},
        {"wav-nomme.mp3", pcm(1, 8), TrouteFichier::rWav, "WAV"},
        {"pcm24.wav", pcm(2, 24), TrouteFichier::rAutreFormat, "WAV"},
        {"six-voies.wav", pcm(6, 16), TrouteFichier::rAutreFormat, "WAV"},
        {"ulaw.wav", avecEtiquette(7, 8), TrouteFichier::rAutreFormat, "WAV"},
        {"flottant.wav", avecEtiquette(3, 16), TrouteFichier::rAutreFormat, "WAV"},
        {"ext-pcm.wav", extensible(1), TrouteFichier::rWav, "WAV"},
        {"ext-flottant.wav", extensible(3), TrouteFichier::rAutreFormat, "WAV"},
        {"bext.wav", bext, TrouteFichier::rAutreFormat, "WAV"},
        // Too short to tell: the reader says what is missing.
        {"coupe.wav", Octets(std::string("RIFF\0\0\0\0WAVEfmt ", 16), 20), TrouteFichier::rWav, "WAV"},
        {"b.mp3", Octets(mpeg1), TrouteFichier::rMp3, "MP3"},
        {"mpeg25.bin", Octets(mpeg25), TrouteFichier::rMp3, "MP3"},
        {"etiquette.flac", id3(mpeg1), TrouteFichier::rMp3, "MP3"},
        {"flac-etiquete.mp3", id3("fLaC"), TrouteFichier::rAutreFormat, "FLAC"},
        {"flac-nomme.mp3", Octets("fLaC"), TrouteFichier::rAutreFormat, "FLAC"},
        {"c.opus", Octets("OggS"), TrouteFichier::rAutreFormat, "Ogg"},
        {"d.aif", Octets(std::string("FORM\0\0\x10\0AIFF", 12)), TrouteFichier::rAutreFormat, "AIFF"},
        {"e.bin", Octets(std::string("FORM\0\0\x10\0AIFC", 12)), TrouteFichier::rAutreFormat, "AIFF"},
        // Compressed content under a ".wav" name is decoded too: its WAV never takes the source's name.
        {"mp3-nomme.WAV", Octets(mpeg1), TrouteFichier::rMp3, "MP3"},
        {"ogg-nomme.wav", Octets("OggS"), TrouteFichier::rAutreFormat, "Ogg"},
        // Content that says nothing: the extension decides, the WAV reader for any other.
        {"dechets-devant.Mp3", Octets("xyz"), TrouteFichier::rMp3, ""},
        {"inconnu.OGA", Octets("xyz"), TrouteFichier::rAutreFormat, ""},
        {"inconnu.wav", Octets("xyz"), TrouteFichier::rWav, ""},
        {"inconnu.mp4", Octets("xyz"), TrouteFichier::rWav, ""},
        {"court.mp3", {0xFF}, TrouteFichier::rMp3, ""},
        {"layer-reserve.mp3", Octets("\xFF\xF9"), TrouteFichier::rMp3, ""},         // layer bits 00
        {"ver-reservee.ogg", Octets("\xFF\xEB"), TrouteFichier::rAutreFormat, ""},  // version 01
    };
    for (const auto& c : cas) {
        EcritOctets(d / c.nom, c.octets);
        const TchoixRoute choix = ChoisitRoute((d / c.nom).string());
        EXPECT_EQ(choix.route, c.route) << c.nom;
        EXPECT_EQ(choix.contenu, c.contenu) << c.nom;
    }
    EXPECT_EQ(ChoisitRoute((d / "absent.flac").string()).route, TrouteFichier::rAutreFormat);
}

// A write that fails (here the file-size limit, as a full disk would) leaves the file that
// had the name as it was, and nothing of the unfinished one.
TEST(FichierConversion, UneEcritureQuiEchoueLaisseLAncienFichierEtRienDAutre) {
    const auto d = NouveauDossier();
    const auto cible = d / "essai.wav";
    EcritOctets(cible, {1, 2, 3});
    const std::vector<std::int16_t> bloc(50000, 0x1234);
    {
        TfichierConversion f;
        ASSERT_TRUE(f.Ouvre(cible.string(), 2, 44100));
        // Hidden beside the target while it is written.
        const auto pendant = Contenu(d);
        ASSERT_EQ(pendant.size(), 2u);
        EXPECT_EQ(pendant[0].string().rfind(".essai.wav.", 0), 0u) << pendant[0];

        rlimit avant{};
        getrlimit(RLIMIT_FSIZE, &avant);
        rlimit limite = avant;
        limite.rlim_cur = 300000;
        const auto signalAvant = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        Tresultat<> ecrit;
        for (int i = 0; i < 20 && ecrit; ++i) ecrit = f.Ajoute(bloc.data(), bloc.size());
        if (ecrit) ecrit = f.Termine();
        EXPECT_FALSE(ecrit) << "écriture au-delà de la limite acceptée";
        EXPECT_EQ(ecrit.Message(),
                  "Impossible d'écrire le fichier \"" + cible.string() + "\". " + std::strerror(EFBIG));
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signalAvant);
    }
    EXPECT_EQ(Contenu(d), std::vector<std::filesystem::path>{"essai.wav"});
    EXPECT_EQ(LitOctets(cible), (std::vector<std::uint8_t>{1, 2, 3}));

    // Whole, it replaces the old file: every block in order, both sizes patched.
    {
        TfichierConversion f;
        ASSERT_TRUE(f.Ouvre(cible.string(), 1, 8000));
        for (std::int16_t i = 0; i < 30; ++i) {
            const std::vector<std::int16_t> b(i * 997 % 40000, i);
            ASSERT_TRUE(f.Ajoute(b.data(), b.size()));
        }
        ASSERT_TRUE(f.Termine());
    }
    EXPECT_EQ(Contenu(d), std::vector<std::filesystem::path>{"essai.wav"});
    const auto v = LitOctets(cible);
    std::size_t position = 44;
    for (std::int16_t i = 0; i < 30; ++i)
        for (int k = 0; k < i * 997 % 40000; ++k, position += 2)
            ASSERT_EQ(v.at(position) | v.at(position + 1) << 8, i) << position;
    EXPECT_EQ(position, v.size());
    EXPECT_EQ(v[4] | v[5] << 8 | v[6] << 16 | v[7] << 24, static_cast<int>(v.size() - 8));
    EXPECT_EQ(v[40] | v[41] << 8 | v[42] << 16 | v[43] << 24, static_cast<int>(v.size() - 44));
}
