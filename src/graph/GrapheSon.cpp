#include "graph/GrapheSon.h"

#include <algorithm>
#include <cmath>

#include "graph/Arrondi.h"
#include "graph/LectureSon.h"
#include "sound/Numerisation.h"

namespace {

constexpr int kMargeApercu = 2;

}  // namespace

TgrapheSon::TgrapheSon(const TmodeleVue& m, TsonsVue sons, TCanevas* canevas, int largeur, int hauteur,
                       TgenreVue genre)
    : Canvas(canevas),
      rectPB{0, 0, largeur, hauteur},
      debut(genre == TgenreVue::detail ? m.debut : 0),
      NbreTot(m.trames),
      LimiteCourbe(rectPB),
      Son(genre == TgenreVue::detail ? sons.son : sons.numerise),
      SonBis(genre == TgenreVue::detail ? sons.numerise : sons.son),
      SonReconstruit(genre == TgenreVue::detail && m.avecReconstruction ? sons.reconstruit : nullptr),
      repere(m.repere),
      repereTemps(m.repereTemps),
      pasFreq(std::max(m.pas, 1)),
      NbreBits(m.bits),
      NbreBitsInit(m.bitsSon),
      coeffBit(std::max(1, static_cast<int>(Arrondi(std::pow(2.0L, m.bitsSon - m.bits))))),
      frequence(static_cast<std::int32_t>(m.frequence)),
      decalageCanvas(m.decalage),
      echelle(m.echelle > 0 ? m.echelle : 1),
      avecTemps(m.avecTemps),
      avecErreur(m.avecErreur),
      separateurDecimal(m.separateurDecimal),
      couleurs(m.couleurs) {
    if (Son) {
        const TplageVerticale plage = PlageVerticale(Son->formatWave);
        mondeY.SetMinMax(plage.mini, plage.maxi);
    }
    if (genre == TgenreVue::apercu) {
        LimiteCourbe.Left += Px(kMargeApercu);
        LimiteCourbe.Right -= Px(kMargeApercu);
        EchelleTout();
    } else {
        ChercheMonde();
    }
}

// Intermediate values in extended precision, so that a result lying exactly halfway between
// two pixels is seen as such and goes to the even one.
int ColonneDeTrame(const TaxeTemps& axe, double trame) {
    return Arrondi((static_cast<long double>(trame) - axe.debut) * axe.x.a + axe.x.b);
}

std::int32_t TrameDeColonne(const TaxeTemps& axe, int colonne) {
    return Arrondi((static_cast<long double>(colonne) - axe.x.b) / axe.x.a + axe.debut);
}

TaxeTemps AxeDetail(const TmodeleVue& m) {
    return TgrapheSon(m, {}, nullptr, m.largeur, m.hauteur, TgenreVue::detail).AxeX();
}

TaxeTemps AxeApercu(const TmodeleVue& m, int largeur) {
    return TgrapheSon(m, {}, nullptr, largeur, 0, TgenreVue::apercu).AxeX();
}

TmodeleVue ModeleOuverture(const TenregistrementSon& son, int b, int pas, int largeur, int hauteur,
                           const TcouleursVues& couleurs) {
    TmodeleVue m;
    m.largeur = largeur;
    m.hauteur = hauteur;
    m.bits = b;
    m.pas = pas;
    m.bitsSon = son.NBits;
    m.frequence = son.FreqEch;
    m.trames = son.NbrePoints;
    m.finS = son.NbrePoints - 1;
    m.couleurs = couleurs;
    return m;
}

int TgrapheSon::Px(int n) const {
    return std::max(1, static_cast<int>(std::lround(n * echelle)));
}

void TgrapheSon::WindowXY(double xr, double yr, int& xi, int& yi) const {
    xi = ColonneDeTrame(AxeX(), xr);
    yi = Arrondi(static_cast<long double>(mondeY.a) * yr + mondeY.b);
}

// Four window pixels per frame, never compressed; the value range only sets the vertical
// scale, and a range of zero height is widened rather than divided by.
void TgrapheSon::ChercheMonde() {
    const TRect& r = LimiteCourbe;
    mondeX.a = 4.0 * echelle;
    mondeX.b = r.Left;
    fin = static_cast<std::int32_t>((r.Right - r.Left) / mondeX.a) + debut - 1;
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
