// A drawing surface with the habits of a GDI canvas: a pen with a colour, a width and a mode,
// a brush, MoveTo/LineTo, FillRect and Rectangle. The graphs draw through this interface; the
// views' surface is TCanevasPixels, over a plain pixel buffer.
#pragma once

#include <cstdint>

#include "graph/Couleurs.h"
#include "graph/Rectangle.h"

// pmXor: pixel := pixel XOR colour; pmNotXor: pixel := NOT (pixel XOR colour). Both undo
// themselves when the same drawing is made twice.
enum class TmodeStylo : std::uint8_t { pmCopy, pmXor, pmNotXor };

struct TStylo {
    TCouleur Color = 0x000000;
    int Width = 1;
    TmodeStylo Mode = TmodeStylo::pmCopy;
};

struct TPinceau {
    TCouleur Color = clBlanc;
};

struct TPoint {
    int x = 0;
    int y = 0;

    bool operator==(const TPoint&) const = default;
};

class TCanevas {
public:
    TCanevas() = default;
    virtual ~TCanevas() = default;
    TCanevas(const TCanevas&) = delete;
    TCanevas& operator=(const TCanevas&) = delete;

    TStylo Pen;
    TPinceau Brush;

    void MoveTo(int x, int y) { position_ = TPoint{x, y}; }

    // A line from the pen position to (x, y) without its end point, so that a zero-length
    // line draws nothing and a chain of LineTo touches every pixel once. The pen moves to (x, y).
    // A wider pen, on a horizontal or vertical line, is a square of that width swept along
    // the thin line; on a slanted one, a wide line with round ends.
    virtual void LineTo(int x, int y) = 0;

    // The brush over the rectangle, always in copy mode whatever the pen's mode.
    virtual void FillRect(const TRect& r) = 0;

    // Border with the pen, inside with the brush, both in the pen's mode. Each pixel is
    // touched once, so a rectangle drawn twice in pmXor or pmNotXor leaves no trace.
    virtual void Rectangle(const TRect& r) = 0;

protected:
    TPoint position_;
};
