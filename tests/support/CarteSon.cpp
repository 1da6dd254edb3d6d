#include "support/CarteSon.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "support/FichiersTest.h"

namespace {

std::filesystem::path Home() {
    return std::getenv("HOME");
}

}  // namespace

std::vector<std::int16_t> SortieCarte(std::size_t maximum) {
    std::vector<std::int16_t> v(std::min(maximum, TailleSortieCarte()));
    std::ifstream(Home() / "OUT.raw", std::ios::binary)
        .read(reinterpret_cast<char*>(v.data()), static_cast<std::streamsize>(v.size() * 2));
    return v;
}

std::size_t TailleSortieCarte() {
    std::error_code erreur;
    const auto taille = std::filesystem::file_size(Home() / "OUT.raw", erreur);
    return erreur ? 0 : taille / 2;
}

std::vector<std::int16_t> SonJoue() {
    std::vector<std::int16_t> v = SortieCarte();
    const auto debut = std::find_if(v.begin(), v.end(), [](std::int16_t e) { return e != 0; });
    const auto fin = std::find_if(v.rbegin(), v.rend(), [](std::int16_t e) { return e != 0; }).base();
    return debut < fin ? std::vector<std::int16_t>(debut, fin) : std::vector<std::int16_t>{};
}

void EntreeCarte(const std::vector<std::uint8_t>& octets) {
    EcritOctets(Home() / "IN.raw", octets);
}

void BrancheCarteFragile(long trames) {
    std::ofstream(Home() / ".asoundrc") << "pcm_type.sampixfragile { lib \"" SAMPIX_CARTE_FRAGILE "\" }\n"
                                        << "pcm.!default { type sampixfragile; trames " << trames << " }\n";
    std::freopen((Home() / "stderr.txt").c_str(), "w", stderr);
}
