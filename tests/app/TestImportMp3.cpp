// Compressed-sound import end to end: files made by sox, lame and opusenc, mpg123 -w as the
// independent MP3 decoder, libsndfile as the independent reader of what the window wrote.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <iterator>
#include <mutex>

#include <gtest/gtest.h>
#include <sndfile.h>
#include <QEvent>
#include <QFile>
#include <QLocale>
#include <QTimer>
#include <QToolButton>

#include "app/DialogueExtrait.h"
#include "app/FenetreTest.h"
#include "platform/ConversionEnCours.h"
#include "platform/Dossiers.h"
#include "platform/RegistreConversions.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

using std::filesystem::path;

// A full-scale square wave (a sine on the right) whose decoding overshoots, as loud music
// does; by sox through libmp3lame, or by the lame command, which puts its tag frame first.
// Zero seconds by lame gives that tag frame alone: a well-formed file with no sound.
path Mp3(const path& mp3, int frequence, int canaux, double secondes, bool parLame = false) {
    const path wav = path(mp3).replace_extension(".source.wav");
    QStringList sox{"-n", "-r", QString::number(frequence), "-c", QString::number(canaux)};
    sox.append(parLame ? QStringList{"-b", "16", Chemin(wav)} : QStringList{Chemin(mp3)});
    if (secondes == 0)
        sox.append({"trim", "0", "0"});
    else
        sox.append({"synth", QString::number(secondes), "square", "440", "sine", "660", "gain", "-n"});
    Lance("sox", sox);
    if (parLame) Lance("lame", {"--quiet", Chemin(wav), Chemin(mp3)});
    return mp3;
}

std::vector<std::int16_t> EchantillonsWav(const path& wav) {
    return LitSon(wav).echantillons;
}

std::vector<std::int16_t> EchantillonsMpg123(const path& mp3) {
    return DecodeParMpg123(mp3).echantillons;
}

std::uint32_t Champ(const std::vector<std::uint8_t>& v, std::size_t position, int octets) {
    std::uint32_t x = 0;
    for (int i = octets - 1; i >= 0; --i) x = x << 8 | v.at(position + i);
    return x;
}

// Channels, rate, bytes per second, block alignment and bits of a 44-byte header, once its
// tags and both sizes are checked against the file.
std::vector<std::uint32_t> EnTete(const std::vector<std::uint8_t>& v) {
    const std::string tags(v.begin(), v.begin() + 44);
    EXPECT_EQ(tags.substr(0, 4) + tags.substr(8, 8) + tags.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(Champ(v, 16, 4), 16u);
    EXPECT_EQ(Champ(v, 20, 2), 1u);
    EXPECT_EQ(Champ(v, 4, 4), v.size() - 8);
    EXPECT_EQ(Champ(v, 40, 4), v.size() - 44);
    return {Champ(v, 22, 2), Champ(v, 24, 4), Champ(v, 28, 4), Champ(v, 32, 2), Champ(v, 34, 2)};
}

// Every caption the window takes, in order.
class TitresVus : public QObject {
public:
    explicit TitresVus(QWidget* w) : w_(w) { w->installEventFilter(this); }
    QStringList titres;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == w_ && e->type() == QEvent::WindowTitleChange) titres.append(w_->windowTitle());
        return false;
    }

private:
    QWidget* w_;
};

QList<QToolButton*> CommandesVerrouillees(FenetreTest& f) {
    return {f.OpenFileBtn(), f.VeltaBtn(), f.RecordBtn(), f.PlayBtn(), f.PlaySousEchBtn()};
}

// A failed import must leave the window with the short WAV sound it held before.
struct SonDejaCharge {
    explicit SonDejaCharge(FenetreTest& f) : f_(f) {
        EcritOctets(wav, ImageWav(1, 8000, 16, std::vector<std::uint8_t>(600, 7)));
        f->OuvreFichier(Chemin(wav));
        titre = f->windowTitle();
    }
    void EstIntact() {
        EXPECT_EQ(f_->Seance().nomFichier, Chemin(wav));
        EXPECT_EQ(f_->Lecteur().FileName, Chemin(wav));
        EXPECT_EQ(f_->Seance().son.NbrePoints, 300);
        EXPECT_EQ(f_->windowTitle(), titre);
        for (QToolButton* b : CommandesVerrouillees(f_))
            EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
    }
    FenetreTest& f_;
    path wav = NouveauDossier() / "avant.wav";
    QString titre;
};

