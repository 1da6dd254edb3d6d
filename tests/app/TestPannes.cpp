// What a classroom meets: a disk that fills up while a file is written, a file that goes
// away or changes between the dialog and the read, a strange settings file, strange names.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

#include "app/FenetreTest.h"
#include "support/CarteSon.h"
#include "support/FichiersTest.h"
#include "support/LigneVelta.h"

namespace {

namespace fs = std::filesystem;

QString Chemin(const fs::path& p) {
    return QString::fromStdString(p.string());
}

const std::vector<std::uint8_t> kMarque{'R', 'I', 'F', 'F'};

// Files written by this process stop growing past n bytes, as on a disk that is full: a
// write that crosses the limit is cut, the next one fails.
class TdisquePlein {
public:
    explicit TdisquePlein(rlim_t n) {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit r{n, avant_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~TdisquePlein() { setrlimit(RLIMIT_FSIZE, &avant_); }

private:
    rlimit avant_{};
};

fs::path Son16(const fs::path& dossier, const char* nom, std::size_t echantillons) {
    std::vector<std::uint8_t> o(2 * echantillons);
    for (std::size_t i = 0; i < o.size(); ++i) o[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
    EcritOctets(dossier / nom, ImageWav(1, 44100, 16, o));
    return dossier / nom;
}

std::vector<std::string> Noms(const fs::path& dossier) {
    std::vector<std::string> noms;
    for (const auto& e : fs::directory_iterator(dossier)) noms.push_back(e.path().filename().string());
    std::sort(noms.begin(), noms.end());
    return noms;
}

}  // namespace

// The digitised working file, a saved file over an older one and a new saved file, each
// written when the disk fills up: the failure is said, and no file holds half a sound.
TEST(Pannes, DisquePleinPendantLesEcritures) {
    FenetreTest f;
    const fs::path dossier = NouveauDossier();
    const fs::path son = Son16(dossier, "cours.wav", 600000);
    EcritOctets(dossier / "garde.WAV", {1, 2, 3, 4, 5});
    const TdisquePlein disque(300000);
    f->ChargeFichierWav(Chemin(son));
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de sauver le fichier simulé"))
        << f.messages[0].toStdString();
    // The system's reason, in the language the system gives it.
    EXPECT_TRUE(
        f.messages[0].contains(QStringLiteral("(%1)").arg(QString::fromLocal8Bit(std::strerror(EFBIG)))))
        << f.messages[0].toStdString();
    EXPECT_EQ(LitOctets(f->Seance().nomFichierSousEch.toStdString()), kMarque);

    f.choix = Chemin(dossier / "garde.sav");
    f->SaveBtnClick();
    f.choix = Chemin(dossier / "neuf.sav");
    f->SaveBtnClick();
    EXPECT_EQ(f.messages.size(), 3);
    EXPECT_EQ(LitOctets(dossier / "garde.WAV"), (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Noms(dossier), (std::vector<std::string>{"cours.wav", "garde.WAV"}));
}

// A card pulled out in the middle of a recording: the teacher is told, and Stop keeps what
// was recorded until then.
TEST(Pannes, CarteSonDebrancheePendantUnEnregistrement) {
    BrancheCarteFragile(8000);
    FenetreTest f;
    f.RecordBtn()->click();
    f.DirectBtn()->click();  // the live mode waits for the recording
    EXPECT_FALSE(f->EnDirect());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.messages.isEmpty(); }, 8000));
    EXPECT_EQ(f.messages[0],
              "L'entrée son ne répond plus : l'enregistrement s'arrête là. Cliquez sur Stop pour le garder.");
    f.StopBtn()->click();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return f->Seance().nomFichier == f->Seance().nomFichierRecord; }, 8000));
    EXPECT_GT(f->Seance().son.NbrePoints, 0);
    EXPECT_EQ(f.messages.size(), 1);
}

// An acquisition that cannot be written keeps the sound on screen and says so.
TEST(Pannes, DisquePleinALaFinDUneAcquisition) {
    TsimulateurTest vx2({"--modele", "vx2", "--rapide"});
    const TportsTest ports({vx2.Chemin()});
    FenetreTest f;
    const fs::path son = Son16(NouveauDossier(), "avant.wav", 2000);
    f->ChargeFichierWav(Chemin(son));
    f.VeltaBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->Seance().Activite() == Tactivite::acRepos; }, 30000));
    ASSERT_EQ(f->Interface().Entree(), Tentree::eVX2);
    const TdisquePlein disque(10000);
    f.RecordBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.messages.isEmpty(); }, 10000));
    EXPECT_TRUE(f.messages[0].startsWith("Impossible d'enregistrer dans")) << f.messages[0].toStdString();
    EXPECT_EQ(LitOctets(f->Seance().nomFichierRecord.toStdString()), kMarque);
    EXPECT_EQ(f->Seance().nomFichier, Chemin(son));
    EXPECT_EQ(f->Seance().son.NbrePoints, 2000);
    EXPECT_TRUE(f.PlayBtn()->isEnabled() && f.RecordBtn()->isEnabled());
}

