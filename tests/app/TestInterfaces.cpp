#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include <gtest/gtest.h>
#include <sndfile.h>
#include <QApplication>
#include <QProgressBar>
#include <QSerialPort>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/FenetreTest.h"
#include "platform/PiloteVQ2.h"
#include "support/FichiersTest.h"
#include "support/LigneVelta.h"

namespace {

std::vector<std::int16_t> LitAvecSndfile(const QString& nom, SF_INFO& info) {
    info = {};
    SNDFILE* f = sf_open(nom.toLocal8Bit().constData(), SFM_READ, &info);
    if (f == nullptr) return {};
    std::vector<std::int16_t> v(static_cast<std::size_t>(info.frames * info.channels));
    sf_read_short(f, v.data(), static_cast<sf_count_t>(v.size()));
    sf_close(f);
    return v;
}

bool Termine(FenetreTest& f) {
    return f.RecordBtn()->isEnabled() && !f.StopBtn()->isEnabled();
}

// The search runs on from the event loop after the click.
bool FinRecherche(FenetreTest& f) {
    return QTest::qWaitFor([&] { return f->Seance().Activite() != Tactivite::acRecherche; }, 30000);
}

bool Recue(const TsimulateurTest& sim, const std::string& ligne) {
    for (const auto& [vitesse, commande] : sim.Commandes())
        if (commande == ligne) return true;
    return false;
}

std::vector<std::string> Lignes(const TsimulateurTest& sim) {
    std::vector<std::string> lignes;
    for (const auto& [vitesse, commande] : sim.Commandes()) lignes.push_back(commande);
    return lignes;
}

// What is written to the files of a folder, counted by name: a file closed after writing, or
// one renamed into place.
class TecrituresDossier {
public:
    explicit TecrituresDossier(const QString& dossier) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        inotify_add_watch(fd_, dossier.toLocal8Bit().constData(), IN_CLOSE_WRITE | IN_MOVED_TO);
    }
    ~TecrituresDossier() { close(fd_); }
    TecrituresDossier(const TecrituresDossier&) = delete;
    TecrituresDossier& operator=(const TecrituresDossier&) = delete;
    int Nombre(const std::string& nom) {
        alignas(inotify_event) char tampon[4096];
        for (ssize_t n; (n = read(fd_, tampon, sizeof tampon)) > 0;)
            for (const char* p = tampon; p < tampon + n;) {
                const auto* e = reinterpret_cast<const inotify_event*>(p);
                if (e->len > 0) ++comptes_[e->name];
                p += sizeof(inotify_event) + e->len;
            }
        return comptes_[nom];
    }

private:
    int fd_;
    std::map<std::string, int> comptes_;
};

// 30000 8-bit samples at 22050 Hz, the sound on screen before an acquisition.
QString SonPrecedent() {
    const auto chemin = NouveauDossier() / "son.wav";
    std::vector<std::uint8_t> octets(30000);
    for (std::size_t i = 0; i < octets.size(); ++i) octets[i] = static_cast<std::uint8_t>(i * 3);
    EcritOctets(chemin, ImageWav(1, 22050, 8, octets));
    return QString::fromStdString(chemin.string());
}

bool Rendu(FenetreTest& f) {
    return Termine(f) && f.OpenFileBtn()->isEnabled() && f.VeltaBtn()->isEnabled() &&
           QApplication::overrideCursor() == nullptr && f->cursor().shape() != Qt::WaitCursor;
}

}  // namespace

