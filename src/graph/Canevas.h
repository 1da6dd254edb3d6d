// A drawing surface with the habits of a GDI canvas, over QPainter on a borrowed QImage.
//
// The image belongs to the paint box, which keeps it between paints so that marks drawn
// from mouse handlers stay visible. The canvas only holds a pointer to it: the paint box
// may replace the image (after a resize) as long as no drawing is under way. The image
// should be QImage::Format_RGB32; the XOR modes rely on a 32-bit pixel.
#pragma once

#include <cstdint>

#include <QImage>
#include <QPainter>
#include <QPoint>

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

// Colour of a pixel, $BBGGRR; 0 outside the image.
TCouleur CouleurPixel(const QImage& image, int x, int y);

class TCanevas {
public:
    explicit TCanevas(QImage* image = nullptr);
    TCanevas(const TCanevas&) = delete;
    TCanevas& operator=(const TCanevas&) = delete;

    void SetImage(QImage* image) { image_ = image; }
    QImage* Image() const { return image_; }

    TStylo Pen;
    TPinceau Brush;

    void MoveTo(int x, int y) { position_ = QPoint(x, y); }
    QPoint PenPos() const { return position_; }

    // A line from the pen position to (x, y) without its end point, so that a zero-length
    // line draws nothing and a chain of LineTo touches every pixel once. The pen moves to (x, y).
    // A wider pen, on a horizontal or vertical line, is a square of that width swept along
    // the thin line; on a slanted one, Qt's wide line with round ends.
    void LineTo(int x, int y);

    // The brush over the rectangle, always in copy mode whatever the pen's mode.
    void FillRect(const TRect& r);

    // Border with the pen, inside with the brush, both in the pen's mode. Each pixel is
    // touched once, so a rectangle drawn twice in pmXor or pmNotXor leaves no trace.
    void Rectangle(const TRect& r);

    // Colour of a pixel of the image, $BBGGRR; 0 outside it.
    TCouleur Pixel(int x, int y) const { return image_ ? CouleurPixel(*image_, x, y) : 0; }

    // Keeps one QPainter open over many drawings, which is much faster than one per call.
    // Sessions nest; the outermost one ends the painting. Every drawing call opens its own
    // when none is open.
    class Session {
    public:
        explicit Session(TCanevas& canevas);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        bool Active() const { return canevas_.peintre_.isActive(); }

    private:
        TCanevas& canevas_;
        bool proprietaire_;
    };

private:
    // The painter set for the current mode; the pen is set only for lines.
    QPainter& Peintre(TmodeStylo mode);
    void RemplitRect(std::int64_t gauche, std::int64_t haut, std::int64_t droite, std::int64_t bas,
                     TCouleur couleur, TmodeStylo mode);
    void LigneDroite(QPoint depart, QPoint arrivee);
    void LigneFine(QPoint depart, QPoint arrivee);
    void LigneEpaisse(QPoint depart, QPoint arrivee);

    QImage* image_;
    QPainter peintre_;
    QPoint position_;
    TmodeStylo modeApplique_ = TmodeStylo::pmCopy;
};
