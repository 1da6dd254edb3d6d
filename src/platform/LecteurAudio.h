// The media player: bound to one sound file at a time, read with libsndfile and played
// on the sound card. It mirrors the operations of the window's invisible player control:
// a file name, open and close, play from/to, stop, position and length in its time
// format, one-shot notify and position options, and a notification on the UI thread. Open,
// close and stop always complete before they return; a play never waits.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QObject>
#include <QString>

#include "platform/FluxAudio.h"
#include "platform/SignalAudio.h"
#include "platform/VeilleFlux.h"
#include "sound/Resultat.h"

enum class TformatTemps { tfMilliseconds, tfSamples };

// How the command that asked for a notification ended.
enum class TnotificationLecteur { nvSuccessful, nvAborted };

class TLecteurAudio : public QObject {
public:
    TLecteurAudio();
    ~TLecteurAudio() override;

    QString FileName;
    bool AutoRewind = true;
    // Delivered on the UI thread, once for each notifying command that ends, and at the end
    // of every pass of a looping play (which goes on by itself).
    std::function<void(TnotificationLecteur)> OnNotify;
    // Told when the sound card stopped answering in the middle of a play, which then ends as
    // aborted; with the reason to show.
    std::function<void(const QString&)> OnPanne;

    // Options for the next command only; each command forgets them.
    void SetNotify(bool notifier) { notify_ = notifier; }
    void SetStartPos(std::int64_t position) { debut_ = position; }
    void SetEndPos(std::int64_t position) { fin_ = position; }
    // Whether a play goes on from its start position at its end, without a gap. Applies to
    // the play under way too.
    void SetBoucle(bool boucle);

    // Closes first when open; fails when the file cannot be read, leaving the player closed.
    Tresultat<> Open();
    // Does nothing when closed; ends a play under way.
    void Close();
    bool EstOuvert() const;

    // These fail with "Aucun périphérique MCI ouvert" while closed.
    Tresultat<> Play();
    Tresultat<> Stop();
    Tresultat<TformatTemps> TimeFormat() const;
    Tresultat<> SetTimeFormat(TformatTemps format);
    Tresultat<std::int64_t> Length() const;
    Tresultat<std::int64_t> Position() const;

    bool EnLecture() const { return lectureOuverte_; }

protected:
    bool event(QEvent* evenement) override;

private:
    struct Fichier;
    void OublieOptions();
    std::int64_t EnTrames(std::int64_t position) const;
    std::int64_t EnUnite(std::int64_t trames) const;
    void Notifie(TnotificationLecteur n);
    void InterromptLecture();
    void SignalRecu(std::uint32_t numero, TtypeSignal type);
    void CarteMuette();
    std::int64_t PositionLecture() const;

    std::unique_ptr<Fichier> fichier_;
    TsignalAudio signal_;
    TfluxSortie lecture_;
    TveilleFlux veille_;
    TformatTemps formatTemps_ = TformatTemps::tfMilliseconds;
    bool notify_ = false;
    std::optional<std::int64_t> debut_;
    std::optional<std::int64_t> fin_;
    // Where the device stands, in frames, when no play is under way.
    std::int64_t position_ = 0;
    std::int64_t debutLecture_ = 0;
    std::int64_t longueurLecture_ = 0;
    std::uint32_t numeroLecture_ = 0;
    bool boucle_ = false;
    bool lectureOuverte_ = false;  // a play whose end has not been reported yet
    bool lectureNotifie_ = false;
};
