#include <algorithm>

#include <gtest/gtest.h>
#include <QTest>

#include "platform/Enregistreur.h"
#include "platform/LecteurAudio.h"
#include "platform/SondageEntrees.h"
#include "support/CarteSon.h"
#include "support/FichiersTest.h"

namespace {

std::vector<std::int16_t> Echantillons(int n, int canaux = 1) {
    std::vector<std::int16_t> v(n * canaux);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = static_cast<std::int16_t>(1000 + 7 * i);
    return v;
}

std::vector<std::uint8_t> Octets(const std::vector<std::int16_t>& v) {
    std::vector<std::uint8_t> o(v.size() * 2);
    std::memcpy(o.data(), v.data(), o.size());
    return o;
}

QString FichierSon(const std::vector<std::int16_t>& v, int canaux, std::uint32_t frequence) {
    const auto chemin = NouveauDossier() / "son.wav";
    EcritOctets(chemin, ImageWav(canaux, frequence, 16, Octets(v)));
    return QString::fromStdString(chemin.string());
}

std::vector<std::int16_t> Tranche(const std::vector<std::int16_t>& v, std::size_t debut, std::size_t fin) {
    return {v.begin() + static_cast<std::ptrdiff_t>(debut), v.begin() + static_cast<std::ptrdiff_t>(fin)};
}

class CarteSon : public testing::Test {
protected:
    void Ouvre(const std::vector<std::int16_t>& v, int canaux, std::uint32_t frequence) {
        lecteur.FileName = FichierSon(v, canaux, frequence);
        ASSERT_TRUE(lecteur.Open());
        lecteur.OnNotify = [this](TnotificationLecteur n) { notifications.push_back(n); };
    }
    TLecteurAudio lecteur;
    std::vector<TnotificationLecteur> notifications;
};

}  // namespace

TEST_F(CarteSon, LaSelectionJoueeEstCelleDuFichier) {
    const auto son = Echantillons(4000);
    Ouvre(son, 1, 11025);
    ASSERT_TRUE(lecteur.SetTimeFormat(TformatTemps::tfSamples));
    lecteur.SetStartPos(1000);
    lecteur.SetEndPos(3000);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notifications.empty(); }, 5000));
    EXPECT_EQ(notifications, std::vector{TnotificationLecteur::nvSuccessful});
    EXPECT_FALSE(lecteur.EnLecture());
    EXPECT_EQ(SonJoue(), Tranche(son, 1000, 3000));
    EXPECT_EQ(lecteur.Position().Valeur(), 3000);

    // In milliseconds at 11025 Hz, 20 ms is frame 220.5, which goes to even, and 30 ms is
    // frame 330.75.
    notifications.clear();
    ASSERT_TRUE(lecteur.SetTimeFormat(TformatTemps::tfMilliseconds));
    lecteur.SetStartPos(20);
    lecteur.SetEndPos(30);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notifications.empty(); }, 5000));
    EXPECT_EQ(SonJoue(), Tranche(son, 220, 331));
}

TEST_F(CarteSon, StereoEtRetourAuDebut) {
    const auto son = Echantillons(500, 2);
    Ouvre(son, 2, 22050);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.size() == 1; }, 5000));
    EXPECT_EQ(SonJoue(), son);
    // At the end, a play without positions starts again from the beginning.
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.size() == 2; }, 5000));
    EXPECT_EQ(SonJoue(), son);
}

TEST_F(CarteSon, UneBoucleEnchaineLesPassagesSansTrouJusquAStop) {
    const auto son = Echantillons(3000);
    Ouvre(son, 1, 8000);
    ASSERT_TRUE(lecteur.SetTimeFormat(TformatTemps::tfSamples));
    lecteur.SetBoucle(true);
    lecteur.SetStartPos(100);
    lecteur.SetEndPos(600);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.size() >= 3; }, 5000));
    EXPECT_TRUE(lecteur.EnLecture());
    const std::int64_t position = lecteur.Position().Valeur();
    EXPECT_GE(position, 100);
    EXPECT_LT(position, 600);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Stop());
    EXPECT_FALSE(lecteur.EnLecture());
    const std::size_t avant = notifications.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return notifications.size() == avant + 2; }, 5000));
    EXPECT_EQ(notifications[avant], TnotificationLecteur::nvAborted);

    const auto joue = SortieCarte();
    const auto selection = Tranche(son, 100, 600);
    const auto debut = std::search(joue.begin(), joue.end(), selection.begin(), selection.end());
    ASSERT_NE(debut, joue.end());
    const auto deuxieme = debut + static_cast<std::ptrdiff_t>(selection.size());
    ASSERT_GE(joue.end() - deuxieme, static_cast<std::ptrdiff_t>(selection.size()));
    EXPECT_TRUE(std::equal(selection.begin(), selection.end(), deuxieme));
}

TEST_F(CarteSon, FermerPendantUneLectureLaTermineSansErreur) {
    Ouvre(Echantillons(3000), 1, 8000);
    lecteur.SetBoucle(true);
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    lecteur.Close();
    EXPECT_FALSE(lecteur.EnLecture());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notifications.empty(); }, 5000));
    EXPECT_EQ(notifications.back(), TnotificationLecteur::nvAborted);
    EXPECT_EQ(lecteur.Play().Message(), "Aucun périphérique MCI ouvert");
}

