// Any bytes as a compressed sound, through the road chooser and then the MP3 decoder or the
// libsndfile one: each refuses with a reason or gives whole frames of a sane format, and the
// progress never goes back nor past 100.

#include <cstdint>
#include <string>

#include "FichierEnMemoire.h"
#include "platform/DecodeurMp3.h"
#include "platform/DecodeurSndfile.h"
#include "sound/RouteFichier.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const TfichierEnMemoire fichier(donnees, taille);
    if (!fichier.Ouvert()) return 0;
    const std::string nom = fichier.Nom();
    const TchoixRoute route = ChoisitRoute(nom);
    const auto ouvert =
        route.route == TrouteFichier::rMp3 ? TdecodeurMp3::Ouvre(nom) : TdecodeurSndfile::Ouvre(nom);
    if (!ouvert) {
        if (ouvert.Message().empty()) __builtin_trap();
        return 0;
    }
    TdecodeurSon& d = *ouvert.Valeur();
    if (d.Canaux() < 1 || d.Canaux() > 2 || d.Frequence() == 0) __builtin_trap();
    int avant = 0;
    // A few million samples are enough: a tiny file can announce hours of silence.
    for (std::size_t total = 0; total < (std::size_t{1} << 22);) {
        const auto bloc = d.LitBloc();
        if (!bloc && bloc.Message().empty()) __builtin_trap();
        if (!bloc || bloc.Valeur().empty()) break;
        if (bloc.Valeur().size() % static_cast<std::size_t>(d.Canaux()) != 0) __builtin_trap();
        total += bloc.Valeur().size();
        const int p = d.Pourcentage();
        if (p < avant || p > 100) __builtin_trap();
        avant = p;
    }
    return 0;
}
