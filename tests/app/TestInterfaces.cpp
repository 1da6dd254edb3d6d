#include <filesystem>

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
    ASSERT_EQ(f->Interface().Entree(), Tentree::eVX2);
    const auto enregistrement = LitOctets(f->Seance().nomFichierRecord.toStdString());
    f.RecordBtn()->click();
    QTest::qWait(150);
    f.StopBtn()->click();
    EXPECT_TRUE(Termine(f));
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
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages.first().contains("est occupé par un autre programme"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(f.VeltaBtn()->isEnabled() && f.RecordBtn()->isEnabled() && f.OpenFileBtn()->isEnabled());
    EXPECT_FALSE(f.Gauge()->isVisible());
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
    EXPECT_FALSE(f->isVisible());
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
        EXPECT_TRUE(f.VeltaBtn()->toolTip().startsWith("Velta VQ2"));
        f.RecordBtn()->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return f->Interface().decodeur.NbreCourant > 2100; }, 5000));
        f.StopBtn()->click();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return f->Seance().nomFichier == f->Seance().nomFichierRecord; }, 2000));
        EXPECT_TRUE(Termine(f));
        EXPECT_GT(f->Seance().son.NbrePoints, 2100);
        EXPECT_LT(f->Seance().son.NbrePoints, 11025);
        f->close();
        EXPECT_EQ(vq2.Commandes().back().second, "WPE");
        EXPECT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    }
    InstallePiloteVQ2(nullptr);
    unsetenv("VQCOMMX_DEVICES");
}
