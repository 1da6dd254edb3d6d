// The two views of the window, set up and drawn by code that needs no window: the main window
// paints its boxes with it, and the command line draws the same pictures without a window.
#pragma once

#include <cstdint>

#include "graph/Canevas.h"
#include "graph/GrapheSon.h"
#include "graph/ImagePixels.h"
#include "graph/LecturesRepere.h"
#include "graph/ModeleVue.h"
#include "sound/EnregistrementSon.h"

// The views of a model on a canvas of `largeur` x `hauteur`. The detail view and its cursors
// return their read-outs.
TlecturesRepere DessineDetail(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur);
// Both cursors alone, in XOR: drawn again where they are, they go.
TlecturesRepere DessineReperes(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur);
// The overview's curve: the digitised sound fitted to the strip, two pixels in from each side.
void DessineApercu(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur);
// The sampling animation over the detail view: a white curve area, then step N.
void EffaceAnimation(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur);
void DessinePasAnimation(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur,
                         std::int32_t N);

// The bands' columns on a strip `largeur` wide: the play selection, the frames that the
// detail view shows, and the curve's sides, which a dragged edge must stay within.
struct TbandesApercu {
    int debutPB = 0;
    int finPB = 0;
    int debutSelect = 0;
    int finSelect = 0;
    int gauche = 0;
    int droite = 0;
};
TbandesApercu BandesApercu(const TmodeleVue& m, int largeur);

// The bands over the strip, in NOT-XOR so that drawing one twice removes it; both run from
// above the strip's top to below its bottom, so that only their sides show on it. The play
// selection: a yellow border 3 window pixels wide, filled with `fond` (the hint colour of the
// desktop). `echelle` is the model's: canvas pixels per window pixel.
void DessineBandeSelection(TCanevas& c, int debutPB, int finPB, int hauteur, TCouleur fond, double echelle = 1);
// The part of the sound that the detail view shows: blue border, cyan fill.
void DessineBandeFenetre(TCanevas& c, int debutSelect, int finSelect, int hauteur, double echelle = 1);

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
                                 TtailleImage detail, TCouleur fondSelection, const TcouleursVues& couleurs,
                                 bool avecErreur = false);
