// A slanted line drawn with a wide pen with round ends, filled without antialiasing: the
// pixels that Qt 6's raster engine sets for it, which the views drew before they had a canvas
// of their own.
#pragma once

#include <functional>

#include "graph/Canevas.h"

// Calls segment(y, x0, x1) for each run of pixels [x0, x1) of row y, each pixel once, within a
// picture largeurImage x hauteurImage. a and b differ; their coordinates lie within a few
// pen widths of the picture (the caller cuts longer lines first).
void TraceTraitEpais(TPoint a, TPoint b, int largeurStylo, int largeurImage, int hauteurImage,
                     const std::function<void(int y, int x0, int x1)>& segment);
