#include <random>

#include <gtest/gtest.h>
#include <QImage>

#include "BancGraphe.h"
#include "graph/Canevas.h"

namespace {

// A background where every pixel differs, so that a wrong combination cannot go unseen.
QImage ImageBruitee(int largeur, int hauteur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    std::mt19937 alea(7);
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x) image.setPixel(x, y, 0xFF000000u | (alea() & 0xFFFFFF));
    return image;
}

int PixelsDe(const TCanevas& c, TCouleur couleur) {
    int n = 0;
    for (int y = 0; y < c.Image()->height(); ++y)
        for (int x = 0; x < c.Image()->width(); ++x) n += c.Pixel(x, y) == couleur;
    return n;
}

}  // namespace

TEST(Canevas, LaCouleurAEncodeLeRougeDansLOctetBas) {
    QImage image = ImageBlanche(4, 4);
    TCanevas c(&image);
    c.Pen.Color = 0x0000FF;
    c.MoveTo(0, 1);
    c.LineTo(3, 1);
    EXPECT_EQ(image.pixel(0, 1), qRgb(255, 0, 0));
    EXPECT_EQ(c.Pixel(0, 1), 0x0000FFu);
    c.Pen.Color = 0xFF0000;
    c.MoveTo(0, 2);
    c.LineTo(3, 2);
    EXPECT_EQ(image.pixel(0, 2), qRgb(0, 0, 255));
}

TEST(Canevas, UneLigneNeDessinePasSonPointDArrivee) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    c.MoveTo(2, 3);
    c.LineTo(7, 3);  // to the right
    EXPECT_EQ(PixelsDe(c, 0), 5);
    EXPECT_EQ(c.Pixel(6, 3), 0u);
    EXPECT_EQ(c.Pixel(7, 3), clBlanc);
    EXPECT_EQ(c.PenPos(), QPoint(7, 3));

    c.MoveTo(15, 10);
    c.LineTo(11, 10);  // to the left
    EXPECT_EQ(c.Pixel(12, 10), 0u);
    EXPECT_EQ(c.Pixel(11, 10), clBlanc);
    c.MoveTo(18, 19);
    c.LineTo(18, 14);  // upwards
    EXPECT_EQ(c.Pixel(18, 15), 0u);
    EXPECT_EQ(c.Pixel(18, 14), clBlanc);
    c.MoveTo(0, 12);
    c.LineTo(4, 16);  // diagonal
    EXPECT_EQ(c.Pixel(3, 15), 0u);
    EXPECT_EQ(c.Pixel(4, 16), clBlanc);
}

TEST(Canevas, UneLigneObliqueLaisseSonArriveeDansLesDeuxSens) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    c.MoveTo(1, 2);
    c.LineTo(10, 5);
    EXPECT_EQ(PixelsDe(c, 0), 9);
    EXPECT_EQ(c.Pixel(1, 2), 0u);
    EXPECT_EQ(c.Pixel(10, 5), clBlanc);
    image.fill(Qt::white);
    c.LineTo(1, 2);
    EXPECT_EQ(PixelsDe(c, 0), 9);
    EXPECT_EQ(c.Pixel(10, 5), 0u);
    EXPECT_EQ(c.Pixel(1, 2), clBlanc);
    image.fill(Qt::white);
    c.MoveTo(4, 18);
    c.LineTo(1, 3);  // steep, upwards and to the left
    EXPECT_EQ(PixelsDe(c, 0), 15);
    EXPECT_EQ(c.Pixel(4, 18), 0u);
    EXPECT_EQ(c.Pixel(1, 3), clBlanc);
}

// A line with an end point far away (only a degenerate scale gives one) is cut to the image.
TEST(Canevas, UneLigneTresLointaineEstCoupeeALImage) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    c.MoveTo(0, 0);
    c.LineTo(2000000000, 2000000000);
    EXPECT_EQ(c.Pixel(10, 10), 0u);
    EXPECT_EQ(PixelsDe(c, 0), 20);
    c.Pen.Width = 3;
    c.MoveTo(-2000000000, 5);
    c.LineTo(2000000000, 5);
    EXPECT_EQ(c.Pixel(0, 4), 0u);
    EXPECT_EQ(c.Pixel(19, 6), 0u);
}

