// A graph of a sound: bound to one canvas and two borrowed sample vectors, it maps frames
// and sample values to pixels and draws the detail view (DrawG) or the overview (DrawAll).
//
// The window owns the vectors, each paint box's pixels with their canvas, and the widgets.
// The graph borrows a canvas (Canvas) and the vectors (Son, SonBis) and never copies them;
// it reads the vectors at every draw. Before each draw the window sets rectPB, LimiteCourbe
// and the other fields it is told to.
//
// Read-outs: TraceRepere (run at the end of DrawG, and by the click handler) fills
// `lectures` and then calls AfficheLectures, which the window sets to copy them into its
// widgets. The overview never draws cursors and needs neither.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "graph/Canevas.h"
#include "graph/LecturesRepere.h"
#include "graph/Monde.h"
#include "graph/Rectangle.h"
#include "sound/VecteurSon.h"

class TgrapheSon {
public:
    TgrapheSon(PvecteurSon son, PvecteurSon sonBis);

    TCanevas* Canvas = nullptr;       // borrowed; without it nothing is drawn nor read out
    TRect rectPB;                     // the whole paint box, (0, 0, width, height)
    Tmonde mondeX;                    // time axis: x is a frame index
    Tmonde mondeY;                    // value axis: y is a raw sample value
    std::int32_t debut = 0;           // first frame shown; the overview keeps 0
    std::int32_t fin = 0;             // last frame shown, set by ChercheMonde
    std::int32_t NbreTot = 0;         // frames of the sound
    TRect LimiteCourbe;               // curve area inside the paint box
    PvecteurSon Son;                  // main vector drawn
    PvecteurSon SonBis;               // second vector drawn
    std::int32_t repere = 0;          // frame of the main cursor
    std::int32_t repereTemps = 0;     // frame of the duration cursor
    std::int32_t pasFreq = 0;         // one sampling instant every pasFreq frames
    std::int32_t NbreBits = 0;        // bits of the digitised signal
    std::int32_t NbreBitsInit = 0;    // bits of the sound, 8 or 16
    std::int32_t coeffBit = 0;        // quantisation step in raw units, set by DrawG
    std::int32_t frequence = 0;       // sampling rate of the sound, Hz
    std::int32_t decalageCanvas = 0;  // top of the paint box within its parent
    bool avecTemps = false;           // the duration cursor is enabled
    bool avecErreur = false;          // the error curve (SonBis - Son) is drawn too
    // The user's decimal separator, in the duration label.
    std::string separateurDecimal = ".";

    TlecturesRepere lectures;
    std::function<void(const TlecturesRepere&)> AfficheLectures;

    // World to pixel, relative to debut.
    void WindowXY(double xr, double yr, int& xi, int& yi) const;
    // Pixel to world, not rounded.
    void MondeXY(int xi, int yi, long double& xr, long double& yr) const;
    // Frame to column, ignoring debut (the overview, whose debut is 0).
    int Xecran(double xr) const;
    // Scales of the detail graph and its last visible frame.
    void ChercheMonde();

    // 24-bit sample at byte offset j of Son: its upper 16 bits, unsigned, and its value
    // over 2^23. Offsets beyond the sample area read as 0.
    int valeur24bits(std::int32_t j) const;
    double valeur24(std::int32_t j) const;

    // The detail view: background, sampling and level lines, both curves, the error curve
    // when asked for, the cursors.
    void DrawG();
    // Both cursors in XOR (so that drawing them again removes them) and the read-outs.
    void TraceRepere();
    // The overview: the whole of Son fitted to the curve area.
    void DrawAll();

    // The sampling animation: a white curve area, then one step per call over the view as
    // it stands: the curve's segment from frame debut + N, its stem at a sampling instant,
    // and the digitised dash.
    void Efface();
    void DrawPoint(std::int32_t N);

private:
    void TraceEchantillons();
    void TraceNiveaux();
    void TraceCourbe();
    void TraceCourbeBis();
    void TraceErreur();
    void RenseigneNiveau();
    void TracePointCourbe(std::int32_t i);
    void TracePointBis(std::int32_t i);

    // Scales of the overview; true when more than five frames fall on a column.
    bool EchelleTout();
    void TraceToutPoints();
    void TraceToutMinMax();
};
