#include "sound/FichierConversion.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>
#include <utility>

// Samples go to the file as they lie in memory.
static_assert(std::endian::native == std::endian::little);

namespace {

constexpr std::uint32_t kTailleEnTete = 44;
constexpr std::size_t kTailleTampon = 1 << 20;
constexpr TtexteSource kCreation =
    Traduisible("FichierConversion", "Impossible de créer le fichier \"%1\". %2");
constexpr TtexteSource kEcriture =
    Traduisible("FichierConversion", "Impossible d'écrire le fichier \"%1\". %2");

void Pose16(std::uint8_t* p, std::uint16_t x) {
    p[0] = x & 0xFF;
    p[1] = x >> 8;
}

void Pose32(std::uint8_t* p, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) p[i] = (x >> (8 * i)) & 0xFF;
}

}  // namespace

std::array<std::uint8_t, 44> EnTeteConversion(int canaux, std::uint32_t frequence) {
    const std::uint16_t voies = canaux == 1 ? 1 : 2;
    const std::uint16_t bloc = voies * 2;
    std::array<std::uint8_t, 44> t{};
    std::memcpy(&t[0], "RIFF", 4);
    std::memcpy(&t[8], "WAVEfmt ", 8);
    Pose32(&t[16], 16);
    Pose16(&t[20], 1);
    Pose16(&t[22], voies);
    Pose32(&t[24], frequence);
    Pose32(&t[28], bloc * frequence);
    Pose16(&t[32], bloc);
    Pose16(&t[34], 16);
    std::memcpy(&t[36], "data", 4);
    return t;
}

// The sound is written beside its final name and takes that name only once whole, so a
// failed import never destroys a WAV file that was already there.
Tresultat<> TfichierConversion::Ouvre(const std::string& nom, int canaux, std::uint32_t frequence) {
    nom_ = nom;
    const auto cible = CibleRemplacement(nom);
    if (!cible) return Echoue(kCreation, EISDIR);
    nom_ = *cible;
    auto cree = Tfichier::CreeProvisoire(nom_, nomProvisoire_);
    if (!cree) return Echec(kCreation, nom_, cree.Message());
    fichier_ = std::move(cree.Valeur());
    const auto tete = EnTeteConversion(canaux, frequence);
    if (!fichier_.EcritA(0, tete.data(), tete.size())) return Echoue(kCreation, errno);
    tampon_.reserve(kTailleTampon);
    return {};
}

TfichierConversion::~TfichierConversion() {
    fichier_ = Tfichier();
    if (!termine_ && !nomProvisoire_.empty()) Supprime(nomProvisoire_);
}

Techec TfichierConversion::Echoue(TtexteSource quoi, int erreur) const {
    return Echec(quoi, nom_, TexteErreur(erreur));
}

Tresultat<> TfichierConversion::Ajoute(const std::int16_t* echantillons, std::size_t n) {
    const std::size_t octets = 2 * n;
    if (octets > std::numeric_limits<std::uint32_t>::max() - kTailleEnTete - tailleDonnees_)
        return Echoue(kEcriture, EFBIG);
    const auto* p = reinterpret_cast<const std::uint8_t*>(echantillons);
    if (tampon_.size() + octets > kTailleTampon)
        if (auto vide = Vide(); !vide) return vide;
    if (octets >= kTailleTampon) {
        if (!fichier_.EcritA(kTailleEnTete + ecrits_, p, octets)) return Echoue(kEcriture, errno);
        ecrits_ += static_cast<std::uint32_t>(octets);
    } else {
        tampon_.insert(tampon_.end(), p, p + octets);
    }
    tailleDonnees_ += static_cast<std::uint32_t>(octets);
    return {};
}

Tresultat<> TfichierConversion::Vide() {
    if (!fichier_.EcritA(kTailleEnTete + ecrits_, tampon_.data(), tampon_.size()))
        return Echoue(kEcriture, errno);
    ecrits_ += static_cast<std::uint32_t>(tampon_.size());
    tampon_.clear();
    return {};
}

Tresultat<> TfichierConversion::Termine() {
    if (auto vide = Vide(); !vide) return vide;
    std::uint8_t riff[4];
    std::uint8_t donnees[4];
    Pose32(riff, tailleDonnees_ + kTailleEnTete - 8);
    Pose32(donnees, tailleDonnees_);
    if (!fichier_.EcritA(4, riff, 4) || !fichier_.EcritA(40, donnees, 4)) return Echoue(kEcriture, errno);
    if (!fichier_.Ferme()) return Echoue(kEcriture, errno);
    if (!Renomme(nomProvisoire_, nom_)) return Echoue(kEcriture, errno);
    termine_ = true;
    return {};
}
