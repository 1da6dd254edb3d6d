#include "sound/EcrivainWav.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "sound/EcritureFichier.h"

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

std::string Erreur() {
    return std::strerror(errno);
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

std::optional<std::string> EcritWav(const std::string& nom, const TvecteurSon& vecteur,
                                    std::int32_t nbrePoints, std::uint32_t freqEch) {
    return EcritWavOctets(nom, vecteur.formatWave, vecteur.zone, nbrePoints, freqEch);
}

std::optional<std::string> EcritWavOctets(const std::string& nom, TformatWave format,
                                          const std::uint8_t* octets, std::int32_t nbrePoints,
                                          std::uint32_t freqEch) {
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return Erreur();
    const std::vector<std::uint8_t> tete = EnTeteWav(format, nbrePoints, freqEch);
    const std::size_t d = static_cast<std::size_t>(nbrePoints) * OctetsParTrame(format);
    std::optional<std::string> echec;
    if (!EcritA(fd, tete.data(), tete.size(), 0) || !EcritA(fd, octets, d, static_cast<off_t>(tete.size())))
        echec = Erreur();
    const std::size_t total = tete.size() + d;
    if (!echec && ::ftruncate(fd, static_cast<off_t>(total)) != 0) echec = Erreur();
    // A write that failed part-way leaves no header announcing bytes the file does not hold:
    // the file goes back to the working files' placeholder, which the reader refuses.
    if (echec && ::ftruncate(fd, 0) == 0) EcritA(fd, reinterpret_cast<const std::uint8_t*>("RIFF"), 4, 0);
    if (::close(fd) != 0 && !echec) echec = Erreur();
    return echec;
}

std::optional<std::string> EcritWavNeuf(const std::string& nom, const TvecteurSon& vecteur,
                                        std::int32_t nbrePoints, std::uint32_t freqEch) {
    const auto cible = CibleRemplacement(nom);
    if (!cible) return std::string("ce n'est pas un fichier ordinaire");
    std::string temporaire = *cible + ".XXXXXX";
    const int fd = ::mkstemp(temporaire.data());
    if (fd < 0) return Erreur();
    // mkstemp makes the file private; a new file gets the usual permissions.
    const mode_t masque = ::umask(0);
    ::umask(masque);
    std::optional<std::string> echec;
    if (::fchmod(fd, 0666 & ~masque) != 0) echec = Erreur();
    ::close(fd);
    if (!echec) echec = EcritWav(temporaire, vecteur, nbrePoints, freqEch);
    if (!echec && ::rename(temporaire.c_str(), cible->c_str()) != 0) echec = Erreur();
    if (echec) ::unlink(temporaire.c_str());
    return echec;
}

void CreeFichierSiAbsent(const std::string& nom) {
    const int fd = ::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == EEXIST) return;
        throw std::runtime_error("Impossible de créer le fichier " + nom + " : " + Erreur());
    }
    const bool ok = ::write(fd, "RIFF", 4) == 4;
    const int erreurEcriture = errno;
    ::close(fd);
    if (!ok) {
        ::unlink(nom.c_str());
        throw std::runtime_error("Impossible de créer le fichier " + nom + " : " +
                                 std::strerror(erreurEcriture));
    }
}
