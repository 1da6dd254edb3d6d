// The stroke is built as an outline: the line moved half a pen width to either side, joined at
// each end by a half circle made of two cubic arcs; the arcs are flattened by halving until
// they are flat enough, the outline's corners are rounded to 1/64 pixel, and the rows are
// filled between its crossings at their pixel centres (nonzero winding), the crossings being
// stepped from row to row in 16.16 fixed point. Each step, down to the order of the
// floating-point operations, decides pixels on the stroke's edge: that is what makes the
// pixels those of the pictures made before.
#include "graph/TraitEpais.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

using Tfixe = std::int64_t;  // 16.16
constexpr Tfixe kUnFixe = 1 << 16;
constexpr double kKappa = 0.5522847498;  // a quarter circle's cubic: control points at kKappa * radius
constexpr double kPlatitude = 0.25;
constexpr int kProfondeurMax = 31;

struct Tpt {
    double x = 0;
    double y = 0;

    bool operator==(const Tpt&) const = default;
};

struct Tseg {
    Tpt a, b;

    double dx() const { return b.x - a.x; }
    double dy() const { return b.y - a.y; }
    void Decale(double x, double y) {
        a = {a.x + x, a.y + y};
        b = {b.x + x, b.y + y};
    }
    // Keeps a and the direction, puts b at `longueur` from a.
    void Allonge(double longueur) {
        const double avant = std::hypot(dx(), dy());
        if (avant > 0) b = {a.x + longueur * (dx() / avant), a.y + longueur * (dy() / avant)};
    }
};

// The segment moved by `rayon` to its right (y pointing down).
Tseg Cote(Tpt a, Tpt b, double rayon) {
    Tseg s{a, b};
    Tseg normale{a, {a.x + s.dy(), a.y - s.dx()}};
    normale.Allonge(rayon);
    s.Decale(normale.dx(), normale.dy());
    return s;
}

struct Tcubique {
    double x1, y1, x2, y2, x3, y3, x4, y4;

    // de Casteljau at t = 1/2.
    void Coupe(Tcubique& debut, Tcubique& fin) const {
        double c = (x2 + x3) * .5;
        debut.x2 = (x1 + x2) * .5;
        fin.x3 = (x3 + x4) * .5;
        debut.x1 = x1;
        fin.x4 = x4;
        debut.x3 = (debut.x2 + c) * .5;
        fin.x2 = (fin.x3 + c) * .5;
        debut.x4 = fin.x1 = (debut.x3 + fin.x2) * .5;
        c = (y2 + y3) / 2;
        debut.y2 = (y1 + y2) * .5;
        fin.y3 = (y3 + y4) * .5;
        debut.y1 = y1;
        fin.y4 = y4;
        debut.y3 = (debut.y2 + c) * .5;
        fin.y2 = (fin.y3 + c) * .5;
        debut.y4 = fin.y1 = (debut.y3 + fin.y2) * .5;
    }
    // Flat enough: the control points' distance to the chord, against the chord's length.
    bool Plate() const {
        const double dy41 = y4 - y1, dx41 = x4 - x1;
        double l = std::abs(dx41) + std::abs(dy41), d;
        if (l > 1.) {
            d = std::abs(dx41 * (y1 - y2) - dy41 * (x1 - x2)) + std::abs(dx41 * (y1 - y3) - dy41 * (x1 - x3));
        } else {
            d = std::abs(x1 - x2) + std::abs(y1 - y2) + std::abs(x1 - x3) + std::abs(y1 - y3);
            l = 1.;
        }
        return d < kPlatitude * l;
    }
};

// The outline as a closed polygon, in pixels.
class Tcontour {
public:
    Tcontour(int largeur, int hauteur) : largeur_(largeur), hauteur_(hauteur) {}

    void Point(Tpt p) {
        avant2_ = avant1_;
        avant1_ = p;
        points_.push_back(p);
    }
    void Cubique(Tpt c1, Tpt c2, Tpt fin);
    // Half a circle around `centre`, from the last point to the start of `suivant`.
    void Bout(Tpt centre, const Tseg& suivant, double rayon);
    void Ferme() {
        if (!(points_.back() == points_.front())) points_.push_back(points_.front());
    }
    const std::vector<Tpt>& Points() const { return points_; }

private:
    std::vector<Tpt> points_;
    Tpt avant1_, avant2_;  // the last point, and the one that gives the direction arriving there
    int largeur_, hauteur_;
};

