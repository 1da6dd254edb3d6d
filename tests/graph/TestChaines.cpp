#include <gtest/gtest.h>

#include "graph/Chaines.h"

TEST(Chaines, NiveauEnBinaireEtEnHexadecimal) {
    EXPECT_EQ(ChaineBinaire(128, 8), "10000000");
    EXPECT_EQ(ChaineBinaire(10, 4), "1010");
    EXPECT_EQ(ChaineBinaire(0x15, 4), "0101");  // bits above n-1 are ignored
    EXPECT_EQ(ChaineBinaire(-1, 16), "0111111111111111");
    EXPECT_EQ(ChaineHexa(128, 8), "80h");
    EXPECT_EQ(ChaineHexa(10, 4), "Ah");
    EXPECT_EQ(ChaineHexa(10, 8), "0Ah");
    EXPECT_EQ(ChaineHexa(4660, 16), "1234h");
    EXPECT_EQ(ChaineHexa(0xABCD, 13), "0BCDh");
}

TEST(Chaines, DureeATroisChiffresSignificatifsPuisDeuxDecimales) {
    EXPECT_EQ(TexteDuree(441, 44100, "."), "10.00 ms=1/(100 Hz)");
    EXPECT_EQ(TexteDuree(-3, 44100, "."), "0.07 ms=1/(14700 Hz)");
    EXPECT_EQ(TexteDuree(2469, 200000, "."), "12.30 ms=1/(81 Hz)");  // 12.345 ms
    EXPECT_EQ(TexteDuree(1500, 11025, "."), "136.00 ms=1/(7 Hz)");
    EXPECT_EQ(TexteDuree(12345, 1000, "."), "12300.00 ms=1/(0 Hz)");  // 12,345 ms
    // Halves: the duration goes up (1.125 ms), the frequency to even (1837.5 Hz, 5512.5 Hz).
    EXPECT_EQ(TexteDuree(9, 8000, "."), "1.13 ms=1/(889 Hz)");
    EXPECT_EQ(TexteDuree(6, 11025, "."), "0.54 ms=1/(1838 Hz)");
    EXPECT_EQ(TexteDuree(2, 11025, "."), "0.18 ms=1/(5512 Hz)");
    EXPECT_EQ(TexteDuree(0, 44100, "."), "0.00 ms");  // both cursors on one frame
    EXPECT_EQ(TexteDuree(441, 0, "."), "");
    EXPECT_EQ(TexteDuree(441, 44100, ","), "10,00 ms=1/(100 Hz)");
    EXPECT_EQ(TexteDuree(1, 200000, "\u066B"), "0\u066B01 ms=1/(200000 Hz)");  // Arabic, two bytes
}

// A stereo sound whose left channel is silent, in both languages; a mono sound says nothing.
TEST(Chaines, VoieMontreeEnFrancaisEtEnAnglais) {
    const auto son = AlloueVecteurSon();
    son->formatWave = TformatWave::f16stereo;
    for (int i = 0; i < 8; ++i) son->setSon16(i, static_cast<std::int16_t>(i % 2 == 0 ? 0 : 1000));
    EXPECT_EQ(
        TexteVoieMontree(*son, 4),
        "Son stéréo : les vues et les lectures montrent la voie gauche, muette ; le son est sur la voie "
        "droite");
    EXPECT_EQ(TexteVoieMontree(*son, 4, Tlangue::anglais),
              "Stereo sound: the views and the read-outs show the left channel, which is silent; the sound "
              "is on the right channel");
    son->formatWave = TformatWave::f16;
    EXPECT_EQ(TexteVoieMontree(*son, 4, Tlangue::anglais), "");
}
