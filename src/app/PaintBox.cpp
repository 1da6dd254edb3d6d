#include "app/PaintBox.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

// The pixels exist from the start: a paint box that is never shown gets no resize event.
TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    NouveauxPixels(size());
}

void TPaintBox::NouveauxPixels(QSize taille) {
    echelle_ = devicePixelRatioF();
    const auto pixels = [this](int n) { return std::max(static_cast<int>(std::lround(n * echelle_)), 1); };
    pixels_ = TimagePixels(pixels(taille.width()), pixels(taille.height()), clBlanc);
}

QImage TPaintBox::image() {
    QImage image = EnveloppeImage(pixels_);
    image.setDevicePixelRatio(echelle_);
    return image;
}

void TPaintBox::Redessine() {
    aRedessiner_ = true;
    update();
}

void TPaintBox::resizeEvent(QResizeEvent* evenement) {
    NouveauxPixels(evenement->size());
    aRedessiner_ = true;
    QWidget::resizeEvent(evenement);
}

// A full redraw happens once per request, when the widget is painted; an expose from the
// window system only shows the pixels again. A window moved to a screen of another density
// gets pixels at the new ratio and a full redraw.
void TPaintBox::paintEvent(QPaintEvent*) {
    if (devicePixelRatioF() != echelle_) {
        NouveauxPixels(size());
        aRedessiner_ = true;
    }
    if (aRedessiner_ && OnPaint) {
        aRedessiner_ = false;
        OnPaint();
    }
    QPainter(this).drawImage(0, 0, image());
}

void TPaintBox::mousePressEvent(QMouseEvent* evenement) {
    if (OnMouseDown) OnMouseDown(evenement);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* evenement) {
    if (OnMouseMove) OnMouseMove(evenement);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* evenement) {
    if (OnMouseUp) OnMouseUp(evenement);
}
