// The conversion into a WAV file, without a window: every WAV file that libsndfile reads, made
// here by sox, against libsndfile's own reading of it; where the converted file goes, which
// never replaces a file that Sampix did not write from that source; its cancellation, and its
// worker thread.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <thread>

#include <gtest/gtest.h>
#include <sndfile.h>
#include <QCoreApplication>
#include <QFile>
#include <QTest>

#include "platform/ConversionEnCours.h"
#include "platform/ConversionSon.h"
#include "platform/Dossiers.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

using std::filesystem::path;

struct Tconverti {
    TresultatConversion resultat;
    std::vector<int> pourcentages;
    std::string echecEcriture;  // the WAV file's failure, or the cancellation
    std::string echecSource;    // why the source cannot be decoded
};

// `apresBloc` runs after each block, with its number from 1.
Tconverti Convertit(const path& source, const std::string& destination = {},
                    Tannulation* annulation = nullptr, const std::function<void(int bloc)>& apresBloc = {}) {
    Tconverti c;
    const auto ecrit = ConvertitSon(
        TrouteFichier::rAutreFormat, source.string(), {destination},
        [&](int pourcentage) {
            c.pourcentages.push_back(pourcentage);
            if (apresBloc) apresBloc(static_cast<int>(c.pourcentages.size()));
        },
        annulation);
    if (!ecrit)
        c.echecEcriture = ecrit.Message();
    else if (!ecrit.Valeur())
        c.echecSource = ecrit.Valeur().Message();
    else
        c.resultat = ecrit.Valeur().Valeur();
    return c;
}

path Sox(const path& fichier, const QStringList& avant, const QStringList& synth) {
    Lance("sox", QStringList{"-n"} << avant << Chemin(fichier) << "synth" << synth);
    return fichier;
}

// A fifth of a second of two tones, quick to convert.
path Flac(const path& fichier, int hertz = 440) {
    return Sox(fichier, {"-r", "8000", "-c", "2"}, {"0.2", "sine", QString::number(hertz), "sine", "1000"});
}

// libsndfile's own reading, every channel: each value times 32768, rounded to nearest (ties
// to even) and clamped to 16 bits.
TsonLu LuParLibsndfile(const path& fichier) {
    SF_INFO info{};
    SNDFILE* sf = sf_open(fichier.c_str(), SFM_READ, &info);
    if (!sf) throw std::runtime_error("libsndfile refuse " + fichier.string());
    std::vector<double> x(static_cast<std::size_t>(info.frames * info.channels));
    x.resize(static_cast<std::size_t>(sf_readf_double(sf, x.data(), info.frames) * info.channels));
    sf_close(sf);
    TsonLu son{info.channels, info.samplerate, {}};
    for (const double v : x)
        son.echantillons.push_back(
            static_cast<std::int16_t>(std::clamp(std::nearbyint(v * 32768), -32768.0, 32767.0)));
    return son;
}

std::vector<std::int16_t> Voie(const TsonLu& son, int voie) {
    std::vector<std::int16_t> v;
    for (std::size_t i = voie; i < son.echantillons.size(); i += son.canaux) v.push_back(son.echantillons[i]);
    return v;
}

// What the conversion must give: the first two channels, left and right.
TsonLu DeuxPremieres(const TsonLu& son) {
    if (son.canaux <= 2) return son;
    TsonLu r{2, son.frequence, {}};
    for (std::size_t i = 0; i < son.echantillons.size(); i += son.canaux)
        r.echantillons.insert(r.echantillons.end(), {son.echantillons[i], son.echantillons[i + 1]});
    return r;
}

std::uint16_t Etiquette(const path& wav) {
    const auto v = LitOctets(wav);
    return static_cast<std::uint16_t>(v.at(20) | v.at(21) << 8);
}