TEST(Canevas, UneLigneDeLongueurNulleNeDessineRien) {
    QImage image = ImageBlanche(10, 10);
    TCanevas c(&image);
    c.Pen.Color = 0;
    for (int largeur : {1, 3}) {
        c.Pen.Width = largeur;
        c.MoveTo(5, 5);
        c.LineTo(5, 5);
    }
    EXPECT_EQ(PixelsDe(c, 0), 0);
}

TEST(Canevas, UnStyloLargeBalaieUnCarreLeLongDuTrait) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0;
    c.Pen.Width = 3;
    c.MoveTo(5, 5);
    c.LineTo(8, 5);  // thin pixels 5..7, widened by one on each side
    EXPECT_EQ(PixelsDe(c, 0), 5 * 3);
    EXPECT_EQ(c.Pixel(4, 4), 0u);
    EXPECT_EQ(c.Pixel(8, 6), 0u);
    EXPECT_EQ(c.Pixel(9, 5), clBlanc);
    EXPECT_EQ(c.Pixel(6, 7), clBlanc);

    image.fill(Qt::white);
    c.MoveTo(10, 0);
    c.LineTo(10, 20);
    EXPECT_EQ(PixelsDe(c, 0), 3 * 20);
    EXPECT_EQ(c.Pixel(9, 19), 0u);
    EXPECT_EQ(c.Pixel(12, 10), clBlanc);
}

TEST(Canevas, LeModeXorCombineEtSeDefaitEnDeuxTraces) {
    QImage image = ImageBruitee(40, 30);
    const QImage avant = image.copy();
    TCanevas c(&image);
    c.Pen.Mode = TmodeStylo::pmXor;
    c.Pen.Color = 0x123456;
    const auto dessine = [&c] {
        c.Pen.Width = 1;
        c.MoveTo(1, 1);
        c.LineTo(35, 22);
        c.LineTo(3, 28);
        c.Pen.Width = 3;
        c.MoveTo(20, 0);
        c.LineTo(20, 30);
        c.MoveTo(2, 9);
        c.LineTo(30, 17);
    };
    const TCouleur fond = CouleurPixel(avant, 20, 10);
    dessine();
    EXPECT_EQ(c.Pixel(20, 10), fond ^ 0x123456u);
    EXPECT_NE(image, avant);
    dessine();
    EXPECT_EQ(image, avant);
}

TEST(Canevas, LeModeNonXorInverseLaCombinaisonEtSeDefaitAussi) {
    QImage image = ImageBruitee(30, 30);
    const QImage avant = image.copy();
    TCanevas c(&image);
    const TCouleur fond = c.Pixel(10, 5);
    c.Pen.Mode = TmodeStylo::pmNotXor;
    c.Pen.Color = 0x00FFFF;
    c.MoveTo(0, 5);
    c.LineTo(30, 5);
    EXPECT_EQ(c.Pixel(10, 5), ~(fond ^ 0x00FFFFu) & 0xFFFFFFu);
    c.MoveTo(0, 5);
    c.LineTo(30, 5);
    EXPECT_EQ(image, avant);
}

// The crossing pixel belongs to both lines, so it is combined twice and comes back.
TEST(Canevas, DeuxLignesXorQuiSeCroisentRendentLePixelCommun) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Mode = TmodeStylo::pmXor;
    c.Pen.Color = 0x0000FF;
    c.MoveTo(0, 10);
    c.LineTo(20, 10);
    c.MoveTo(10, 0);
    c.LineTo(10, 20);
    EXPECT_EQ(c.Pixel(10, 10), clBlanc);
    EXPECT_EQ(c.Pixel(9, 10), 0xFFFF00u);
    EXPECT_EQ(c.Pixel(10, 9), 0xFFFF00u);
}

TEST(Canevas, RectangleCopieBordAuStyloEtInterieurAuPinceau) {
    QImage image = ImageBlanche(20, 20);
    TCanevas c(&image);
    c.Pen.Color = 0x0000FF;
    c.Brush.Color = 0x00FF00;
    c.Rectangle(TRect{2, 3, 12, 9});
    EXPECT_EQ(c.Pixel(2, 3), 0x0000FFu);
    EXPECT_EQ(c.Pixel(11, 8), 0x0000FFu);
    EXPECT_EQ(c.Pixel(12, 8), clBlanc);
    EXPECT_EQ(c.Pixel(11, 9), clBlanc);
    EXPECT_EQ(c.Pixel(3, 4), 0x00FF00u);
    EXPECT_EQ(c.Pixel(10, 7), 0x00FF00u);
    EXPECT_EQ(PixelsDe(c, 0x0000FF), 2 * 10 + 2 * 4);
    EXPECT_EQ(PixelsDe(c, 0x00FF00), 8 * 4);
}

