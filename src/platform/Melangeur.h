// The desktop's volume mixer, started as a program of its own.
#pragma once

// Starts the first of the usual mixers found on the PATH that does start (PulseAudio's
// first, as Debian's desktops install it); false when none does.
bool LanceMelangeur();