// A chunk of `taille` zero bytes put before "fmt ", as Broadcast WAV files put "bext".
void AjouteMorceauDevant(const path& wav, const char* nom, std::uint32_t taille) {
    auto v = LitOctets(wav);
    std::vector<std::uint8_t> morceau;
    AjouteTexte(morceau, nom);
    Ajoute32(morceau, taille);
    morceau.resize(morceau.size() + taille);
    v.insert(v.begin() + 12, morceau.begin(), morceau.end());
    const std::uint32_t riff = static_cast<std::uint32_t>(v.size() - 8);
    for (int i = 0; i < 4; ++i) v[4 + i] = (riff >> (8 * i)) & 0xFF;
    EcritOctets(wav, v);
}

// A file of `valeurs` written by libsndfile itself, mono at 8000 Hz, as they are: floating-point
// values, or integer sample values.
path EcritParLibsndfile(const path& fichier, int format, const std::vector<double>& valeurs) {
    SF_INFO info{0, 8000, 1, format, 0, 0};
    SNDFILE* sf = sf_open(fichier.c_str(), SFM_WRITE, &info);
    if (!sf) throw std::runtime_error(sf_strerror(nullptr));
    sf_command(sf, SFC_SET_NORM_DOUBLE, nullptr, SF_FALSE);
    sf_writef_double(sf, valeurs.data(), static_cast<sf_count_t>(valeurs.size()));
    sf_close(sf);
    return fichier;
}

std::vector<path> Contenu(const path& dossier) {
    std::vector<path> v;
    for (const auto& e : std::filesystem::directory_iterator(dossier)) v.push_back(e.path().filename());
    std::sort(v.begin(), v.end());
    return v;
}

std::int64_t Modification(const path& fichier) {
    struct stat etat {};
    ::stat(fichier.c_str(), &etat);
    return etat.st_mtim.tv_sec * 1000000000LL + etat.st_mtim.tv_nsec;
}

void ChangeModification(const path& fichier, std::int64_t nanosecondes) {
    const timespec t[2] = {{nanosecondes / 1000000000, nanosecondes % 1000000000},
                           {nanosecondes / 1000000000, nanosecondes % 1000000000}};
    ::utimensat(AT_FDCWD, fichier.c_str(), t, 0);
}

}  // namespace

TEST(ConversionSon, LesWavQueLeLecteurNePrendPasDonnentCeQueLibsndfileLit) {
    const path d = NouveauDossier();
    struct Tcas {
        const char* nom;
        QStringList options;
        std::uint16_t etiquette;  // the format tag sox writes: the case is the one meant
        const char* devant = nullptr;
    };
    const Tcas cas[] = {
        {"24bits.wav", {"-b", "24"}, 0xFFFE},
        {"entier32.wav", {"-e", "signed", "-b", "32"}, 0xFFFE},
        {"flottant.wav", {"-e", "floating-point", "-b", "32"}, 3},
        {"ulaw.wav", {"-e", "u-law"}, 7},
        {"alaw.wav", {"-e", "a-law"}, 6},
        {"ima.wav", {"-e", "ima-adpcm"}, 0x11},
        {"ms.wav", {"-e", "ms-adpcm"}, 2},
        {"mono-ulaw.wav", {"-c", "1", "-e", "u-law"}, 7},
        {"bext.wav", {"-b", "24"}, 0, "bext"},
        {"junk.wav", {"-e", "floating-point", "-b", "32"}, 0, "JUNK"},
    };
    for (const auto& c : cas) {
        // A full-scale sweep on the left, whose top rounds past 32767 and is clamped; white noise
        // on the right: every value differs, and some fall near each rounding tie.
        const path source = Sox(d / c.nom, QStringList{"-r", "48000", "-c", "2"} << c.options,
                                {"0.5", "sine", "100-5000", "whitenoise"});
        if (c.devant)
            AjouteMorceauDevant(source, c.devant, std::strcmp(c.devant, "bext") == 0 ? 602 : 28);
        else
            EXPECT_EQ(Etiquette(source), c.etiquette) << c.nom;
        const auto octets = LitOctets(source);
        const TsonLu attendu = DeuxPremieres(LuParLibsndfile(source));
        const Tconverti r = Convertit(source);

        // The name is the source's own: the converted file goes beside it under another.
        const path wav = d / (path(c.nom).stem().string() + " (Sampix).wav");
        EXPECT_EQ(r.resultat.fichier, wav.string()) << c.nom;
        const TsonLu obtenu = LitSon(wav);
        EXPECT_EQ(obtenu.canaux, attendu.canaux) << c.nom;
        EXPECT_EQ(obtenu.frequence, 48000) << c.nom;
        EXPECT_EQ(PremiereDifference(obtenu.echantillons, attendu.echantillons, attendu.canaux), "") << c.nom;
        EXPECT_EQ(Etiquette(wav), 1) << c.nom;
        EXPECT_FALSE(r.resultat.finEndommagee) << c.nom;
        EXPECT_DOUBLE_EQ(r.resultat.secondes, double(attendu.echantillons.size()) / attendu.canaux / 48000)
            << c.nom;
        ASSERT_FALSE(r.pourcentages.empty()) << c.nom;
        EXPECT_TRUE(std::is_sorted(r.pourcentages.begin(), r.pourcentages.end())) << c.nom;
        EXPECT_EQ(r.pourcentages.back(), 100) << c.nom;
        EXPECT_EQ(LitOctets(source), octets) << c.nom;
    }
}

