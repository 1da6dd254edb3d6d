#include <filesystem>

#include <gtest/gtest.h>
#include <QSerialPort>
#include <QTest>

#include "SuiteVelta.h"
#include "acquisition/InterfaceVelta.h"
#include "support/FichiersTest.h"
#include "support/LigneVelta.h"

namespace {

using Commandes = std::vector<std::pair<int, std::string>>;

QStringList Options(const char* modele, const QString& signal) {
    return {"--modele", modele, "--rapide", "--signal", "wav:" + signal};
}

std::vector<std::int16_t> Recus(const TdecodeurAcquisition& d) {
    std::vector<std::int16_t> v(static_cast<std::size_t>(d.NbreCourant));
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<std::int16_t>(d.Octets()[2 * i] | (d.Octets()[2 * i + 1] << 8));
    return v;
}

// An interface already found on a bare line, as the search leaves it.
void Branche(TinterfaceVelta& v, const QString& chemin) {
    v.VoieSerie.SetComNumber(1, TnumerotationPorts({chemin}));
    v.VoieSerie.SetBaud(kVitesseAcquisition);
    v.Adopte(Tentree::eVX2);
}

std::vector<std::uint8_t> Paires(int n) {
    std::vector<std::uint8_t> o;
    for (int i = 0; i < n; ++i)
        o.insert(o.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)});
    return o;
}

}  // namespace

// The whole life of each serial model, from the search to the window's closing: the exact
// commands, the speed each one arrives at, and the samples that come back.
TEST(InterfaceVelta, VX2SurLePort3PuisAcquisitionEtFermeture) {
    const auto [signal, attendus] = SignalConnu();
    TsimulateurTest vx2(Options("vx2", signal));
    TsimulateurTest vq(Options("vq", signal));
    const TportsTest ports({CheminAbsent(), "", vx2.Chemin(), CheminAbsent(), vq.Chemin()});
    TinterfaceVelta v;
    v.VoieSerie.TraceName = QString::fromStdString((NouveauDossier() / "Sampix.TRC").string());
    int fins = 0;
    v.OnFinAcquisition = [&] { ++fins; };
    EXPECT_EQ(Cherche(v), "");
    EXPECT_EQ(v.Entree(), Tentree::eVX2);
    EXPECT_EQ(v.VoieSerie.ComNumber(), 3);
    EXPECT_EQ(v.VoieSerie.Baud(), 38400);
    EXPECT_FALSE(v.VoieSerie.Open());
    EXPECT_FALSE(v.Occupe());

    ASSERT_TRUE(v.LanceAcquisition());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fins > 0; }, 10000));
    EXPECT_EQ(fins, 1);
    EXPECT_EQ(Recus(v.decodeur), attendus);
    EXPECT_FALSE(v.VoieSerie.Open());
    EXPECT_GT(std::filesystem::file_size(v.VoieSerie.TraceName.toStdString()), 22050u);

    v.FermeInterface();
    v.VoieSerie.Ferme();
    ASSERT_TRUE(QTest::qWaitFor([&] { return vx2.Commandes().size() == 7; }, 2000));
    EXPECT_EQ(vx2.Commandes(), (Commandes{{9600, "WVERSION"},
                                          {9600, "WRESET"},
                                          {9600, "WBAUDS 2"},
                                          {38400, "WBIN"},
                                          {38400, "WPE 1 11025 90 1 11"},
                                          {38400, "WGOAR 127 M"},
                                          {38400, "WBAUDS 0"}}));
    EXPECT_TRUE(vq.Commandes().empty());
}