TEST(Interfaces, VeltaPuisEnregistrerDonneLeSonMesure) {
    const auto [signal, attendus] = SignalConnu();
    TsimulateurTest vx2({"--modele", "vx2", "--rapide", "--signal", "wav:" + signal});
    const TportsTest ports({vx2.Chemin()});
    FenetreTest f;
    f->show();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.fenetre.get()));
    QTest::keyClick(f.fenetre.get(), Qt::Key_F8);
    EXPECT_EQ(f->Seance().Activite(), Tactivite::acRecherche);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(FinRecherche(f));
    EXPECT_TRUE(f.Gauge()->isVisible());
    EXPECT_EQ(f.VeltaBtn()->toolTip(), "Velta VX2 sur le port 1 (" + vx2.Chemin() + ") (F8)");
    EXPECT_TRUE(f.VeltaBtn()->isEnabled() && f.RecordBtn()->isEnabled() && f.OpenFileBtn()->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    f.RecordBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Termine(f); }, 10000));
    EXPECT_EQ(f->Seance().nomFichier, f->Seance().nomFichierRecord);
    EXPECT_EQ(f->Seance().son.NbrePoints, 11025);
    EXPECT_EQ(f.Gauge()->value(), 11025);
    EXPECT_TRUE(f.PlayBtn()->isEnabled());
    SF_INFO info;
    EXPECT_EQ(LitAvecSndfile(f->Seance().nomFichierRecord, info), attendus);
    EXPECT_EQ(info.samplerate, 11025);
    EXPECT_EQ(info.channels, 1);
    EXPECT_TRUE(std::filesystem::exists((f->Dossiers().appDataDir + "Sampix.TRC").toStdString()));

    const std::size_t recues = vx2.Commandes().size();
    f.VeltaBtn()->click();  // an interface once found stays the source
    EXPECT_EQ(vx2.Commandes().size(), recues);
    f->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return vx2.Commandes().size() == recues + 1; }, 2000));
    EXPECT_EQ(vx2.Commandes().back(), (std::pair<int, std::string>{38400, "WBAUDS 0"}));
    EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
}

// Stopped before 2049 samples, the acquisition is dropped and the sound on screen, which it
// never overwrote, comes back as it was.
TEST(Interfaces, StopTropTotGardeLeSonPrecedent) {
    TsimulateurTest vx2({"--modele", "vx2"});
    const TportsTest ports({vx2.Chemin()});
    FenetreTest f;
    const auto chemin = NouveauDossier() / "son.wav";
    std::vector<std::uint8_t> octets(30000);
    for (std::size_t i = 0; i < octets.size(); ++i) octets[i] = static_cast<std::uint8_t>(i * 3);
    EcritOctets(chemin, ImageWav(1, 22050, 8, octets));
    const QString precedent = QString::fromStdString(chemin.string());
    f->ChargeFichierWav(precedent);
    f.VeltaBtn()->click();
    ASSERT_TRUE(FinRecherche(f));
    ASSERT_EQ(f->Interface().Entree(), Tentree::eVX2);
    const auto enregistrement = LitOctets(f->Seance().nomFichierRecord.toStdString());
    f.RecordBtn()->click();
    QTest::qWait(150);
    f.StopBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Termine(f); }, 5000));
    EXPECT_LT(f->Interface().decodeur.NbreCourant, 2048);
    EXPECT_EQ(f->Seance().nomFichier, precedent);
    EXPECT_EQ(f->Seance().son.NbrePoints, 30000);
    EXPECT_EQ(f->Seance().son.Format(), TformatWave::f8);
    EXPECT_EQ(f->Seance().son.FreqEch, 22050u);
    EXPECT_EQ(0, std::memcmp(f->Seance().son.vecteurSon->zone, octets.data(), 100));
    EXPECT_TRUE(f.PlayBtn()->isEnabled());
    EXPECT_EQ(LitOctets(f->Seance().nomFichierRecord.toStdString()), enregistrement);
    EXPECT_EQ(vx2.Commandes().back(), (std::pair<int, std::string>{38400, "WPE"}));
}

