#include "sound/Fichiers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <utility>

std::string TexteErreur(int erreur) {
    return std::strerror(erreur);
}

Tfichier::~Tfichier() {
    if (fd_ >= 0) ::close(fd_);
}

Tfichier::Tfichier(Tfichier&& autre) noexcept
    : fd_(std::exchange(autre.fd_, -1)), taille_(std::exchange(autre.taille_, 0)) {}

Tfichier& Tfichier::operator=(Tfichier&& autre) noexcept {
    if (this != &autre) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(autre.fd_, -1);
        taille_ = std::exchange(autre.taille_, 0);
    }
    return *this;
}

// Opened without waiting, so that a pipe or a device among the files is refused instead of
// holding the window.
Tresultat<Tfichier> Tfichier::OuvreLecture(const std::string& nom) {
    Tfichier f(::open(nom.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!f.Ouvert()) return Echec(Traduisible("Fichiers", "Problème d'ouverture : %1"), TexteErreur(errno));
    struct stat etat {};
    if (::fstat(f.fd_, &etat) != 0 || !S_ISREG(etat.st_mode))
        return Echec(Traduisible(
            "Fichiers", "Ce n'est pas un fichier : un dossier, un tube ou un périphérique ne s'ouvre pas"));
    ::fcntl(f.fd_, F_SETFL, 0);
    f.taille_ = etat.st_size;
    return f;
}

Tresultat<Tfichier> Tfichier::OuvreEcriture(const std::string& nom) {
    Tfichier f(::open(nom.c_str(), O_WRONLY | O_CLOEXEC));
    if (!f.Ouvert()) return Echec(TexteErreur(errno));
    return f;
}

Tfichier Tfichier::CreeExclusif(const std::string& nom, int& erreur) {
    Tfichier f(::open(nom.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    erreur = f.Ouvert() ? 0 : errno;
    return f;
}

// The name is new each time, so a file of the user's, or a second writer running meanwhile,
// is never written over.
Tresultat<Tfichier> Tfichier::CreeProvisoire(const std::string& nom, std::string& provisoire) {
    const auto slash = nom.find_last_of('/');
    const std::string dossier = slash == std::string::npos ? std::string() : nom.substr(0, slash + 1);
    const std::string base = nom.substr(dossier.size());
    std::random_device alea;
    int erreur = EEXIST;
    for (int essai = 0; essai < 100 && erreur == EEXIST; ++essai) {
        char suffixe[16];
        std::snprintf(suffixe, sizeof suffixe, ".%06x", static_cast<unsigned>(alea() & 0xFFFFFF));
        provisoire = dossier + "." + base + suffixe;
        Tfichier f = CreeExclusif(provisoire, erreur);
        if (f.Ouvert()) return f;
    }
    return Echec(TexteErreur(erreur));
}

std::int64_t Tfichier::LitA(std::int64_t position, void* dest, std::size_t n) const {
    std::size_t lus = 0;
    auto* p = static_cast<std::uint8_t*>(dest);
    while (lus < n) {
        const ssize_t r =
            ::pread(fd_, p + lus, n - lus, static_cast<off_t>(position) + static_cast<off_t>(lus));
        if (r < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (r == 0) break;
        lus += static_cast<std::size_t>(r);
    }
    return static_cast<std::int64_t>(lus);
}

bool Tfichier::EcritA(std::int64_t position, const void* donnees, std::size_t n) {
    const auto* p = static_cast<const std::uint8_t*>(donnees);
    while (n > 0) {
        const ssize_t r = ::pwrite(fd_, p, n, static_cast<off_t>(position));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            if (r == 0) errno = EIO;
            return false;
        }
        p += r;
        n -= static_cast<std::size_t>(r);
        position += r;
    }
    return true;
}

bool Tfichier::Tronque(std::int64_t taille) {
    return ::ftruncate(fd_, static_cast<off_t>(taille)) == 0;
}

bool Tfichier::Ferme() {
    return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0;
}

bool Renomme(const std::string& de, const std::string& vers) {
    return ::rename(de.c_str(), vers.c_str()) == 0;
}

void Supprime(const std::string& nom) {
    ::unlink(nom.c_str());
}

std::optional<std::string> CibleRemplacement(const std::string& nom) {
    struct stat etat {};
    if (::stat(nom.c_str(), &etat) != 0) return nom;
    if (!S_ISREG(etat.st_mode)) return std::nullopt;
    char* reel = ::realpath(nom.c_str(), nullptr);
    if (!reel) return nom;
    std::string cible(reel);
    std::free(reel);
    return cible;
}
