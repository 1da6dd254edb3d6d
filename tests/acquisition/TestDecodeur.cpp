#include <gtest/gtest.h>

#include "acquisition/CollecteurReponse.h"
#include "acquisition/DecodeurAcquisition.h"

namespace {

std::int16_t Echantillon(const TdecodeurAcquisition& d, int i) {
    return static_cast<std::int16_t>(d.Octets()[2 * i] | (d.Octets()[2 * i + 1] << 8));
}

}  // namespace

TEST(Decodeur, PairesPoidsFaibleDabordEtRienAuDelaDuDernierEchantillon) {
    TdecodeurAcquisition d;
    d.Demarre();
    const std::uint8_t octets[] = {0x34, 0x12, 0x00, 0x80, 0xFF, 0xFF, 0x01};
    int completes = 0;
    for (std::uint8_t o : octets) completes += d.LitOctet(o);
    EXPECT_EQ(completes, 3);
    EXPECT_EQ(Echantillon(d, 0), 4660);
    EXPECT_EQ(Echantillon(d, 1), -32768);
    EXPECT_EQ(Echantillon(d, 2), -1);
    EXPECT_EQ(d.NbreCourant, 3);  // the lone last byte is no sample
    EXPECT_EQ(d.indexOctet, 1);

    d.Demarre();
    for (int i = 0; i < kPointsAcquisition; ++i) {
        d.LitOctet(static_cast<std::uint8_t>(i));
        d.LitOctet(0x7F);
    }
    EXPECT_TRUE(d.Complete());
    EXPECT_FALSE(d.LitOctet(0xAA) || d.LitOctet(0xBB));
    EXPECT_EQ(d.NbreCourant, kPointsAcquisition);
    EXPECT_EQ(Echantillon(d, kPointsAcquisition - 1),
              static_cast<std::int16_t>(0x7F00 | ((kPointsAcquisition - 1) & 0xFF)));
}

TEST(Decodeur, SeuilDeConservation) {
    TdecodeurAcquisition d;
    d.Demarre();
    for (int i = 0; i < 2 * kSeuilAcquisition; ++i) d.LitOctet(1);
    EXPECT_FALSE(d.AGarder());
    d.LitOctet(1);
    d.LitOctet(1);
    EXPECT_TRUE(d.AGarder());
}

TEST(Reponse, ControlesEcartesLignesCompteesEtVerdicts) {
    TcollecteurReponse c;
    c.Debut(1);
    for (int o : {int{'V'}, int{'\n'}, int{'X'}, 0x01, int{'2'}, 0xE9, 0x00, 0x1F, 0x7F})
        c.Ajoute(static_cast<std::uint8_t>(o));
    EXPECT_FALSE(c.finDeChaine);
    c.Ajoute(13);
    EXPECT_TRUE(c.finDeChaine);
    c.Ajoute('Z');  // bytes after the end of the reply still count
    EXPECT_EQ(c.ChaineLue, "VX2\xE9\x7FZ");
    EXPECT_EQ(c.NlignesLues, 1);

    EXPECT_TRUE(ReponseVX2("VELTA VX2 3.1"));
    EXPECT_FALSE(ReponseVX2("VELTA vx2"));
    EXPECT_TRUE(ReponseVQ("Interface VQ de VELTA"));
    EXPECT_FALSE(ReponseVQ("VELTA Instruments"));
    EXPECT_FALSE(ReponseVQ("Interface VQ"));
    EXPECT_TRUE(ReponseVQ2("VELTA VQ2"));
    EXPECT_FALSE(ReponseVQ2("VELTA VQ 2"));
}
