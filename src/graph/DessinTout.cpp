// The overview: the whole sound fitted to the strip, as a polyline while there are five
// frames per column or fewer, otherwise as one stroke per column from its smallest to its
// largest value.
#include <algorithm>

#include "graph/Arrondi.h"
#include "graph/GrapheSon.h"
#include "graph/LectureSon.h"

namespace {

constexpr std::int32_t kSommetsMax = 8192;

}  // namespace

void TgrapheSon::DrawAll() {
    if (!Canvas) return;
    Canvas->Brush.Color = clBlanc;
    Canvas->Pen.Mode = TmodeStylo::pmCopy;
    Canvas->Pen.Width = Px(1);
    Canvas->Pen.Color = couleurs.bis;
    Canvas->FillRect(LimiteCourbe);
    const bool compresse = EchelleTout();
    if (NbreTot < 1 || !Son) return;
    if (compresse)
        TraceToutMinMax();
    else
        TraceToutPoints();
}

// The first frame on column L, the last on column R, the layout's whole range on the height.
// A sound of one frame has no span: it is drawn as a flat line across the strip.
bool TgrapheSon::EchelleTout() {
    const TRect& r = LimiteCourbe;
    const std::int32_t dernier = NbreTot - 1;
    mondeX.a = dernier > 0 ? static_cast<double>(r.Right - r.Left) / dernier : r.Right - r.Left;
    mondeX.b = r.Left;
    if (Son && EstHuitBits(Son->formatWave)) {
        mondeY.a = (r.Top - r.Bottom) / 256.0;
        mondeY.b = r.Bottom;
    } else {
        mondeY.a = (r.Top - r.Bottom) / 65536.0;
        mondeY.b = r.Bottom + 32768 * mondeY.a;
    }
    return mondeX.a < 0.2;
}

// A stride keeps the vertices at 8192 or fewer on very wide strips.
void TgrapheSon::TraceToutPoints() {
    const std::int32_t dernier = TramesLisibles(*Son, NbreTot) - 1;
    if (dernier < 0) return;
    const std::int32_t pas = (NbreTot - 1) / kSommetsMax + 1;
    AvecLecteur(*Son, [&](auto lecteur) {
        int x, y;
        WindowXY(0, lecteur(0), x, y);
        Canvas->MoveTo(x, y);
        if (NbreTot == 1) {
            Canvas->LineTo(LimiteCourbe.Right, y);
            return;
        }
        for (std::int32_t j = 0; j <= dernier; j += pas) {
            WindowXY(j, lecteur(j), x, y);
            Canvas->LineTo(x, y);
        }
    });
}

// Each frame is read once; the scan of the last column stops at the last frame, and columns
// beyond it draw nothing. A column of equal values is a stroke of zero length, which the
// canvas leaves out: silence stays white.
void TgrapheSon::TraceToutMinMax() {
    const std::int64_t dernier = TramesLisibles(*Son, NbreTot) - 1;
    const std::int64_t k = Arrondi(1.0L / mondeX.a);
    if (k < 1) return;
    // One stroke per canvas column, whatever the scale: together they fill the envelope.
    Canvas->Pen.Width = 1;
    AvecLecteur(*Son, [&](auto lecteur) {
        for (int i = LimiteCourbe.Left; i < LimiteCourbe.Right; ++i) {
            const std::int64_t premier = (i - LimiteCourbe.Left) * k;
            if (premier > dernier) break;
            const std::int64_t borne = std::min(premier + k - 1, dernier);
            auto mn = lecteur(premier), mx = mn;
            for (std::int64_t j = premier + 1; j <= borne; ++j) {
                const auto v = lecteur(j);
                mn = std::min(mn, v);
                mx = std::max(mx, v);
            }
            int x, y1, y2;
            WindowXY(premier, mn, x, y1);
            WindowXY(premier, mx, x, y2);
            Canvas->MoveTo(i, y1);
            Canvas->LineTo(i, y2);
        }
    });
}
