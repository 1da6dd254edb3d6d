#include "platform/LecteurAudio.h"

#include <algorithm>
#include <cmath>

#include <sndfile.h>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>

namespace {

const QEvent::Type kEvenementNotification = static_cast<QEvent::Type>(QEvent::User + 1);

class EvenementNotification : public QEvent {
public:
    explicit EvenementNotification(TnotificationLecteur n)
        : QEvent(kEvenementNotification), notification(n) {}
    TnotificationLecteur notification;
};

Techec EchecLecture(SNDFILE* sf) {
    return Echec(Traduisible("LecteurAudio", "Impossible de lire le fichier son (%1)"), sf_strerror(sf));
}

Techec LecteurFerme() {
    return Echec(Traduisible("LecteurAudio", "Aucun périphérique MCI ouvert"));
}

}  // namespace

struct TLecteurAudio::Fichier {
    SNDFILE* sf = nullptr;
    SF_INFO info{};
    ~Fichier() {
        if (sf) sf_close(sf);
    }
};

// A replacement waits at most one device block: a few milliseconds.
constexpr int kRelanceMs = 5;

TLecteurAudio::TLecteurAudio() {
    relance_.setSingleShot(true);
    relance_.setInterval(kRelanceMs);
    relance_.callOnTimeout(this, [this] { ProposeRemplacement(); });
    signal_.OnSignal = [this](std::uint32_t numero, TtypeSignal type) { SignalRecu(numero, type); };
    veille_.Progression = [this] { return lecture_.TramesJouees(); };
    veille_.OnMuet = [this] { CarteMuette(); };
}

TLecteurAudio::~TLecteurAudio() {
    lecture_.Arrete();
}

void TLecteurAudio::OublieOptions() {
    notify_ = false;
    debut_.reset();
    fin_.reset();
}

Tresultat<> TLecteurAudio::Open() {
    Close();
    OublieOptions();
    if (FileName.isEmpty()) return Echec(Traduisible("LecteurAudio", "Aucun fichier son à ouvrir"));
    auto f = std::make_unique<Fichier>();
    f->sf = sf_open(QFile::encodeName(FileName).constData(), SFM_READ, &f->info);
    if (!f->sf || f->info.samplerate <= 0 || f->info.channels <= 0) return EchecLecture(f->sf);
    fichier_ = std::move(f);
    formatTemps_ = TformatTemps::tfMilliseconds;
    position_ = 0;
    return {};
}

// Closing the device ends a play under way, which reports itself as aborted.
void TLecteurAudio::Close() {
    OublieOptions();
    if (!fichier_) return;
    InterromptLecture();
    fichier_.reset();
}

bool TLecteurAudio::EstOuvert() const {
    return fichier_ != nullptr;
}

std::int64_t TLecteurAudio::EnTrames(std::int64_t position) const {
    if (formatTemps_ == TformatTemps::tfSamples) return position;
    return static_cast<std::int64_t>(std::nearbyint(position * fichier_->info.samplerate / 1000.0));
}

std::int64_t TLecteurAudio::EnUnite(std::int64_t trames) const {
    if (formatTemps_ == TformatTemps::tfSamples) return trames;
    return static_cast<std::int64_t>(std::nearbyint(trames * 1000.0 / fichier_->info.samplerate));
}

Tresultat<> TLecteurAudio::Play() {
    if (!fichier_) return LecteurFerme();
    const Fichier& f = *fichier_;
    const bool notifier = notify_;
    const auto debut = debut_;
    const auto fin = fin_;
    OublieOptions();
    InterromptLecture();
    // Samples read again for a play that has ended are not this play's.
    relance_.stop();
    remplacement_.clear();
    const std::int64_t total = f.info.frames;
    if (!debut && !fin && AutoRewind && position_ >= total) position_ = 0;
    const std::int64_t de = std::clamp<std::int64_t>(debut ? EnTrames(*debut) : position_, 0, total);
    const std::int64_t a = std::clamp<std::int64_t>(fin ? EnTrames(*fin) : total, de, total);

    std::vector<std::int16_t> echantillons(static_cast<std::size_t>((a - de) * f.info.channels));
    sf_seek(f.sf, de, SEEK_SET);
    const sf_count_t lues = sf_readf_short(f.sf, echantillons.data(), a - de);
    echantillons.resize(static_cast<std::size_t>(std::max<sf_count_t>(lues, 0) * f.info.channels));

    debutLecture_ = de;
    longueurLecture_ = a - de;
    position_ = de;
    const auto demarre = lecture_.Demarre(std::move(echantillons), f.info.channels, f.info.samplerate,
                                          boucle_, signal_, ++numeroLecture_);
    if (!demarre)
        return Echec(Traduisible("LecteurAudio", "Le périphérique son refuse la lecture (%1)"),
                     demarre.Message());
    lectureOuverte_ = true;
    lectureNotifie_ = notifier;
    veille_.Demarre();
    return {};
}

