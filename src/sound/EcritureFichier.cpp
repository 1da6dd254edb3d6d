#include "sound/EcritureFichier.h"

#include <unistd.h>

#include <cerrno>

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
