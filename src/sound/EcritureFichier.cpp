#include "sound/EcritureFichier.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

bool EcritA(int fd, const std::uint8_t* p, std::size_t taille, off_t position) {
    while (taille > 0) {
        const ssize_t r = ::pwrite(fd, p, taille, position);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) {
            if (r == 0) errno = EIO;
            return false;
        }
        p += r;
        taille -= static_cast<std::size_t>(r);
        position += r;
    }
    return true;
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
