// The envelope of a whole PCM WAV sound, for choosing which part of a long sound to load.
#pragma once

#include <string>
#include <vector>

#include "sound/LecteurWav.h"

// The lowest and highest level of one column of the envelope, on the left channel, as a
// fraction of full scale (-1 to 1).
struct TcolonneEnveloppe {
    float mini = 0;
    float maxi = 0;
};

// `colonnes` columns over the frames the file holds. A long sound is not read whole: each
// column looks at a few evenly spaced blocks of its frames, which is enough to see where a
// sound is loud and where it is quiet. A file that can't be read gives the reason.
Tresultat<std::vector<TcolonneEnveloppe>> EnveloppeWav(const std::string& nom,
                                                       const TdescriptionWav& description, int colonnes);