void Tcontour::Cubique(Tpt c1, Tpt c2, Tpt fin) {
    const Tpt debut = points_.back();
    avant2_ = !(c2 == fin) ? c2 : !(c1 == fin) ? c1 : avant1_;
    avant1_ = fin;
    // An arc wholly outside the picture is only closed by its chord.
    const bool finDedans = fin.x >= 0 && fin.x <= largeur_ && fin.y >= 0 && fin.y <= hauteur_;
    if (!finDedans) {
        const auto [xMin, xMax] = std::minmax({debut.x, c1.x, c2.x, fin.x});
        const auto [yMin, yMax] = std::minmax({debut.y, c1.y, c2.y, fin.y});
        if (!(xMin < largeur_ && 0 < xMax && yMin < hauteur_ && 0 < yMax)) {
            points_.push_back(fin);
            return;
        }
    }
    Tcubique pile[kProfondeurMax + 1];
    pile[0] = {debut.x, debut.y, c1.x, c1.y, c2.x, c2.y, fin.x, fin.y};
    for (Tcubique* c = pile; c >= pile;) {
        if (c->Plate() || c == pile + kProfondeurMax) {
            points_.push_back({c->x4, c->y4});
            --c;
        } else {
            c->Coupe(c[1], c[0]);
            ++c;
        }
    }
}

void Tcontour::Bout(Tpt centre, const Tseg& suivant, double rayon) {
    const Tseg arrivee{avant2_, avant1_};
    Tseg l1 = arrivee;
    l1.Decale(l1.dx(), l1.dy());
    l1.Allonge(kKappa * rayon);
    Tseg l2{centre, arrivee.b};
    l2.Decale(-l2.dy(), l2.dx());
    l2.Allonge(kKappa * rayon);
    Cubique(l1.b, l2.b, l2.a);
    l2 = Tseg{l2.a, {l2.a.x - l2.dx(), l2.a.y - l2.dy()}};
    l1.Decale(suivant.a.x - l1.a.x, suivant.a.y - l1.a.y);
    Cubique(l2.b, l1.b, l1.a);
}

// A side of the outline over the rows haut..bas: its crossing with row haut, and the step
// from one row to the next.
struct Tarete {
    Tfixe x;
    Tfixe pente;
    int haut, bas;
    int sens;  // +1 downwards, -1 upwards
};

// Rows haut..bas of a picture `largeur` pixels wide; the sides are cut at its left and right
// edges, the parts beyond becoming vertical sides on the edge.
class Tbalayage {
public:
    Tbalayage(int haut, int bas, int largeur) : haut_(haut), bas_(bas), droite_(largeur * kUnFixe) {}

    // A side between two corners in 26.6.
    void Arete(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by);
    void Remplit(const std::function<void(int, int, int)>& segment) const;

private:
    bool Coupe(Tfixe& x, int& haut, int& bas, Tfixe pente, Tfixe bord, int sens);

    int haut_, bas_;
    Tfixe gauche_ = 0, droite_;
    std::vector<Tarete> aretes_;
};

// True when nothing of the side is left to add.
bool Tbalayage::Coupe(Tfixe& x, int& haut, int& bas, Tfixe pente, Tfixe bord, int sens) {
    const bool droite = bord == droite_;
    if (x == bord) {
        if ((pente > 0) ^ droite) return false;
        aretes_.push_back({bord, 0, haut, bas, sens});
        return true;
    }
    const Tfixe dernier = x + pente * (bas - haut);
    if (dernier == bord) {
        if ((pente < 0) ^ droite) return false;
        aretes_.push_back({bord, 0, haut, bas, sens});
        return true;
    }
    if ((dernier < bord) ^ (x < bord)) {
        const auto lignes = static_cast<Tfixe>(static_cast<double>(bord - x) / (pente * (1. / 65536.)));
        if ((x < bord) ^ droite) {
            const int hauteur = static_cast<int>((lignes + 1) >> 16);
            const int milieu = haut + hauteur;
            aretes_.push_back({bord, 0, haut, milieu, sens});
            if (milieu == bas) return true;
            x += pente * (hauteur + 1);
            haut = milieu + 1;
        } else {
            const int milieu = haut + static_cast<int>(lignes >> 16);
            if (milieu != bas) {
                aretes_.push_back({bord, 0, milieu + 1, bas, sens});
                bas = milieu;
            }
        }
        return false;
    }
    if ((x < bord) ^ droite) {
        aretes_.push_back({bord, 0, haut, bas, sens});
        return true;
    }
    return false;
}

