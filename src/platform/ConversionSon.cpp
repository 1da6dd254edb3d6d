#include "platform/ConversionSon.h"

#include <memory>
#include <stdexcept>

#include "platform/DecodeurMp3.h"
#include "platform/DecodeurSndfile.h"
#include "platform/RegistreConversions.h"
#include "sound/FichierConversion.h"

namespace {

std::unique_ptr<TdecodeurSon> OuvreDecodeur(TrouteFichier route, const std::string& nom) {
    if (route == TrouteFichier::rMp3) return std::make_unique<TdecodeurMp3>(nom);
    return std::make_unique<TdecodeurSndfile>(nom);
}

}  // namespace

TresultatConversion ConvertitSon(TrouteFichier route, const std::string& source,
                                 const TdestinationConversion& destination,
                                 const std::function<void(int pourcentage)>& progression) {
    const auto decodeur = OuvreDecodeur(route, source);
    const bool parLaRegle = destination.fichier.empty();
    const std::string nom =
        parLaRegle ? NomConversion(source, DossierConversion(source)) : destination.fichier;
    const auto verifie = [](const Tresultat<>& r) {
        if (!r) throw std::runtime_error(r.Message());
    };
    TfichierConversion wav;
    verifie(wav.Ouvre(nom, decodeur->Canaux(), decodeur->Frequence()));
    while (true) {
        const auto bloc = decodeur->LitBloc();
        if (bloc.empty()) break;
        verifie(wav.Ajoute(bloc.data(), bloc.size()));
        if (progression) progression(decodeur->Pourcentage());
    }
    if (wav.TailleDonnees() == 0) throw EDecodeurSon("Le fichier ne contient aucun son.");
    verifie(wav.Termine());
    if (parLaRegle) NoteConversion(nom, source);
    return {nom, decodeur->FinEndommagee(),
            wav.TailleDonnees() / (2.0 * decodeur->Canaux()) / decodeur->Frequence()};
}
