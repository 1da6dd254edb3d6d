#include "graph/CanevasPixels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "graph/TraitEpais.h"

namespace {

// Both XOR modes combine only the colour bits, leaving the pixel's unused top byte as it was.
std::uint32_t Bascule(TCouleur couleur, TmodeStylo mode) {
    const std::uint32_t v = ValeurPixel(couleur);
    return (mode == TmodeStylo::pmNotXor ? ~v : v) & 0xFFFFFFu;
}

// n pixels from p combined with the colour in the mode.
void Ecrit(std::uint32_t* p, std::int64_t n, TCouleur couleur, TmodeStylo mode) {
    if (mode == TmodeStylo::pmCopy) {
        std::fill_n(p, n, ValeurPixel(couleur));
        return;
    }
    const std::uint32_t bascule = Bascule(couleur, mode);
    for (std::int64_t i = 0; i < n; ++i) p[i] ^= bascule;
}

// A pen w pixels wide covers lo pixels before the thin line and hi after it.
int AvantTrait(int largeur) {
    return (std::max(largeur, 1) - 1) / 2;
}
int ApresTrait(int largeur) {
    return std::max(largeur, 1) / 2;
}

// Beyond this extent a slanted line is cut to the image before it is traced pixel by pixel;
// only a degenerate scale produces one.
constexpr std::int64_t kEtendueMax = 1 << 15;

// Inclusive bounds.
struct Tcadre {
    int gauche, haut, droite, bas;
};

// Cuts the segment to the frame (Liang-Barsky), its ends rounded to whole pixels; false when
// nothing of it is inside.
bool Rogne(TPoint& depart, TPoint& arrivee, const Tcadre& cadre) {
    const double x0 = depart.x, y0 = depart.y;
    const double dx = static_cast<double>(arrivee.x) - x0, dy = static_cast<double>(arrivee.y) - y0;
    double t0 = 0, t1 = 1;
    const auto borne = [&](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) t0 = std::max(t0, t);
        if (p > 0) t1 = std::min(t1, t);
        return t0 <= t1;
    };
    if (!borne(-dx, x0 - cadre.gauche) || !borne(dx, cadre.droite - x0) || !borne(-dy, y0 - cadre.haut) ||
        !borne(dy, cadre.bas - y0))
        return false;
    depart = {static_cast<int>(std::lround(x0 + t0 * dx)), static_cast<int>(std::lround(y0 + t0 * dy))};
    arrivee = {static_cast<int>(std::lround(x0 + t1 * dx)), static_cast<int>(std::lround(y0 + t1 * dy))};
    return !(depart == arrivee);
}

}  // namespace

void TCanevasPixels::RemplitRect(std::int64_t gauche, std::int64_t haut, std::int64_t droite,
                                 std::int64_t bas, TCouleur couleur, TmodeStylo mode) {
    gauche = std::max<std::int64_t>(gauche, 0);
    haut = std::max<std::int64_t>(haut, 0);
    droite = std::min<std::int64_t>(droite, image_->largeur);
    bas = std::min<std::int64_t>(bas, image_->hauteur);
    if (droite <= gauche || bas <= haut) return;
    for (auto y = static_cast<int>(haut); y < bas; ++y)
        Ecrit(image_->Ligne(y) + gauche, droite - gauche, couleur, mode);
}

void TCanevasPixels::LineTo(int x, int y) {
    const TPoint depart = position_;
    position_ = TPoint{x, y};
    if (depart == position_ || !Dessinable()) return;
    if (depart.x == x || depart.y == y)
        LigneDroite(depart, position_);
    else if (Pen.Width <= 1)
        LigneFine(depart, position_);
    else
        LigneEpaisse(depart, position_);
}

// Horizontal or vertical, any width: one exact rectangle.
void TCanevasPixels::LigneDroite(TPoint depart, TPoint arrivee) {
    const std::int64_t lo = AvantTrait(Pen.Width), hi = ApresTrait(Pen.Width);
    const auto etendue = [](std::int64_t de, std::int64_t a) {  // de..a without a, in order
        return a > de ? std::pair{de, a - 1} : std::pair{a + 1, de};
    };
    if (depart.y == arrivee.y) {
        const auto [x0, x1] = etendue(depart.x, arrivee.x);
        RemplitRect(x0 - lo, depart.y - lo, x1 + hi + 1, depart.y + hi + 1, Pen.Color, Pen.Mode);
    } else {
        const auto [y0, y1] = etendue(depart.y, arrivee.y);
        RemplitRect(depart.x - lo, y0 - lo, depart.x + hi + 1, y1 + hi + 1, Pen.Color, Pen.Mode);
    }
}

