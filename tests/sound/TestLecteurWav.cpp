#include <random>

#include <gtest/gtest.h>

#include "sound/EnveloppeWav.h"
#include "sound/LecteurWav.h"
#include "support/FichiersTest.h"

namespace {

struct Lecture {
    bool accepte = false;
    bool tronque = false;
    std::string message;
};

class LecteurWav : public testing::Test {
protected:
    Lecture Lit(const std::vector<std::uint8_t>& octets) {
        const auto chemin = NouveauDossier() / "son.wav";
        EcritOctets(chemin, octets);
        return LitChemin(chemin);
    }
    Lecture LitChemin(const std::filesystem::path& chemin) {
        Lecture l;
        if (const auto lu = LitFichierWav(chemin.string(), rec)) {
            l.tronque = lu.Valeur();
            l.accepte = true;
        } else {
            l.message = lu.Message();
        }
        // Whatever happened, the bytes in use stay within the capacity.
        EXPECT_LE(std::int64_t{rec.NbrePoints} * OctetsParTrame(rec.Format()), kCapaciteSon);
        EXPECT_EQ(rec.vecteurSon->formatWave, rec.vecteurSonSousEch->formatWave);
        return l;
    }
    // Starts each case from a long 8-bit mono sound, the worst case for a stale count.
    void SetUp() override {
        rec.FixeFormat(TformatWave::f8);
        rec.NbrePoints = kCapaciteSon;
    }
    TenregistrementSon rec;
};

std::vector<std::uint8_t> Octets(std::size_t n, std::uint8_t premier = 0) {
    std::vector<std::uint8_t> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<std::uint8_t>(premier + i);
    return v;
}

std::vector<std::uint8_t> AvecRiff(std::vector<std::uint8_t> image, std::uint32_t riff) {
    for (int i = 0; i < 4; ++i) image[4 + i] = (riff >> (8 * i)) & 0xFF;
    return image;
}

std::vector<std::uint8_t> Debut(std::vector<std::uint8_t> image, std::size_t taille) {
    image.resize(taille);
    return image;
}

// A file whose format chunk is followed by another chunk before the data chunk.
std::vector<std::uint8_t> AvecBlocAvant(const char* tag, std::size_t tailleBloc,
                                        const std::vector<std::uint8_t>& donnees) {
    std::vector<std::uint8_t> base = ImageWav(1, 8000, 8, donnees);
    std::vector<std::uint8_t> bloc;
    AjouteTexte(bloc, tag);
    Ajoute32(bloc, static_cast<std::uint32_t>(tailleBloc));
    bloc.resize(bloc.size() + tailleBloc, 'x');
    base.insert(base.begin() + 36, bloc.begin(), bloc.end());
    return AvecRiff(base, static_cast<std::uint32_t>(base.size() - 8));
}

}  // namespace

TEST_F(LecteurWav, EnTeteCanoniqueChargeLesEchantillonsTels) {
    const auto donnees = Octets(300, 7);
    const Lecture l = Lit(ImageWav(1, 96000, 8, donnees));
    ASSERT_TRUE(l.accepte) << l.message;
    EXPECT_FALSE(l.tronque);
    EXPECT_EQ(rec.NbrePoints, 300);
    EXPECT_EQ(rec.FreqEch, 96000u);
    EXPECT_EQ(rec.NBits, 8);
    EXPECT_EQ(rec.Format(), TformatWave::f8);
    EXPECT_DOUBLE_EQ(rec.FractionLue, 1.0);
    EXPECT_EQ(0, std::memcmp(rec.vecteurSon->zone, donnees.data(), donnees.size()));
}

TEST_F(LecteurWav, TrouveLeBlocDeDonneesApresDAutresBlocs) {
    for (const char* tag : {"LIST", "fact"}) {
        const Lecture l = Lit(AvecBlocAvant(tag, 26, Octets(100)));
        ASSERT_TRUE(l.accepte) << tag << " " << l.message;
        EXPECT_EQ(rec.NbrePoints, 100);
        EXPECT_EQ(rec.vecteurSon->son8(99), 99);
    }
}

