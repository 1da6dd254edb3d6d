// The canvas of the views, over a borrowed pixel buffer.
//
// The buffer belongs to the paint box, which keeps it between paints so that marks drawn from
// mouse handlers stay visible. The canvas only holds a pointer to it: the paint box may
// replace the buffer (after a resize) as long as no drawing is under way.
#pragma once

#include <cstdint>

#include "graph/Canevas.h"
#include "graph/ImagePixels.h"

class TCanevasPixels final : public TCanevas {
public:
    explicit TCanevasPixels(TimagePixels* image = nullptr) : image_(image) {}

    void SetImage(TimagePixels* image) { image_ = image; }
    TimagePixels* Image() const { return image_; }

    void LineTo(int x, int y) override;
    void FillRect(const TRect& r) override;
    void Rectangle(const TRect& r) override;

    // Colour of a pixel of the image, $BBGGRR; 0 outside it.
    TCouleur Pixel(int x, int y) const { return image_ ? image_->Couleur(x, y) : 0; }

private:
    bool Dessinable() const { return image_ && !image_->pixels.empty(); }
    void RemplitRect(std::int64_t gauche, std::int64_t haut, std::int64_t droite, std::int64_t bas,
                     TCouleur couleur, TmodeStylo mode);
    void LigneDroite(TPoint depart, TPoint arrivee);
    void LigneFine(TPoint depart, TPoint arrivee);
    void LigneEpaisse(TPoint depart, TPoint arrivee);

    TimagePixels* image_;
};
