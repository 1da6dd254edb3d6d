#include "graph/DessinDirect.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/Numerisation.h"

namespace {

class Techelle {
public:
    Techelle(int hauteur, bool huitBits)
        : plage_(PlageVerticale(huitBits ? TformatWave::f8 : TformatWave::f16)) {
        a_ = (hauteur - 1) / (plage_.maxi - plage_.mini);
        bas_ = hauteur - 1;
    }
    int Y(double v) const { return static_cast<int>(std::lrint(bas_ - (v - plage_.mini) * a_)); }
    const TplageVerticale& Plage() const { return plage_; }

private:
    TplageVerticale plage_;
    double a_;
    double bas_;
};

void TraceNiveaux(TCanevas& c, int largeur, const Techelle& e, int q, TCouleur couleur, int ecartMin) {
    if (std::abs(e.Y(q) - e.Y(2.0 * q)) < ecartMin) return;
    c.Pen.Color = couleur;
    for (double v = e.Plage().mini; v <= e.Plage().maxi; v += q) {
        c.MoveTo(0, e.Y(v));
        c.LineTo(largeur, e.Y(v));
    }
}

// Column x holds the frames of the window from x * fenetre / largeur on; the strokes are
// one pixel longer than the span so that a flat column still shows.
void TraceColonnes(TCanevas& c, int largeur, const TtramesDirect& t, const std::int16_t* valeurs,
                   const Techelle& e) {
    const std::size_t vide = t.fenetre - t.trames;
    for (int x = 0; x < largeur; ++x) {
        const std::size_t debut = static_cast<std::size_t>(x) * t.fenetre / largeur;
        const std::size_t fin = std::max(static_cast<std::size_t>(x + 1) * t.fenetre / largeur, debut + 1);
        if (fin <= vide) continue;
        const std::int16_t* premier = valeurs + (std::max(debut, vide) - vide);
        const auto [mn, mx] = std::minmax_element(premier, valeurs + (fin - vide));
        c.MoveTo(x, e.Y(*mx));
        c.LineTo(x, e.Y(*mn) + 1);
    }
}

}  // namespace

void DessineDirect(const TmodeleVue& m, TCanevas& c, int largeur, int hauteur, const TtramesDirect& t) {
    c.Brush.Color = clBlanc;
    c.FillRect({0, 0, largeur, hauteur});
    c.Pen.Mode = TmodeStylo::pmCopy;
    c.Pen.Width = 1;
    if (largeur < 1 || hauteur < 2) return;
    const Techelle echelle(hauteur, t.huitBits);
    TraceNiveaux(c, largeur, echelle, std::max(QuantumNumerisation(m.bitsSon, m.bits), 1), m.couleurs.niveau,
                 static_cast<int>(std::lround(10 * m.echelle)));
    if (t.trames == 0 || t.fenetre < t.trames) return;
    c.Pen.Color = m.couleurs.courbe;
    TraceColonnes(c, largeur, t, t.son, echelle);
    c.Pen.Color = m.couleurs.bis;
    TraceColonnes(c, largeur, t, t.numerise, echelle);
}

double NiveauCrete(const std::int16_t* son, std::size_t trames, bool huitBits) {
    int crete = 0;
    for (std::size_t i = 0; i < trames; ++i) crete = std::max(crete, std::abs(son[i] - (huitBits ? 128 : 0)));
    return std::min(1.0, crete / (huitBits ? 128.0 : 32768.0));
}

void DessineNiveauDirect(const TmodeleVue& m, TCanevas& c, int largeur, int hauteur, double niveau) {
    c.Brush.Color = clBlanc;
    c.FillRect({0, 0, largeur, hauteur});
    c.Brush.Color = m.couleurs.bis;
    c.FillRect({0, hauteur / 4, static_cast<int>(std::lrint(std::clamp(niveau, 0.0, 1.0) * largeur)),
                hauteur - hauteur / 4});
}
