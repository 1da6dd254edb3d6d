#include "graph/DessinVues.h"

#include <algorithm>
#include <cmath>

#include "graph/CanevasPixels.h"

namespace {

constexpr TCouleur kBleu = 0xFF0000;
constexpr TCouleur kCyan = 0xFFFF00;
constexpr int kDebordBandes = 2;  // beyond the strip's top and bottom edges

// The frames across the detail view, at four window pixels each.
std::int32_t FramesDetail(const TmodeleVue& m) {
    return static_cast<std::int32_t>(m.largeur / (4 * (m.echelle > 0 ? m.echelle : 1)));
}

int Pixels(int n, double echelle) {
    return std::max(1, static_cast<int>(std::lround(n * echelle)));
}

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
            ColonneDeTrame(axe, m.debut),  ColonneDeTrame(axe, static_cast<double>(m.debut) + FramesDetail(m)),
            g.LimiteCourbe.Left,           g.LimiteCourbe.Right};
}

void DessineBandeSelection(TCanevas& c, int debutPB, int finPB, int hauteur, TCouleur fond, double echelle) {
    const int debord = Pixels(kDebordBandes, echelle);
    c.Pen = TStylo{clJaune, Pixels(3, echelle), TmodeStylo::pmNotXor};
    c.Brush.Color = fond;
    c.Rectangle(TRect{debutPB, -debord, finPB, hauteur + debord});
}

void DessineBandeFenetre(TCanevas& c, int debutSelect, int finSelect, int hauteur, double echelle) {
    const int debord = Pixels(kDebordBandes, echelle);
    c.Pen = TStylo{kBleu, Pixels(1, echelle), TmodeStylo::pmNotXor};
    c.Brush.Color = kCyan;
    c.Rectangle(TRect{debutSelect, -debord, finSelect, hauteur + debord});
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
