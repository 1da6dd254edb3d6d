// Any bytes as a WAV file: the reader refuses or reads, and the record never holds more than
// its capacity.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "sound/LecteurWav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static TenregistrementSon son;
    const int fd = memfd_create("wav", 0);
    if (fd < 0) return 0;
    for (std::size_t fait = 0; fait < taille;) {
        const ssize_t n = write(fd, donnees + fait, taille - fait);
        if (n <= 0) break;
        fait += static_cast<std::size_t>(n);
    }
    try {
        LitFichierWav("/proc/self/fd/" + std::to_string(fd), son);
        const std::int64_t octets = static_cast<std::int64_t>(son.NbrePoints) * OctetsParTrame(son.Format());
        if (son.NbrePoints < 0 || octets > kCapaciteSon) __builtin_trap();
    } catch (const EWavError&) {
        if (son.NbrePoints != 0) __builtin_trap();
    }
    close(fd);
    return 0;
}