// At 16 bits from the default input, then at 8 bits from "seize", where what the recorder asks
// shows: the rate and channels in the header seize writes, the sample format in the bytes.
TEST(Enregistreur, EnregistreCeQueDonneLEntreeEtSArreteQuandCEstPlein) {
    const auto entree = Echantillons(20000);
    for (const TformatCarte format : {TformatCarte{11025, 16}, TformatCarte{22050, 8}}) {
        const bool huit = format.bits == 8;
        EntreeCarte(Octets(huit ? std::vector<std::int16_t>(20000, kValeurSeize) : entree));
        TEnregistreur enregistreur(10000);
        int pleins = 0;
        enregistreur.OnPlein = [&] { ++pleins; };
        const auto ouvert = enregistreur.Ouvre(huit ? EntreeSeize() : PeripheriqueEntreeParDefaut(), format);
        ASSERT_TRUE(ouvert) << ouvert.Message();
        ASSERT_TRUE(QTest::qWaitFor([&] { return pleins > 0; }, 5000));
        QTest::qWait(50);
        enregistreur.Ferme();
        EXPECT_EQ(pleins, 1);
        ASSERT_EQ(enregistreur.Taille(), 10000u);
        if (!huit) {
            EXPECT_EQ(0, std::memcmp(enregistreur.Octets(), Octets(entree).data(), 10000));
            continue;
        }
        EXPECT_EQ(FormatDemandeSeize(), (std::pair{1, 22050u}));
        EXPECT_EQ(std::count(enregistreur.Octets(), enregistreur.Octets() + 10000, kValeurSeizeHuitBits),
                  10000);
    }
}

// A card pulled out stops its callbacks without a word: the play ends as aborted, and
// neither Stop nor closing the player waits for the card.
TEST_F(CarteSon, UneSortieDebrancheeArreteLaLectureEtLeDit) {
    BrancheCarteFragile(4410);
    Ouvre(Echantillons(5 * 44100), 1, 44100);
    QString panne;
    lecteur.OnPanne = [&](const QString& raison) { panne = raison; };
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notifications.empty(); }, 8000));
    EXPECT_EQ(notifications, std::vector{TnotificationLecteur::nvAborted});
    EXPECT_EQ(panne, "La sortie son ne répond plus : la lecture s'arrête.");
    EXPECT_FALSE(lecteur.EnLecture());
    EXPECT_GT(lecteur.Position().Valeur(), 0);
    EXPECT_LT(lecteur.Position().Valeur(), 1000);
    // Stop pressed before the watchdog has seen it: the card's thread never ends, Stop returns.
    notifications.clear();
    lecteur.SetNotify(true);
    ASSERT_TRUE(lecteur.Play());
    QTest::qWait(1000);
    ASSERT_TRUE(lecteur.Stop());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notifications.empty(); }, 1000));
    EXPECT_FALSE(lecteur.EnLecture());
    lecteur.Close();
}

// What came in before the card went away stays, and closing ends the recording.
TEST(Enregistreur, UneEntreeDebrancheeGardeCeQuiAEteEnregistre) {
    BrancheCarteFragile(4410);
    TEnregistreur enregistreur(10 * 44100 * 2);
    bool coupe = false;
    enregistreur.OnCoupure = [&] { coupe = true; };
    ASSERT_TRUE(enregistreur.Ouvre(PeripheriqueEntreeParDefaut(), {44100, 16}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return coupe; }, 8000));
    const std::size_t octets = enregistreur.Taille();
    ASSERT_GT(octets, 0u);
    EXPECT_LE(octets, 2u * 8820);
    std::vector<std::int16_t> recu(octets / 2);
    std::memcpy(recu.data(), enregistreur.Octets(), octets);
    EXPECT_EQ(recu, std::vector<std::int16_t>(octets / 2, 1000));
    EXPECT_TRUE(enregistreur.EstOuvert());
    enregistreur.Ferme();
    EXPECT_EQ(enregistreur.Taille(), octets);
}

TEST(SondageEntrees, LePremierFormatAccepteDansLOrdre) {
    const std::vector<TperipheriqueEntree> entrees = {{3, "tout"}, {5, "22050 Hz 8 bits"}, {7, "rien"}};
    const TresultatSondage r = SondeEntrees(entrees, 5, [](int peripherique, TformatCarte f) {
        if (peripherique == 3) return true;
        if (peripherique == 5) return f == TformatCarte{22050, 8} || f == TformatCarte{44100, 8};
        return false;
    });
    ASSERT_EQ(r.formats.size(), 3u);
    EXPECT_EQ(r.formats[0], (TformatCarte{11025, 16}));
    EXPECT_EQ(r.formats[1], (TformatCarte{22050, 8}));
    EXPECT_FALSE(r.formats[2]);
    EXPECT_EQ(r.parDefaut, 1);
}

TEST(SondageEntrees, LaCarteDesTestsEnregistreEnMono) {
    const TresultatSondage r = SondeEntreesSon();
    ASSERT_GE(r.parDefaut, 0);
    EXPECT_TRUE(r.formats[r.parDefaut]);
}

TEST(Enregistreur, DecompteApresStop) {
    EXPECT_EQ(CompteurMaxArret(5.5, 110), 51);
    EXPECT_EQ(CompteurMaxArret(0.05, 110), 1);
    EXPECT_EQ(CompteurMaxArret(2.0, 110), 19);
    EXPECT_EQ(CompteurMaxArret(0.25, 100), 3);  // 2.5 ticks: halves to even
}
