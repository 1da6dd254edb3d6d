// The views' pixel buffers seen by Qt: the desktop paints them and the export writes them.
#pragma once

#include <QImage>

#include "graph/ImagePixels.h"

// A Format_RGB32 image over the buffer's own pixels, without a copy: what is drawn into the
// buffer shows in the image. It stays valid while the buffer keeps its size and lives.
QImage EnveloppeImage(TimagePixels& image);
// A Format_RGB32 image of its own with the buffer's pixels.
QImage CopieImage(const TimagePixels& image);

// Colour of a pixel, $BBGGRR; 0 outside the image.
TCouleur CouleurPixel(const QImage& image, int x, int y);