// Rows whose centre lies between the corners' heights; the crossing at a row's centre.
void Tbalayage::Arete(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by) {
    int sens = 1;
    if (ay > by) {
        std::swap(ax, bx);
        std::swap(ay, by);
        sens = -1;
    }
    int haut = std::max(haut_, static_cast<int>((ay + 32) >> 6));
    int bas = std::min(bas_, static_cast<int>((by - 32) >> 6));
    if (haut > bas) return;
    const Tfixe xa = kUnFixe / 2 + ax * 1024;
    if (bx == ax) {
        aretes_.push_back({std::clamp(xa, gauche_, droite_), 0, haut, bas, sens});
        return;
    }
    const auto pente =
        static_cast<Tfixe>(static_cast<double>(bx - ax) / static_cast<double>(by - ay) * 65536.);
    Tfixe x = xa + ((pente * (Tfixe{haut} * kUnFixe + kUnFixe / 2 - ay * 1024)) >> 16);
    if (Coupe(x, haut, bas, pente, gauche_, sens) || Coupe(x, haut, bas, pente, droite_, sens)) return;
    aretes_.push_back({x, pente, haut, bas, sens});
}

void Tbalayage::Remplit(const std::function<void(int, int, int)>& segment) const {
    std::vector<std::pair<Tfixe, int>> croisements;
    for (int y = haut_; y <= bas_; ++y) {
        croisements.clear();
        for (const Tarete& a : aretes_)
            if (a.haut <= y && y <= a.bas) croisements.emplace_back(a.x + a.pente * (y - a.haut), a.sens);
        std::sort(croisements.begin(), croisements.end());
        int enroulement = 0, x = 0;
        for (const auto& [xFixe, sens] : croisements) {
            const auto colonne = static_cast<int>(xFixe >> 16);
            if (enroulement != 0 && colonne > x) segment(y, x, colonne);
            x = colonne;
            enroulement += sens;
        }
    }
}

std::int64_t En26Point6(double v) {
    return static_cast<int>(v * 64 + std::copysign(0.5, v * 64));
}

}  // namespace

void TraceTraitEpais(TPoint a, TPoint b, int largeurStylo, int largeurImage, int hauteurImage,
                     const std::function<void(int y, int x0, int x1)>& segment) {
    const double rayon = largeurStylo / 2.0;
    const Tpt p1{static_cast<double>(a.x), static_cast<double>(a.y)};
    const Tpt p2{static_cast<double>(b.x), static_cast<double>(b.y)};
    Tcontour contour(largeurImage, hauteurImage);
    const Tseg aller = Cote(p1, p2, rayon);
    contour.Point(aller.a);
    contour.Point(aller.b);
    const Tseg retour = Cote(p2, p1, rayon);
    contour.Bout(p2, retour, rayon);
    contour.Point(retour.b);
    contour.Bout(p1, aller, rayon);
    contour.Ferme();

    std::vector<std::pair<std::int64_t, std::int64_t>> coins;
    for (const Tpt& p : contour.Points()) coins.emplace_back(En26Point6(p.x), En26Point6(p.y));
    const auto [yMin, yMax] = std::minmax_element(
        coins.begin(), coins.end(), [](const auto& u, const auto& v) { return u.second < v.second; });
    const int haut = std::max(0, static_cast<int>((yMin->second + 32) >> 6));
    const int bas = std::min(hauteurImage - 1, static_cast<int>((yMax->second - 32) >> 6));
    if (haut > bas) return;
    Tbalayage balayage(haut, bas, largeurImage);
    for (std::size_t i = 0; i + 1 < coins.size(); ++i)
        balayage.Arete(coins[i].first, coins[i].second, coins[i + 1].first, coins[i + 1].second);
    balayage.Remplit(segment);
}
