#include "BancGraphe.h"

#include <cstring>

QImage ImageBlanche(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TbancGraphe::TbancGraphe(TformatWave format, int largeur, int hauteur)
    : son(AlloueVecteurSon()),
      sonBis(AlloueVecteurSon()),
      image(ImageBlanche(largeur, hauteur)),
      canevas(&image),
      graphe(son.get(), sonBis.get()) {
    for (TvecteurSon* v : {son.get(), sonBis.get()}) {
        v->formatWave = format;
        std::memset(v->zone, 0, kTailleZoneSon);
    }
    graphe.Canvas = &canevas;
    graphe.rectPB = TRect{0, 0, largeur, hauteur};
    graphe.LimiteCourbe = graphe.rectPB;
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
    for (int y = 0; y < image.height(); ++y)
        if (canevas.Pixel(x, y) == couleur) lignes.push_back(y);
    return lignes;
}

std::vector<int> TbancGraphe::Colonnes(int y, TCouleur couleur) const {
    std::vector<int> colonnes;
    for (int x = 0; x < image.width(); ++x)
        if (canevas.Pixel(x, y) == couleur) colonnes.push_back(x);
    return colonnes;
}

int TbancGraphe::PixelsNonBlancs() const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += canevas.Pixel(x, y) != clBlanc;
    return n;
}
