#include "graph/Chaines.h"

#include <algorithm>

namespace {

constexpr char kChiffres[] = "0123456789ABCDEF";

// Nearest integer to n/d (n >= 0, d > 0), halves upwards: the usual way of writing a
// rounded decimal by hand.
std::int64_t DivisionArrondie(std::int64_t n, std::int64_t d) {
    return (2 * n + d) / (2 * d);
}

// Nearest integer to n/d (n >= 0, d > 0), halves to even, like every other rounding of
// the graphs.
std::int64_t DivisionArrondiePaire(std::int64_t n, std::int64_t d) {
    const std::int64_t q = n / d, r = n % d;
    if (2 * r > d || (2 * r == d && q % 2 != 0)) return q + 1;
    return q;
}

std::int64_t Puissance10(int e) {
    std::int64_t p = 1;
    for (int i = 0; i < e; ++i) p *= 10;
    return p;
}

// n/d milliseconds rounded to three significant digits (never finer than two decimals), in
// hundredths, computed on integers so that the text depends only on the frame count and the rate.
std::int64_t CentiemesArrondis(std::int64_t n, std::int64_t d) {
    int e = 0;  // 10^e <= n/d < 10^(e+1)
    for (std::int64_t dd = d; n >= 10 * dd; dd *= 10) ++e;
    for (std::int64_t nn = n; nn < d; nn *= 10) --e;
    const int decimales = std::min(2, 2 - e);
    if (decimales >= 0) return DivisionArrondie(n * Puissance10(decimales), d) * Puissance10(2 - decimales);
    const std::int64_t pas = Puissance10(-decimales);
    return DivisionArrondie(n, d * pas) * pas * 100;
}

}  // namespace

std::string ChaineBinaire(std::int32_t niveau, int n) {
    std::uint32_t w = static_cast<std::uint32_t>(niveau);
    if (niveau < 0) w = static_cast<std::uint32_t>(((std::int64_t{niveau} + 32768) % 65536 + 65536) % 65536);
    std::string texte;
    for (int bit = n - 1; bit >= 0; --bit) texte += kChiffres[bit < 32 ? (w >> bit) & 1 : 0];
    return texte;
}

std::string ChaineHexa(std::int32_t niveau, int n) {
    n = std::clamp(n, 1, 16);
    const std::uint32_t w = static_cast<std::uint32_t>(niveau) & ((1u << n) - 1);
    std::string texte;
    for (int quartet = (n - 1) / 4; quartet >= 0; --quartet) texte += kChiffres[(w >> (4 * quartet)) & 0xF];
    return texte + 'h';
}

std::string TexteDuree(std::int64_t ecart, std::int32_t frequence, std::string_view separateur) {
    if (frequence <= 0) return {};
    ecart = ecart < 0 ? -ecart : ecart;
    const std::int64_t n = ecart * 1000;
    const std::int64_t centiemes = n == 0 ? 0 : CentiemesArrondis(n, frequence);
    const std::int64_t decimales = centiemes % 100;
    std::string texte = std::to_string(centiemes / 100);
    texte.append(separateur)
        .append(decimales < 10 ? "0" : "")
        .append(std::to_string(decimales))
        .append(" ms");
    if (n == 0) return texte;
    return texte + "=1/(" + std::to_string(DivisionArrondiePaire(frequence, ecart)) + " Hz)";
}

namespace {

bool VoieMuette(const TvecteurSon& son, std::int32_t nbrePoints, int voie) {
    const bool huitBits = EstHuitBits(son.formatWave);
    for (std::int32_t i = 0; i < nbrePoints; ++i)
        if (huitBits ? son.son8s(i, voie) != 128 : son.son16s(i, voie) != 0) return false;
    return true;
}

}  // namespace

std::string TexteVoieMontree(const TvecteurSon& son, std::int32_t nbrePoints, Tlangue langue) {
    if (!EstStereo(son.formatWave)) return {};
    std::string texte = Selon(langue, "Son stéréo : les vues et les lectures montrent la voie gauche",
                              "Stereo sound: the views and the read-outs show the left channel");
    if (VoieMuette(son, nbrePoints, 0) && !VoieMuette(son, nbrePoints, 1))
        texte += Selon(langue, ", muette ; le son est sur la voie droite",
                       ", which is silent; the sound is on the right channel");
    return texte;
}