TEST(InterfaceVelta, VQTrouveApresLaSondeVX2PuisAcquisitionEtFermeture) {
    const auto [signal, attendus] = SignalConnu();
    TsimulateurTest vq(Options("vq", signal));
    const TportsTest ports({vq.Chemin()});
    TinterfaceVelta v;
    int fins = 0;
    v.OnFinAcquisition = [&] { ++fins; };
    EXPECT_EQ(Cherche(v), "");
    ASSERT_EQ(v.Entree(), Tentree::eVQ);
    ASSERT_TRUE(v.LanceAcquisition());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fins > 0; }, 10000));
    EXPECT_EQ(Recus(v.decodeur), attendus);
    v.FermeInterface();
    v.VoieSerie.Ferme();
    ASSERT_TRUE(QTest::qWaitFor([&] { return vq.Commandes().size() == 11; }, 2000));
    EXPECT_EQ(vq.Commandes(), (Commandes{{9600, "WVERSION"},
                                         {9600, "YERR"},
                                         {9600, "YRESET"},
                                         {9600, "YBAUDS 6"},
                                         {38400, "YBIN"},
                                         {38400, "YINTEGER"},
                                         {38400, "YCAL 0 0"},
                                         {38400, "YPEA 11025 9 0 10 A0"},
                                         {38400, "YGO A 0 M 0 0 0"},
                                         {38400, "YRESUL! 0 11024"},
                                         {38400, "YBAUDS 4"}}));
    for (const std::string& r : vq.Remarques()) EXPECT_EQ(r.find("bauds"), std::string::npos) << r;
}

// A VQ reply without "VQ" is refused; a "VX2" that only comes after the first carriage
// return is not seen; noise before a reply does not hide it, nor reach the reply's text.
TEST(InterfaceVelta, ReponsesRefuseesEtReponseBruitee) {
    TsimulateurTest sansVQ({"--modele", "vq", "--reponse", "VELTA Instruments\\rInterface X\\r0 erreur\\r"});
    TsimulateurTest tardif({"--modele", "vx2", "--reponse", "VELTA\\rVX2\\r", "--pause-lignes", "300"});
    TsimulateurTest bruite({"--modele", "vx2", "--bruit", "40"});
    const TportsTest ports({sansVQ.Chemin(), tardif.Chemin(), bruite.Chemin()});
    TinterfaceVelta v;
    EXPECT_EQ(Cherche(v), "");
    EXPECT_EQ(v.Entree(), Tentree::eVX2);
    EXPECT_EQ(v.VoieSerie.ComNumber(), 3);
    EXPECT_NE(v.collecteur.ChaineLue.find("VELTA VX2"), std::string::npos);
    for (char c : v.collecteur.ChaineLue) EXPECT_GE(static_cast<unsigned char>(c), 32);
    EXPECT_EQ(sansVQ.Commandes().size(), 2u);
    EXPECT_EQ(tardif.Commandes().size(), 2u);
}

// Only numbers 1 to 50 are searched; a present port that never answers costs two waits.
TEST(InterfaceVelta, AucuneReponseEtRienAuDelaDuPort50) {
    TsimulateurTest muet({"--modele", "vx2", "--muet"});
    TsimulateurTest port51({"--modele", "vx2"});
    QStringList chemins;
    for (int n = 1; n < 50; ++n) chemins.append(CheminAbsent());
    const TportsTest ports(chemins + QStringList{muet.Chemin(), port51.Chemin()});
    TinterfaceVelta v;
    EXPECT_EQ(Cherche(v), "");
    EXPECT_EQ(v.Entree(), Tentree::eSon);
    EXPECT_EQ(muet.Commandes(), (Commandes{{9600, "WVERSION"}, {9600, "YERR"}}));
    EXPECT_TRUE(port51.Commandes().empty());
    v.FermeInterface();
    EXPECT_FALSE(v.VoieSerie.Open());
}

TEST(InterfaceVelta, PortOccupeArreteLaRechercheEnLeNommant) {
    TsimulateurTest vx2({"--modele", "vx2"});
    const TportsTest ports({vx2.Chemin()});
    QSerialPort autre(vx2.Chemin());
    ASSERT_TRUE(autre.open(QIODevice::ReadWrite));
    TinterfaceVelta v;
    const std::string message = Cherche(v);
    EXPECT_NE(message.find("port série 1 (" + vx2.Chemin().toStdString() + ") est occupé"), std::string::npos)
        << message;
    EXPECT_FALSE(v.Occupe());
    EXPECT_EQ(v.Entree(), Tentree::eSon);
}

