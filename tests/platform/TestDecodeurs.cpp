// The decoders against independent ones: the mpg123 program for MP3 files (byte for byte),
// the source WAV file for FLAC, AIFF (exact) and Ogg Vorbis, Opus (within the codec's
// error). Every file is made here by sox, lame or opusenc.
#include <cmath>
#include <cstring>
#include <functional>
#include <random>

#include <gtest/gtest.h>

#include "platform/DecodeurMp3.h"
#include "platform/DecodeurSndfile.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

using std::filesystem::path;

struct TsonDecode {
    TsonLu son;
    std::vector<int> pourcentages;  // after each block
    bool finEndommagee = false;
    std::string echec;  // why the decoder gave up, after the samples it gave
};

TsonDecode Decode(const TdecodeurOuvert& ouvert) {
    TsonDecode r;
    if (!ouvert) {
        r.echec = ouvert.Message();
        return r;
    }
    TdecodeurSon& d = *ouvert.Valeur();
    r.son.canaux = d.Canaux();
    r.son.frequence = static_cast<int>(d.Frequence());
    while (true) {
        const auto bloc = d.LitBloc();
        if (!bloc) {
            r.echec = bloc.Message();
            return r;
        }
        if (bloc.Valeur().empty()) break;
        r.son.echantillons.insert(r.son.echantillons.end(), bloc.Valeur().begin(), bloc.Valeur().end());
        r.pourcentages.push_back(d.Pourcentage());
    }
    r.finEndommagee = d.FinEndommagee();
    return r;
}

// A sweep on the left, pink noise (or a tone, whose waveform lossy codecs keep) on the right;
// mono: the sweep alone. The encoder has work everywhere and a swap of channels shows.
path Source(const path& wav, int frequence, int canaux, double secondes,
            const QString& droite = "pinknoise") {
    QStringList a{"-n",
                  "-r",
                  QString::number(frequence),
                  "-c",
                  QString::number(canaux),
                  "-b",
                  "16",
                  Chemin(wav),
                  "synth",
                  QString::number(secondes),
                  "sine",
                  "100-3000"};
    if (canaux == 2) a << droite.split(' ');
    Lance("sox", a << "gain"
                   << "-3");
    return wav;
}

path Lame(const path& mp3, const QStringList& options, int frequence = 44100, int canaux = 2) {
    const path wav = Source(path(mp3).replace_extension(".source.wav"), frequence, canaux, 4);
    Lance("lame", QStringList{"--quiet"} << options << Chemin(wav) << Chemin(mp3));
    return mp3;
}

void Ajoute(std::vector<std::uint8_t>& v, const std::string& texte) {
    v.insert(v.end(), texte.begin(), texte.end());
}

std::vector<std::uint8_t> Hasard(std::size_t n, unsigned graine) {
    std::mt19937 g(graine);
    std::vector<std::uint8_t> v(n);
    for (auto& o : v) o = static_cast<std::uint8_t>(g());
    return v;
}

// An ID3v2.3 tag holding a 600 kB picture, in front of the stream; an APE tag (header,
// one item, footer) and an ID3v1 tag behind it.
std::vector<std::uint8_t> AvecEtiquettes(const std::vector<std::uint8_t>& mp3) {
    std::vector<std::uint8_t> image;
    Ajoute(image, std::string("\0image/jpeg\0\x03\0", 14));
    const auto octets = Hasard(600000, 1);
    image.insert(image.end(), octets.begin(), octets.end());
    std::vector<std::uint8_t> cadre;
    Ajoute(cadre, "APIC");
    for (int i = 3; i >= 0; --i) cadre.push_back((image.size() >> (8 * i)) & 0xFF);
    cadre.insert(cadre.end(), {0, 0});
    cadre.insert(cadre.end(), image.begin(), image.end());
    std::vector<std::uint8_t> v;
    Ajoute(v, "ID3");
    v.insert(v.end(), {3, 0, 0});
    for (int i = 3; i >= 0; --i) v.push_back((cadre.size() >> (7 * i)) & 0x7F);
    v.insert(v.end(), cadre.begin(), cadre.end());
    v.insert(v.end(), mp3.begin(), mp3.end());
    std::vector<std::uint8_t> element;
    Ajoute32(element, 5);
    Ajoute32(element, 0);
    Ajoute(element, std::string("Title\0Essai", 11));
    for (const std::uint32_t drapeaux : {0xA0000000u, 0x80000000u}) {
        Ajoute(v, "APETAGEX");
        for (const std::uint32_t x : {2000u, static_cast<std::uint32_t>(element.size() + 32), 1u, drapeaux})
            Ajoute32(v, x);
        v.insert(v.end(), 8, 0);
        if (drapeaux & 0x20000000u) v.insert(v.end(), element.begin(), element.end());
    }
    Ajoute(v, "TAG");
    v.insert(v.end(), 125, ' ');
    return v;
}

}  // namespace