// An instrument unplugged in the middle: no Stop is needed, what came is kept, and the
// window still closes although the port is gone.
TEST(Interfaces, LigneCoupeeRendLaMainEtGardeCeQuiEstArrive) {
    TsimulateurTest vx2({"--modele", "vx2", "--rapide", "--coupure", "10001"});
    const TportsTest ports({vx2.Chemin()});
    FenetreTest f;
    f->show();
    f.VeltaBtn()->click();
    ASSERT_TRUE(FinRecherche(f));
    f.RecordBtn()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.messages.isEmpty(); }, 10000));
    EXPECT_TRUE(f.messages.first().startsWith("La liaison avec l'interface s'est interrompue"))
        << f.messages.first().toStdString();
    EXPECT_TRUE(f.messages.first().contains("5000 échantillons"));
    EXPECT_TRUE(Termine(f));
    EXPECT_EQ(f->Seance().son.NbrePoints, 5000);
    EXPECT_EQ(f->Seance().nomFichier, f->Seance().nomFichierRecord);
    ASSERT_TRUE(vx2.AttendFin(2000));
    f->close();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(f.messages.size(), 1);
}

TEST(Interfaces, PortOccupeLeDitEtRendLaMain) {
    TsimulateurTest vx2({"--modele", "vx2"});
    const TportsTest ports({vx2.Chemin()});
    QSerialPort autre(vx2.Chemin());
    ASSERT_TRUE(autre.open(QIODevice::ReadWrite));
    FenetreTest f;
    f.VeltaBtn()->click();
    ASSERT_TRUE(FinRecherche(f));
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages.first().contains("est occupé par un autre programme"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(f.VeltaBtn()->isEnabled() && f.RecordBtn()->isEnabled() && f.OpenFileBtn()->isEnabled());
    EXPECT_FALSE(f.Gauge()->isVisible());
}

// F8 that finds nothing says so in Velta's hint, with what it tried, and opens no box.
TEST(Interfaces, RienTrouveLeDitDansLIndication) {
    TsimulateurTest muet({"--modele", "vx2", "--muet"});
    for (const bool avecPort : {false, true}) {
        const TportsTest ports(avecPort ? QStringList{CheminAbsent(), muet.Chemin()} : QStringList{});
        FenetreTest f;
        f.VeltaBtn()->click();
        ASSERT_TRUE(FinRecherche(f));
        EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        const QString bulle = f.VeltaBtn()->toolTip();
        EXPECT_TRUE(bulle.startsWith("Aucune interface VELTA trouvée\n")) << bulle.toStdString();
        EXPECT_EQ(bulle.contains("Aucun port série sur cet ordinateur."), !avecPort);
        EXPECT_EQ(bulle.contains("Essayé : port 2 (" + muet.Chemin() + ")."), avecPort)
            << bulle.toStdString();
        EXPECT_TRUE(f.VeltaBtn()->isEnabled());
    }
}

// Closing the window during the search ends the search at once, then the window: the close
// comes while the first probe waits for a reply that never comes.
TEST(Interfaces, FermerPendantLaRecherche) {
    TsimulateurTest muet({"--modele", "vx2", "--muet"});
    TsimulateurTest vx2({"--modele", "vx2"});
    const TportsTest ports({muet.Chemin(), vx2.Chemin()});
    FenetreTest f;
    f->show();
    QTimer guet;
    QObject::connect(&guet, &QTimer::timeout, [&] {
        if (muet.Commandes().empty()) return;
        guet.stop();
        f->close();
    });
    guet.start(10);
    f.VeltaBtn()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !f->isVisible(); }, 5000));
    EXPECT_EQ(f->Interface().Entree(), Tentree::eSon);
    EXPECT_EQ(muet.Commandes().size(), 1u);
    EXPECT_TRUE(vx2.Commandes().empty());
}

