// A graph drawing into a real image, over two real sample vectors, for the graph tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QImage>

#include "graph/Canevas.h"
#include "graph/GrapheSon.h"
#include "sound/VecteurSon.h"

// A white 32-bit image, as the paint boxes keep.
QImage ImageBlanche(int largeur, int hauteur);

class TbancGraphe {
public:
    // Both vectors in `format` (8 or 16-bit mono), zeroed; the curve area is the whole image.
    TbancGraphe(TformatWave format, int largeur, int hauteur);

    // Writes frames debut..fin-1 of a vector with one value.
    static void Ecrit(TvecteurSon& v, std::int64_t debut, std::int64_t fin, int valeur);

    // Rows of column x, or columns of row y, that hold the colour.
    std::vector<int> Lignes(int x, TCouleur couleur) const;
    std::vector<int> Colonnes(int y, TCouleur couleur) const;
    int PixelsNonBlancs() const;

    std::unique_ptr<TvecteurSon> son;
    std::unique_ptr<TvecteurSon> sonBis;
    QImage image;
    TCanevas canevas;
    TgrapheSon graphe;
};
