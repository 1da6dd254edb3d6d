#include "graph/DessinVues.h"

#include <algorithm>

#include "graph/CanevasPixels.h"
#include "sound/Numerisation.h"

namespace {

constexpr TCouleur kBleu = 0xFF0000;
constexpr TCouleur kCyan = 0xFFFF00;
constexpr int kMargeApercu = 2;
constexpr int kDebordBandes = 2;  // beyond the strip's top and bottom edges

TimagePixels ImageBlanche(TtailleImage taille) {
    return TimagePixels(std::max(taille.largeur, 1), std::max(taille.hauteur, 1), clBlanc);
}

}  // namespace

void PrepareDetail(TgrapheSon& g, int largeur, int hauteur, int nBits, std::uint32_t freqEch) {
    g.NbreBitsInit = nBits;
    g.rectPB = TRect{0, 0, largeur, hauteur};
    g.frequence = static_cast<std::int32_t>(freqEch);
    g.LimiteCourbe = g.rectPB;
}

void PrepareApercu(TgrapheSon& g, int largeur, int hauteur) {
    g.rectPB = TRect{0, 0, largeur, hauteur};
    g.LimiteCourbe = g.rectPB;
    g.LimiteCourbe.Left += kMargeApercu;
    g.LimiteCourbe.Right -= kMargeApercu;
}

void DessineBandeSelection(TCanevas& c, int debutPB, int finPB, int hauteur, TCouleur fond) {
    c.Pen = TStylo{clJaune, 3, TmodeStylo::pmNotXor};
    c.Brush.Color = fond;
    c.Rectangle(TRect{debutPB, -kDebordBandes, finPB, hauteur + kDebordBandes});
}

void DessineBandeFenetre(TCanevas& c, int debutSelect, int finSelect, int hauteur) {
    c.Pen = TStylo{kBleu, 1, TmodeStylo::pmNotXor};
    c.Brush.Color = kCyan;
    c.Rectangle(TRect{debutSelect, -kDebordBandes, finSelect, hauteur + kDebordBandes});
}

TpixelsVues DessineVuesOuverture(const TenregistrementSon& son, int b, int pas, TtailleImage apercu,
                                 TtailleImage detail, TCouleur fondSelection, bool avecErreur) {
    TpixelsVues images{ImageBlanche(apercu), ImageBlanche(detail)};
    const std::int32_t dernier = son.NbrePoints - 1;

    TCanevasPixels canevasApercu(&images.apercu);
    TgrapheSon tout(son.vecteurSonSousEch.get(), son.vecteurSon.get());
    tout.Canvas = &canevasApercu;
    tout.NbreTot = son.NbrePoints;
    PrepareApercu(tout, images.apercu.largeur, images.apercu.hauteur);
    tout.DrawAll();
    if (son.NbrePoints > 0) {
        DessineBandeSelection(canevasApercu, tout.Xecran(0), tout.Xecran(dernier), images.apercu.hauteur,
                              fondSelection);
        DessineBandeFenetre(canevasApercu, tout.Xecran(0), tout.Xecran(images.detail.largeur / 4),
                            images.apercu.hauteur);
    }

    TCanevasPixels canevasDetail(&images.detail);
    TgrapheSon g(son.vecteurSon.get(), son.vecteurSonSousEch.get());
    g.Canvas = &canevasDetail;
    g.NbreTot = son.NbrePoints;
    g.NbreBits = b;
    g.pasFreq = std::max(pas, 1);
    g.avecErreur = avecErreur;
    const TplageVerticale plage = PlageVerticale(son.Format());
    g.mondeY.SetMinMax(plage.mini, plage.maxi);
    PrepareDetail(g, images.detail.largeur, images.detail.hauteur, son.NBits, son.FreqEch);
    g.DrawG();
    return images;
}