// Holds the conversion's worker the `fois`-th time it reaches `etape`, until the test lets it go:
// the test clicks meanwhile, on the UI thread, at that exact point of the conversion.
class TtravailTenu {
public:
    TtravailTenu(TetapeConversion etape, int fois) {
        ancien_ = RemplaceArretConversion([this, etape, fois](TetapeConversion e) {
            if (e != etape || ++vus_ != fois) return;
            std::unique_lock verrou(m_);
            tenu_ = true;
            cv_.notify_all();
            cv_.wait(verrou, [this] { return libre_; });
        });
    }
    ~TtravailTenu() {
        Libere();
        RemplaceArretConversion(ancien_);
    }
    TtravailTenu(const TtravailTenu&) = delete;
    TtravailTenu& operator=(const TtravailTenu&) = delete;

    // Waits, without running the window's events, until the worker is held.
    bool Tenu() {
        std::unique_lock verrou(m_);
        return cv_.wait_for(verrou, std::chrono::seconds(60), [this] { return tenu_; });
    }
    void Libere() {
        const std::lock_guard verrou(m_);
        libre_ = true;
        cv_.notify_all();
    }

private:
    std::mutex m_;
    std::condition_variable cv_;
    bool tenu_ = false;
    bool libre_ = false;
    int vus_ = 0;  // the worker's alone
    TarretConversion ancien_;
};

bool SansFichierCache(const path& dossier) {
    for (const auto& e : std::filesystem::directory_iterator(dossier))
        if (e.path().filename().string()[0] == '.') return false;
    return true;
}

}  // namespace

TEST(ImportMp3, EssaiMp3DonneEssaiWavACoteAvecLesEchantillonsDeMpg123) {
    const path dossier = NouveauDossier();
    Mp3(dossier / "essai.MP3", 44100, 2, 3.0);
    // An older, longer essai.wav that Sampix wrote from it is replaced, not overwritten in place.
    EcritOctets(dossier / "essai.wav", std::vector<std::uint8_t>(2000000, 0xAA));
    NoteConversion((dossier / "essai.wav").string(), (dossier / "essai.MP3").string());
    FenetreTest f;
    EXPECT_TRUE(f->DecodeurMp3());
    TitresVus vus(f.fenetre.get());
    f.choix = Chemin(dossier / "essai.MP3");
    const auto debut = std::chrono::steady_clock::now();
    f.OpenFileBtn()->click();
    ASSERT_TRUE(f.AttendsConversion());
    const auto duree = std::chrono::steady_clock::now() - debut;
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();

    const auto v = LitOctets(dossier / "essai.wav");
    EXPECT_EQ(EnTete(v), (std::vector<std::uint32_t>{2, 44100, 176400, 4, 16}));
    const auto reference = EchantillonsMpg123(dossier / "essai.MP3");
    EXPECT_EQ(EchantillonsWav(dossier / "essai.wav"), reference);
    // Overshoots were clamped as mpg123 clamps them.
    EXPECT_EQ(*std::max_element(reference.begin(), reference.end()), 32767);
    EXPECT_EQ(*std::min_element(reference.begin(), reference.end()), -32768);

    EXPECT_EQ(f->Seance().nomFichier, Chemin(dossier / "essai.wav"));
    EXPECT_EQ(f->Seance().son.NbrePoints, static_cast<std::int32_t>(reference.size() / 2));
    EXPECT_EQ(f->Seance().son.Format(), TformatWave::f16stereo);

    const QStringList& t = vus.titres;
    ASSERT_GE(t.size(), 3);
    // The caption follows at most 20 times a second, not after every block.
    EXPECT_LE(t.size() - 3, std::chrono::duration_cast<std::chrono::milliseconds>(duree).count() / 50 + 1);
    EXPECT_EQ(t.first(), "Ouverture du fichier ...");
    EXPECT_EQ(t.last(), "Conversion terminée");
    std::vector<int> pourcentages;
    for (const QString& titre : t.mid(1, t.size() - 2)) {
        ASSERT_TRUE(titre.startsWith("Conversion : ") && titre.endsWith("%")) << titre.toStdString();
        pourcentages.push_back(titre.mid(13, titre.size() - 14).toInt());
    }
    EXPECT_TRUE(std::is_sorted(pourcentages.begin(), pourcentages.end()));
    EXPECT_LT(pourcentages.front(), 5);
    EXPECT_EQ(pourcentages.back(), 100);
}

