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

TetatCommandes EtatCommandes(const Tseance& seance) {
    using enum Tactivite;
    TetatCommandes e;
    e.lire = seance.LecturesOuvertes();
    switch (seance.Activite()) {
        case acRepos:
            break;
        case acAnimation:
            e.animer = false;
            break;
        case acLecture:
            e.lire = false;
            e.animer = false;
            e.reglages = false;
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
                 .direct = true,
                 .directCoche = true,
                 .entrees = false,
                 .defilement = false,
                 .reglages = true};
            break;
    }
    return e;
}
