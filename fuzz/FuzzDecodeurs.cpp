// Any bytes as a compressed sound, through the road chooser and then the MP3 decoder or the
// libsndfile one: each refuses with a reason or gives whole frames of a sane format, and the
// progress never goes back nor past 100.

#include <cstdint>
#include <memory>
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
    try {
        std::unique_ptr<TdecodeurSon> d;
        if (route.route == TrouteFichier::rMp3)
            d = std::make_unique<TdecodeurMp3>(nom);
        else
            d = std::make_unique<TdecodeurSndfile>(nom);
        if (d->Canaux() < 1 || d->Canaux() > 2 || d->Frequence() == 0) __builtin_trap();
        int avant = 0;
        // A few million samples are enough: a tiny file can announce hours of silence.
        for (std::size_t total = 0; total < (std::size_t{1} << 22);) {
            const auto bloc = d->LitBloc();
            if (bloc.empty()) break;
            if (bloc.size() % static_cast<std::size_t>(d->Canaux()) != 0) __builtin_trap();
            total += bloc.size();
            const int p = d->Pourcentage();
            if (p < avant || p > 100) __builtin_trap();
            avant = p;
        }
    } catch (const EDecodeurSon&) {
    }
    return 0;
}