TEST(Canevas, RectangleXorEpaisTraceDeuxFoisNeLaissePasDeTrace) {
    for (TmodeStylo mode : {TmodeStylo::pmXor, TmodeStylo::pmNotXor}) {
        QImage image = ImageBruitee(60, 40);
        const QImage avant = image.copy();
        TCanevas c(&image);
        c.Pen.Mode = mode;
        c.Pen.Width = 3;
        c.Pen.Color = 0x00FFFF;
        c.Brush.Color = 0xE1FFFF;
        // Top and bottom edges beyond the image, as the overview's bands are drawn.
        const TRect bande{10, -2, 40, 300};
        c.Rectangle(bande);
        const auto attendu = [&](int x, int y, TCouleur couleur) {
            const TCouleur v = CouleurPixel(avant, x, y) ^ couleur;
            return mode == TmodeStylo::pmXor ? v : ~v & 0xFFFFFFu;
        };
        // Left edge: columns 9..11; inside: 12..37; right edge: 38..40.
        for (int x = 5; x < 45; ++x) {
            const bool bord = (x >= 9 && x <= 11) || (x >= 38 && x <= 40);
            const bool dedans = x >= 12 && x <= 37;
            const TCouleur v = c.Pixel(x, 20);
            if (bord)
                EXPECT_EQ(v, attendu(x, 20, 0x00FFFF)) << x;
            else if (dedans)
                EXPECT_EQ(v, attendu(x, 20, 0xE1FFFF)) << x;
            else
                EXPECT_EQ(v, CouleurPixel(avant, x, 20)) << x;
        }
        c.Rectangle(bande);
        EXPECT_EQ(image, avant);
    }
}

TEST(Canevas, UnPetitRectangleEpaisEstUnBlocSansInterieur) {
    QImage image = ImageBruitee(20, 20);
    const QImage avant = image.copy();
    TCanevas c(&image);
    c.Pen.Mode = TmodeStylo::pmXor;
    c.Pen.Width = 3;
    c.Pen.Color = 0xFFFFFF;
    c.Rectangle(TRect{5, 5, 8, 7});
    int changes = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) changes += image.pixel(x, y) != avant.pixel(x, y);
    EXPECT_EQ(changes, 5 * 4);  // columns 4..8, rows 4..7
    c.Rectangle(TRect{5, 5, 8, 7});
    EXPECT_EQ(image, avant);
}

TEST(Canevas, FillRectRemplitEnCopieQuelQueSoitLeModeDuStylo) {
    QImage image = ImageBlanche(10, 10);
    TCanevas c(&image);
    c.Pen.Mode = TmodeStylo::pmXor;
    c.Brush.Color = 0x00FF00;
    c.FillRect(TRect{1, 1, 4, 3});
    c.FillRect(TRect{1, 1, 4, 3});
    EXPECT_EQ(PixelsDe(c, 0x00FF00), 3 * 2);
    EXPECT_EQ(c.Pixel(4, 1), clBlanc);
    EXPECT_EQ(c.Pixel(1, 3), clBlanc);
}

TEST(Canevas, UneSessionGardeLesDessinsEtSesDessinsApparaissentALaFin) {
    QImage image = ImageBlanche(10, 10);
    TCanevas c(&image);
    {
        TCanevas::Session session(c);
        ASSERT_TRUE(session.Active());
        TCanevas::Session imbriquee(c);
        c.Pen.Color = 0;
        c.MoveTo(0, 0);
        c.LineTo(5, 0);
    }
    EXPECT_EQ(PixelsDe(c, 0), 5);
    // The image may be replaced between drawings, as the paint box does on a resize.
    QImage autre = ImageBlanche(3, 3);
    c.SetImage(&autre);
    c.MoveTo(0, 1);
    c.LineTo(3, 1);
    EXPECT_EQ(PixelsDe(c, 0), 3);
}

TEST(Canevas, SansImageRienNEstDessine) {
    TCanevas c;
    c.MoveTo(0, 0);
    c.LineTo(5, 5);
    c.Rectangle(TRect{0, 0, 4, 4});
    c.FillRect(TRect{0, 0, 4, 4});
    EXPECT_EQ(c.Pixel(0, 0), 0u);
    EXPECT_EQ(c.PenPos(), QPoint(5, 5));
}
