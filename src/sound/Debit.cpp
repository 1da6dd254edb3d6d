#include "sound/Debit.h"

#include <algorithm>
#include <cmath>

#include "sound/RapportSignalBruit.h"

namespace {

std::string Nombre(double valeur) {
    if (valeur == std::floor(valeur)) return std::to_string(static_cast<long long>(valeur));
    return DecimaleFrancaise(valeur);
}

std::string Pluriel(int n, const char* mot) {
    return std::to_string(n).append(" ").append(mot).append(n > 1 ? "s" : "");
}

}  // namespace

std::string TexteDebit(std::uint32_t freqEch, int pas, int b, TformatWave format, std::int32_t nbrePoints) {
    if (freqEch == 0) return "Débit : —";
    const double frequence = static_cast<double>(freqEch) / std::max(pas, 1);
    const int voies = DescriptionFormat(format).echantillonsParTrame;
    const double debit = frequence * b * voies;  // bit/s
    const double duree = static_cast<double>(std::max(nbrePoints, 0)) / freqEch;
    return std::string("Débit : ")
        .append(Nombre(frequence))
        .append(" Hz × ")
        .append(Pluriel(b, "bit"))
        .append(" × ")
        .append(Pluriel(voies, "voie"))
        .append(" = ")
        .append(DecimaleFrancaise(debit / 1000))
        .append(" kbit/s ; ")
        .append(DecimaleFrancaise(debit * duree / 8 / 1000))
        .append(" ko pour ")
        .append(DecimaleFrancaise(duree))
        .append(" s");
}
