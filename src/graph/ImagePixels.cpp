#include "graph/ImagePixels.h"

#include <algorithm>

TimagePixels::TimagePixels(int l, int h, TCouleur fond)
    : largeur(std::max(l, 0)),
      hauteur(std::max(h, 0)),
      pixels(static_cast<std::size_t>(largeur) * hauteur, ValeurPixel(fond)) {}

TCouleur TimagePixels::Couleur(int x, int y) const {
    if (!Contient(x, y)) return 0;
    const std::uint32_t p = Ligne(y)[x];
    return (p >> 16 & 0xFFu) | (p & 0xFF00u) | (p & 0xFFu) << 16;
}

void TimagePixels::Remplit(TCouleur couleur) {
    std::fill(pixels.begin(), pixels.end(), ValeurPixel(couleur));
}
