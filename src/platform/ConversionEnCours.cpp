#include "platform/ConversionEnCours.h"

#include <chrono>
#include <utility>

#include <QMetaObject>

namespace {

// The window shows the progress no more often: repainting its caption must not slow the
// conversion, which takes well under a second for most files.
constexpr auto kIntervalleProgression = std::chrono::milliseconds(50);
constexpr TtexteSource kInterrompue = Traduisible("ConversionEnCours", "La conversion s'est interrompue.");

TarretConversion& Arret() {
    static TarretConversion arret;
    return arret;
}

void ArreteA(TetapeConversion etape) {
    if (Arret()) Arret()(etape);
}

}  // namespace

TarretConversion RemplaceArretConversion(TarretConversion arret) {
    return std::exchange(Arret(), std::move(arret));
}

TconversionEnCours::~TconversionEnCours() {
    if (annulation_) annulation_->Annule();
    if (fil_.joinable()) fil_.join();
}

bool TconversionEnCours::Lance(TrouteFichier route, const std::string& source, Tprogression progression,
                               Tfin fin) {
    if (enCours_) return false;
    // The previous worker sent its result as its last act: it has ended, or is ending.
    if (fil_.joinable()) fil_.join();
    annulation_ = std::make_unique<Tannulation>();
    progression_ = std::move(progression);
    fin_ = std::move(fin);
    enCours_ = true;
    fil_ = std::thread([this, route, source] { Travaille(route, source); });
    return true;
}

bool TconversionEnCours::Annule() {
    return enCours_ && annulation_->Annule();
}

// On the worker's thread: it reads only what Lance set before starting it, and hands over
// through queued calls. An unforeseen exception goes over too: the window gets its end, then
// the application's handler the exception.
void TconversionEnCours::Travaille(TrouteFichier route, const std::string& source) {
    std::exception_ptr imprevu;
    Tresultat<TsonConverti> resultat = Echec(std::string());
    try {
        ArreteA(TetapeConversion::avantPremierBloc);
        auto prochaine = std::chrono::steady_clock::now();
        resultat = ConvertitSon(
            route, source, {},
            [&](int pourcentage) {
                ArreteA(TetapeConversion::apresBloc);
                const auto maintenant = std::chrono::steady_clock::now();
                if (maintenant < prochaine) return;
                prochaine = maintenant + kIntervalleProgression;
                QMetaObject::invokeMethod(
                    &recepteur_, [this, pourcentage] { progression_(pourcentage); }, Qt::QueuedConnection);
            },
            annulation_.get());
        ArreteA(TetapeConversion::avantResultat);
    } catch (...) {
        imprevu = std::current_exception();
    }
    QMetaObject::invokeMethod(
        &recepteur_,
        [this, resultat = std::move(resultat), imprevu] {
            enCours_ = false;
            const Tfin fin = std::exchange(fin_, {});
            if (!imprevu) return fin(resultat);
            fin(Echec(kInterrompue));
            std::rethrow_exception(imprevu);
        },
        Qt::QueuedConnection);
}
