// A paint box keeps its picture: what a handler draws into the image stays on screen
// until the next full redraw, as the XOR marks drawn from mouse handlers require.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    QImage& image() { return image_; }

    // Draws the whole picture into the image; set by the window.
    std::function<void()> OnPaint;

    // Redraws the whole picture (OnPaint) and shows it.
    void Redessine();
    // Shows what handlers drew into the image since, without redrawing it.
    void Affiche() { update(); }

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    QImage image_;
    bool aRedessiner_ = true;
};
