// A view model drawn into real pixels, over two real sample vectors, for the graph tests.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graph/CanevasPixels.h"
#include "graph/DessinVues.h"
#include "graph/GrapheSon.h"
#include "sound/VecteurSon.h"

// The colours of every model drawn on a bench.
inline const TcouleursVues kCouleurs;

class TbancGraphe {
public:
    // Both vectors in `format` (8 or 16-bit mono), zeroed; white pixels; the model's detail view
    // is all of them.
    TbancGraphe(TformatWave format, int largeur, int hauteur);

    // Writes frames debut..fin-1 of a vector with one value.
    static void Ecrit(TvecteurSon& v, std::int64_t debut, std::int64_t fin, int valeur);

    // Rows of column x, or columns of row y, that hold the colour.
    std::vector<int> Lignes(int x, TCouleur couleur) const;
    std::vector<int> Colonnes(int y, TCouleur couleur) const;
    int PixelsNonBlancs() const;

    TsonsVue Sons() const { return {son.get(), sonBis.get()}; }
    // The model's detail view drawn on the pixels, and its read-outs.
    TlecturesRepere Detail() { return DessineDetail(modele, Sons(), canevas, image.largeur, image.hauteur); }
    // The detail graph that the drawings make of the model, for its mapping.
    TgrapheSon Graphe() const {
        return TgrapheSon(modele, Sons(), nullptr, image.largeur, image.hauteur, TgenreVue::detail);
    }

    std::unique_ptr<TvecteurSon> son;
    std::unique_ptr<TvecteurSon> sonBis;
    TimagePixels image;
    TCanevasPixels canevas;
    TmodeleVue modele;
};