TEST(DecodeurMp3, DonneLesEchantillonsDeMpg123JusquALaVraieFin) {
    const path d = NouveauDossier();
    struct Tcas {
        std::string nom;
        std::function<path()> fabrique;
        bool coupe = false;
    };
    const path sansXing = d / "vbr-sans-xing.mp3";
    const path cbr = d / "cbr.mp3";
    const std::vector<Tcas> cas = {
        {"cbr",
         [&] {
             return Lame(cbr, {"-b", "128"});
         }},
        {"vbr",
         [&] {
             return Lame(d / "vbr.mp3", {"-V", "2"});
         }},
        {"vbr-sans-xing",
         [&] {
             return Lame(sansXing, {"-V", "2", "-t"});
         }},
        {"abr",
         [&] {
             return Lame(d / "abr.mp3", {"--abr", "128"});
         }},
        {"mono22050",
         [&] {
             return Lame(d / "m22050.mp3", {"-V", "2"}, 22050, 1);
         }},
        {"mono16000",
         [&] {
             return Lame(d / "m16000.mp3", {"-V", "2"}, 16000, 1);
         }},
        {"mono11025",
         [&] {
             return Lame(d / "m11025.mp3", {"-V", "2"}, 11025, 1);
         }},
        {"mono8000",
         [&] {
             return Lame(d / "m8000.mp3", {"-V", "2"}, 8000, 1);
         }},
        {"etiquettes",
         [&] {
             EcritOctets(d / "etiquettes.mp3", AvecEtiquettes(LitOctets(sansXing)));
             return d / "etiquettes.mp3";
         }},
        {"dechets-devant",
         [&] {
             auto v = Hasard(777, 2);
             const auto mp3 = LitOctets(sansXing);
             v.insert(v.end(), mp3.begin(), mp3.end());
             EcritOctets(d / "dechets.mp3", v);
             return d / "dechets.mp3";
         }},
        // Frames of 417 or 418 bytes after a 417-byte tag frame: byte 41900 lies 100 to 200
        // bytes into a frame.
        {"coupe",
         [&] {
             const auto v = LitOctets(cbr);
             EcritOctets(d / "coupe.mp3", std::vector<std::uint8_t>(v.begin(), v.begin() + 41900));
             return d / "coupe.mp3";
         },
         true},
    };
    for (const auto& c : cas) {
        const path mp3 = c.fabrique();
        const TsonDecode nous = Decode(TdecodeurMp3::Ouvre(mp3.string()));
        ASSERT_EQ(nous.echec, "") << c.nom;
        const TsonLu mpg123 = DecodeParMpg123(mp3);
        EXPECT_EQ(nous.son.canaux, mpg123.canaux) << c.nom;
        EXPECT_EQ(nous.son.frequence, mpg123.frequence) << c.nom;
        EXPECT_EQ(PremiereDifference(nous.son.echantillons, mpg123.echantillons, mpg123.canaux), "") << c.nom;
        EXPECT_EQ(nous.finEndommagee, c.coupe) << c.nom;
        // 4 s of sound; where the file was cut, what 128 kbit/s give after the tag frame.
        const double secondes = double(nous.son.echantillons.size()) / nous.son.canaux / nous.son.frequence;
        EXPECT_NEAR(secondes, c.coupe ? (41900 - 417) / 16000.0 : 4.0, 0.06) << c.nom;
    }
}

// The progress is the bytes read: on a VBR file without a Xing header, whose announced
// length is only a guess from its first frames, it rises steadily to 100.
TEST(DecodeurMp3, LaProgressionSuitLesOctetsLus) {
    const path mp3 = Lame(NouveauDossier() / "vbr.mp3", {"-V", "2", "-t"});
    const auto r = Decode(TdecodeurMp3::Ouvre(mp3.string()));
    const auto& p = r.pourcentages;
    EXPECT_TRUE(std::is_sorted(p.begin(), p.end()));
    EXPECT_LT(p.front(), 3);
    EXPECT_EQ(p.back(), 100);
    EXPECT_NEAR(p[p.size() / 2], 50, 15);
}

