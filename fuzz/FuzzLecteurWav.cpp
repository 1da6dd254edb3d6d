// Any bytes as a WAV file: the reader refuses, leaving the record as it was, or reads, and the
// record never holds more than its capacity.

#include <cstdint>
#include <string>

#include "FichierEnMemoire.h"
#include "sound/LecteurWav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    static TenregistrementSon son;
    const TfichierEnMemoire fichier(donnees, taille);
    if (!fichier.Ouvert()) return 0;
    const std::int32_t avant = son.NbrePoints;
    const TformatWave formatAvant = son.Format();
    if (LitFichierWav(fichier.Nom(), son)) {
        const std::int64_t octets = static_cast<std::int64_t>(son.NbrePoints) * OctetsParTrame(son.Format());
        if (son.NbrePoints < 0 || octets > kCapaciteSon) __builtin_trap();
    } else if (son.NbrePoints != avant || son.Format() != formatAvant) {
        __builtin_trap();
    }
    return 0;
}