TEST_F(LecteurWav, TrouveUneEtiquetteAChevalSurDeuxBlocsDeLecture) {
    // Tag offsets around the 64 KiB read blocks, so that "data" straddles a boundary.
    for (std::size_t taille : {65520u, 65522u, 65523u, 65524u, 65525u, 131060u}) {
        const Lecture l = Lit(AvecBlocAvant("LIST", taille, Octets(10, 1)));
        ASSERT_TRUE(l.accepte) << taille << " " << l.message;
        EXPECT_EQ(rec.NbrePoints, 10);
        EXPECT_EQ(rec.vecteurSon->son8(0), 1);
    }
}

// A "data" inside a comment is not the sound when the chunk list leads past it; a broken
// list leaves the byte scan to take the first tag, as it always has.
TEST_F(LecteurWav, EtiquetteDansUnAutreBloc) {
    auto image = AvecBlocAvant("LIST", 16, Octets(40));
    std::memcpy(&image[44], "metadata\x02\x00\x00\x00", 12);
    Lecture l = Lit(image);
    ASSERT_TRUE(l.accepte) << l.message;
    EXPECT_EQ(rec.NbrePoints, 40);
    EXPECT_EQ(rec.vecteurSon->son8(39), 39);

    image[40] = 17;  // the LIST chunk now runs one byte into the data chunk's tag
    l = Lit(image);
    ASSERT_TRUE(l.accepte) << l.message;
    EXPECT_EQ(rec.NbrePoints, 2);

    // An odd-sized chunk is followed by its pad byte.
    image = AvecBlocAvant("LIST", 15, Octets(40));
    image.insert(image.begin() + 36 + 8 + 15, 0);
    std::memcpy(&image[44], "metadata\x02\x00\x00\x00", 12);
    l = Lit(AvecRiff(image, static_cast<std::uint32_t>(image.size() - 8)));
    ASSERT_TRUE(l.accepte) << l.message;
    EXPECT_EQ(rec.NbrePoints, 40);
}

// A long sound is read from the chosen frame on, at most the capacity; what the file holds
// is described without reading it.
TEST_F(LecteurWav, ExtraitDUnLongSon) {
    const std::int64_t trames = 600000;  // 16-bit stereo: more than the 524288 frames the record holds
    std::vector<std::uint8_t> donnees;
    for (std::int64_t i = 0; i < trames; ++i) {
        Ajoute16(donnees, static_cast<std::uint16_t>(i));
        Ajoute16(donnees, static_cast<std::uint16_t>(~i));
    }
    const auto chemin = NouveauDossier() / "long.wav";
    EcritOctets(chemin, ImageWav(2, 48000, 16, donnees, 4 * trames + 4000));
    const TdescriptionWav d = DecritFichierWav(chemin.string()).Valeur();
    EXPECT_EQ(d.format, TformatWave::f16stereo);
    EXPECT_EQ(d.debutDonnees, 44);
    EXPECT_EQ(d.tailleAnnoncee, 4 * trames + 4000);
    EXPECT_EQ(d.tramesPresentes, trames);

    EXPECT_TRUE(LitFichierWav(chemin.string(), rec, 12345).Valeur());
    EXPECT_EQ(rec.NbrePoints, 524288);
    EXPECT_EQ(rec.vecteurSon->son16s(0, 0), 12345);
    EXPECT_EQ(rec.vecteurSon->son16s(0, 1), static_cast<std::int16_t>(~12345));
    EXPECT_EQ(rec.vecteurSon->son16s(524287, 0), static_cast<std::int16_t>(12345 + 524287));
    EXPECT_DOUBLE_EQ(rec.FractionLue, (4.0 * trames + 4000) / kCapaciteSon);

    // Near the end, the record holds what is left.
    EXPECT_TRUE(LitFichierWav(chemin.string(), rec, trames - 1).Valeur());
    EXPECT_EQ(rec.NbrePoints, 1);
    EXPECT_EQ(rec.vecteurSon->son16s(0, 0), static_cast<std::int16_t>(trames - 1));

    EXPECT_EQ(LitFichierWav(chemin.string(), rec, trames).Message(),
              "Le début de l'extrait est après la fin du son");
    EXPECT_EQ(rec.NbrePoints, 1);
}