TEST(ImportMp3, MonoA22050HzDeLame) {
    const path mp3 = Mp3(NouveauDossier() / "voix.mp3", 22050, 1, 1.0, true);
    FenetreTest f;
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    const path wav = path(mp3).replace_extension(".wav");
    EXPECT_EQ(EnTete(LitOctets(wav)), (std::vector<std::uint32_t>{1, 22050, 44100, 2, 16}));
    EXPECT_EQ(EchantillonsWav(wav), EchantillonsMpg123(mp3));
}

TEST(ImportMp3, LesCommandesAttendentLaFinMaisLaFenetreVit) {
    const path mp3 = Mp3(NouveauDossier() / "verrou.mp3", 44100, 2, 2.0);
    FenetreTest f;
    SonDejaCharge avant(f);
    QString titrePendant;
    std::vector<bool> actifsPendant;
    Tactivite activitePendant = Tactivite::acRepos;
    QTimer::singleShot(0, f.fenetre.get(), [&] {
        titrePendant = f->windowTitle();
        activitePendant = f->Seance().Activite();
        for (QToolButton* b : CommandesVerrouillees(f)) actifsPendant.push_back(b->isEnabled());
        f.PlayBtn()->click();  // refused: nothing starts until the new file is in
    });
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    // The window's own events run while the worker decodes, before a percentage is shown.
    EXPECT_EQ(titrePendant, "Ouverture du fichier ...");
    EXPECT_EQ(activitePendant, Tactivite::acConversion);
    EXPECT_EQ(actifsPendant, std::vector<bool>(5, false));
    EXPECT_EQ(f->Seance().Activite(), Tactivite::acRepos);
    for (QToolButton* b : CommandesVerrouillees(f)) EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
}

TEST(ImportMp3, SansDecodeurLeMessageEtRienNeChange) {
    const path mp3 = Mp3(NouveauDossier() / "chanson.mp3", 44100, 2, 1.0);
    const DecodeurMp3Absent absent;
    FenetreTest f;
    SonDejaCharge avant(f);
    f->OuvreFichier(Chemin(mp3));
    EXPECT_EQ(f.messages, QStringList{"Décodeur MP3 non trouvé (libmpg123)"});
    EXPECT_FALSE(std::filesystem::exists(path(mp3).replace_extension(".wav")));
    avant.EstIntact();
}