TEST(DecodeurMp3, UnChangementDeFormatEnCoursEstRefuse) {
    const path d = NouveauDossier();
    const auto debut = LitOctets(Lame(d / "a.mp3", {"-b", "128"}));
    const std::pair<path, const char*> suites[] = {
        {Lame(d / "b.mp3", {"-b", "64"}, 22050, 2), "44100 Hz stéréo, puis 22050 Hz stéréo"},
        {Lame(d / "c.mp3", {"-b", "64"}, 44100, 1), "44100 Hz stéréo, puis 44100 Hz mono"},
    };
    for (const auto& [suite, formats] : suites) {
        auto v = debut;
        const auto fin = LitOctets(suite);
        v.insert(v.end(), fin.begin(), fin.end());
        EcritOctets(d / "colle.mp3", v);
        const auto r = Decode(TdecodeurMp3::Ouvre((d / "colle.mp3").string()));
        EXPECT_NE(r.echec.find(formats), std::string::npos) << r.echec;
    }
}

namespace {

double Ecart(const TsonLu& obtenu, const TsonLu& source, int voie) {
    double bruit = 0;
    double signal = 0;
    for (std::size_t i = voie; i < source.echantillons.size(); i += source.canaux) {
        const double s = source.echantillons[i];
        bruit += (obtenu.echantillons[i] - s) * (obtenu.echantillons[i] - s);
        signal += s * s;
    }
    return std::sqrt(bruit / signal);
}

}  // namespace

TEST(DecodeurSndfile, FlacAiffExactsVorbisOpusDansLErreurDuCodec) {
    const path d = NouveauDossier();
    struct Tcas {
        const char* fichier;
        int canaux;
        double ecartMax;  // RMS error over RMS signal, per channel
    };
    const Tcas cas[] = {
        {"son.flac", 2, 0},   {"mono.flac", 1, 0},   {"son.aiff", 2, 0},
        {"son.ogg", 2, 0.05}, {"son.opus", 2, 0.05}, {"opus-nomme.ogg", 2, 0.05},
    };
    for (const auto& c : cas) {
        // Opus decodes at 48 kHz: the source is made at that rate so samples line up.
        const path wav = Source(d / (std::string(c.fichier) + ".wav"), 48000, c.canaux, 2, "sine 660");
        const path fichier = d / c.fichier;
        if (std::strstr(c.fichier, "opus"))
            Lance("opusenc", {"--quiet", Chemin(wav), Chemin(fichier)});
        else
            Lance("sox", {Chemin(wav), Chemin(fichier)});
        const TsonLu source = LitSon(wav);
        const auto r = Decode(TdecodeurSndfile::Ouvre(fichier.string()));
        ASSERT_EQ(r.echec, "") << c.fichier;
        EXPECT_EQ(r.son.canaux, c.canaux) << c.fichier;
        EXPECT_EQ(r.son.frequence, 48000) << c.fichier;
        ASSERT_EQ(r.son.echantillons.size(), source.echantillons.size()) << c.fichier;
        EXPECT_FALSE(r.finEndommagee) << c.fichier;
        EXPECT_EQ(r.pourcentages.back(), 100) << c.fichier;
        if (c.ecartMax == 0)
            EXPECT_EQ(PremiereDifference(r.son.echantillons, source.echantillons, c.canaux), "") << c.fichier;
        else
            for (int voie = 0; voie < c.canaux; ++voie)
                EXPECT_LT(Ecart(r.son, source, voie), c.ecartMax) << c.fichier << " voie " << voie;
    }
}

TEST(DecodeurSndfile, UnFichierCoupeDonneCeQuIlTientEtLeDit) {
    const path d = NouveauDossier();
    for (const char* nom : {"son.flac", "son.ogg"}) {
        const path entier = d / nom;
        Lance("sox", {Chemin(Source(d / "source.wav", 44100, 2, 4)), Chemin(entier)});
        const auto v = LitOctets(entier);
        const path coupe = d / (std::string("coupe-") + nom);
        EcritOctets(coupe, std::vector<std::uint8_t>(v.begin(), v.begin() + v.size() / 2));
        const auto r = Decode(TdecodeurSndfile::Ouvre(coupe.string()));
        EXPECT_EQ(r.echec, "") << nom;
        EXPECT_TRUE(r.finEndommagee) << nom;
        const double secondes = double(r.son.echantillons.size()) / 2 / 44100;
        EXPECT_GT(secondes, 1.0) << nom;
        EXPECT_LT(secondes, 3.0) << nom;
    }
}
