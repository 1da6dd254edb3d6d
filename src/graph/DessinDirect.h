// The views in live mode, drawn from the last frames of the microphone: the detail view
// scrolls with the sound and its digitised version, the overview strip shows the level.
#pragma once

#include <cstddef>
#include <cstdint>

#include "graph/Canevas.h"
#include "graph/ModeleVue.h"

struct TtramesDirect {
    const std::int16_t* son;
    const std::int16_t* numerise;
    std::size_t trames;   // frames given, the newest last
    std::size_t fenetre;  // frames across the view: fewer frames fill only its right part
    bool huitBits;        // values 0 to 255, else signed 16-bit
};

// White, the quantisation levels (the model's quantum apart, when 10 window pixels apart or more),
// the sound and the digitised sound over it in the model's colours, each as one stroke per
// column from its smallest to its largest value.
void DessineDirect(const TmodeleVue& m, TCanevas& c, int largeur, int hauteur, const TtramesDirect& t);

// Peak of the frames as a share of full scale, 0 to 1.
double NiveauCrete(const std::int16_t* son, std::size_t trames, bool huitBits);
// The strip: a bar from the left side, as long as the level's share of the width.
void DessineNiveauDirect(const TmodeleVue& m, TCanevas& c, int largeur, int hauteur, double niveau);