// Traced from its start (Bresenham, end point excluded), so that the same pixels come out
// whichever way a line runs but for its end, and drawn as runs of pixels, one per step along
// the minor axis.
void TCanevasPixels::LigneFine(TPoint depart, TPoint arrivee) {
    if (std::abs(std::int64_t{arrivee.x} - depart.x) > kEtendueMax ||
        std::abs(std::int64_t{arrivee.y} - depart.y) > kEtendueMax) {
        if (!Rogne(depart, arrivee, {-1, -1, image_->largeur, image_->hauteur})) return;
    }
    const int dx = arrivee.x - depart.x, dy = arrivee.y - depart.y;
    const bool horizontale = std::abs(dx) >= std::abs(dy);
    // Major axis u, minor axis v; a run is a stretch of constant v.
    const int du = std::abs(horizontale ? dx : dy), dv = std::abs(horizontale ? dy : dx);
    const int su = (horizontale ? dx : dy) < 0 ? -1 : 1, sv = (horizontale ? dy : dx) < 0 ? -1 : 1;
    const int u0 = horizontale ? depart.x : depart.y;
    int v = horizontale ? depart.y : depart.x;
    const auto trace = [&](int de, int a) {
        const std::int64_t bas = std::min(de, a), haut = std::int64_t{std::max(de, a)} + 1;
        if (horizontale)
            RemplitRect(bas, v, haut, v + 1, Pen.Color, Pen.Mode);
        else
            RemplitRect(v, bas, v + 1, haut, Pen.Color, Pen.Mode);
    };
    int erreur = 2 * dv - du;
    int debutRun = u0;
    for (int i = 0; i < du; ++i) {
        const int u = u0 + su * i;
        if (erreur > 0) {
            trace(debutRun, u);
            v += sv;
            erreur -= 2 * du;
            debutRun = u + su;
        }
        erreur += 2 * dv;
    }
    const int dernier = u0 + su * (du - 1);
    if ((dernier - debutRun) * su >= 0) trace(debutRun, dernier);
}

// Cut first to the image and a pen width around it, as the pictures made before were.
void TCanevasPixels::LigneEpaisse(TPoint depart, TPoint arrivee) {
    const int w = Pen.Width;
    if (!Rogne(depart, arrivee, {-w, -w, image_->largeur - 1 + w, image_->hauteur - 1 + w})) return;
    TraceTraitEpais(depart, arrivee, w, image_->largeur, image_->hauteur, [this](int y, int x0, int x1) {
        Ecrit(image_->Ligne(y) + x0, x1 - x0, Pen.Color, Pen.Mode);
    });
}

void TCanevasPixels::FillRect(const TRect& r) {
    if (!Dessinable()) return;
    RemplitRect(r.Left, r.Top, r.Right, r.Bottom, Brush.Color, TmodeStylo::pmCopy);
}

// The border is the band of pen width centred on the outline of the pixels Left..Right-1,
// Top..Bottom-1; the inside is what the band leaves. Drawn as disjoint pieces, the inside
// first, so that no pixel is combined twice in the XOR modes.
void TCanevasPixels::Rectangle(const TRect& r) {
    if (r.Right <= r.Left || r.Bottom <= r.Top || !Dessinable()) return;
    const std::int64_t lo = AvantTrait(Pen.Width), hi = ApresTrait(Pen.Width);
    const std::int64_t gauche = r.Left - lo, droite = r.Right + hi;  // outer band, Right excluded
    const std::int64_t haut = r.Top - lo, bas = r.Bottom + hi;
    const std::int64_t gaucheDedans = r.Left + hi + 1, droiteDedans = r.Right - 1 - lo;
    const std::int64_t hautDedans = r.Top + hi + 1, basDedans = r.Bottom - 1 - lo;
    if (droiteDedans <= gaucheDedans || basDedans <= hautDedans) {
        RemplitRect(gauche, haut, droite, bas, Pen.Color, Pen.Mode);
        return;
    }
    RemplitRect(gaucheDedans, hautDedans, droiteDedans, basDedans, Brush.Color, Pen.Mode);
    RemplitRect(gauche, haut, droite, hautDedans, Pen.Color, Pen.Mode);
    RemplitRect(gauche, basDedans, droite, bas, Pen.Color, Pen.Mode);
    RemplitRect(gauche, hautDedans, gaucheDedans, basDedans, Pen.Color, Pen.Mode);
    RemplitRect(droiteDedans, hautDedans, droite, basDedans, Pen.Color, Pen.Mode);
}