// Each refusal names the file and its reason, leaves no WAV file and keeps the previous sound.
TEST(ImportMp3, UnFichierRefuseNeLaissePasDeWav) {
    const path d = NouveauDossier();
    EcritOctets(d / "texte.mp3", {'p', 'a', 's', ' ', 'u', 'n', ' ', 's', 'o', 'n'});
    EcritOctets(d / "vide.mp3", {});
    auto octets = LitOctets(Mp3(d / "entier.mp3", 44100, 2, 3.0));
    EcritOctets(d / "coupe.mp3", std::vector<std::uint8_t>(octets.begin(), octets.begin() + 300));
    std::vector<std::uint8_t> couche1;
    for (int i = 0; i < 5000; ++i) couche1.insert(couche1.end(), {0xFF, 0xFE, 0x90, 0x00});
    EcritOctets(d / "binaire.mp3", couche1);
    Mp3(d / "silence.mp3", 44100, 2, 0, true);
    for (std::size_t i = octets.size() / 2; i < octets.size() / 2 + 4000; ++i) octets[i] = (i * 7919) >> 3;
    EcritOctets(d / "abime.mp3", octets);
    // An older conversion, which a failed one leaves alone.
    EcritOctets(d / "abime.wav", {1, 2, 3});
    NoteConversion((d / "abime.wav").string(), (d / "abime.mp3").string());
    auto colle = LitOctets(d / "entier.mp3");
    const auto mono = LitOctets(Mp3(d / "mono.mp3", 22050, 1, 1.0));
    colle.insert(colle.end(), mono.begin(), mono.end());
    EcritOctets(d / "colle.mp3", colle);
    EcritOctets(d / "texte.flac", {'p', 'a', 's', ' ', 'u', 'n', ' ', 's', 'o', 'n'});
    const std::pair<const char*, const char*> cas[] = {
        {"texte.mp3", "Ce n'est pas un fichier son MP3."},       // plain text
        {"vide.mp3", "Ce n'est pas un fichier son MP3."},        // no byte at all
        {"coupe.mp3", "Ce n'est pas un fichier son MP3."},       // less than a frame
        {"binaire.mp3", "Ce n'est pas un son MPEG Layer III."},  // opens as Layer I
        {"silence.mp3", "Le fichier ne contient aucun son."},    // a tag frame and nothing else
        {"abime.mp3", "Le fichier est endommagé : erreur de décodage à "},
        {"colle.mp3", "Le format du son change en cours de fichier (44100 Hz stéréo, puis 22050 Hz mono)"},
        {"texte.flac", "Ce n'est pas un fichier son que Sampix sait lire"},
    };
    FenetreTest f;
    SonDejaCharge avant(f);
    for (const auto& [nom, raison] : cas) {
        f.messages.clear();
        const path source = d / nom;
        f->OuvreFichier(Chemin(source));
        ASSERT_TRUE(f.AttendsConversion());
        ASSERT_EQ(f.messages.size(), 1) << nom;
        EXPECT_TRUE(f.messages[0].startsWith("Impossible de convertir le fichier\n" + Chemin(source) +
                                             "\n\n" + raison))
            << f.messages[0].toStdString();
        const path wav = path(source).replace_extension(".wav");
        if (std::string(nom) == "abime.mp3")
            EXPECT_EQ(LitOctets(wav), (std::vector<std::uint8_t>{1, 2, 3}));
        else
            EXPECT_FALSE(std::filesystem::exists(wav)) << nom;
        EXPECT_FALSE(std::filesystem::exists(path(source).replace_extension().string() + " (Sampix).wav"))
            << nom;
        for (const auto& e : std::filesystem::directory_iterator(d))
            EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
        avant.EstIntact();
    }
}

// Neither the sound's folder nor the data folder can be written: the message names the data
// folder, tried last, and the sound on screen stays.
TEST(ImportMp3, SortieImpossibleACreerLeDitEtNOuvreRien) {
    const path d = NouveauDossier();
    const path mp3 = Mp3(d / "essai.mp3", 44100, 2, 1.0);
    FenetreTest f;
    SonDejaCharge avant(f);
    const QString donnees = DossierDonnees();
    const TdossierLectureSeule protegeSource(d);
    const TdossierLectureSeule protegeDonnees(donnees.toStdString());
    if (!protegeSource.Actif() || !protegeDonnees.Actif()) GTEST_SKIP() << "les dossiers restent modifiables";
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    EXPECT_EQ(f.messages,
              QStringList{"Impossible de créer le fichier \"" + donnees + "essai.wav\". " +
                          QString::fromLocal8Bit(std::strerror(::geteuid() == 0 ? EROFS : EACCES))});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d), {}), 1);
    avant.EstIntact();
}

// A teacher's chanson.wav beside chanson.mp3 stays as it was; the sound goes to
// "chanson (Sampix).wav" and opens from there.
TEST(ImportMp3, UnWavDuMemeNomQueSampixNAPasEcritResteIntact) {
    const path d = NouveauDossier();
    const path mp3 = Mp3(d / "chanson.mp3", 44100, 2, 1.0);
    const auto chanson = ImageWav(1, 8000, 16, std::vector<std::uint8_t>(600, 7));
    EcritOctets(d / "chanson.wav", chanson);
    FenetreTest f;
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(LitOctets(d / "chanson.wav"), chanson);
    const path sampix = d / "chanson (Sampix).wav";
    const auto reference = EchantillonsMpg123(mp3);
    EXPECT_EQ(EchantillonsWav(sampix), reference);
    EXPECT_EQ(f->Seance().nomFichier, Chemin(sampix));
    EXPECT_EQ(f->Seance().son.NbrePoints, static_cast<std::int32_t>(reference.size() / 2));
}

