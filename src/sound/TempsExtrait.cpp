#include "sound/TempsExtrait.h"

#include <algorithm>
#include <cstdio>

namespace {

// Digit counts that keep every product below in 64 bits, even at a rate of 2^32 Hz.
constexpr std::size_t kChiffresMinutes = 6;
constexpr std::size_t kChiffresSecondesSeules = 8;
constexpr std::size_t kChiffresDecimales = 3;

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// Reads the run of digits at the head of `texte` (at most `maximum` of them, else nothing)
// and removes it.
std::optional<std::int64_t> LitNombre(std::string_view& texte, std::size_t maximum,
                                      std::size_t* compte = nullptr) {
    std::size_t n = 0;
    while (n < texte.size() && EstChiffre(texte[n])) ++n;
    if (n == 0 || n > maximum) return std::nullopt;
    std::int64_t valeur = 0;
    for (std::size_t i = 0; i < n; ++i) valeur = valeur * 10 + (texte[i] - '0');
    texte.remove_prefix(n);
    if (compte) *compte = n;
    return valeur;
}

}  // namespace

std::string TexteTemps(std::int64_t trames, std::uint32_t frequence, Tlangue langue) {
    if (trames < 0 || frequence == 0) trames = 0;
    const std::int64_t f = std::max<std::int64_t>(frequence, 1);
    // Whole seconds apart from the remainder, so that nothing overflows and the tie is exact.
    const std::int64_t dixiemes = trames / f * 10 + (trames % f * 20 + f) / (2 * f);
    char texte[32];
    std::snprintf(texte, sizeof texte, "%02lld:%02lld%s%lld", static_cast<long long>(dixiemes / 600),
                  static_cast<long long>(dixiemes / 10 % 60), Selon(langue, ",", "."),
                  static_cast<long long>(dixiemes % 10));
    return texte;
}

std::optional<std::int64_t> LitTemps(std::string_view texte) {
    while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t')) texte.remove_prefix(1);
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t')) texte.remove_suffix(1);

    std::int64_t secondes = 0;
    if (const auto deuxPoints = texte.find(':'); deuxPoints != std::string_view::npos) {
        std::string_view minutesTexte = texte.substr(0, deuxPoints);
        const auto minutes = LitNombre(minutesTexte, kChiffresMinutes);
        if (!minutes || !minutesTexte.empty()) return std::nullopt;
        texte.remove_prefix(deuxPoints + 1);
        std::size_t chiffres = 0;
        const auto s = LitNombre(texte, 2, &chiffres);
        if (!s || chiffres != 2 || *s >= 60) return std::nullopt;
        secondes = *minutes * 60 + *s;
    } else {
        const auto s = LitNombre(texte, kChiffresSecondesSeules);
        if (!s) return std::nullopt;
        secondes = *s;
    }

    std::int64_t millisecondes = secondes * 1000;
    if (!texte.empty() && (texte.front() == ',' || texte.front() == '.')) {
        texte.remove_prefix(1);
        std::size_t chiffres = 0;
        auto decimales = LitNombre(texte, kChiffresDecimales, &chiffres);
        if (!decimales) return std::nullopt;
        for (; chiffres < kChiffresDecimales; ++chiffres) *decimales *= 10;
        millisecondes += *decimales;
    }
    if (!texte.empty()) return std::nullopt;
    return millisecondes;
}

std::int64_t TrameDuTemps(std::int64_t millisecondes, std::uint32_t frequence) {
    if (millisecondes < 0) return 0;
    const std::int64_t f = frequence;
    return millisecondes / 1000 * f + (millisecondes % 1000 * f * 2 + 1000) / 2000;
}
