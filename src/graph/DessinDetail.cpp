// The detail view: four window pixels per frame, the sound as a thin polyline, the digitised
// sound as thick dashes, the sampling instants and the quantisation levels as fine lines.
#include <algorithm>
#include <cstdlib>

#include "graph/GrapheSon.h"
#include "graph/LectureSon.h"
#include "sound/SignalErreur.h"

void TgrapheSon::DrawG() {
    if (!Canvas) return;
    Canvas->Brush.Color = clBlanc;
    Canvas->FillRect(LimiteCourbe);
    Canvas->Pen.Mode = TmodeStylo::pmCopy;
    if (NbreTot < 1) return;
    ChercheMonde();
    Canvas->Pen.Width = Px(1);
    Canvas->Pen.Color = couleurs.niveau;
    TraceEchantillons();
    TraceNiveaux();
    TraceCourbe();
    TraceCourbeBis();
    TraceReconstruction();
    if (avecErreur) TraceErreur();
    TraceRepere();
}

// Lines closer than 10 window pixels would hide the curves: at four per frame, a step of
// three frames or more is needed.
void TgrapheSon::TraceEchantillons() {
    int x0, x1, y;
    WindowXY(debut, 0, x0, y);
    WindowXY(static_cast<double>(debut) + pasFreq, 0, x1, y);
    if (x1 - x0 < Px(10)) return;
    for (std::int32_t i = debut + (pasFreq - debut % pasFreq) % pasFreq; i <= fin; i += pasFreq) {
        int x;
        WindowXY(i, 0, x, y);
        Canvas->MoveTo(x, LimiteCourbe.Top);
        Canvas->LineTo(x, LimiteCourbe.Bottom);
    }
}

// Levels at multiples of coeffBit from the bottom of the layout's range: 0 for 8-bit
// sounds, -32764 (the bound of the 16-bit scale) otherwise.
void TgrapheSon::TraceNiveaux() {
    int x, y1, y2;
    WindowXY(debut, coeffBit, x, y1);
    WindowXY(debut, 2.0 * coeffBit, x, y2);
    if (std::abs(y2 - y1) < Px(10)) return;
    double v = Son && EstHuitBits(Son->formatWave) ? 0 : -32764;
    do {
        int y;
        WindowXY(debut, v, x, y);
        Canvas->MoveTo(LimiteCourbe.Left, y);
        Canvas->LineTo(LimiteCourbe.Right, y);
        v += coeffBit;
    } while (v <= mondeY.maxi);
}

void TgrapheSon::TraceCourbe() {
    Canvas->Pen.Width = Px(1);
    Canvas->Pen.Color = couleurs.courbe;
    if (Son) TraceLigne(*Son);
}

void TgrapheSon::TraceLigne(const TvecteurSon& v) {
    const std::int32_t premier = std::max(debut, 0);
    const std::int32_t dernier = std::min(fin, TramesLisibles(v, NbreTot) - 1);
    if (dernier < premier) return;
    AvecLecteur(v, [&](auto lecteur) {
        int x, y;
        WindowXY(premier, lecteur(premier), x, y);
        Canvas->MoveTo(x, y);
        for (std::int32_t i = premier; i <= dernier; ++i) {
            WindowXY(i, lecteur(i), x, y);
            Canvas->LineTo(x, y);
        }
    });
}

// Every frame gets its dash, so the held and re-quantised values show as a staircase.
void TgrapheSon::TraceCourbeBis() {
    Canvas->Pen.Width = Px(3);
    Canvas->Pen.Color = couleurs.bis;
    if (!SonBis) return;
    const std::int32_t premier = std::max(debut, 0);
    const std::int32_t dernier = std::min(fin, TramesLisibles(*SonBis, NbreTot) - 1);
    AvecLecteur(*SonBis, [&](auto lecteur) {
        for (std::int32_t i = premier; i <= dernier; ++i) {
            int x, y;
            WindowXY(i, lecteur(i), x, y);
            Canvas->MoveTo(x, y);
            Canvas->LineTo(x + Px(3), y);
        }
    });
}

// Over the staircase, two window pixels wide: the curve the converter's smoothing gives back.
void TgrapheSon::TraceReconstruction() {
    if (!SonReconstruit) return;
    Canvas->Pen.Width = Px(2);
    Canvas->Pen.Color = couleurs.reconstruction;
    TraceLigne(*SonReconstruit);
}

// The error at the scale of the sound, around the silence line (0, or 128 for 8-bit sounds):
// it stays within one quantisation step of it while the step is 1.
void TgrapheSon::TraceErreur() {
    Canvas->Pen.Width = Px(1);
    Canvas->Pen.Color = couleurs.erreur;
    if (!Son || !SonBis) return;
    const std::int32_t premier = std::max(debut, 0);
    const std::int32_t dernier =
        std::min({fin, TramesLisibles(*Son, NbreTot) - 1, TramesLisibles(*SonBis, NbreTot) - 1});
    if (dernier < premier) return;
    const double silence = EstHuitBits(Son->formatWave) ? 128 : 0;
    int x, y;
    WindowXY(premier, silence + ErreurTrame(*Son, *SonBis, premier, 0), x, y);
    Canvas->MoveTo(x, y);
    for (std::int32_t i = premier; i <= dernier; ++i) {
        WindowXY(i, silence + ErreurTrame(*Son, *SonBis, i, 0), x, y);
        Canvas->LineTo(x, y);
    }
}
