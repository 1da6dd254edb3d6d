// Decoding a compressed sound (or a WAV file the program's reader does not take) into a 16-bit
// PCM WAV file, without a window: the window's import and the command line share it.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "sound/Resultat.h"
#include "sound/RouteFichier.h"

struct TdestinationConversion {
    // Empty: by the naming rule (NomConversion) in DossierConversion(source), and recorded in
    // the registry. Otherwise exactly this file, which replaces any plain file of that name.
    std::string fichier;
};

struct TresultatConversion {
    std::string fichier;  // the WAV file written
    // The source stops inside a frame (a file cut short): the sound ends there.
    bool finEndommagee = false;
    double secondes = 0;
};

// Ending a conversion from another thread. It stops before its next block, or before its
// finished file takes its name; from that moment on it completes, and Annule comes too late.
class Tannulation {
public:
    // True when the conversion will end without a file; false once its file is being put in place.
    bool Annule();
    bool Annulee() const { return etat_.load() == kAnnulee; }
    // For the conversion, before its file takes its name: false when cancelled first.
    bool Conclut();

private:
    enum Tetat { kEnCours, kAnnulee, kConclue };
    std::atomic<Tetat> etat_{kEnCours};
};

// What the source gave: the WAV file written, or why the source cannot be decoded (it cannot
// be opened, its format is not one the decoders read, it is damaged, it holds no sound). The
// window puts the source's name before that reason.
using TsonConverti = Tresultat<TresultatConversion>;

// Decodes `source` with libmpg123 for rMp3, libsndfile otherwise, calling `progression` after
// each block with the share of the source read so far (0 to 100). The outer result fails when
// the WAV file cannot be written ("Impossible de créer le fichier ..." or "Impossible d'écrire
// le fichier ...", which name it) and when `annulation` ended the conversion; the inner one
// when the source cannot be decoded. A failure leaves no file behind, a file already at the
// destination as it was, and the registry unchanged.
Tresultat<TsonConverti> ConvertitSon(TrouteFichier route, const std::string& source,
                                     const TdestinationConversion& destination,
                                     const std::function<void(int pourcentage)>& progression,
                                     Tannulation* annulation = nullptr);
