#include "sound/EcrivainWav.h"

#include <cerrno>

#include "sound/Fichiers.h"

namespace {

void Ajoute16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(x & 0xFF);
    v.push_back(x >> 8);
}

void Ajoute32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back((x >> (8 * i)) & 0xFF);
}

void AjouteTexte(std::vector<std::uint8_t>& v, const char (&texte)[5]) {
    v.insert(v.end(), texte, texte + 4);
}

}  // namespace

std::vector<std::uint8_t> EnTeteWav(TformatWave format, std::int32_t nbrePoints, std::uint32_t freqEch) {
    const auto octetsTrame = static_cast<std::uint32_t>(OctetsParTrame(format));
    const std::uint32_t d = static_cast<std::uint32_t>(nbrePoints) * octetsTrame;
    const bool dispositionB = format == TformatWave::f16stereo;
    std::vector<std::uint8_t> v;
    v.reserve(58);
    AjouteTexte(v, "RIFF");
    Ajoute32(v, d + (dispositionB ? 50 : 36));
    AjouteTexte(v, "WAVE");
    AjouteTexte(v, "fmt ");
    Ajoute32(v, dispositionB ? 18 : 16);
    Ajoute16(v, 1);
    Ajoute16(v, EstStereo(format) ? 2 : 1);
    Ajoute32(v, freqEch);
    Ajoute32(v, freqEch * octetsTrame);
    Ajoute16(v, static_cast<std::uint16_t>(octetsTrame));
    Ajoute16(v, EstHuitBits(format) ? 8 : 16);
    if (dispositionB) {
        Ajoute16(v, 0);
        AjouteTexte(v, "fact");
        Ajoute32(v, 4);
        Ajoute32(v, static_cast<std::uint32_t>(nbrePoints));
    }
    AjouteTexte(v, "data");
    Ajoute32(v, d);
    return v;
}

Tresultat<> EcritWav(const std::string& nom, const TvecteurSon& vecteur, std::int32_t nbrePoints,
                     std::uint32_t freqEch) {
    return EcritWavOctets(nom, vecteur.formatWave, vecteur.zone, nbrePoints, freqEch);
}

Tresultat<> EcritWavOctets(const std::string& nom, TformatWave format, const std::uint8_t* octets,
                           std::int32_t nbrePoints, std::uint32_t freqEch) {
    auto ouvert = Tfichier::OuvreEcriture(nom);
    if (!ouvert) return Echec(ouvert.Message());
    Tfichier& f = ouvert.Valeur();
    const std::vector<std::uint8_t> tete = EnTeteWav(format, nbrePoints, freqEch);
    const std::size_t d = static_cast<std::size_t>(nbrePoints) * OctetsParTrame(format);
    const auto total = static_cast<std::int64_t>(tete.size() + d);
    if (f.EcritA(0, tete.data(), tete.size()) &&
        f.EcritA(static_cast<std::int64_t>(tete.size()), octets, d) && f.Tronque(total)) {
        if (!f.Ferme()) return Echec(TexteErreur(errno));
        return {};
    }
    const Techec echec = Echec(TexteErreur(errno));
    // A write that failed part-way leaves no header announcing bytes the file does not hold:
    // the file goes back to the working files' placeholder, which the reader refuses.
    if (f.Tronque(0)) f.EcritA(0, "RIFF", 4);
    return echec;
}

Tresultat<> EcritWavNeuf(const std::string& nom, const TvecteurSon& vecteur, std::int32_t nbrePoints,
                         std::uint32_t freqEch) {
    const auto cible = CibleRemplacement(nom);
    if (!cible) return Echec(Traduisible("EcrivainWav", "ce n'est pas un fichier ordinaire"));
    std::string provisoire;
    auto cree = Tfichier::CreeProvisoire(*cible, provisoire);
    if (!cree) return Echec(cree.Message());
    cree.Valeur().Ferme();
    auto ecrit = EcritWav(provisoire, vecteur, nbrePoints, freqEch);
    if (ecrit && !Renomme(provisoire, *cible)) ecrit = Echec(TexteErreur(errno));
    if (!ecrit) Supprime(provisoire);
    return ecrit;
}

Tresultat<> CreeFichierSiAbsent(const std::string& nom) {
    int erreur = 0;
    Tfichier f = Tfichier::CreeExclusif(nom, erreur);
    if (erreur == EEXIST) return {};
    const auto echec = [&] {
        return Echec(Traduisible("EcrivainWav", "Impossible de créer le fichier %1 : %2"), nom,
                     TexteErreur(erreur));
    };
    if (!f.Ouvert()) return echec();
    if (f.EcritA(0, "RIFF", 4) && f.Ferme()) return {};
    erreur = errno;
    f = Tfichier();
    Supprime(nom);
    return echec();
}
