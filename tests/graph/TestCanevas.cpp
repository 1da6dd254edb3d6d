#include <random>

#include <gtest/gtest.h>
#include <QImage>

#include "BancGraphe.h"

namespace {

// A background where every pixel differs, so that a wrong combination cannot go unseen.
QImage ImageBruitee(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    std::mt19937 alea(7);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) image.setPixel(x, y, 0xFF000000u | (alea() & 0xFFFFFF));
    return image;
}

int PixelsNoirs(const TCanevas& c) {
    int n = 0;
    for (int y = 0; y < c.Image()->height(); ++y)
        for (int x = 0; x < c.Image()->width(); ++x) n += c.Pixel(x, y) == 0;
    return n;
}

}  // namespace

// Qt's own thin line drops the right or bottom end whichever way it runs; GDI drops the end.
TEST(Canevas, UneLigneLaisseSonArriveeDansLesDeuxSens) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    const auto ligne = [&](int x0, int y0, int x1, int y1) {
        image.fill(Qt::white);
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
        EXPECT_EQ(c.Pixel(x0, y0), 0u);
        EXPECT_EQ(c.Pixel(x1, y1), clBlanc);
        return PixelsNoirs(c);
    };
    EXPECT_EQ(ligne(15, 10, 11, 10), 4);
    EXPECT_EQ(ligne(18, 19, 18, 14), 5);
    EXPECT_EQ(ligne(10, 5, 1, 2), 9);
    EXPECT_EQ(ligne(4, 18, 1, 3), 15);
    c.MoveTo(5, 5);
    c.LineTo(5, 5);
    EXPECT_EQ(PixelsNoirs(c), 15);  // a zero-length line draws nothing
}

TEST(Canevas, UnTraitXorSeDefaitEnDeuxTraces) {
    QImage image = ImageBruitee(40, 30);
    const QImage avant = image.copy();
    TCanevas c(&image);
    c.Pen = TStylo{0x123456, 1, TmodeStylo::pmXor};
    const auto dessine = [&c] {
        c.Pen.Width = 1;
        c.MoveTo(1, 1);
        c.LineTo(35, 22);
        c.LineTo(3, 28);
        c.Pen.Width = 3;  // a cursor
        c.MoveTo(20, 0);
        c.LineTo(20, 30);
    };
    dessine();
    EXPECT_EQ(c.Pixel(20, 10), CouleurPixel(avant, 20, 10) ^ 0x123456u);
    EXPECT_EQ(c.Pixel(22, 10), CouleurPixel(avant, 22, 10));
    dessine();
    EXPECT_EQ(image, avant);
}

TEST(Canevas, UnRectangleEpaisXorOuNonXorSeDefaitEnDeuxTraces) {
    for (TmodeStylo mode : {TmodeStylo::pmXor, TmodeStylo::pmNotXor}) {
        QImage image = ImageBruitee(60, 40);
        const QImage avant = image.copy();
        TCanevas c(&image);
        c.Pen = TStylo{0x00FFFF, 3, mode};
        c.Brush.Color = 0xE1FFFF;
        const TRect bande{10, -2, 40, 300};  // top and bottom beyond the image, as the overview's bands
        c.Rectangle(bande);
        const auto attendu = [&](int x, TCouleur couleur) {
            const TCouleur v = CouleurPixel(avant, x, 20) ^ couleur;
            return mode == TmodeStylo::pmXor ? v : ~v & 0xFFFFFFu;
        };
        // Border: columns 9..11 and 38..40; inside: 12..37; each pixel combined once.
        for (int x = 5; x < 45; ++x) {
            const bool bord = (x >= 9 && x <= 11) || (x >= 38 && x <= 40);
            const bool dedans = x >= 12 && x <= 37;
            const TCouleur v = c.Pixel(x, 20);
            EXPECT_EQ(v, bord     ? attendu(x, 0x00FFFF)
                         : dedans ? attendu(x, 0xE1FFFF)
                                  : CouleurPixel(avant, x, 20))
                << x;
        }
        c.Rectangle(bande);
        EXPECT_EQ(image, avant);
    }
}

// Only a degenerate scale gives such a line; it must neither hang nor overflow.
TEST(Canevas, UneLigneTresLointaineEstCoupeeALImage) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    c.MoveTo(0, 0);
    c.LineTo(2000000000, 2000000000);
    EXPECT_EQ(PixelsNoirs(c), 20);
}
