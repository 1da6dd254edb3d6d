#include <random>

#include <gtest/gtest.h>

#include "BancGraphe.h"

namespace {

// A background where every pixel differs, so that a wrong combination cannot go unseen.
TimagePixels ImageBruitee(int largeur, int hauteur) {
    TimagePixels image(largeur, hauteur, clBlanc);
    std::mt19937 alea(7);
    for (std::uint32_t& p : image.pixels) p = 0xFF000000u | (alea() & 0xFFFFFF);
    return image;
}

int PixelsNoirs(const TCanevasPixels& c) {
    int n = 0;
    for (int y = 0; y < c.Image()->hauteur; ++y)
        for (int x = 0; x < c.Image()->largeur; ++x) n += c.Pixel(x, y) == 0;
    return n;
}

}  // namespace

// GDI drops the end point, whichever way the line runs.
TEST(Canevas, UneLigneLaisseSonArriveeDansLesDeuxSens) {
    TimagePixels image(20, 20, clBlanc);
    TCanevasPixels c(&image);
    c.Pen.Color = 0;
    const auto ligne = [&](int x0, int y0, int x1, int y1) {
        image.Remplit(clBlanc);
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
    TimagePixels image = ImageBruitee(40, 30);
    const TimagePixels avant = image;
    TCanevasPixels c(&image);
    c.Pen = TStylo{0x123456, 1, TmodeStylo::pmXor};
    const auto dessine = [&c] {
        c.Pen.Width = 1;
        c.MoveTo(1, 1);
        c.LineTo(35, 22);
        c.LineTo(3, 28);
        c.Pen.Width = 3;  // a cursor
        c.MoveTo(20, 0);
        c.LineTo(20, 30);
        c.MoveTo(2, 20);  // and a slanted wide line
        c.LineTo(14, 27);
    };
    dessine();
    EXPECT_EQ(c.Pixel(20, 10), avant.Couleur(20, 10) ^ 0x123456u);
    EXPECT_EQ(c.Pixel(22, 10), avant.Couleur(22, 10));
    dessine();
    EXPECT_EQ(image, avant);
}

TEST(Canevas, UnRectangleEpaisXorOuNonXorSeDefaitEnDeuxTraces) {
    for (TmodeStylo mode : {TmodeStylo::pmXor, TmodeStylo::pmNotXor}) {
        TimagePixels image = ImageBruitee(60, 40);
        const TimagePixels avant = image;
        TCanevasPixels c(&image);
        c.Pen = TStylo{0x00FFFF, 3, mode};
        c.Brush.Color = 0xE1FFFF;
        const TRect bande{10, -2, 40, 300};  // top and bottom beyond the image, as the overview's bands
        c.Rectangle(bande);
        const auto attendu = [&](int x, TCouleur couleur) {
            const TCouleur v = avant.Couleur(x, 20) ^ couleur;
            return mode == TmodeStylo::pmXor ? v : ~v & 0xFFFFFFu;
        };
        // Border: columns 9..11 and 38..40; inside: 12..37; each pixel combined once.
        for (int x = 5; x < 45; ++x) {
            const bool bord = (x >= 9 && x <= 11) || (x >= 38 && x <= 40);
            const bool dedans = x >= 12 && x <= 37;
            const TCouleur v = c.Pixel(x, 20);
            EXPECT_EQ(v, bord     ? attendu(x, 0x00FFFF)
                         : dedans ? attendu(x, 0xE1FFFF)
                                  : avant.Couleur(x, 20))
                << x;
        }
        c.Rectangle(bande);
        EXPECT_EQ(image, avant);
    }
}

// Only a degenerate scale gives such a line; it must neither hang nor overflow.
TEST(Canevas, UneLigneTresLointaineEstCoupeeALImage) {
    TimagePixels image(20, 20, clBlanc);
    TCanevasPixels c(&image);
    c.Pen.Color = 0;
    c.MoveTo(0, 0);
    c.LineTo(2000000000, 2000000000);
    EXPECT_EQ(PixelsNoirs(c), 20);
}
