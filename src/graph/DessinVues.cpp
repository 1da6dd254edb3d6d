#include "graph/DessinVues.h"

#include <algorithm>

#include "graph/CanevasPixels.h"

namespace {

constexpr TCouleur kBleu = 0xFF0000;
constexpr TCouleur kCyan = 0xFFFF00;
constexpr int kDebordBandes = 2;  // beyond the strip's top and bottom edges

TimagePixels ImageBlanche(TtailleImage taille) {
    return TimagePixels(std::max(taille.largeur, 1), std::max(taille.hauteur, 1), clBlanc);
}

}  // namespace

TlecturesRepere DessineDetail(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur) {
    TgrapheSon g(m, sons, &c, largeur, hauteur, TgenreVue::detail);
    g.DrawG();
    return g.lectures;
}

TlecturesRepere DessineReperes(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur) {
    TgrapheSon g(m, sons, &c, largeur, hauteur, TgenreVue::detail);
    g.TraceRepere();
    return g.lectures;
}

void DessineApercu(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur) {
    TgrapheSon(m, sons, &c, largeur, hauteur, TgenreVue::apercu).DrawAll();
}

void EffaceAnimation(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur) {
    TgrapheSon(m, sons, &c, largeur, hauteur, TgenreVue::detail).Efface();
}

void DessinePasAnimation(const TmodeleVue& m, TsonsVue sons, TCanevas& c, int largeur, int hauteur,
                         std::int32_t N) {
    TgrapheSon(m, sons, &c, largeur, hauteur, TgenreVue::detail).DrawPoint(N);
}

TbandesApercu BandesApercu(const TmodeleVue& m, int largeur) {
    const TgrapheSon g(m, {}, nullptr, largeur, 0, TgenreVue::apercu);
    const TaxeTemps axe = g.AxeX();
    return {ColonneDeTrame(axe, m.debutS), ColonneDeTrame(axe, m.finS),
            ColonneDeTrame(axe, m.debut),  ColonneDeTrame(axe, static_cast<double>(m.debut) + m.largeur / 4),
            g.LimiteCourbe.Left,           g.LimiteCourbe.Right};
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
                                 TtailleImage detail, TCouleur fondSelection, const TcouleursVues& couleurs,
                                 bool avecErreur) {
    TpixelsVues images{ImageBlanche(apercu), ImageBlanche(detail)};
    TmodeleVue m = ModeleOuverture(son, b, pas, images.detail.largeur, images.detail.hauteur, couleurs);
    m.avecErreur = avecErreur;
    const TsonsVue sons{son.vecteurSon.get(), son.vecteurSonSousEch.get()};

    TCanevasPixels canevasApercu(&images.apercu);
    DessineApercu(m, sons, canevasApercu, images.apercu.largeur, images.apercu.hauteur);
    if (son.NbrePoints > 0) {
        const TbandesApercu bandes = BandesApercu(m, images.apercu.largeur);
        DessineBandeSelection(canevasApercu, bandes.debutPB, bandes.finPB, images.apercu.hauteur,
                              fondSelection);
        DessineBandeFenetre(canevasApercu, bandes.debutSelect, bandes.finSelect, images.apercu.hauteur);
    }

    TCanevasPixels canevasDetail(&images.detail);
    DessineDetail(m, sons, canevasDetail, images.detail.largeur, images.detail.hauteur);
    return images;
}
