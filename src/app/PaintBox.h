// A paint box keeps its picture: what a handler draws into its pixels stays on screen
// until the next full redraw, as the XOR marks drawn from mouse handlers require. Its pixels
// are the screen's own: on a high-density screen there are devicePixelRatio of them for each
// of the widget's, and the drawings take that ratio as their model's scale.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

#include "graph/CanevasPixels.h"
#include "graph/ImagePixels.h"
#include "graph/ImageQt.h"

class QMouseEvent;

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    // An image over the pixels, without a copy: what is drawn into either shows in the other.
    // It must not outlive the next resize; copy() it to keep a picture. Its device pixel ratio
    // is the box's.
    QImage image();
    // The canvas's size in pixels, and its pixels per widget pixel.
    int LargeurPixels() const { return pixels_.largeur; }
    int HauteurPixels() const { return pixels_.hauteur; }
    double Echelle() const { return echelle_; }
    // The canvas over the pixels, which the window lends to its graph.
    TCanevasPixels& Canvas() { return canevas_; }

    // Draws the whole picture into the pixels; set by the window.
    std::function<void()> OnPaint;
    // The mouse on the box; positions in the box's pixels, outside it while a button is held.
    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void(QMouseEvent*)> OnMouseUp;

    // Redraws the whole picture (OnPaint) and shows it.
    void Redessine();
    // Shows what handlers drew into the pixels since, without redrawing them.
    void Affiche() { update(); }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void mousePressEvent(QMouseEvent* evenement) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;

private:
    // White pixels for a box of that size at the screen's ratio, at least one each way.
    void NouveauxPixels(QSize taille);

    TimagePixels pixels_;
    TCanevasPixels canevas_{&pixels_};
    double echelle_ = 1;
    bool aRedessiner_ = true;
};