// The excerpt asked for is the first part, as Enter on the dialog gives.
TEST(ImportMp3, UnSonTropLongEstConvertiEntierPuisLuTronque) {
    const path mp3 = Mp3(NouveauDossier() / "long.mp3", 44100, 2, 15.0);
    FenetreTest f;
    std::int64_t tramesDemande = 0;
    const TchoixExtrait ancien = RemplaceChoixExtrait([&](const TdemandeExtrait& d) {
        tramesDemande = d.tramesTotal;
        return std::optional<std::int64_t>(0);
    });
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    RemplaceChoixExtrait(ancien);
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    const auto echantillons = EchantillonsWav(path(mp3).replace_extension(".wav"));
    EXPECT_EQ(echantillons.size(), EchantillonsMpg123(mp3).size());
    EXPECT_EQ(static_cast<std::size_t>(tramesDemande), echantillons.size() / 2);
    EXPECT_GT(echantillons.size() * 2, static_cast<std::size_t>(kCapaciteSon));
    EXPECT_EQ(f->windowTitle(), "Conversion terminéeerTronque");
    EXPECT_EQ(f->Seance().son.NbrePoints, TramesMax(TformatWave::f16stereo));
}

// A cut file gives the sound up to the cut, and the message says where it stops.
TEST(ImportMp3, UnFichierCoupeEstConvertiJusquALaCoupureEtLeDit) {
    const path d = NouveauDossier();
    const auto v = LitOctets(Mp3(d / "entier.mp3", 44100, 2, 3.0));
    const path mp3 = d / "coupe.mp3";
    EcritOctets(mp3, std::vector<std::uint8_t>(v.begin(), v.begin() + v.size() / 2 + 200));
    FenetreTest f;
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    const auto reference = EchantillonsMpg123(mp3);
    const path wav = path(mp3).replace_extension(".wav");
    EXPECT_EQ(PremiereDifference(EchantillonsWav(wav), reference, 2), "");
    const QString secondes = QLocale(QLocale::French).toString(reference.size() / 2 / 44100.0, 'f', 2);
    EXPECT_EQ(f.messages,
              QStringList{"La fin du fichier\n" + Chemin(mp3) +
                          "\nest endommagée (le fichier a été coupé) : le son converti s'arrête à " +
                          secondes + " s."});
    EXPECT_EQ(f->Seance().nomFichier, Chemin(wav));
    EXPECT_EQ(f->Seance().son.NbrePoints, static_cast<std::int32_t>(reference.size() / 2));
}