// The VQ2 through its driver: a Stop after 2048 samples keeps them, even when they are
// decoded after Stop's handler has returned, and Record comes back.
TEST(Interfaces, VQ2StopTardifGardeLesEchantillonsEtRendEnregistrer) {
    TsimulateurTest vq2({"--modele", "vq2"});
    const TportsTest ports({""});
    setenv("VQCOMMX_DEVICES", vq2.Chemin().toLocal8Bit().constData(), 1);
    TpiloteVQ2 pilote(SAMPIX_DOSSIER_VQCOMMX);
    InstallePiloteVQ2(&pilote);
    {
        FenetreTest f;
        f.VeltaBtn()->click();
        ASSERT_TRUE(FinRecherche(f));
        EXPECT_TRUE(f.VeltaBtn()->toolTip().startsWith("Velta VQ2"));
        f.RecordBtn()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f->Interface().decodeur.NbreCourant > 2100; }, 5000));
        f.StopBtn()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Termine(f); }, 2000));
        EXPECT_EQ(f->Seance().nomFichier, f->Seance().nomFichierRecord);
        EXPECT_GT(f->Seance().son.NbrePoints, 2100);
        EXPECT_LT(f->Seance().son.NbrePoints, 11025);
        f->close();
        EXPECT_EQ(vq2.Commandes().back().second, "WPE");
        EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    }
    InstallePiloteVQ2(nullptr);
    unsetenv("VQCOMMX_DEVICES");
}

// Stop and Open, or the window's close, while the search waits for a reply and between the
// lines of a preparation. Stop and Open are refused and the search goes on to its end; the
// close cuts a probe short but lets a preparation end, so that the closing line finds the
// interface at its prepared speed. Each time the commands come back and the port is closed.
TEST(Interfaces, ClicsAChaqueEtapeDUneRecherche) {
    using L = std::vector<std::string>;
    const L vx2{"WVERSION", "WRESET", "WBAUDS 2", "WBIN"};
    const L vq{"WVERSION", "YERR", "YRESET", "YBAUDS 6", "YBIN", "YINTEGER", "YCAL 0 0"};
    const struct {
        QStringList options;
        std::string apres;  // the line just received when the click comes
        L lignes;           // the search's lines when it goes to its end
        std::string fermeture;
    } etapes[] = {
        {{"--modele", "vx2", "--muet"}, "WVERSION", {"WVERSION", "YERR"}, ""},
        {{"--modele", "vx2", "--muet"}, "YERR", {"WVERSION", "YERR"}, ""},
        {{"--modele", "vx2"}, "WRESET", vx2, "WBAUDS 0"},
        {{"--modele", "vx2"}, "WBAUDS 2", vx2, "WBAUDS 0"},
        {{"--modele", "vq"}, "YRESET", vq, "YBAUDS 4"},
        {{"--modele", "vq"}, "YBAUDS 6", vq, "YBAUDS 4"},
    };
    const QString autre = SonPrecedent();
    for (const auto& e : etapes) {
        for (const bool fermer : {false, true}) {
            SCOPED_TRACE(e.apres + (fermer ? " fermer" : " stop, ouvrir"));
            TsimulateurTest sim(e.options);
            const TportsTest ports({sim.Chemin()});
            FenetreTest f;
            f->show();
            f.choix = autre;
            bool clic = false;
            QTimer guet;
            QObject::connect(&guet, &QTimer::timeout, [&] {
                if (clic || !Recue(sim, e.apres)) return;
                clic = true;
                if (fermer) {
                    f->close();
                    return;
                }
                f->StopBtnClick();
                f->OpenFileBtnClick();
            });
            guet.start(5);
            f.VeltaBtn()->click();
            ASSERT_TRUE(FinRecherche(f));
            guet.stop();
            ASSERT_TRUE(clic);
            EXPECT_EQ(f->isVisible(), !fermer);
            const bool trouvee = !e.fermeture.empty();
            EXPECT_EQ(f->Interface().Entree() != Tentree::eSon, trouvee);
            L attendues = e.lignes;
            if (fermer && !trouvee)
                attendues.resize(static_cast<std::size_t>(
                    std::find(attendues.begin(), attendues.end(), e.apres) - attendues.begin() + 1));
            if (fermer && trouvee) {
                attendues.push_back(e.fermeture);
                ASSERT_TRUE(QTest::qWaitFor([&] { return Lignes(sim).size() == attendues.size(); }, 2000));
                EXPECT_EQ(sim.Commandes().back().first, 38400);
            } else {
                EXPECT_FALSE(f->Interface().VoieSerie.Open());
                QTest::qWait(50);
            }
            EXPECT_EQ(Lignes(sim), attendues);
            EXPECT_EQ(f->Seance().Activite(), Tactivite::acRepos);
            EXPECT_TRUE(Rendu(f));
            EXPECT_TRUE(f->Seance().nomFichier.isEmpty());
            EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        }
    }
}

