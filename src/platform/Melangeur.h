// The desktop's volume mixer, started as a program of its own.
#pragma once

#include "sound/Resultat.h"

// Starts the first of the usual mixers found on the PATH that does start (PulseAudio's
// first, as Debian's desktops install it). When none does, the message names those looked for.
Tresultat<> LanceMelangeur();
