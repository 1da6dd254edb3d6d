// What the views show, as one plain value: the window and the command line fill it, and every
// drawing of the views reads it and nothing else (no field set on a graph beforehand, no
// process-wide colour). Frames and columns meet in one pair of functions for both views.
#pragma once

#include <cstdint>
#include <string>

#include "graph/Couleurs.h"
#include "graph/Monde.h"
#include "sound/EnregistrementSon.h"

struct TcouleursVues {
    TCouleur courbe = 0x808080;  // the sound's curve in the detail view
    TCouleur bis = 0x0000FF;     // the digitised sound's dashes, and the whole overview
    TCouleur niveau = 0xE0E0E0;  // sampling-instant and quantisation-level lines
    TCouleur erreur = 0xFF0000;  // the error curve of the detail view, when it is shown
    TCouleur reconstruction = 0x008000;  // the reconstructed sound (green), when it is shown
};

struct TmodeleVue {
    std::int32_t debut = 0;  // first frame of the detail view
    int largeur = 0;         // the detail view, in pixels
    int hauteur = 0;
    int bits = 0;                 // b: bits kept by the digitiser; 0 until a first digitisation
    int pas = 0;                  // s: one sampling instant every s frames; 0 likewise
    int bitsSon = 0;              // the sound's own bits, 8 or 16
    std::uint32_t frequence = 0;  // the sound's rate, Hz
    std::int32_t trames = 0;      // frames of the sound
    std::int32_t debutS = 0;      // the play selection
    std::int32_t finS = -1;
    std::int32_t repere = 0;       // the main cursor
    std::int32_t repereTemps = 0;  // the duration cursor
    bool avecTemps = false;        // the duration cursor is on
    bool avecErreur = false;       // the error curve is drawn too
    bool avecReconstruction = false;  // the reconstructed sound is drawn too
    TcouleursVues couleurs;
    std::string separateurDecimal = ",";  // in the duration label: the comma, as in every figure shown
    int decalage = 0;                     // top of the detail view within its window, for the duration label
    // Canvas pixels per window pixel (the screen's device pixel ratio): every length, line and
    // margin of the drawings is multiplied by it, so that a high-density screen gets the same
    // picture drawn with its own pixels. The sizes above and the columns are canvas pixels.
    double echelle = 1;
};

// The vectors a view draws, borrowed: the sound, its digitised version and, when the detail
// view shows it, the reconstructed sound (computed at least over the frames shown).
struct TsonsVue {
    PvecteurSon son = nullptr;
    PvecteurSon numerise = nullptr;
    PvecteurSon reconstruit = nullptr;
};

// The time axis of a view: column = a * (frame - debut) + b.
struct TaxeTemps {
    Tmonde x;
    std::int32_t debut = 0;
};

// Frame to column and column to frame, for both views: nearest, halves to even.
int ColonneDeTrame(const TaxeTemps& axe, double trame);
std::int32_t TrameDeColonne(const TaxeTemps& axe, int colonne);

// The detail view's axis (four window pixels a frame from column 0), and the overview's on a strip
// `largeur` wide (first frame two pixels in from the left, last frame two from the right).
TaxeTemps AxeDetail(const TmodeleVue& m);
TaxeTemps AxeApercu(const TmodeleVue& m, int largeur);

// The model of `son` just opened with b bits and a step of pas, for a detail view of the given
// size: the whole sound selected, the detail view from the first frame, both cursors on it.
TmodeleVue ModeleOuverture(const TenregistrementSon& son, int b, int pas, int largeur, int hauteur,
                           const TcouleursVues& couleurs);
