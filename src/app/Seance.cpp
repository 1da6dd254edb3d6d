#include "app/Seance.h"

bool Tseance::Peut(Tactivite activite) const {
    using enum Tactivite;
    switch (activite_) {
        case acRepos:
            return activite != acRepos && activite != acDecompte;
        case acAnimation:
            return activite != acRepos && activite != acDecompte && activite != acAnimation;
        case acLecture:
            return activite != acRepos && activite != acDecompte && activite != acLecture &&
                   activite != acAnimation;
        case acEnregistrement:
        case acAcquisition:
            return activite == acDecompte;
        case acDecompte:
        case acRecherche:
        case acConversion:
        case acDirect:
            return false;
    }
    return false;
}

bool Tseance::Commence(Tactivite activite) {
    if (!Peut(activite)) return false;
    activite_ = activite;
    arretDemande_ = false;
    return true;
}

void Tseance::Termine(Tactivite activite) {
    if (activite_ != activite) return;
    activite_ = Tactivite::acRepos;
    arretDemande_ = false;
}

bool Tseance::SonPresent() const {
    using enum Tactivite;
    const bool surLeSonPrecedent =
        activite_ == acEnregistrement || activite_ == acAcquisition || activite_ == acDecompte;
    return !nomFichier.isEmpty() || (surLeSonPrecedent && !nomAvantEnregistrement.isEmpty());
}

TetatCommandes EtatCommandes(const Tseance& seance) {
    using enum Tactivite;
    TetatCommandes e;
    e.lire = seance.LecturesOuvertes();
    switch (seance.Activite()) {
        case acRepos:
            break;
        case acAnimation:
            e.animer = false;
            e.stopLecture = true;  // the play's Stop ends the animation too
            break;
        case acLecture:
            e.lire = false;
            e.animer = false;
            e.stopLecture = !seance.ArretDemande();
            break;
        case acEnregistrement:
        case acAcquisition:
        case acDecompte:
            e = {.ouvrir = false,
                 .velta = false,
                 .enregistrer = false,
                 .stop = seance.Activite() != acDecompte,
                 .lire = false,
                 .stopLecture = false,
                 .sauver = true,
                 .animer = false,
                 .analyser = true,
                 .direct = false,
                 .entrees = false,
                 .defilement = true,
                 .reglages = true};
            break;
        case acRecherche:
        case acConversion:
            e.ouvrir = e.velta = e.enregistrer = e.lire = e.animer = e.direct = false;
            e.annuler = seance.Activite() == acConversion && !seance.ArretDemande();
            break;
        case acDirect:
            e = {.ouvrir = false,
                 .velta = false,
                 .enregistrer = false,
                 .stop = true,
                 .lire = false,
                 .stopLecture = false,
                 .sauver = false,
                 .animer = false,
                 .analyser = true,
                 .direct = true,
                 .directCoche = true,
                 .entrees = false,
                 .defilement = false,
                 .reglages = true};
            break;
    }
    // Nothing to save, animate or analyse without a sound: a save would write an empty file.
    if (!seance.SonPresent()) e.sauver = e.animer = e.analyser = false;
    e.reconstruction = seance.Activite() != acDirect;
    e.lireReconstruction = e.lire && seance.vue.avecReconstruction;
    return e;
}
