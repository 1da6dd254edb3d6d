// The window's state in one place, without a window: the sound record and the files that hold
// it, the play selection, what the views show (cursors, b, s, first frame, options), and what
// the program is doing now as one value, with the states of the window's commands that follow
// from it. The window asks before it starts anything, tells when it ends, and shows the
// commands as EtatCommandes gives them.
#pragma once

#include <cstdint>

#include <QString>

#include "graph/ModeleVue.h"
#include "sound/EnregistrementSon.h"
#include "sound/QuantificateurOptions.h"

enum class Tactivite : std::uint8_t {
    acRepos,           // nothing runs
    acLecture,         // the player plays the sound, the digitised sound or the error
    acEnregistrement,  // the sound card records
    acDecompte,        // after Stop: the recording's last ticks, or an interface being stopped
    acRecherche,       // the search for a VELTA interface
    acAcquisition,     // an interface acquires
    acConversion,      // a compressed sound is decoded into a WAV file
    acDirect,          // the live mode
    acAnimation,       // the sampling animation
};

class Tseance {
public:
    // The sound record: both vectors are allocated once and overwritten in place by every
    // load; the graphs borrow them.
    TenregistrementSon son;
    // The loaded sound's file (empty: no sound), the working files, and the sound loaded
    // before a recording, which comes back when the recording gives nothing.
    QString nomFichier;
    QString nomFichierRecord;
    QString nomFichierSousEch;
    QString nomFichierErreur;
    QString nomFichierReconstruction;
    QString nomAvantEnregistrement;
    // The play selection, in frames.
    std::int32_t debutS = 0;
    std::int32_t finS = -1;
    // What the views show that the window decides: the first frame of the detail view, the
    // cursors, b and s as last digitised, the error-curve option and the colours. The window
    // completes it from the sound and the widgets before each drawing (ModeleFenetre).
    TmodeleVue vue;
    // The anti-aliasing filter comes before the sampling step.
    bool filtre = false;
    // The quantiser's law and the dither, for the whole sound and the live mode alike.
    ToptionsNumerisation options;

    Tactivite Activite() const { return activite_; }
    bool Occupee() const { return activite_ != Tactivite::acRepos; }

    // Whether an activity may follow the present one. From rest, a play or the animation,
    // any other may start: the window ends the play or the animation first; neither a play
    // nor the animation starts during a play. The countdown follows only a recording or an
    // acquisition; nothing else interrupts those, nor the countdown, the search, the
    // conversion or the live mode.
    bool Peut(Tactivite activite) const;
    // Starts it when Peut allows; false, and nothing changes, otherwise.
    [[nodiscard]] bool Commence(Tactivite activite);
    // Back to rest from `activite`; nothing when another activity runs (a play that ends
    // after a recording took over its device).
    void Termine(Tactivite activite);

    // Stop was asked of the present activity (a play, a conversion), which ends when its device
    // or its worker says so.
    void DemandeArret() { arretDemande_ = true; }
    bool ArretDemande() const { return arretDemande_; }

    // The vectors hold a sound: one is loaded, or a recording or an acquisition runs over the
    // sound loaded before it.
    bool SonPresent() const;

    // The play buttons become available with the first sound loaded or saved, and stay so.
    bool LecturesOuvertes() const { return lecturesOuvertes_; }
    void OuvreLectures() { lecturesOuvertes_ = true; }

private:
    Tactivite activite_ = Tactivite::acRepos;
    bool arretDemande_ = false;
    bool lecturesOuvertes_ = false;
};

// Each command of the window, enabled or not.
struct TetatCommandes {
    bool ouvrir = true;
    bool velta = true;
    bool enregistrer = true;
    bool stop = false;
    bool annuler = false;  // shown during a conversion until it is asked to end
    bool lire = false;     // Play, the digitised play and Erreur
    bool lireReconstruction = false;  // the reconstruction's play, while it is shown
    bool reconstruction = true;       // its box: a whole-sound computation, not in the live mode
    bool stopLecture = false;
    bool sauver = true;
    bool animer = true;
    bool analyser = true;  // the spectrum and the image export
    bool direct = true;
    bool directCoche = false;  // the live mode's button shows the mode running
    bool entrees = true;       // the input list
    bool defilement = true;    // the scroll bar
    bool reglages = true;      // the bits and step track bars
};

TetatCommandes EtatCommandes(const Tseance& seance);
