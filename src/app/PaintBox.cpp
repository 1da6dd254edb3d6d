#include "app/PaintBox.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

// The pixels exist from the start: a paint box that is never shown gets no resize event.
TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    NouveauxPixels(size());
}

void TPaintBox::NouveauxPixels(QSize taille) {
    pixels_ = TimagePixels(std::max(taille.width(), 1), std::max(taille.height(), 1), clBlanc);
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
// window system only shows the pixels again.
void TPaintBox::paintEvent(QPaintEvent*) {
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
