// The two cursors of the detail view and their read-outs. Drawn in XOR, so that the click
// handler moves a cursor by drawing the old picture again (erasing it) and then the new one.
#include <algorithm>
#include <cmath>

#include "graph/Chaines.h"
#include "graph/GrapheSon.h"
#include "graph/LectureSon.h"

namespace {

constexpr int kHauteurPont = 20;  // the bridge between the cursors, below the top
constexpr int kEcartEtiquette = 8;

void VideNiveau(TlecturesRepere& l) {
    l.decimal.clear();
    l.binaire.clear();
    l.hexa.clear();
}

}  // namespace

void TgrapheSon::TraceRepere() {
    if (NbreTot <= 0 || !Canvas) return;
    const auto dansLaBoite = [this](int x) { return rectPB.Left < x && x < rectPB.Right; };
    const auto trait = [this](int x0, int y0, int x1, int y1) {
        Canvas->MoveTo(x0, y0);
        Canvas->LineTo(x1, y1);
    };
    int x, x2, y;
    WindowXY(repere, 0, x, y);
    WindowXY(repereTemps, 0, x2, y);
    if (!dansLaBoite(x)) {
        // A cursor that cannot be seen shows no value, and the duration goes with it.
        VideNiveau(lectures);
        lectures.tempsVisible = false;
        return;
    }
    Canvas->Pen = TStylo{clRouge, Px(3), TmodeStylo::pmXor};
    trait(x, 0, x, rectPB.Bottom);
    RenseigneNiveau();

    // Without a known rate there is no duration to show.
    lectures.tempsVisible = avecTemps && frequence > 0 && dansLaBoite(x2);
    if (lectures.tempsVisible) {
        Canvas->Pen = TStylo{clJaune, Px(1), TmodeStylo::pmXor};
        trait(x2, 0, x2, rectPB.Bottom);
        trait(x, Px(kHauteurPont), x2, Px(kHauteurPont));
        // The label is a widget: its place is in window pixels.
        lectures.tempsLeft = static_cast<int>(std::lround(std::min(x, x2) / echelle)) + kEcartEtiquette;
        lectures.tempsTop = kHauteurPont + decalageCanvas - kEcartEtiquette;
        lectures.tempsTexte = TexteDuree(std::int64_t{repereTemps} - repere, frequence, separateurDecimal);
    }
}

// The digitised level under the main cursor. Past the last frame nothing was digitised: the
// cursor is drawn, the level is left empty.
void TgrapheSon::RenseigneNiveau() {
    if (!SonBis || repere < 0 || repere >= TramesLisibles(*SonBis, NbreTot)) {
        VideNiveau(lectures);
        return;
    }
    int v = ValeurTrame(*SonBis, repere);
    const TformatWave format = (Son ? Son : SonBis)->formatWave;
    if (format == TformatWave::f16 || format == TformatWave::f16stereo) v += 32768;
    const int niveau = v / std::max(coeffBit, 1);
    lectures.decimal = std::to_string(niveau);
    lectures.binaire = ChaineBinaire(niveau, NbreBits);
    lectures.hexa = ChaineHexa(niveau, NbreBits);
}
