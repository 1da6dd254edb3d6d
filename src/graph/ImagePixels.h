// A picture as the views draw it: rows of 32-bit pixels 0xFFRRGGBB, the top row first, which
// is the layout of QImage::Format_RGB32, so that the desktop shows it without a copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "graph/Couleurs.h"

// The pixel of a colour $BBGGRR, opaque.
constexpr std::uint32_t ValeurPixel(TCouleur c) {
    return 0xFF000000u | (c & 0xFFu) << 16 | (c & 0xFF00u) | (c >> 16 & 0xFFu);
}

struct TimagePixels {
    int largeur = 0;
    int hauteur = 0;
    std::vector<std::uint32_t> pixels;

    TimagePixels() = default;
    // Negative sizes count as 0.
    TimagePixels(int largeur, int hauteur, TCouleur fond);

    bool Contient(int x, int y) const { return x >= 0 && y >= 0 && x < largeur && y < hauteur; }
    std::uint32_t* Ligne(int y) { return pixels.data() + static_cast<std::size_t>(y) * largeur; }
    const std::uint32_t* Ligne(int y) const { return pixels.data() + static_cast<std::size_t>(y) * largeur; }
    // $BBGGRR; 0 outside the picture.
    TCouleur Couleur(int x, int y) const;
    void Remplit(TCouleur couleur);

    bool operator==(const TimagePixels&) const = default;
};