TEST(ConversionSon, SixVoiesGardentLesDeuxPremieresDansLOrdre) {
    const path source = Sox(NouveauDossier() / "six.flac", {"-r", "8000", "-c", "6", "-b", "16"},
                            {"0.3", "sine", "300", "sine", "500", "sine", "700", "sine", "900", "sine",
                             "1100", "sine", "1300", "gain", "-3"});
    const TsonLu six = LuParLibsndfile(source);
    ASSERT_EQ(six.canaux, 6);
    for (int a = 0; a < 6; ++a)
        for (int b = a + 1; b < 6; ++b) ASSERT_NE(Voie(six, a), Voie(six, b));
    const TsonLu obtenu = LitSon(Convertit(source).resultat.fichier);
    ASSERT_EQ(obtenu.canaux, 2);
    EXPECT_EQ(Voie(obtenu, 0), Voie(six, 0));
    EXPECT_EQ(Voie(obtenu, 1), Voie(six, 1));
}

// Values at each limit and at each rounding tie, in a floating-point file and a 24-bit one.
TEST(ConversionSon, ArrondiAuPlusPresEtBornes) {
    const path d = NouveauDossier();
    const double q = 1.0 / 32768;
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> flottants = {
        0.5 * q,     1.5 * q, 2.5 * q, -0.5 * q, -1.5 * q, 0.49 * q, 0.51 * q, 32766.5 * q,
        32767.5 * q, 1.0,     -1.0,    1.5,      -1.5,     inf,      -inf,     std::nan("")};
    const std::vector<std::int16_t> attendusFlottants = {
        0, 2, 2, 0, -2, 0, 1, 32766, 32767, 32767, -32768, 32767, -32768, 32767, -32768, 0};
    const Tconverti f =
        Convertit(EcritParLibsndfile(d / "f.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, flottants));
    EXPECT_EQ(LitSon(f.resultat.fichier).echantillons, attendusFlottants);

    // A 24-bit step is 1/256 of a 16-bit one: 128 is half of one.
    const std::vector<double> entiers = {128, 384, 640, -128, -384, 127, 129, 0x7FFF80, 0x7FFF7F, -0x800000};
    const std::vector<std::int16_t> attendusEntiers = {0, 2, 2, 0, -2, 0, 1, 32767, 32767, -32768};
    const Tconverti e = Convertit(EcritParLibsndfile(d / "e.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, entiers));
    EXPECT_EQ(LitSon(e.resultat.fichier).echantillons, attendusEntiers);
}

// A teacher's file of the base name stays; Sampix's own file from the same source is replaced
// while nobody has changed it; a change of size or of time makes it the teacher's.
TEST(ConversionSon, NeRemplaceQueSonPropreFichierDeLaMemeSource) {
    const path d = NouveauDossier();
    const path source = Flac(d / "chant.flac");
    EcritOctets(d / "chant.wav", {'m', 'a', ' ', 'c', 'h', 'a', 'n', 's', 'o', 'n'});
    const path sampix = d / "chant (Sampix).wav";
    EXPECT_EQ(Convertit(source).resultat.fichier, sampix.string());
    EXPECT_EQ(LitOctets(d / "chant.wav"),
              (std::vector<std::uint8_t>{'m', 'a', ' ', 'c', 'h', 'a', 'n', 's', 'o', 'n'}));

    // The same source, now another sound: its earlier conversion is replaced.
    Flac(source, 660);
    EXPECT_EQ(Convertit(source).resultat.fichier, sampix.string());
    EXPECT_EQ(LitSon(sampix).echantillons, LuParLibsndfile(source).echantillons);

    // Changed in place, same size: only the time tells.
    auto octets = LitOctets(sampix);
    octets[100] ^= 1;
    const std::int64_t avant = Modification(sampix);
    EcritOctets(sampix, octets);
    ChangeModification(sampix, avant + 1000000000);
    EXPECT_EQ(Convertit(source).resultat.fichier, (d / "chant (Sampix 2).wav").string());
    EXPECT_EQ(LitOctets(sampix), octets);

    // Grown, its time put back: only the size tells.
    const path deux = d / "chant (Sampix 2).wav";
    auto octets2 = LitOctets(deux);
    octets2.push_back(0);
    const std::int64_t avant2 = Modification(deux);
    EcritOctets(deux, octets2);
    ChangeModification(deux, avant2);
    EXPECT_EQ(Convertit(source).resultat.fichier, (d / "chant (Sampix 3).wav").string());
    EXPECT_EQ(LitOctets(deux), octets2);

    // Another source of the same base name does not take what came from chant.flac.
    Lance("sox", {Chemin(source), Chemin(d / "chant.aiff")});
    EXPECT_EQ(Convertit(d / "chant.aiff").resultat.fichier, (d / "chant (Sampix 4).wav").string());
    EXPECT_EQ(Convertit(source).resultat.fichier, (d / "chant (Sampix 3).wav").string());
}

// Nor the source itself (a FLAC sound named .wav), a link, a pipe or a folder at the name.
TEST(ConversionSon, NiLaSourceNiUnLienNiUnTubeNiUnDossier) {
    const path d = NouveauDossier();
    Lance("sox", {Chemin(Flac(d / "x.flac")), "-t", "flac", Chemin(d / "x.wav")});
    const auto x = LitOctets(d / "x.wav");
    EXPECT_EQ(Convertit(d / "x.wav").resultat.fichier, (d / "x (Sampix).wav").string());
    EXPECT_EQ(LitOctets(d / "x.wav"), x);

    // A link at the name, to the very file Sampix wrote there: the link is not that file.
    std::filesystem::copy_file(d / "x.flac", d / "lien.flac");
    EXPECT_EQ(Convertit(d / "lien.flac").resultat.fichier, (d / "lien.wav").string());
    std::filesystem::rename(d / "lien.wav", d / "cible.wav");
    std::filesystem::create_symlink(d / "cible.wav", d / "lien.wav");
    const auto cible = LitOctets(d / "cible.wav");
    EXPECT_EQ(Convertit(d / "lien.flac").resultat.fichier, (d / "lien (Sampix).wav").string());
    EXPECT_TRUE(std::filesystem::is_symlink(d / "lien.wav"));
    EXPECT_EQ(LitOctets(d / "cible.wav"), cible);

    std::filesystem::copy_file(d / "x.flac", d / "tube.flac");
    ASSERT_EQ(::mkfifo((d / "tube.wav").c_str(), 0644), 0);
    EXPECT_EQ(Convertit(d / "tube.flac").resultat.fichier, (d / "tube (Sampix).wav").string());
    EXPECT_TRUE(std::filesystem::is_fifo(d / "tube.wav"));

    std::filesystem::copy_file(d / "x.flac", d / "dossier.flac");
    std::filesystem::create_directory(d / "dossier.wav");
    EXPECT_EQ(Convertit(d / "dossier.flac").resultat.fichier, (d / "dossier (Sampix).wav").string());
    EXPECT_TRUE(std::filesystem::is_directory(d / "dossier.wav"));
}

TEST(ConversionSon, UnDossierEnLectureSeuleEnvoieLeSonDansLeDossierDeDonnees) {
    const path d = NouveauDossier();
    const path source = Flac(d / "protege.flac");
    const auto octets = LitOctets(source);
    const TdossierLectureSeule protection(d);
    if (!protection.Actif()) GTEST_SKIP() << "le dossier reste modifiable";
    const path donnees = QFile::encodeName(DossierDonnees()).toStdString();
    for (int fois = 0; fois < 2; ++fois) {
        const Tconverti r = Convertit(source);
        EXPECT_EQ(r.resultat.fichier, (donnees / "protege.wav").string());
        EXPECT_EQ(LitSon(r.resultat.fichier).echantillons, LuParLibsndfile(source).echantillons);
    }
    EXPECT_EQ(Contenu(d), std::vector<path>{"protege.flac"});
    EXPECT_EQ(LitOctets(source), octets);
}

// The command line's road: exactly the file it names, replaced. A sound with no frame leaves
// nothing, and the file already there as it was.
TEST(ConversionSon, DestinationDonneeEtSonVide) {
    const path d = NouveauDossier();
    const path source = Flac(d / "court.flac");
    const path ailleurs = NouveauDossier() / "sortie.wav";
    EcritOctets(ailleurs, std::vector<std::uint8_t>(100000, 0xAA));
    EXPECT_EQ(Convertit(source, ailleurs.string()).resultat.fichier, ailleurs.string());
    EXPECT_EQ(LitSon(ailleurs).echantillons, LuParLibsndfile(source).echantillons);
    EXPECT_EQ(Contenu(d), std::vector<path>{"court.flac"});

    const path vide = d / "vide.wav";
    Lance("sox", {"-n", "-r", "8000", "-b", "24", Chemin(vide), "trim", "0", "0"});
    const auto avant = LitOctets(ailleurs);
    for (const std::string& destination : {std::string(), ailleurs.string()}) {
        const Tconverti r = Convertit(vide, destination);
        EXPECT_EQ(r.echecSource, "Le fichier ne contient aucun son.");
        EXPECT_EQ(r.echecEcriture, "");
    }
    EXPECT_EQ(Contenu(d), (std::vector<path>{"court.flac", "vide.wav"}));
    EXPECT_EQ(LitOctets(ailleurs), avant);
}

// Cancelled between two blocks, from the first to the last: it stops there, leaves no file,
// and Sampix's older conversion of the same source and the registry as they were.
TEST(ConversionSon, UneConversionAnnuleeNeLaisseRien) {
    const path d = NouveauDossier();
    // 2 s at 44100 Hz stereo: 11 blocks of 16384 samples.
    const path source = Sox(d / "long.flac", {"-r", "44100", "-c", "2"}, {"2", "sine", "440", "sine", "660"});
    ASSERT_EQ(Convertit(source).resultat.fichier, (d / "long.wav").string());
    // Another sound now: a conversion that went through would replace long.wav.
    Sox(source, {"-r", "44100", "-c", "2"}, {"2", "sine", "550", "sine", "770"});
    const auto ancien = LitOctets(d / "long.wav");
    const path registre = QFile::encodeName(DossierDonnees() + "conversions.ini").toStdString();
    const auto inscrit = LitOctets(registre);
    ASSERT_FALSE(inscrit.empty());
    for (const int bloc : {1, 6, 11}) {
        Tannulation annulation;
        const Tconverti r = Convertit(source, {}, &annulation, [&](int n) {
            if (n == bloc) {
                EXPECT_TRUE(annulation.Annule());
            }
        });
        EXPECT_EQ(r.echecEcriture, "La conversion a été annulée.") << bloc;
        EXPECT_EQ(r.pourcentages.size(), static_cast<std::size_t>(bloc));
        EXPECT_EQ(Contenu(d), (std::vector<path>{"long.flac", "long.wav"})) << bloc;
        EXPECT_EQ(LitOctets(d / "long.wav"), ancien) << bloc;
        EXPECT_EQ(LitOctets(registre), inscrit) << bloc;
    }
    // Given its own destination, the same.
    const path ailleurs = NouveauDossier() / "sortie.wav";
    EcritOctets(ailleurs, {1, 2, 3});
    Tannulation annulation;
    EXPECT_TRUE(annulation.Annule());
    EXPECT_EQ(Convertit(source, ailleurs.string(), &annulation).echecEcriture,
              "La conversion a été annulée.");
    EXPECT_EQ(Contenu(ailleurs.parent_path()), std::vector<path>{"sortie.wav"});
    EXPECT_EQ(LitOctets(ailleurs), (std::vector<std::uint8_t>{1, 2, 3}));
}

// The worker's hand-over: progress and the result come on the thread that made the object, the
// result once and last; an object that goes during a conversion it cancelled waits for its
// worker, calls nothing more, and leaves no file.
TEST(ConversionEnCours, LeResultatRevientSurLeFilDeLObjetQuiAttendSonTravailAvantDePartir) {
    const path d = NouveauDossier();
    const path source = Sox(d / "long.flac", {"-r", "44100", "-c", "2"}, {"2", "sine", "440", "sine", "660"});
    const auto fil = std::this_thread::get_id();
    std::vector<int> pourcentages;
    std::vector<std::string> fins;
    const auto progression = [&](int p) {
        EXPECT_EQ(std::this_thread::get_id(), fil);
        EXPECT_TRUE(fins.empty());
        pourcentages.push_back(p);
    };
    const auto fin = [&](Tresultat<TsonConverti> r) {
        EXPECT_EQ(std::this_thread::get_id(), fil);
        fins.push_back(!r ? r.Message() : !r.Valeur() ? r.Valeur().Message() : r.Valeur().Valeur().fichier);
    };
    auto conversion = std::make_unique<TconversionEnCours>();
    ASSERT_TRUE(conversion->Lance(TrouteFichier::rAutreFormat, source.string(), progression, fin));
    EXPECT_FALSE(conversion->Lance(TrouteFichier::rAutreFormat, source.string(), progression, fin));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !conversion->EnCours(); }, 60000));
    EXPECT_EQ(fins, std::vector<std::string>{(d / "long.wav").string()});
    ASSERT_FALSE(pourcentages.empty());
    EXPECT_FALSE(conversion->Annule());

    std::filesystem::remove(d / "long.wav");
    fins.clear();
    std::mutex m;
    std::condition_variable cv;
    std::atomic<int> etat = 0;  // 1: the worker is held after its second block; 2: let go
    const TarretConversion ancien = RemplaceArretConversion([&, blocs = 0](TetapeConversion e) mutable {
        if (e != TetapeConversion::apresBloc || ++blocs != 2) return;
        std::unique_lock verrou(m);
        etat = 1;
        cv.notify_all();
        cv.wait(verrou, [&] { return etat == 2; });
    });
    ASSERT_TRUE(conversion->Lance(TrouteFichier::rAutreFormat, source.string(), progression, fin));
    {
        std::unique_lock verrou(m);
        cv.wait(verrou, [&] { return etat == 1; });
        EXPECT_TRUE(conversion->Annule());
        etat = 2;
        cv.notify_all();
    }
    conversion.reset();
    RemplaceArretConversion(ancien);
    QCoreApplication::processEvents();
    EXPECT_TRUE(fins.empty());
    EXPECT_EQ(Contenu(d), std::vector<path>{"long.flac"});
}
