#include "app/PaintBox.h"

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

void TPaintBox::resizeEvent(QResizeEvent* evenement) {
    image_ = ImageBlanche(evenement->size());
    QWidget::resizeEvent(evenement);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (OnPaint) OnPaint();
    QPainter(this).drawImage(0, 0, image_);
}