// The chosen file goes away or is replaced after the dialog and before the read: a clear
// refusal each time, and a pipe or a folder never holds the window.
TEST(Pannes, FichierChangeEntreLeDialogueEtLaLecture) {
    FenetreTest f;
    const fs::path dossier = NouveauDossier();
    const fs::path son = dossier / "choisi.wav";
    const struct {
        void (*change)(const fs::path&);
        const char* message;
    } cas[] = {
        {[](const fs::path& p) { fs::remove(p); }, "Fichier introuvable"},
        {[](const fs::path& p) { mkfifo(p.c_str(), 0644); }, "Ce n'est pas un fichier"},
        {[](const fs::path& p) { fs::create_directory(p); }, "Ce n'est pas un fichier"},
        {[](const fs::path& p) {
             EcritOctets(p, {'R', 'I', 'F', 'F', 1, 2});
         },
         "Format incorrect"},
    };
    for (const auto& c : cas) {
        Son16(dossier, "choisi.wav", 100);
        const auto precedent = RemplaceChoixFichier([&](const TdemandeFichier&) {
            fs::remove(son);
            c.change(son);
            return Chemin(son);
        });
        f.messages.clear();
        f->OpenFileBtnClick();
        RemplaceChoixFichier(precedent);
        ASSERT_EQ(f.messages.size(), 1) << c.message;
        EXPECT_TRUE(f.messages[0].contains(c.message)) << f.messages[0].toStdString();
        EXPECT_TRUE(f->Seance().nomFichier.isEmpty());
        fs::remove_all(son);
    }
}

// A folder, an empty file, bytes of nothing and a very large file where the settings file
// should be: the window opens with its colours, and closes without touching it.
TEST(Pannes, FichierDeReglagesEtrange) {
    const fs::path ini = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString() +
                         "/Quenvale/sampix.ini";
    fs::create_directories(ini.parent_path());
    std::vector<std::uint8_t> binaire(4096), enorme(3 << 20, '[');
    for (std::size_t i = 0; i < binaire.size(); ++i) binaire[i] = static_cast<std::uint8_t>(i * 131);
    TCouleur courbe = 0;
    {
        FenetreTest reference;
        courbe = reference->ModeleFenetre().couleurs.courbe;
    }
    for (int k = 0; k < 4; ++k) {
        fs::remove_all(ini);
        if (k == 0) fs::create_directory(ini);
        if (k == 1) EcritOctets(ini, {});
        if (k == 2) EcritOctets(ini, binaire);
        if (k == 3) EcritOctets(ini, enorme);
        {
            FenetreTest f;
            EXPECT_EQ(f->ModeleFenetre().couleurs.courbe, courbe) << k;
            EXPECT_TRUE(f.messages.isEmpty()) << k;
        }
        EXPECT_EQ(fs::is_directory(ini), k == 0);
        if (k == 3) {
            EXPECT_EQ(fs::file_size(ini), enorme.size());
        }
    }
    fs::remove_all(ini);
}

// Spaces, accents, quotes and a leading dash, in the window and on the real program's
// command line.
TEST(Pannes, NomsDeFichierInhabituels) {
    const fs::path dossier = NouveauDossier() / "Cours de physique — 2ᵉ";
    fs::create_directories(dossier);
    const fs::path son = Son16(dossier, "-voix d'élève \"Zoé\".wav", 3000);
    FenetreTest f;
    f.choix = Chemin(son);
    f->OpenFileBtnClick();
    EXPECT_EQ(f->Seance().nomFichier, Chemin(son));
    f.choix = Chemin(dossier / "-numérisé 'b=3'.sav");
    f->SaveBtnClick();
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    EXPECT_GT(fs::file_size(dossier / "-numérisé 'b=3'.wav"), 6000u);

    const fs::path sousEch = f->Seance().nomFichierSousEch.toStdString();
    fs::remove(sousEch);
    EcritOctets(sousEch, kMarque);
    QProcess sampix;
    sampix.setWorkingDirectory(Chemin(dossier));
    sampix.start(SAMPIX_EXECUTABLE, {Chemin(son.filename())});
    ASSERT_TRUE(sampix.waitForStarted());
    const bool ecrit = QTest::qWaitFor([&] { return fs::file_size(sousEch) > 6000; }, 15000);
    sampix.kill();
    sampix.waitForFinished();
    EXPECT_TRUE(ecrit);
}
