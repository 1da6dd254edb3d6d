// The sampling animation, drawn step by step over the detail view.
#include <cstdint>

#include "graph/GrapheSon.h"
#include "graph/LectureSon.h"

void TgrapheSon::Efface() {
    if (!Canvas) return;
    Canvas->Brush.Color = clBlanc;
    Canvas->FillRect(LimiteCourbe);
}

void TgrapheSon::DrawPoint(std::int32_t N) {
    if (!Canvas) return;
    Canvas->Pen.Mode = TmodeStylo::pmCopy;
    ChercheMonde();
    const std::int64_t i = std::int64_t{debut} + N;
    if (i < 0 || i > INT32_MAX - 1) return;
    TracePointCourbe(static_cast<std::int32_t>(i));
    TracePointBis(static_cast<std::int32_t>(i));
}

// Frames past the end of the sound are never read: the segment needs frame i + 1, the
// stem and the dash need frame i.
void TgrapheSon::TracePointCourbe(std::int32_t i) {
    if (!Son || i >= TramesLisibles(*Son, NbreTot)) return;
    Canvas->Pen.Width = Px(1);
    Canvas->Pen.Color = couleurs.courbe;
    int x1, y1;
    WindowXY(i, ValeurTrame(*Son, i), x1, y1);
    Canvas->MoveTo(x1, y1);
    if (i + 1 < TramesLisibles(*Son, NbreTot)) {
        int x2, y2;
        WindowXY(i + 1.0, ValeurTrame(*Son, i + 1), x2, y2);
        Canvas->LineTo(x2, y2);
    }
    if (pasFreq > 0 && i % pasFreq == 0) {
        Canvas->Pen.Color = couleurs.niveau;
        Canvas->MoveTo(x1, LimiteCourbe.Bottom);
        Canvas->LineTo(x1, y1);
    }
}

void TgrapheSon::TracePointBis(std::int32_t i) {
    if (!SonBis || i >= TramesLisibles(*SonBis, NbreTot)) return;
    Canvas->Pen.Width = Px(3);
    Canvas->Pen.Color = couleurs.bis;
    int x, y;
    WindowXY(i, ValeurTrame(*SonBis, i), x, y);
    Canvas->MoveTo(x, y);
    Canvas->LineTo(x + Px(3), y);
}
