// Any bytes as the settings file: every value read is one of the file's or the default.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include <QCoreApplication>

#include "app/FichierOptions.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const int fd = memfd_create("ini", 0);
    if (fd < 0) return 0;
    for (std::size_t fait = 0; fait < taille;) {
        const ssize_t n = write(fd, donnees + fait, taille - fait);
        if (n <= 0) break;
        fait += static_cast<std::size_t>(n);
    }
    const QString nom = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (FichierOptionsUtilisable(nom)) {
        const TfichierOptions ini(nom);
        TCouleur courbe = 1, bis = 2, niveau = 3, erreur = 4;
        bool logarithmique = false;
        ini.LitCouleurs(courbe, bis, niveau);
        ini.LitCouleurErreur(erreur);
        ini.LitEchelleSpectre(logarithmique);
    }
    close(fd);
    return 0;
}
