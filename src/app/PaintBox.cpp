#include "app/PaintBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

namespace {

QImage ImageBlanche(QSize taille) {
    QImage image(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

// The image exists from the start: a paint box that is never shown gets no resize event.
TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent), image_(ImageBlanche(size())) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::Redessine() {
    aRedessiner_ = true;
    update();
}

void TPaintBox::resizeEvent(QResizeEvent* evenement) {
    image_ = ImageBlanche(evenement->size());
    aRedessiner_ = true;
    QWidget::resizeEvent(evenement);
}

// A full redraw happens once per request, when the widget is painted; an expose from the
// window system only shows the image again.
void TPaintBox::paintEvent(QPaintEvent*) {
    if (aRedessiner_ && OnPaint) {
        aRedessiner_ = false;
        OnPaint();
    }
    QPainter(this).drawImage(0, 0, image_);
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
