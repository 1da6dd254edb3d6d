#include "graph/GrapheSon.h"

#include <algorithm>

#include "graph/Arrondi.h"
#include "graph/LectureSon.h"

TgrapheSon::TgrapheSon(PvecteurSon son, PvecteurSon sonBis) : Son(son), SonBis(sonBis) {}

// Intermediate values in extended precision, so that a result lying exactly halfway between
// two pixels is seen as such and goes to the even one.
void TgrapheSon::WindowXY(double xr, double yr, int& xi, int& yi) const {
    xi = Arrondi((static_cast<long double>(xr) - debut) * mondeX.a + mondeX.b);
    yi = Arrondi(static_cast<long double>(mondeY.a) * yr + mondeY.b);
}

void TgrapheSon::MondeXY(int xi, int yi, long double& xr, long double& yr) const {
    xr = (static_cast<long double>(xi) - mondeX.b) / mondeX.a + debut;
    yr = (static_cast<long double>(yi) - mondeY.b) / mondeY.a;
}

int TgrapheSon::Xecran(double xr) const {
    return Arrondi(static_cast<long double>(mondeX.a) * xr + mondeX.b);
}

// Four pixels per frame, never compressed; the value range only sets the vertical scale,
// and a range of zero height is widened rather than divided by.
void TgrapheSon::ChercheMonde() {
    const TRect& r = LimiteCourbe;
    mondeX.a = 4.0;
    mondeX.b = r.Left;
    fin = (r.Right - r.Left) / 4 + debut - 1;
    if (fin > NbreTot - 1) fin = NbreTot - 1;

    const bool huitBits = Son && EstHuitBits(Son->formatWave);
    if (mondeY.maxi == mondeY.mini) {
        const double ecart = huitBits ? 16 : 256;
        const double plafond = huitBits ? 256 : 32764;
        const double plancher = huitBits ? 0 : -32764;
        mondeY.maxi = std::min(mondeY.maxi + ecart, plafond);
        mondeY.mini = std::max(mondeY.mini - ecart, plancher);
    }
    const double hauteur = r.Top - r.Bottom;
    if (huitBits) {
        mondeY.a = hauteur / (mondeY.maxi - mondeY.mini) / 1.01;
        mondeY.b = r.Bottom;
    } else {
        mondeY.a = hauteur / (mondeY.maxi - mondeY.mini) / 1.02;
        mondeY.b = (r.Top + r.Bottom) / 2.0;
    }
}

int TgrapheSon::valeur24bits(std::int32_t j) const {
    if (!Son || j < 0 || static_cast<std::size_t>(j) + 2 >= kTailleZoneSon) return 0;
    return Valeur24Bits(Son->zone, j);
}

double TgrapheSon::valeur24(std::int32_t j) const {
    if (!Son || j < 0 || static_cast<std::size_t>(j) + 2 >= kTailleZoneSon) return 0.0;
    return (Son->zone[j] + 256.0 * Son->zone[j + 1] + 65536.0 * Son->zone[j + 2]) / 8388608.0;
}