// Ends the play under way and reports it: aborted, or successful when it had already
// reached its end and only the report was pending.
void TLecteurAudio::InterromptLecture() {
    if (!lectureOuverte_) return;
    veille_.Arrete();
    const bool finie = !lecture_.EnCours();
    position_ = PositionLecture();
    lecture_.Arrete();
    lectureOuverte_ = false;
    if (lectureNotifie_)
        Notifie(finie ? TnotificationLecteur::nvSuccessful : TnotificationLecteur::nvAborted);
}

Tresultat<> TLecteurAudio::Stop() {
    if (!fichier_) return LecteurFerme();
    const bool notifier = notify_;
    OublieOptions();
    InterromptLecture();
    if (notifier) Notifie(TnotificationLecteur::nvSuccessful);
    return {};
}

void TLecteurAudio::Notifie(TnotificationLecteur n) {
    QCoreApplication::postEvent(this, new EvenementNotification(n));
}

bool TLecteurAudio::event(QEvent* evenement) {
    if (evenement->type() != kEvenementNotification) return QObject::event(evenement);
    if (OnNotify) OnNotify(static_cast<EvenementNotification*>(evenement)->notification);
    return true;
}

// Signals of a play that was stopped or replaced since are stale.
void TLecteurAudio::SignalRecu(std::uint32_t numero, TtypeSignal type) {
    if (numero != numeroLecture_ || !lectureOuverte_) return;
    if (type == TtypeSignal::tsFin) {
        veille_.Arrete();
        position_ = debutLecture_ + longueurLecture_;
        lecture_.Arrete();
        lectureOuverte_ = false;
    }
    if (lectureNotifie_ && OnNotify) OnNotify(TnotificationLecteur::nvSuccessful);
}

void TLecteurAudio::CarteMuette() {
    if (!lectureOuverte_) return;
    position_ = PositionLecture();
    lecture_.Arrete();
    lectureOuverte_ = false;
    if (OnPanne)
        OnPanne(QCoreApplication::translate("LecteurAudio",
                                            "La sortie son ne répond plus : la lecture s'arrête."));
    if (lectureNotifie_) Notifie(TnotificationLecteur::nvAborted);
}

Tresultat<> TLecteurAudio::RelitPendantLecture() {
    if (!fichier_) return LecteurFerme();
    if (!lectureOuverte_) return {};
    // A handle of its own: the open one keeps the header it read.
    Fichier f;
    f.sf = sf_open(QFile::encodeName(FileName).constData(), SFM_READ, &f.info);
    if (!f.sf || f.info.channels != fichier_->info.channels) return EchecLecture(f.sf);
    const auto canaux = static_cast<std::size_t>(f.info.channels);
    remplacement_.assign(static_cast<std::size_t>(longueurLecture_) * canaux, 0);
    sf_seek(f.sf, debutLecture_, SEEK_SET);
    sf_readf_short(f.sf, remplacement_.data(), longueurLecture_);
    ProposeRemplacement();
    return {};
}

void TLecteurAudio::ProposeRemplacement() {
    if (!lectureOuverte_ || remplacement_.empty()) return;
    if (lecture_.Remplace(remplacement_))
        remplacement_.clear();
    else
        relance_.start();
}

void TLecteurAudio::SetBoucle(bool boucle) {
    boucle_ = boucle;
    lecture_.SetBoucle(boucle);
}

// Where the device stands in the play under way; a loop counts from the start of its pass.
std::int64_t TLecteurAudio::PositionLecture() const {
    const std::int64_t jouees = lecture_.TramesJouees();
    if (longueurLecture_ <= 0) return debutLecture_;
    if (jouees >= longueurLecture_ && !boucle_) return debutLecture_ + longueurLecture_;
    return debutLecture_ + jouees % longueurLecture_;
}

Tresultat<TformatTemps> TLecteurAudio::TimeFormat() const {
    if (!fichier_) return LecteurFerme();
    return formatTemps_;
}

Tresultat<> TLecteurAudio::SetTimeFormat(TformatTemps format) {
    if (!fichier_) return LecteurFerme();
    formatTemps_ = format;
    return {};
}

Tresultat<std::int64_t> TLecteurAudio::Length() const {
    if (!fichier_) return LecteurFerme();
    return EnUnite(fichier_->info.frames);
}

Tresultat<std::int64_t> TLecteurAudio::Position() const {
    if (!fichier_) return LecteurFerme();
    return EnUnite(lectureOuverte_ ? PositionLecture() : position_);
}
