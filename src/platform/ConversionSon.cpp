#include "platform/ConversionSon.h"

#include "platform/DecodeurMp3.h"
#include "platform/DecodeurSndfile.h"
#include "platform/RegistreConversions.h"
#include "sound/FichierConversion.h"

namespace {

constexpr TtexteSource kAnnulee = Traduisible("ConversionSon", "La conversion a été annulée.");

TdecodeurOuvert OuvreDecodeur(TrouteFichier route, const std::string& nom) {
    if (route == TrouteFichier::rMp3) return TdecodeurMp3::Ouvre(nom);
    return TdecodeurSndfile::Ouvre(nom);
}

}  // namespace

bool Tannulation::Annule() {
    Tetat attendu = kEnCours;
    return etat_.compare_exchange_strong(attendu, kAnnulee) || attendu == kAnnulee;
}

bool Tannulation::Conclut() {
    Tetat attendu = kEnCours;
    return etat_.compare_exchange_strong(attendu, kConclue);
}

Tresultat<TsonConverti> ConvertitSon(TrouteFichier route, const std::string& source,
                                     const TdestinationConversion& destination,
                                     const std::function<void(int pourcentage)>& progression,
                                     Tannulation* annulation) {
    const auto ouvert = OuvreDecodeur(route, source);
    if (!ouvert) return TsonConverti(Echec(ouvert.Message()));
    TdecodeurSon& decodeur = *ouvert.Valeur();
    const bool parLaRegle = destination.fichier.empty();
    const std::string nom =
        parLaRegle ? NomConversion(source, DossierConversion(source)) : destination.fichier;
    TfichierConversion wav;
    if (auto cree = wav.Ouvre(nom, decodeur.Canaux(), decodeur.Frequence()); !cree)
        return Echec(cree.Message());
    while (true) {
        if (annulation && annulation->Annulee()) return Echec(kAnnulee);
        const auto bloc = decodeur.LitBloc();
        if (!bloc) return TsonConverti(Echec(bloc.Message()));
        const auto echantillons = bloc.Valeur();
        if (echantillons.empty()) break;
        if (auto ajoute = wav.Ajoute(echantillons.data(), echantillons.size()); !ajoute)
            return Echec(ajoute.Message());
        if (progression) progression(decodeur.Pourcentage());
    }
    if (wav.TailleDonnees() == 0)
        return TsonConverti(Echec(Traduisible("ConversionSon", "Le fichier ne contient aucun son.")));
    if (annulation && !annulation->Conclut()) return Echec(kAnnulee);
    if (auto termine = wav.Termine(); !termine) return Echec(termine.Message());
    if (parLaRegle) NoteConversion(nom, source);
    return TsonConverti(
        TresultatConversion{nom, decodeur.FinEndommagee(),
                            wav.TailleDonnees() / (2.0 * decodeur.Canaux()) / decodeur.Frequence()});
}
