// Colours of the graphs: 24-bit values $BBGGRR, red in the lowest byte.
#pragma once

#include <cstdint>

using TCouleur = std::uint32_t;

inline constexpr TCouleur clBlanc = 0xFFFFFF;
inline constexpr TCouleur clRouge = 0x0000FF;
inline constexpr TCouleur clJaune = 0x00FFFF;

// Shared by every graph and read at every draw; the settings and the options dialog change them.
extern TCouleur couleurCourbe;  // the sound's curve in the detail view
extern TCouleur couleurBis;     // the digitised sound's dashes, and the whole overview
extern TCouleur couleurNiveau;  // sampling-instant and quantisation-level lines
extern TCouleur couleurErreur;  // the error curve of the detail view, when it is shown
