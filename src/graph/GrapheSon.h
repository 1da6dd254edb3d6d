// A graph of a sound: one view of a model, bound to one canvas and two borrowed sample
// vectors, it maps frames and sample values to pixels and draws the detail view (DrawG) or
// the overview (DrawAll). Everything it holds is set from the model by its constructor; the
// drawing functions of DessinVues.h make one for each drawing.
//
// Read-outs: TraceRepere (run at the end of DrawG) fills `lectures`. The overview never draws
// cursors.
#pragma once

#include <cstdint>
#include <string>

#include "graph/Canevas.h"
#include "graph/LecturesRepere.h"
#include "graph/ModeleVue.h"
#include "graph/Monde.h"
#include "graph/Rectangle.h"
#include "sound/VecteurSon.h"

enum class TgenreVue : std::uint8_t { detail, apercu };

class TgrapheSon {
public:
    // A view of `largeur` x `hauteur` pixels; the overview draws the digitised vector. Without
    // a canvas the graph only maps.
    TgrapheSon(const TmodeleVue& m, TsonsVue sons, TCanevas* canevas, int largeur, int hauteur,
               TgenreVue genre);

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
    PvecteurSon SonReconstruit;       // the detail view's reconstructed sound, or none
    std::int32_t repere = 0;          // frame of the main cursor
    std::int32_t repereTemps = 0;     // frame of the duration cursor
    std::int32_t pasFreq = 0;         // one sampling instant every pasFreq frames
    std::int32_t NbreBits = 0;        // bits of the digitised signal
    std::int32_t NbreBitsInit = 0;    // bits of the sound, 8 or 16
    std::int32_t coeffBit = 1;        // quantisation step in raw units
    std::int32_t frequence = 0;       // sampling rate of the sound, Hz
    std::int32_t decalageCanvas = 0;  // top of the paint box within its parent, in window pixels
    double echelle = 1;               // canvas pixels per window pixel
    bool avecTemps = false;           // the duration cursor is enabled
    bool avecErreur = false;          // the error curve (SonBis - Son) is drawn too
    // The decimal separator of the duration label.
    std::string separateurDecimal = ",";
    TcouleursVues couleurs;

    TlecturesRepere lectures;

    // A length of n window pixels on the canvas, at least one pixel.
    int Px(int n) const;
    // World to pixel, relative to debut.
    void WindowXY(double xr, double yr, int& xi, int& yi) const;
    // The time axis, for ColonneDeTrame and TrameDeColonne.
    TaxeTemps AxeX() const { return {mondeX, debut}; }
    // Scales of the detail graph and its last visible frame.
    void ChercheMonde();

    // The detail view: background, sampling and level lines, both curves, the reconstructed
    // sound and the error curve when asked for, the cursors.
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
    void TraceReconstruction();
    // v's frames in the view as one polyline, in the pen set.
    void TraceLigne(const TvecteurSon& v);
    void RenseigneNiveau();
    void TracePointCourbe(std::int32_t i);
    void TracePointBis(std::int32_t i);

    // Scales of the overview; true when more than five frames fall on a column.
    bool EchelleTout();
    void TraceToutPoints();
    void TraceToutMinMax();
};