TEST_F(LecteurWav, StereoEtTramesIncompletes) {
    Lecture l = Lit(ImageWav(2, 22050, 8, Octets(1000)));
    ASSERT_TRUE(l.accepte);
    EXPECT_EQ(rec.Format(), TformatWave::f8stereo);
    EXPECT_EQ(rec.NbrePoints, 500);

    l = Lit(ImageWav(2, 44100, 16, Octets(1002)));
    ASSERT_TRUE(l.accepte);
    EXPECT_EQ(rec.Format(), TformatWave::f16stereo);
    EXPECT_EQ(rec.NbrePoints, 250);

    // A 4-channel file is read as mono: its interleaved samples become frames.
    l = Lit(ImageWav(4, 8000, 16, Octets(800)));
    ASSERT_TRUE(l.accepte);
    EXPECT_EQ(rec.Format(), TformatWave::f16);
    EXPECT_EQ(rec.NbrePoints, 400);
}

TEST_F(LecteurWav, TailleAnnonceeAuDelaDeLaFinDuFichier) {
    const Lecture l = Lit(ImageWav(1, 8000, 16, Octets(101), 5000));
    ASSERT_TRUE(l.accepte);
    EXPECT_EQ(rec.NbrePoints, 50);
}

// A data chunk of exactly the capacity is whole; one byte more is cut.
TEST_F(LecteurWav, DonneesPlusLonguesQueLaCapaciteSontCoupees) {
    const Lecture l = Lit(ImageWav(1, 44100, 16, std::vector<std::uint8_t>(kCapaciteSon, 1)));
    ASSERT_TRUE(l.accepte);
    EXPECT_FALSE(l.tronque);
    EXPECT_EQ(rec.NbrePoints, 1048576);
    EXPECT_DOUBLE_EQ(rec.FractionLue, 1.0);

    const Lecture stereo = Lit(ImageWav(2, 44100, 16, std::vector<std::uint8_t>(kCapaciteSon + 1, 1)));
    ASSERT_TRUE(stereo.accepte);
    EXPECT_TRUE(stereo.tronque);
    EXPECT_EQ(rec.NbrePoints, 524288);
    EXPECT_DOUBLE_EQ(rec.FractionLue, (kCapaciteSon + 1) / 2097152.0);
}

TEST_F(LecteurWav, FichiersRefusesDonnentUnMessageEtLaissentLeSon) {
    const struct {
        std::vector<std::uint8_t> image;
        std::string message;
    } cas[] = {
        {ImageWav(1, 44100, 24, Octets(300)), "Format non géré : 24 bits par échantillon"},
        {ImageWav(2, 44100, 4, Octets(300)), "Format non géré : 4 bits par échantillon"},
        {{}, "Format incorrect : en-tête incomplet"},
        {Debut(ImageWav(1, 8000, 8, {}), 39), "Format incorrect : en-tête incomplet"},
        {AvecRiff(ImageWav(1, 8000, 16, Octets(1)), 100), "Format incorrect : bloc de données vide"},
        {AvecRiff(ImageWav(1, 8000, 8, {}), 100), "Format incorrect : bloc de données vide"},
        {AvecRiff(Debut(ImageWav(1, 8000, 8, {}), 40), 100), "Format incorrect : bloc de données vide"},
    };
    for (const auto& c : cas) {
        SetUp();
        const Lecture l = Lit(c.image);
        EXPECT_FALSE(l.accepte);
        EXPECT_EQ(l.message, c.message);
        EXPECT_EQ(rec.NbrePoints, kCapaciteSon);
        EXPECT_EQ(rec.Format(), TformatWave::f8);
    }
}

