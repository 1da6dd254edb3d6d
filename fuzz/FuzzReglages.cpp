// Any bytes as the settings file: every value read is one of the file's or the default.

#include <cstdint>
#include <string>

#include <QCoreApplication>

#include "FichierEnMemoire.h"
#include "app/FichierOptions.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const TfichierEnMemoire fichier(donnees, taille);
    if (!fichier.Ouvert()) return 0;
    const QString nom = QString::fromStdString(fichier.Nom());
    if (FichierOptionsUtilisable(nom)) {
        const TfichierOptions ini(nom);
        TCouleur courbe = 1, bis = 2, niveau = 3, erreur = 4;
        bool logarithmique = false;
        ini.LitCouleurs(courbe, bis, niveau);
        ini.LitCouleurErreur(erreur);
        ini.LitEchelleSpectre(logarithmique);
    }
    return 0;
}
