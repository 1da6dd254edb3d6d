// A paint box keeps its picture: what a handler draws into the image stays on screen
// until the next paint, as the XOR marks drawn from mouse handlers require.
#pragma once

#include <functional>

#include <QImage>
#include <QWidget>

class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent = nullptr);

    QImage& image() { return image_; }

    // Draws into the image before it is shown; set by the window.
    std::function<void()> OnPaint;

protected:
    void paintEvent(QPaintEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;

private:
    QImage image_;
};