TEST_F(LecteurWav, SansEtiquetteAvantLaTailleRiff) {
    auto image = ImageWav(1, 8000, 8, Octets(100));
    std::memcpy(&image[36], "dat_", 4);
    Lecture l = Lit(image);
    EXPECT_EQ(l.message, "Format incorrect : pas de bloc de données");

    // A RIFF size of 40 or less refuses even a tag at offset 36.
    for (std::uint32_t riff : {40u, 12u, 0u, 0x80000000u}) {
        l = Lit(AvecRiff(ImageWav(1, 8000, 8, Octets(100)), riff));
        EXPECT_EQ(l.message, "Format incorrect : pas de bloc de données") << riff;
    }
    // A tag lying past the RIFF size is not taken.
    l = Lit(AvecRiff(AvecBlocAvant("LIST", 100, Octets(10)), 120));
    EXPECT_EQ(l.message, "Format incorrect : pas de bloc de données");
}

TEST_F(LecteurWav, FichierAbsentOuIlisible) {
    Lecture l = LitChemin(NouveauDossier() / "absent.wav");
    EXPECT_FALSE(l.accepte);
    EXPECT_EQ(l.message.rfind("Problème d'ouverture", 0), 0u) << l.message;

    l = LitChemin(NouveauDossier());
    EXPECT_FALSE(l.accepte);
    EXPECT_EQ(l.message.rfind("Ce n'est pas un fichier", 0), 0u) << l.message;
}

TEST_F(LecteurWav, OctetsAuHasardNeFontJamaisLirePlusQueLaCapacite) {
    std::mt19937 alea(1234);
    for (int essai = 0; essai < 200; ++essai) {
        std::vector<std::uint8_t> octets(alea() % 4096);
        for (auto& o : octets) o = static_cast<std::uint8_t>(alea());
        if (essai % 2 && octets.size() > 44) {
            octets[34] = essai % 4 ? 16 : 8;  // a plausible width, so the scan runs
            std::memcpy(&octets[36 + alea() % (octets.size() - 44)], "data", 4);
        }
        SetUp();
        const Lecture l = Lit(octets);
        if (!l.accepte) {
            EXPECT_EQ(rec.NbrePoints, kCapaciteSon);
        }
    }
}

// The envelope follows the left channel only, over the whole sound, sampled or read whole.
TEST(EnveloppeWav, CanalGaucheSurToutLeSon) {
    std::vector<std::uint8_t> donnees;
    const int trames = 100000;
    for (int i = 0; i < trames; ++i) {
        const int gauche = i < trames / 2 ? 0 : (i % 2 ? 16384 : -16384);
        Ajoute16(donnees, static_cast<std::uint16_t>(gauche));
        Ajoute16(donnees, static_cast<std::uint16_t>(i % 2 ? 32767 : -32768));
    }
    const auto chemin = NouveauDossier() / "env.wav";
    EcritOctets(chemin, ImageWav(2, 8000, 16, donnees));
    const auto e = EnveloppeWav(chemin.string(), DecritFichierWav(chemin.string()).Valeur(), 10).Valeur();
    ASSERT_EQ(e.size(), 10u);
    for (int c = 0; c < 10; ++c) {
        EXPECT_FLOAT_EQ(e[c].mini, c < 5 ? 0.0f : -0.5f) << c;
        EXPECT_FLOAT_EQ(e[c].maxi, c < 5 ? 0.0f : 0.5f) << c;
    }

    // 8-bit mono, one column per frame and more columns than frames.
    EcritOctets(chemin, ImageWav(1, 8000, 8, {0, 255, 128, 128, 128, 128}));
    const auto huit = EnveloppeWav(chemin.string(), DecritFichierWav(chemin.string()).Valeur(), 8).Valeur();
    ASSERT_EQ(huit.size(), 8u);
    EXPECT_FLOAT_EQ(huit[0].mini, -1.0f);
    EXPECT_FLOAT_EQ(huit[2].maxi, 127 / 128.0f);
    EXPECT_FLOAT_EQ(huit[7].maxi, 0.0f);
}
