#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>
#include <QTest>

#include "SuiteVelta.h"
#include "acquisition/InterfaceVelta.h"
#include "support/FichiersTest.h"
#include "support/LigneVelta.h"

namespace {

using Commandes = std::vector<std::pair<int, std::string>>;

// No serial port, the VQ2 reached through the driver built beside the program. The driver
// outlives the interface object, whose VQ2 object and result thread use it.
class Tbanc {
    TportsTest ports_;
    TpiloteVQ2 pilote_;

public:
    explicit Tbanc(const QString& peripherique) : ports_({""}), pilote_(SAMPIX_DOSSIER_VQCOMMX) {
        setenv("VQCOMMX_DEVICES", peripherique.toLocal8Bit().constData(), 1);
        velta.BranchePilote(pilote_.Points());
        velta.OnFinAcquisition = [this] { ++fins; };
    }
    ~Tbanc() { unsetenv("VQCOMMX_DEVICES"); }
    TinterfaceVelta velta;
    int fins = 0;
};

std::vector<std::int16_t> Recus(const TdecodeurAcquisition& d) {
    std::vector<std::int16_t> v(static_cast<std::size_t>(d.NbreCourant));
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<std::int16_t>(d.Octets()[2 * i] | (d.Octets()[2 * i + 1] << 8));
    return v;
}

}  // namespace

// Every entry point or none: a library short of one, or a file that is no library, is absent.
TEST(VQ2, ChargeurToutOuRien) {
    EXPECT_TRUE(TpiloteVQ2(SAMPIX_DOSSIER_VQCOMMX).vq2OK());
    EXPECT_FALSE(TpiloteVQ2(SAMPIX_DOSSIER_INCOMPLET).vq2OK());
    const auto dossier = NouveauDossier();
    EXPECT_FALSE(TpiloteVQ2(QString::fromStdString(dossier.string())).vq2OK());
    EcritOctets(dossier / kNomBibliothequeVQ2, {'n', 'o', 'n', '\n'});
    EXPECT_FALSE(TpiloteVQ2(QString::fromStdString(dossier.string())).vq2OK());
}

TEST(VQ2, TrouveeParLePiloteQuandAucunPortNeRepondPuisAcquisitionEntiere) {
    const auto [signal, attendus] = SignalConnu();
    TsimulateurTest sim({"--modele", "vq2", "--rapide", "--signal", "wav:" + signal});
    Tbanc banc(sim.Chemin());
    EXPECT_EQ(Cherche(banc.velta), "");
    ASSERT_EQ(banc.velta.Entree(), Tentree::eVQ2);
    EXPECT_NE(banc.velta.collecteur.ChaineLue.find("VQ2"), std::string::npos);
    ASSERT_TRUE(banc.velta.LanceAcquisition());
    ASSERT_TRUE(QTest::qWaitFor([&] { return banc.fins > 0; }, 10000));
    EXPECT_EQ(Recus(banc.velta.decodeur), attendus);
    EXPECT_EQ(
        sim.Commandes(),
        (Commandes{
            {38400, "WVERSION"}, {38400, "WRESET"}, {38400, "WPE 1 11025 90 1 11"}, {38400, "WGOAR 127 M"}}));
}

// A reply that does not name the VQ2 closes the link; with no device listed nothing opens.
TEST(VQ2, VersionSansVQ2FermeLeLien) {
    TsimulateurTest vx2({"--modele", "vx2"});
    Tbanc banc(vx2.Chemin());
    EXPECT_EQ(Cherche(banc.velta), "");
    EXPECT_EQ(banc.velta.Entree(), Tentree::eSon);
    EXPECT_FALSE(banc.velta.VQ2()->LienActif());
    EXPECT_EQ(banc.velta.VQ2()->Version(), "VQ II non branchée ?");
    ASSERT_EQ(vx2.Commandes().size(), 1u);
    EXPECT_EQ(vx2.Commandes()[0].second, "WVERSION");

    Tbanc sansPeripherique("");
    EXPECT_FALSE(sansPeripherique.velta.VQ2()->Open());
}

// Stop sends "WPE" once itself and once more because the transfer is incomplete; bytes
// announced before the stop are still decoded afterwards.
TEST(VQ2, StopEnCoursEnvoieWPEDeuxFois) {
    TsimulateurTest sim({"--modele", "vq2"});
    Tbanc banc(sim.Chemin());
    EXPECT_EQ(Cherche(banc.velta), "");
    ASSERT_EQ(banc.velta.Entree(), Tentree::eVQ2);
    ASSERT_TRUE(banc.velta.LanceAcquisition());
    ASSERT_TRUE(QTest::qWaitFor([&] { return banc.velta.decodeur.NbreCourant > 200; }, 5000));
    Arrete(banc.velta);
    QTest::qWait(100);
    EXPECT_EQ(banc.fins, 1);
    EXPECT_FALSE(banc.velta.decodeur.attente);
    EXPECT_LT(banc.velta.decodeur.NbreCourant, kPointsAcquisition);
    const Commandes c = sim.Commandes();
    ASSERT_GE(c.size(), 2u);
    EXPECT_EQ(c[c.size() - 2].second, "WPE");
    EXPECT_EQ(c[c.size() - 1].second, "WPE");
    EXPECT_TRUE(banc.velta.VQ2()->LienActif());
}
