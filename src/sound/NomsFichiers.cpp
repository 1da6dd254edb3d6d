#include "sound/NomsFichiers.h"

#include <algorithm>

namespace {

std::string::size_type PositionPoint(const std::string& nom) {
    const auto slash = nom.find_last_of('/');
    const auto point = nom.find_last_of('.');
    if (point == std::string::npos || (slash != std::string::npos && point < slash)) return std::string::npos;
    return point;
}

}  // namespace

std::string ExtensionFichier(const std::string& nom) {
    const auto p = PositionPoint(nom);
    return p == std::string::npos ? std::string() : nom.substr(p);
}

std::string MajusculesAscii(std::string texte) {
    for (char& c : texte)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return texte;
}

std::string ChangeExtension(const std::string& nom, const std::string& extension) {
    std::string resultat = nom;
    if (const auto p = PositionPoint(nom); p != std::string::npos) resultat.resize(p);
    resultat.append(extension);
    return resultat;
}

std::string NomFichierWav(const std::string& nom) {
    const std::string base = ChangeExtension(nom.substr(nom.find_last_of('/') + 1), "");
    const bool majuscule = std::any_of(base.begin(), base.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    return ChangeExtension(nom, majuscule ? ".WAV" : ".wav");
}