// Stop, Open or the window's close before the first byte of an acquisition, in its middle, and
// while the stop drains the line. Open is refused (the teacher then stops); a second Stop is
// refused. Stop keeps what is worth keeping: the record file is written and opened once, and
// otherwise the sound on screen stays as it was. The close gives up what came and closes
// once the interface has stopped. The trace is written once each time.
TEST(Interfaces, ClicsAChaqueEtapeDUneAcquisition) {
    enum class Etape { avantPremierOctet, enCours, vidange };
    enum class Clic { stop, ouvrir, fermer };
    const QString precedent = SonPrecedent();
    const QString autre = SonPrecedent();
    for (const Etape etape : {Etape::avantPremierOctet, Etape::enCours, Etape::vidange}) {
        for (const Clic clic : {Clic::stop, Clic::ouvrir, Clic::fermer}) {
            SCOPED_TRACE(static_cast<int>(etape) * 10 + static_cast<int>(clic));
            TsimulateurTest vx2({"--modele", "vx2"});
            const TportsTest ports({vx2.Chemin()});
            FenetreTest f;
            f->show();
            f->ChargeFichierWav(precedent);
            f.VeltaBtn()->click();
            ASSERT_TRUE(FinRecherche(f));
            ASSERT_EQ(f->Interface().Entree(), Tentree::eVX2);
            // Qt links a new file into place without a rename, which the watch does not see; over an
            // existing trace each write is a rename.
            EcritOctets((f->Dossiers().appDataDir + "Sampix.TRC").toStdString(), {});
            TecrituresDossier ecritures(f->Dossiers().appDataDir);
            f.choix = autre;
            f.RecordBtn()->click();
            const TdecodeurAcquisition& d = f->Interface().decodeur;
            if (etape == Etape::enCours) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return d.NbreCourant > 2100; }, 5000));
            }
            if (etape == Etape::vidange) {
                ASSERT_TRUE(QTest::qWaitFor([&] { return d.NbreCourant > 50; }, 5000));
                f.StopBtn()->click();
                ASSERT_TRUE(QTest::qWaitFor([&] { return Recue(vx2, "WPE"); }, 2000));
                ASSERT_TRUE(f->Interface().Occupe());
            }
            if (clic == Clic::ouvrir) {
                f->OpenFileBtnClick();
                EXPECT_EQ(f->Seance().nomFichier, QString());
            }
            if (clic == Clic::fermer)
                f->close();
            else
                f->StopBtnClick();
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return f->Seance().Activite() == Tactivite::acRepos && !f->Interface().Occupe(); },
                5000));
            const bool garde = etape == Etape::enCours && clic != Clic::fermer;
            EXPECT_EQ(f->isVisible(), clic != Clic::fermer);
            EXPECT_TRUE(Rendu(f));
            EXPECT_EQ(f->Seance().nomFichier, garde ? f->Seance().nomFichierRecord : precedent);
            EXPECT_EQ(f->Seance().son.NbrePoints, garde ? d.NbreCourant : 30000);
            EXPECT_FALSE(d.attente);
            QTest::qWait(100);
            EXPECT_EQ(ecritures.Nombre("sampixRecord.wav"), garde ? 1 : 0);
            EXPECT_EQ(ecritures.Nombre("Sampix.TRC"), 1);
            const auto lignes = Lignes(vx2);
            EXPECT_EQ(std::count(lignes.begin(), lignes.end(), "WPE"), 1);
            if (clic == Clic::fermer) {
                EXPECT_EQ(lignes.back(), "WBAUDS 0");
            } else {
                EXPECT_FALSE(f->Interface().VoieSerie.Open());
            }
            EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
        }
    }
}
