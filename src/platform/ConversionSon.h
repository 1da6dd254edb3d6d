// Decoding a compressed sound (or a WAV file the program's reader does not take) into a 16-bit
// PCM WAV file, without a window: the window's import and the command line share it.
#pragma once

#include <functional>
#include <string>

#include "platform/DecodeurSon.h"
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

// Decodes `source` with libmpg123 for rMp3, libsndfile otherwise, calling `progression` after
// each block with the share of the source read so far (0 to 100). Throws EDecodeurSon for a
// file that cannot be decoded or holds no sound, std::runtime_error "Impossible de créer
// le fichier ..." or "Impossible d'écrire le fichier ..." when the WAV file cannot be written;
// a failure leaves no file behind, and a file already at the destination as it was.
TresultatConversion ConvertitSon(TrouteFichier route, const std::string& source,
                                 const TdestinationConversion& destination,
                                 const std::function<void(int pourcentage)>& progression);