// The content decides the road, whatever the name says; a compressed sound named ".wav" is
// converted under another name and stays as it was. A sound of more than two channels keeps
// its first two.
TEST(ImportMp3, LesAutresFormatsEtLesNomsTrompeurs) {
    const path d = NouveauDossier();
    const path source = d / "source.wav";
    Lance("sox", {"-n", "-r", "44100", "-c", "2", "-b", "16", Chemin(source), "synth", "1.5", "sine", "440",
                  "sine", "660", "gain", "-3"});
    const TsonLu attendu = LitSon(source);
    Lance("sox", {Chemin(source), Chemin(d / "son.flac")});
    Lance("sox", {Chemin(source), "-t", "flac", Chemin(d / "flac-nomme.mp3")});
    Lance("opusenc", {"--quiet", Chemin(source), Chemin(d / "voix.opus")});
    std::filesystem::copy_file(Mp3(d / "chanson.mp3", 44100, 2, 1.0), d / "mp3-nomme.ogg");
    std::filesystem::copy_file(d / "chanson.mp3", d / "faux.wav");
    std::filesystem::copy_file(source, d / "wav-nomme.mp3");
    Lance("sox", {"-n", "-r", "8000", "-c", "3", "-b", "16", Chemin(d / "voies.flac"), "synth", "0.5", "sine",
                  "440", "sine", "660", "sine", "880", "gain", "-3"});
    FenetreTest f;
    for (const char* nom : {"son.flac", "flac-nomme.mp3"}) {
        f->OuvreFichier(Chemin(d / nom));
        ASSERT_TRUE(f.AttendsConversion());
        const path wav = path(d / nom).replace_extension(".wav");
        EXPECT_EQ(EnTete(LitOctets(wav)), (std::vector<std::uint32_t>{2, 44100, 176400, 4, 16})) << nom;
        EXPECT_EQ(PremiereDifference(EchantillonsWav(wav), attendu.echantillons, 2), "") << nom;
        EXPECT_EQ(f->Seance().nomFichier, Chemin(wav));
    }
    f->OuvreFichier(Chemin(d / "voix.opus"));
    ASSERT_TRUE(f.AttendsConversion());
    const TsonLu opus = LitSon(d / "voix.wav");
    EXPECT_EQ(opus.frequence, 48000);  // Opus decodes at 48 kHz
    EXPECT_EQ(opus.echantillons.size(), 2u * 72000);
    f->OuvreFichier(Chemin(d / "mp3-nomme.ogg"));
    ASSERT_TRUE(f.AttendsConversion());
    EXPECT_EQ(
        PremiereDifference(EchantillonsWav(d / "mp3-nomme.wav"), EchantillonsMpg123(d / "chanson.mp3"), 2),
        "");
    f->OuvreFichier(Chemin(d / "voies.flac"));
    ASSERT_TRUE(f.AttendsConversion());
    const TsonLu trois = LitSon(d / "voies.flac");
    std::vector<std::int16_t> deuxPremieres;
    for (std::size_t i = 0; i < trois.echantillons.size(); i += 3)
        deuxPremieres.insert(deuxPremieres.end(), {trois.echantillons[i], trois.echantillons[i + 1]});
    EXPECT_EQ(PremiereDifference(EchantillonsWav(d / "voies.wav"), deuxPremieres, 2), "");
    EXPECT_EQ(f->Seance().son.Format(), TformatWave::f16stereo);
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();

    // A WAV file under another name is read where it is.
    f->OuvreFichier(Chemin(d / "wav-nomme.mp3"));
    ASSERT_TRUE(f.AttendsConversion());
    EXPECT_EQ(f->Seance().nomFichier, Chemin(d / "wav-nomme.mp3"));
    EXPECT_EQ(f->Seance().son.NbrePoints, static_cast<std::int32_t>(attendu.echantillons.size() / 2));
    EXPECT_FALSE(std::filesystem::exists(d / "wav-nomme.wav"));

    const auto octets = LitOctets(d / "faux.wav");
    f->OuvreFichier(Chemin(d / "faux.wav"));
    ASSERT_TRUE(f.AttendsConversion());
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_EQ(LitOctets(d / "faux.wav"), octets);
    const auto reference = EchantillonsMpg123(d / "chanson.mp3");
    EXPECT_EQ(EchantillonsWav(d / "faux (Sampix).wav"), reference);
    EXPECT_EQ(f->Seance().nomFichier, Chemin(d / "faux (Sampix).wav"));
    EXPECT_EQ(f->Seance().son.NbrePoints, static_cast<std::int32_t>(reference.size() / 2));
}

