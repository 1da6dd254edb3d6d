#include "BancGraphe.h"

#include <cstring>

TbancGraphe::TbancGraphe(TformatWave format, int largeur, int hauteur)
    : son(AlloueVecteurSon()), sonBis(AlloueVecteurSon()), image(largeur, hauteur, clBlanc), canevas(&image) {
    for (TvecteurSon* v : {son.get(), sonBis.get()}) {
        v->formatWave = format;
        std::memset(v->zone, 0, kTailleZoneSon);
    }
    modele.largeur = largeur;
    modele.hauteur = hauteur;
}

void TbancGraphe::Ecrit(TvecteurSon& v, std::int64_t debut, std::int64_t fin, int valeur) {
    for (std::int64_t i = debut; i < fin; ++i) {
        if (EstHuitBits(v.formatWave))
            v.setSon8(i, static_cast<std::uint8_t>(valeur));
        else
            v.setSon16(i, static_cast<std::int16_t>(valeur));
    }
}

std::vector<int> TbancGraphe::Lignes(int x, TCouleur couleur) const {
    std::vector<int> lignes;
    for (int y = 0; y < image.hauteur; ++y)
        if (canevas.Pixel(x, y) == couleur) lignes.push_back(y);
    return lignes;
}

std::vector<int> TbancGraphe::Colonnes(int y, TCouleur couleur) const {
    std::vector<int> colonnes;
    for (int x = 0; x < image.largeur; ++x)
        if (canevas.Pixel(x, y) == couleur) colonnes.push_back(x);
    return colonnes;
}

int TbancGraphe::PixelsNonBlancs() const {
    int n = 0;
    for (int y = 0; y < image.hauteur; ++y)
        for (int x = 0; x < image.largeur; ++x) n += canevas.Pixel(x, y) != clBlanc;
    return n;
}