// Exactly 22050 bytes and a few more in one burst: 11025 samples, one end, the rest dropped.
TEST(InterfaceVelta, AcquisitionExacteEtOctetsEnTrop) {
    TligneNue ligne;
    TinterfaceVelta v;
    Branche(v, ligne.Chemin());
    int fins = 0;
    std::int32_t derniere = -1;
    v.OnFinAcquisition = [&] { ++fins; };
    v.OnProgression = [&](std::int32_t n) { derniere = n; };
    ASSERT_TRUE(v.LanceAcquisition());
    auto octets = Paires(kPointsAcquisition);
    octets.insert(octets.end(), {0xEE, 0xEE, 0xEE});
    ligne.Ecrit(octets);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fins > 0; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(fins, 1);
    EXPECT_EQ(v.decodeur.NbreCourant, kPointsAcquisition);
    EXPECT_EQ(derniere, kPointsAcquisition - 1);
    EXPECT_EQ(Recus(v.decodeur).back(), kPointsAcquisition - 1);
    EXPECT_FALSE(v.VoieSerie.Open());
    EXPECT_EQ(ligne.Lit(), "WPE 1 11025 90 1 11\rWGOAR 127 M\r");
}

// After Stop, the next completed sample ends the acquisition: it is kept from 2049 samples
// on. A lone byte is never a sample, and Stop with nothing following ends nothing.
TEST(InterfaceVelta, StopGardePlusDe2048Echantillons) {
    for (const auto& [avant, garde] : {std::pair{2048, true}, std::pair{2047, false}}) {
        TligneNue ligne;
        TinterfaceVelta v;
        Branche(v, ligne.Chemin());
        int fins = 0;
        v.OnFinAcquisition = [&] { ++fins; };
        ASSERT_TRUE(v.LanceAcquisition());
        ligne.Ecrit(Paires(avant));
        ASSERT_TRUE(QTest::qWaitFor([&] { return v.decodeur.NbreCourant == avant; }, 5000));
        ligne.Lit();
        ligne.Ecrit({0x01, 0x02});  // waiting when Stop is pressed
        Arrete(v);
        EXPECT_EQ(fins, 1);
        EXPECT_EQ(v.decodeur.NbreCourant, avant + 1);
        EXPECT_EQ(v.decodeur.AGarder(), garde);
        EXPECT_FALSE(v.VoieSerie.Open());
        EXPECT_EQ(ligne.Lit(), "WPE\r");
    }
    TligneNue ligne;
    TinterfaceVelta v;
    Branche(v, ligne.Chemin());
    v.OnFinAcquisition = [] { ADD_FAILURE() << "no sample completed after Stop"; };
    ASSERT_TRUE(v.LanceAcquisition());
    ligne.Ecrit({0x01, 0x02, 0x03});
    ASSERT_TRUE(QTest::qWaitFor([&] { return v.decodeur.indexOctet == 1; }, 5000));
    Arrete(v);
    EXPECT_TRUE(v.decodeur.attente);
    EXPECT_EQ(v.decodeur.NbreCourant, 1);
}

// An instrument unplugged in the middle: the acquisition ends by itself with what came.
TEST(InterfaceVelta, LigneCoupeeEnCoursDAcquisition) {
    TsimulateurTest vx2({"--modele", "vx2", "--rapide", "--coupure", "10001"});
    TinterfaceVelta v;
    Branche(v, vx2.Chemin());
    int fins = 0;
    QString raison;
    v.OnFinAcquisition = [&] { ++fins; };
    v.OnCoupure = [&](const QString& r) { raison = r; };
    ASSERT_TRUE(v.LanceAcquisition());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fins > 0; }, 10000));
    EXPECT_EQ(v.decodeur.NbreCourant, 5000);
    EXPECT_TRUE(v.decodeur.AGarder());
    EXPECT_FALSE(raison.isEmpty());
    EXPECT_FALSE(v.VoieSerie.Open());
    EXPECT_TRUE(vx2.AttendFin(2000));
}
