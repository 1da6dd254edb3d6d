// A graph drawing into a real image, over two real sample vectors, for the graph tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QImage>

#include "graph/Canevas.h"
#include "graph/GrapheSon.h"
#include "sound/VecteurSon.h"

class TbancGraphe {
  public:
    // Both vectors in `format`, filled with zero bytes; the curve area is the whole image.
    TbancGraphe(TformatWave format, int largeur, int hauteur);

    // Writes frame i (left channel, and the right one for stereo layouts) of a vector.
    static void EcritTrame(TvecteurSon& v, std::int64_t i, int gauche, int droite = 0);
    void EcritSon(std::int64_t i, int valeur) { EcritTrame(*son, i, valeur); }
    void EcritSonBis(std::int64_t i, int valeur) { EcritTrame(*sonBis, i, valeur); }

    // Rows of column x that hold the colour, top to bottom.
    std::vector<int> Lignes(int x, TCouleur couleur) const;
    // Columns of row y that hold the colour, left to right.
    std::vector<int> Colonnes(int y, TCouleur couleur) const;
    // Pixels of the whole image that differ from white.
    int PixelsNonBlancs() const;

    std::unique_ptr<TvecteurSon> son;
    std::unique_ptr<TvecteurSon> sonBis;
    QImage image;
    TCanevas canevas;
    TgrapheSon graphe;
};

// A white 32-bit image, as the paint boxes keep.
QImage ImageBlanche(int largeur, int hauteur);
