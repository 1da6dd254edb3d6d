// The two views of the window, set up and drawn by code that needs no window: the main window
// paints its boxes with it, and the command line draws the same pictures without a window.
#pragma once

#include <cstdint>

#include "graph/Canevas.h"
#include "graph/GrapheSon.h"
#include "graph/ImagePixels.h"
#include "sound/EnregistrementSon.h"

// The detail graph's frame before a paint: the whole box as curve area, the sound's bits and rate.
void PrepareDetail(TgrapheSon& g, int largeur, int hauteur, int nBits, std::uint32_t freqEch);
// The overview's frame: its curve stops two pixels short of either side of the strip.
void PrepareApercu(TgrapheSon& g, int largeur, int hauteur);

// The bands over the strip, in NOT-XOR so that drawing one twice removes it; both run from
// above the strip's top to below its bottom, so that only their sides show on it. The play
// selection: a yellow border 3 pixels wide, filled with `fond` (the hint colour of the desktop).
void DessineBandeSelection(TCanevas& c, int debutPB, int finPB, int hauteur, TCouleur fond);
// The part of the sound that the detail view shows: blue border, cyan fill.
void DessineBandeFenetre(TCanevas& c, int debutSelect, int finSelect, int hauteur);

struct TtailleImage {
    int largeur = 0;
    int hauteur = 0;
};

struct TpixelsVues {
    TimagePixels apercu;
    TimagePixels detail;
};

// The views of the digitised sound as the window shows them once the sound is opened with b
// bits and a step of pas: the whole sound selected on the strip, the detail view from the first
// frame, no cursor placed. `son` must hold the digitised vector for b and pas. A view is at
// least one pixel each way.
TpixelsVues DessineVuesOuverture(const TenregistrementSon& son, int b, int pas, TtailleImage apercu,
                                 TtailleImage detail, TCouleur fondSelection, bool avecErreur = false);
