// A paint box keeps its picture: what a handler draws into the image stays on screen
// until the next full redraw, as the XOR marks drawn from mouse handlers require.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

#include "graph/Canevas.h"

class QMouseEvent;

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    QImage& image() { return image_; }
    // The canvas over the image, which the window lends to its graph.
    TCanevas& Canvas() { return canevas_; }

    // Draws the whole picture into the image; set by the window.
    std::function<void()> OnPaint;
    // The mouse on the box; positions in the box's pixels, outside it while a button is held.
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

    // Redraws the whole picture (OnPaint) and shows it.
    void Redessine();
    // Shows what handlers drew into the image since, without redrawing it.
    void Affiche() { update(); }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    QImage image_;
    TCanevas canevas_{&image_};
    bool aRedessiner_ = true;
};
