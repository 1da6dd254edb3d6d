#include "sound/FichierConversion.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <utility>

// Samples go to the file as they lie in memory.
static_assert(std::endian::native == std::endian::little);

#include "sound/EcritureFichier.h"

namespace {

constexpr std::uint32_t kTailleEnTete = 44;
constexpr std::size_t kTailleTampon = 1 << 20;
const char* const kCreation = "Impossible de créer le fichier";
const char* const kEcriture = "Impossible d'écrire le fichier";

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
// failed import never destroys a WAV file that was already there. The temporary name is
// hidden, and new each time: a file of the user's, or a second import running meanwhile,
// is never written over.
TfichierConversion::TfichierConversion(const std::string& nom, int canaux, std::uint32_t frequence)
    : nom_(nom) {
    const auto cible = CibleRemplacement(nom);
    if (!cible) Echoue(kCreation, EISDIR);
    nom_ = *cible;
    const auto slash = nom_.find_last_of('/');
    const std::string dossier = slash == std::string::npos ? std::string() : nom_.substr(0, slash + 1);
    const std::string base = nom_.substr(dossier.size());
    std::random_device alea;
    int fd = -1;
    for (int essai = 0; essai < 100 && fd < 0; ++essai) {
        char suffixe[16];
        std::snprintf(suffixe, sizeof suffixe, ".%06x", static_cast<unsigned>(alea() & 0xFFFFFF));
        nomProvisoire_ = dossier + "." + base + suffixe;
        fd = ::open(nomProvisoire_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) Echoue(kCreation, errno);
    const auto tete = EnTeteConversion(canaux, frequence);
    if (!EcritA(fd, tete.data(), tete.size(), 0)) {
        const int erreur = errno;
        ::close(fd);
        ::unlink(nomProvisoire_.c_str());
        Echoue(kCreation, erreur);
    }
    fd_ = fd;
    tampon_.reserve(kTailleTampon);
}

TfichierConversion::~TfichierConversion() {
    if (fd_ >= 0) ::close(fd_);
    if (!termine_) ::unlink(nomProvisoire_.c_str());
}

void TfichierConversion::Echoue(const std::string& quoi, int erreur) const {
    std::ostringstream message;
    message << quoi << " \"" << nom_ << "\". " << std::strerror(erreur);
    throw std::runtime_error(message.str());
}

void TfichierConversion::Ajoute(const std::int16_t* echantillons, std::size_t n) {
    const std::size_t octets = 2 * n;
    if (octets > std::numeric_limits<std::uint32_t>::max() - kTailleEnTete - tailleDonnees_)
        Echoue(kEcriture, EFBIG);
    const auto* p = reinterpret_cast<const std::uint8_t*>(echantillons);
    if (tampon_.size() + octets > kTailleTampon) Vide();
    if (octets >= kTailleTampon) {
        if (!EcritA(fd_, p, octets, kTailleEnTete + ecrits_)) Echoue(kEcriture, errno);
        ecrits_ += static_cast<std::uint32_t>(octets);
    } else {
        tampon_.insert(tampon_.end(), p, p + octets);
    }
    tailleDonnees_ += static_cast<std::uint32_t>(octets);
}

void TfichierConversion::Vide() {
    if (!EcritA(fd_, tampon_.data(), tampon_.size(), kTailleEnTete + ecrits_)) Echoue(kEcriture, errno);
    ecrits_ += static_cast<std::uint32_t>(tampon_.size());
    tampon_.clear();
}

void TfichierConversion::Termine() {
    Vide();
    std::uint8_t riff[4];
    std::uint8_t donnees[4];
    Pose32(riff, tailleDonnees_ + kTailleEnTete - 8);
    Pose32(donnees, tailleDonnees_);
    if (!EcritA(fd_, riff, 4, 4) || !EcritA(fd_, donnees, 4, 40)) Echoue(kEcriture, errno);
    if (::close(std::exchange(fd_, -1)) != 0) Echoue(kEcriture, errno);
    if (::rename(nomProvisoire_.c_str(), nom_.c_str()) != 0) Echoue(kEcriture, errno);
    termine_ = true;
}