// Stop, Open, the window's closing or Annuler arriving before the first block, between two
// blocks, or once the file is in place but before the window has heard: each time the
// conversion ends once, the commands come back, and the window holds either its previous sound
// or the new one, opened once. Only Annuler and the closing end a conversion, and only until
// its file is in place.
TEST(ImportMp3, StopOuvrirFermerOuAnnulerAChaqueEtape) {
    const path d = NouveauDossier();
    const path mp3 = Mp3(d / "pas.mp3", 44100, 2, 2.0);  // 77 frames, a block each
    const path autre = NouveauDossier() / "autre.wav";
    EcritOctets(autre, ImageWav(1, 8000, 16, std::vector<std::uint8_t>(800, 9)));
    enum Tclic { cStop, cOuvrir, cFermer, cAnnuler };
    const std::pair<TetapeConversion, int> etapes[] = {{TetapeConversion::avantPremierBloc, 1},
                                                       {TetapeConversion::apresBloc, 30},
                                                       {TetapeConversion::avantResultat, 1}};
    for (const auto& [etape, fois] : etapes) {
        for (const Tclic clic : {cStop, cOuvrir, cFermer, cAnnuler}) {
            const std::string cas = std::to_string(static_cast<int>(etape)) + "/" + std::to_string(clic);
            std::filesystem::remove(d / "pas.wav");
            FenetreTest f;
            SonDejaCharge avant(f);
            f->show();
            TitresVus vus(f.fenetre.get());
            TtravailTenu tenu(etape, fois);
            f->OuvreFichier(Chemin(mp3));
            ASSERT_TRUE(tenu.Tenu()) << cas;
            EXPECT_EQ(f->Seance().Activite(), Tactivite::acConversion) << cas;
            EXPECT_TRUE(f.AnnuleMontre()) << cas;
            switch (clic) {
                case cStop:
                    f.StopBtn()->click();
                    break;
                case cOuvrir:
                    f.choix = Chemin(autre);
                    f.OpenFileBtn()->click();
                    f->OuvreFichier(Chemin(autre));  // as a drop or the command line would
                    break;
                case cFermer:
                    f->close();
                    EXPECT_TRUE(f->isVisible()) << cas;  // until the worker has ended
                    break;
                case cAnnuler:
                    f.AnnuleBtn()->click();
                    break;
            }
            tenu.Libere();
            ASSERT_TRUE(f.AttendsConversion()) << cas;

            const bool enPlace = etape == TetapeConversion::avantResultat;
            const bool ecrit = enPlace || (clic != cFermer && clic != cAnnuler);
            const bool ouvert = ecrit && clic != cFermer;
            EXPECT_EQ(std::filesystem::exists(d / "pas.wav"), ecrit) << cas;
            EXPECT_TRUE(SansFichierCache(d)) << cas;
            EXPECT_EQ(vus.titres.count("Conversion terminée"), ouvert ? 1 : 0) << cas;
            EXPECT_TRUE(f.demandes.isEmpty()) << cas;
            EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
            EXPECT_EQ(f->isVisible(), clic != cFermer) << cas;
            EXPECT_FALSE(f.AnnuleMontre()) << cas;
            if (ouvert) {
                EXPECT_EQ(f->Seance().nomFichier, Chemin(d / "pas.wav")) << cas;
                EXPECT_EQ(f->Lecteur().FileName, Chemin(d / "pas.wav")) << cas;
                for (QToolButton* b : CommandesVerrouillees(f)) EXPECT_TRUE(b->isEnabled()) << cas;
            } else {
                avant.EstIntact();
            }
        }
    }
}

// Annuler, or Escape, between two blocks: no file, Sampix's older conversion of the source and
// the registry as they were, and the sound on screen stays.
TEST(ImportMp3, AnnulerOuEchapNeLaisseRien) {
    const path d = NouveauDossier();
    const path mp3 = Mp3(d / "chanson.mp3", 44100, 2, 2.0);
    FenetreTest f;
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.AttendsConversion());
    // Another sound now: a conversion that went through would replace chanson.wav.
    Mp3(mp3, 22050, 1, 2.0);
    const auto ancien = LitOctets(d / "chanson.wav");
    const path registre = QFile::encodeName(DossierDonnees() + "conversions.ini").toStdString();
    const auto inscrit = LitOctets(registre);
    SonDejaCharge avant(f);
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    for (const bool echap : {false, true}) {
        TtravailTenu tenu(TetapeConversion::apresBloc, 10);
        f->OuvreFichier(Chemin(mp3));
        ASSERT_TRUE(tenu.Tenu());
        ASSERT_TRUE(f.AnnuleMontre());
        if (echap)
            QTest::keyClick(f.fenetre.get(), Qt::Key_Escape);
        else
            f.AnnuleBtn()->click();
        // Asked: the button goes at once, the commands wait for the worker's end.
        EXPECT_FALSE(f.AnnuleMontre()) << echap;
        EXPECT_EQ(f->Seance().Activite(), Tactivite::acConversion) << echap;
        tenu.Libere();
        ASSERT_TRUE(f.AttendsConversion());
        EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        EXPECT_EQ(LitOctets(d / "chanson.wav"), ancien) << echap;
        EXPECT_EQ(LitOctets(registre), inscrit) << echap;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(d), {}), 2) << echap;
        avant.EstIntact();
    }
}
