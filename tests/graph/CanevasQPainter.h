// The views' former canvas, QPainter on a QImage, kept as the reference that the pixel canvas
// must match pixel for pixel (the tests) and be timed against (the benchmark).
#pragma once

#include <cstdint>

#include <QImage>
#include <QPainter>
#include <QPoint>

#include "graph/Canevas.h"

class TCanevasQPainter final : public TCanevas {
public:
    // The image should be QImage::Format_RGB32.
    explicit TCanevasQPainter(QImage* image) : image_(image) {}

    void LineTo(int x, int y) override;
    void FillRect(const TRect& r) override;
    void Rectangle(const TRect& r) override;

    // Keeps one QPainter open over many drawings, which is much faster than one per call.
    // Sessions nest; the outermost one ends the painting. Every drawing call opens its own
    // when none is open.
    class Session {
    public:
        explicit Session(TCanevasQPainter& canevas);
        ~Session();
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        bool Active() const { return canevas_.peintre_.isActive(); }

    private:
        TCanevasQPainter& canevas_;
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
    TmodeStylo modeApplique_ = TmodeStylo::pmCopy;
};
