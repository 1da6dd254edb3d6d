#include <gtest/gtest.h>
#include <QLocale>

#include "graph/Chaines.h"

namespace {

// Formats under a chosen locale and puts the previous default back.
class Locale : public testing::Test {
  protected:
    void TearDown() override { QLocale::setDefault(ancienne_); }
    QLocale ancienne_;
};

}  // namespace

TEST(Chaines, ChaineBinaireDonneExactementNChiffres) {
    EXPECT_EQ(ChaineBinaire(5, 4), "0101");
    EXPECT_EQ(ChaineBinaire(128, 8), "10000000");
    EXPECT_EQ(ChaineBinaire(10, 4), "1010");
    EXPECT_EQ(ChaineBinaire(0, 1), "0");
    EXPECT_EQ(ChaineBinaire(0x1F, 4), "1111");  // bits above n-1 are ignored
}

TEST(Chaines, ChaineBinaireDUnNiveauNegatifPartDe32768) {
    EXPECT_EQ(ChaineBinaire(-1, 16), "0111111111111111");
    EXPECT_EQ(ChaineBinaire(-32768, 16), "0000000000000000");
    EXPECT_EQ(ChaineBinaire(-40000, 16), ChaineBinaire(65536 - 7232, 16));
}

TEST(Chaines, ChaineHexaGardeLesZerosDeTete) {
    EXPECT_EQ(ChaineHexa(10, 8), "0Ah");
    EXPECT_EQ(ChaineHexa(5, 3), "5h");
    EXPECT_EQ(ChaineHexa(4660, 16), "1234h");
    EXPECT_EQ(ChaineHexa(128, 8), "80h");
    EXPECT_EQ(ChaineHexa(10, 4), "Ah");
    EXPECT_EQ(ChaineHexa(0xFFFF, 9), "1FFh");
    EXPECT_EQ(ChaineHexa(0xABCD, 13), "0BCDh");
}

TEST_F(Locale, TexteDureeDesExemples) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TexteDuree(441, 44100), "10.00 ms=1/(100 Hz)");
    EXPECT_EQ(TexteDuree(3, 44100), "0.07 ms=1/(14700 Hz)");
    EXPECT_EQ(TexteDuree(-3, 44100), "0.07 ms=1/(14700 Hz)");
    // 12.345 ms: three significant digits first, then two decimals.
    EXPECT_EQ(TexteDuree(2469, 200000), "12.30 ms=1/(81 Hz)");
}

TEST_F(Locale, TexteDureeArrondiATroisChiffresSignificatifs) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TexteDuree(1500, 11025), "136.00 ms=1/(7 Hz)");
    EXPECT_EQ(TexteDuree(2, 11025), "0.18 ms=1/(5512 Hz)");  // 5512.5 goes to the even number
    EXPECT_EQ(TexteDuree(6, 11025), "0.54 ms=1/(1838 Hz)");
    EXPECT_EQ(TexteDuree(1, 8000), "0.13 ms=1/(8000 Hz)");  // 0.125 written as by hand
    EXPECT_EQ(TexteDuree(12000, 11025), "1090.00 ms=1/(1 Hz)");
}

TEST_F(Locale, TexteDureeSansEcartNeDonnePasDeFrequence) {
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(TexteDuree(0, 44100), "0.00 ms");
    EXPECT_EQ(TexteDuree(5, 0), "");
}

TEST_F(Locale, TexteDureePrendLeSeparateurDeLUtilisateur) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(TexteDuree(441, 44100), "10,00 ms=1/(100 Hz)");
    EXPECT_EQ(TexteDuree(12000, 11025), "1090,00 ms=1/(1 Hz)");
}
