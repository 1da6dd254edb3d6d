// The two cursors of the detail view and their read-outs. Drawn in XOR, so that the click
// handler moves a cursor by drawing the old picture again (erasing it) and then the new one.
#include <algorithm>
#include <optional>

#include "graph/Chaines.h"
#include "graph/GrapheSon.h"
#include "graph/LectureSon.h"

namespace {

constexpr int kHauteurPont = 20;  // the bridge between the cursors, below the top
constexpr int kEcartEtiquette = 8;

bool EstSeize(TformatWave f) {
    return f == TformatWave::f16 || f == TformatWave::f16stereo;
}

}  // namespace

void TgrapheSon::TraceRepere() {
    if (NbreTot <= 0) return;
    std::optional<TCanevas::Session> session;
    if (Canvas) session.emplace(*Canvas);
    const auto trait = [this](int x0, int y0, int x1, int y1) {
        if (!Canvas) return;
        Canvas->MoveTo(x0, y0);
        Canvas->LineTo(x1, y1);
    };
    if (Canvas) {
        Canvas->Pen.Color = clRouge;
        Canvas->Pen.Mode = TmodeStylo::pmXor;
        Canvas->Pen.Width = 3;
    }
    int x, y;
    WindowXY(repere, 0, x, y);
    if (!(rectPB.Left < x && x < rectPB.Right)) {
        // A cursor that cannot be seen shows no value, and the duration goes with it.
        lectures.decimal.clear();
        lectures.binaire.clear();
        lectures.hexa.clear();
        lectures.tempsVisible = false;
        if (AfficheLectures) AfficheLectures(lectures);
        return;
    }
    trait(x, 0, x, rectPB.Bottom);

    // Past the last frame there is no digitised value: the cursor is drawn, the level is not.
    if (SonBis && repere >= 0 && repere < TramesLisibles(*SonBis, NbreTot)) {
        int v = ValeurTrame(*SonBis, repere);
        if (EstSeize((Son ? Son : SonBis)->formatWave)) v += 32768;
        const int niveau = v / std::max(coeffBit, 1);
        lectures.decimal = QString::number(niveau);
        lectures.binaire = ChaineBinaire(niveau, NbreBits);
        lectures.hexa = ChaineHexa(niveau, NbreBits);
    } else {
        lectures.decimal.clear();
        lectures.binaire.clear();
        lectures.hexa.clear();
    }

    if (Canvas) {
        Canvas->Pen.Color = clJaune;
        Canvas->Pen.Width = 1;
    }
    int x2;
    WindowXY(repereTemps, 0, x2, y);
    // Without a known rate there is no duration to show.
    if (avecTemps && frequence > 0 && rectPB.Left < x2 && x2 < rectPB.Right) {
        trait(x2, 0, x2, rectPB.Bottom);
        trait(x, kHauteurPont, x2, kHauteurPont);
        lectures.tempsLeft = std::min(x, x2) + kEcartEtiquette;
        lectures.tempsTop = kHauteurPont + decalageCanvas - kEcartEtiquette;
        lectures.tempsTexte = TexteDuree(std::int64_t{repereTemps} - repere, frequence);
        lectures.tempsVisible = true;
    } else {
        lectures.tempsVisible = false;
    }
    if (AfficheLectures) AfficheLectures(lectures);
}
