#include "sound/Debit.h"

#include <algorithm>
#include <cmath>

#include "sound/RapportSignalBruit.h"

namespace {

std::string Nombre(double valeur, Tlangue langue) {
    if (valeur == std::floor(valeur)) return std::to_string(static_cast<long long>(valeur));
    return Decimale(valeur, langue);
}

std::string Pluriel(int n, const char* mot) {
    return std::to_string(n).append(" ").append(mot).append(n > 1 ? "s" : "");
}

}  // namespace

std::string TexteDebit(std::uint32_t freqEch, int pas, int b, TformatWave format, std::int32_t nbrePoints,
                       Tlangue langue) {
    if (freqEch == 0) return Selon(langue, "Débit : —", "Bit rate: —");
    const double frequence = static_cast<double>(freqEch) / std::max(pas, 1);
    const int voies = DescriptionFormat(format).echantillonsParTrame;
    const double debit = frequence * b * voies;  // bit/s
    const double duree = static_cast<double>(std::max(nbrePoints, 0)) / freqEch;
    return std::string(Selon(langue, "Débit : ", "Bit rate: "))
        .append(Nombre(frequence, langue))
        .append(" Hz × ")
        .append(Pluriel(b, "bit"))
        .append(" × ")
        .append(Pluriel(voies, Selon(langue, "voie", "channel")))
        .append(" = ")
        .append(Decimale(debit / 1000, langue))
        .append(Selon(langue, " kbit/s ; ", " kbit/s; "))
        .append(Decimale(debit * duree / 8 / 1000, langue))
        .append(Selon(langue, " ko pour ", " kB for "))
        .append(Decimale(duree, langue))
        .append(" s");
}
