// A graph drawing into real pixels, over two real sample vectors, for the graph tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graph/CanevasPixels.h"
#include "graph/GrapheSon.h"
#include "sound/VecteurSon.h"

class TbancGraphe {
public:
    // Both vectors in `format` (8 or 16-bit mono), zeroed; white pixels, the curve area is all of them.
    TbancGraphe(TformatWave format, int largeur, int hauteur);

    // Writes frames debut..fin-1 of a vector with one value.
    static void Ecrit(TvecteurSon& v, std::int64_t debut, std::int64_t fin, int valeur);

    // Rows of column x, or columns of row y, that hold the colour.
    std::vector<int> Lignes(int x, TCouleur couleur) const;
    std::vector<int> Colonnes(int y, TCouleur couleur) const;
    int PixelsNonBlancs() const;

    std::unique_ptr<TvecteurSon> son;
    std::unique_ptr<TvecteurSon> sonBis;
    TimagePixels image;
    TCanevasPixels canevas;
    TgrapheSon graphe;
};
