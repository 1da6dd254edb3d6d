// The quantiser's laws (µ, A) and the dither, through the digitiser the window calls.
#include <cmath>
#include <cstring>
#include <numeric>
#include <random>

#include <gtest/gtest.h>

#include "sound/Numerisation.h"
#include "sound/Spectre.h"
#include "support/FichiersTest.h"
#include "support/OutilsSon.h"

namespace {

constexpr TloiQuantification kLois[] = {TloiQuantification::mu, TloiQuantification::a};

// Every value of the layout in turn, 16-bit or 8-bit mono.
std::unique_ptr<TvecteurSon> ToutesLesValeurs(bool huitBits) {
    auto son = AlloueVecteurSon();
    son->formatWave = huitBits ? TformatWave::f8 : TformatWave::f16;
    for (int v = 0; v < (huitBits ? 256 : 65536); ++v) {
        if (huitBits)
            son->setSon8(v, static_cast<std::uint8_t>(v));
        else
            son->setSon16(v, static_cast<std::int16_t>(v - 32768));
    }
    return son;
}

// The samples of a layout as 16-bit values, as libsndfile reads them.
std::vector<std::int16_t> En16(const TvecteurSon& v, int n) {
    std::vector<std::int16_t> s(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        s[i] = EstHuitBits(v.formatWave) ? static_cast<std::int16_t>((v.son8(i) - 128) * 256) : v.son16(i);
    return s;
}

// What sox gives back from the sound coded by the law (no dither of its own: -D).
std::vector<std::int16_t> AllerRetourSox(const TvecteurSon& son, int n, TloiQuantification loi) {
    const auto d = NouveauDossier();
    const bool huitBits = EstHuitBits(son.formatWave);
    const int octets = huitBits ? n : 2 * n;
    EcritOctets(d / "son.wav",
                ImageWav(1, 8000, huitBits ? 8 : 16, std::vector<std::uint8_t>(son.zone, son.zone + octets)));
    const QString e = loi == TloiQuantification::mu ? "u-law" : "a-law";
    Lance("sox", {"-D", Chemin(d / "son.wav"), "-e", e, Chemin(d / "code.wav")});
    Lance("sox", {"-D", Chemin(d / "code.wav"), "-e", huitBits ? "unsigned-integer" : "signed-integer", "-b",
                  huitBits ? "8" : "16", Chemin(d / "retour.wav")});
    return LitSon(d / "retour.wav").echantillons;
}

double Moyenne(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

}  // namespace

// Every 16-bit value, both ends and zero among them, and every 8-bit value (as its 16-bit
// equivalent and back): the digitiser at 8 bits gives what sox's G.711 coder and decoder give.
TEST(LoiQuantification, HuitBitsEstG711CommeSox) {
    TnumeriseurSon numeriseur;
    auto sortie = AlloueVecteurSon();
    for (const bool huitBits : {false, true}) {
        const auto son = ToutesLesValeurs(huitBits);
        sortie->formatWave = son->formatWave;
        const int n = huitBits ? 256 : 65536;
        for (const auto loi : kLois) {
            numeriseur.Numerise(*son, *sortie, n, QuantumNumerisation(huitBits ? 8 : 16, 8), 1, {loi, false});
            EXPECT_EQ(PremiereDifference(En16(*sortie, n), AllerRetourSox(*son, n, loi), 1), "")
                << (huitBits ? "8" : "16") << " bits, loi " << static_cast<int>(loi);
        }
    }
    // The line's own bytes for silence and both ends of the range.
    EXPECT_EQ(EncodeG711(TloiQuantification::mu, 0), 0xFF);
    EXPECT_EQ(EncodeG711(TloiQuantification::mu, 32767), 0x80);
    EXPECT_EQ(EncodeG711(TloiQuantification::mu, -32768), 0x00);
    EXPECT_EQ(EncodeG711(TloiQuantification::a, 0), 0xD5);
    EXPECT_EQ(EncodeG711(TloiQuantification::a, 32767), 0xAA);
    EXPECT_EQ(EncodeG711(TloiQuantification::a, -32768), 0x2A);
}

// Below 8 bits the codes merge: 2^b levels, in order; above, the steps split; the uniform law
// under dither rounds to the nearest multiple of q.
TEST(LoiQuantification, ChaqueLargeurEstMonotone) {
    TtableQuantification t;
    for (const auto loi : kLois) {
        for (int b = 1; b <= 16; ++b) {
            t.Regle(loi, b);
            int niveaux = 1;
            for (int v = -32767; v < 32768; ++v) {
                const auto a = t.Niveau(static_cast<std::int16_t>(v - 1)),
                           c = t.Niveau(static_cast<std::int16_t>(v));
                ASSERT_LE(a, c) << b << " bits, " << v;
                niveaux += a != c;
            }
            if (b < 8) {
                EXPECT_EQ(niveaux, 1 << b) << b;
            }
        }
        t.Regle(loi, 1);
        EXPECT_EQ(t.Niveau(-32768), t.Niveau(-100));
        EXPECT_GT(t.Niveau(100), 16000);
        EXPECT_LT(t.Niveau(-100), -16000);
    }
    t.Regle(TloiQuantification::a, 16);
    EXPECT_EQ(t.Niveau(1234), 1234);
    t.Regle(TloiQuantification::uniforme, 3);
    EXPECT_EQ(t.Niveau(4095), 0);
    EXPECT_EQ(t.Niveau(4096), 8192);
    EXPECT_EQ(t.Niveau(-4097), -8192);
    EXPECT_EQ(t.Niveau(32767), 24576);
    EXPECT_EQ(t.Pas(0), 8192);
}

// Every option off is the plain digitiser, byte for byte, in every layout.
TEST(Dither, SansOptionLesOctetsDAujourdHui) {
    auto son = AlloueVecteurSon(), attendu = AlloueVecteurSon(), obtenu = AlloueVecteurSon();
    for (std::size_t i = 0; i < 40000; ++i) son->zone[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
    TnumeriseurSon numeriseur;
    for (const auto f : {TformatWave::f8, TformatWave::f16, TformatWave::f8stereo, TformatWave::f16stereo}) {
        son->formatWave = f;
        for (const auto& [b, pas] : {std::pair{1, 1}, {3, 7}, {8, 2}}) {
            const int q = QuantumNumerisation(EstHuitBits(f) ? 8 : 16, b);
            std::memset(attendu->zone, 0, 40000);
            std::memset(obtenu->zone, 0, 40000);
            NumeriseSon(*son, *attendu, 10000, q, pas);
            numeriseur.Numerise(*son, *obtenu, 10000, q, pas, {});
            EXPECT_EQ(0, std::memcmp(attendu->zone, obtenu->zone, 40000)) << static_cast<int>(f) << " " << b;
        }
    }
}

// Constant sounds at several places within a step of 3 bits: under dither the error's mean is
// nothing and its power q²/4 wherever the sound lies within the range (TPDF's promise); without, the error
// follows the sound. The noise is the same from one call to the next.
TEST(Dither, ErreurSansMoyenneNiPuissanceQuiSuitLeSon) {
    const int n = 20000, q = QuantumNumerisation(16, 3);
    auto son = AlloueVecteurSon(), sortie = AlloueVecteurSon(), encore = AlloueVecteurSon();
    son->formatWave = TformatWave::f16;
    TnumeriseurSon numeriseur;
    for (const double position : {0.1, 0.5, 0.8, 2.3, -2.7}) {
        const auto v = static_cast<std::int16_t>(position * q);
        for (int i = 0; i < n; ++i) son->setSon16(i, v);
        numeriseur.Numerise(*son, *sortie, n, q, 1, {TloiQuantification::uniforme, true});
        std::vector<double> e(n), e2(n);
        for (int i = 0; i < n; ++i) {
            e[i] = (sortie->son16(i) - v) / static_cast<double>(q);
            e2[i] = e[i] * e[i];
        }
        EXPECT_NEAR(Moyenne(e), 0, 0.02) << position;
        EXPECT_NEAR(Moyenne(e2), 0.25, 0.02) << position;
        numeriseur.Numerise(*son, *encore, n, q, 1, {TloiQuantification::uniforme, true});
        EXPECT_EQ(0, std::memcmp(sortie->zone, encore->zone, 2 * n));
    }
    // The bytes are the seed's, on every platform.
    for (int i = 0; i < 16; ++i) son->setSon16(i, static_cast<std::int16_t>(i < 8 ? q / 2 : 400));
    numeriseur.Numerise(*son, *sortie, 8, q, 1, {TloiQuantification::uniforme, true});
    numeriseur.Numerise(*son, *encore, 16, QuantumNumerisation(16, 4), 1, {TloiQuantification::mu, true});
    const std::int16_t graine[] = {8192, 8192, 8192, 0, 0, 0, 0, 0, 250, 634, 250, 250, 634, 634, 250, 634};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(i < 8 ? sortie->son16(i) : encore->son16(i), graine[i]) << i;
}

// A quiet tone (0.7 of a step at 3 bits): rounded down it becomes a square wave whose odd
// harmonics follow it; under dither they sink into a steady hiss (about -46 dB a bin) and the tone stays.
TEST(Dither, LesHarmoniquesDUnTonFaibleDisparaissent) {
    constexpr std::uint32_t kFreq = 44100;
    const int n = 44100, q = QuantumNumerisation(16, 3);
    auto son = AlloueVecteurSon(), sortie = AlloueVecteurSon();
    son->formatWave = sortie->formatWave = TformatWave::f16;
    for (int i = 0; i < n; ++i)
        son->setSon16(i,
                      static_cast<std::int16_t>(std::lround(0.7 * q * std::sin(2 * M_PI * 441 * i / kFreq))));
    TnumeriseurSon numeriseur;
    TanalyseurSpectre analyseur;
    const auto niveau = [&](const Tspectre& s, double f) {
        const int k = static_cast<int>(std::lround(f / s.pasFrequence));
        return *std::max_element(s.niveaux.begin() + k - 2, s.niveaux.begin() + k + 3);
    };
    const Tspectre original = analyseur.Calcule(*son, n, 0, n - 1, kFreq);
    numeriseur.Numerise(*son, *sortie, n, q, 1, {});
    const Tspectre sans = analyseur.Calcule(*sortie, n, 0, n - 1, kFreq);
    numeriseur.Numerise(*son, *sortie, n, q, 1, {TloiQuantification::uniforme, true});
    const Tspectre avec = analyseur.Calcule(*sortie, n, 0, n - 1, kFreq);
    EXPECT_NEAR(niveau(avec, 441), niveau(original, 441), 1);
    for (const int h : {3, 5, 7}) {
        EXPECT_GT(niveau(sans, 441 * h), -35) << h;
        EXPECT_LT(niveau(avec, 441 * h), -42) << h;
    }
}

// Block by block the quantiser gives what it gives sample by sample, noise included: every law,
// with and without dither, every width of both layouts (the finest steps of a law above 10 bits
// take no noise, so the noise is not drawn for every sample). The digitiser over a stereo sound
// holds each pair so quantised, the last step cut short at
// the sound's end.
TEST(Dither, EnBlocCommeEchantillonParEchantillon) {
    std::mt19937 g(11);
    std::uniform_int_distribution<int> d(-32768, 32767);
    std::vector<std::int16_t> v16(1702);
    for (auto& x : v16) x = static_cast<std::int16_t>(d(g) >> (d(g) & 7));  // many quiet samples
    v16[5] = -32768;
    v16[6] = 32767;
    std::vector<std::uint8_t> v8(v16.size());
    for (std::size_t i = 0; i < v8.size(); ++i) v8[i] = static_cast<std::uint8_t>(v16[i] >> 8);
    TtableQuantification table;
    const auto compare = [&](const auto& v, bool huitBits, int b, ToptionsNumerisation options) {
        const TquantificateurOptions q(table, QuantumNumerisation(huitBits ? 8 : 16, b), huitBits, options);
        TgenerateurDither un, bloc;
        auto attendu = v, obtenu = v;
        for (auto& x : attendu) x = q.Quantifie(x, un);
        q.Quantifie(obtenu.data(), obtenu.size(), bloc);
        EXPECT_EQ(obtenu, attendu) << huitBits << " " << b << " loi " << static_cast<int>(options.loi);
        EXPECT_EQ(un.Decalage(1000), bloc.Decalage(1000));  // the same count of noise drawn
    };
    for (const auto loi : {TloiQuantification::uniforme, TloiQuantification::mu, TloiQuantification::a})
        for (const bool dither : {false, true})
            for (int b = 1; b <= 16; ++b) {
                compare(v16, false, b, {loi, dither});
                if (b <= 8) compare(v8, true, b, {loi, dither});
            }

    auto son = AlloueVecteurSon(), sortie = AlloueVecteurSon();
    son->formatWave = TformatWave::f16stereo;
    std::memcpy(son->zone, v16.data(), 2 * v16.size());
    const int n = static_cast<int>(v16.size() / 2), pas = 3, q = QuantumNumerisation(16, 5);
    const ToptionsNumerisation options{TloiQuantification::a, true};
    std::memset(sortie->zone, 0xAB, 4 * (n + 1));
    TnumeriseurSon().Numerise(*son, *sortie, n, q, pas, options);
    EXPECT_EQ(sortie->zone[4 * n], 0xAB);
    const TquantificateurOptions quantificateur(table, q, false, options);
    TgenerateurDither generateur;
    for (int j = 0; j < n; j += pas) {
        const std::int16_t gauche = quantificateur.Quantifie(son->son16s(j, 0), generateur);
        const std::int16_t droite = quantificateur.Quantifie(son->son16s(j, 1), generateur);
        for (int i = j; i < std::min(n, j + pas); ++i) {
            ASSERT_EQ(sortie->son16s(i, 0), gauche) << i;
            ASSERT_EQ(sortie->son16s(i, 1), droite) << i;
        }
    }
}
