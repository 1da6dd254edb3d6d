// The pixel canvas against the former one, QPainter on a QImage: the same 32-bit words, pixel
// for pixel, for every drawing the views make and for many they never make.
#include <algorithm>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include <gtest/gtest.h>
#include <QImage>

#include "BancGraphe.h"
#include "CanevasQPainter.h"
#include "graph/DessinDirect.h"
#include "graph/DessinVues.h"

namespace {

// Both canvases over the same background, where every pixel differs.
class Tpaire {
public:
    Tpaire(int largeur, int hauteur, std::uint32_t graine)
        : pixels(largeur, hauteur, clBlanc), image(largeur, hauteur, QImage::Format_RGB32) {
        std::mt19937 alea(graine);
        for (std::uint32_t& p : pixels.pixels) p = 0xFF000000u | (alea() & 0xFFFFFF);
        for (int y = 0; y < hauteur; ++y) std::memcpy(image.scanLine(y), pixels.Ligne(y), 4 * largeur);
    }

    void Dessine(const std::function<void(TCanevas&)>& dessin) {
        dessin(nouveau);
        TCanevasQPainter::Session session(ancien);
        dessin(ancien);
    }
    // After a difference, so that the next drawing is judged on its own.
    void Realigne() {
        for (int y = 0; y < pixels.hauteur; ++y)
            std::memcpy(pixels.Ligne(y), image.constScanLine(y), 4 * pixels.largeur);
    }
    int Differences() const {
        int n = 0;
        for (int y = 0; y < pixels.hauteur; ++y) {
            const auto* ligne = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
            for (int x = 0; x < pixels.largeur; ++x) n += ligne[x] != pixels.Ligne(y)[x];
        }
        return n;
    }

    TimagePixels pixels;
    QImage image;
    TCanevasPixels nouveau{&pixels};
    TCanevasQPainter ancien{&image};
};

// Mostly on or around a 64 x 48 picture, sometimes far away, now and then very far.
int Coordonnee(std::mt19937& alea) {
    const int tirage = static_cast<int>(alea() % 100);
    if (tirage < 85) return static_cast<int>(alea() % 105) - 20;
    if (tirage < 95) return static_cast<int>(alea() % 801) - 400;
    const int loin = 100000 + static_cast<int>(alea() % 1000000000);
    return alea() % 2 ? loin : -loin;
}

TStylo Stylo(std::mt19937& alea, int largeurMin, int largeurMax) {
    constexpr TmodeStylo kModes[] = {TmodeStylo::pmCopy, TmodeStylo::pmXor, TmodeStylo::pmNotXor};
    return TStylo{static_cast<TCouleur>(alea() & 0xFFFFFF),
                  largeurMin + static_cast<int>(alea() % (largeurMax - largeurMin + 1)), kModes[alea() % 3]};
}

// Lines drawn one at a time, the pictures compared after each; the number of lines that differ.
int LignesDifferentes(int largeurMin, int largeurMax, int lignes, std::uint32_t graine) {
    Tpaire paire(64, 48, graine);
    std::mt19937 alea(graine);
    int differentes = 0;
    for (int i = 0; i < lignes; ++i) {
        const TStylo stylo = Stylo(alea, largeurMin, largeurMax);
        const int x0 = Coordonnee(alea), y0 = Coordonnee(alea), x1 = Coordonnee(alea), y1 = Coordonnee(alea);
        paire.Dessine([&](TCanevas& c) {
            c.Pen = stylo;
            c.MoveTo(x0, y0);
            c.LineTo(x1, y1);
        });
        const int n = paire.Differences();
        differentes += n > 0;
        EXPECT_EQ(n, 0) << "(" << x0 << ", " << y0 << ") - (" << x1 << ", " << y1 << ") width "
                        << stylo.Width;
        if (n > 0) paire.Realigne();
    }
    return differentes;
}

}  // namespace

TEST(CanevasReference, TraitsFinsDeTousSensDedansEtDehors) {
    EXPECT_EQ(LignesDifferentes(1, 1, 3000, 1), 0);
}

// The former canvas left these to Qt's wide line with round ends.
TEST(CanevasReference, TraitsEpaisDeTousSensDedansEtDehors) {
    EXPECT_EQ(LignesDifferentes(2, 24, 3000, 2), 0);
}

// Polylines of every width, so that each line starts where the previous one ended.
TEST(CanevasReference, LignesBriseesRectanglesEtRemplissages) {
    Tpaire paire(64, 48, 3);
    std::mt19937 alea(3);
    for (int i = 0; i < 600; ++i) {
        const TStylo stylo = Stylo(alea, 1, 6);
        const auto brosse = static_cast<TCouleur>(alea() & 0xFFFFFF);
        const TRect r{Coordonnee(alea), Coordonnee(alea), Coordonnee(alea), Coordonnee(alea)};
        const int x = Coordonnee(alea), y = Coordonnee(alea);
        const int action = static_cast<int>(alea() % 3);
        paire.Dessine([&](TCanevas& c) {
            c.Pen = stylo;
            c.Brush.Color = brosse;
            if (action == 0) c.LineTo(x, y);
            if (action == 1) c.Rectangle(r);
            if (action == 2) c.FillRect(r);
        });
        ASSERT_EQ(paire.Differences(), 0) << i;
    }
}

// The views of sounds of either width, at several settings, with their cursors, the animation's
// steps, the bands of the strip and the live mode's drawings.
TEST(CanevasReference, VuesDeSonsVaries) {
    std::mt19937 alea(4);
    for (int essai = 0; essai < 12; ++essai) {
        const TformatWave format = essai % 2 ? TformatWave::f16 : TformatWave::f8;
        const bool huit = format == TformatWave::f8;
        TbancGraphe banc(format, 1, 1);
        const std::int32_t trames = 200 + static_cast<std::int32_t>(alea() % 20000);
        const int bits = 1 + essai % 8, pas = 1 + static_cast<int>(alea() % 8),
                  q = 1 << ((huit ? 8 : 16) - bits);
        std::vector<std::int16_t> valeurs(trames), tenues(trames);
        int v = huit ? 128 : 0;
        for (std::int32_t i = 0; i < trames; ++i) {
            const int ecart = huit ? 20 : 2000;
            v = std::clamp(v + static_cast<int>(alea() % (2 * ecart + 1)) - ecart, huit ? 0 : -32768,
                           huit ? 255 : 32767);
            valeurs[i] = static_cast<std::int16_t>(v);
            tenues[i] = static_cast<std::int16_t>((i % pas == 0 || i == 0) ? v / q * q : tenues[i - 1]);
            TbancGraphe::Ecrit(*banc.son, i, i + 1, valeurs[i]);
            TbancGraphe::Ecrit(*banc.sonBis, i, i + 1, tenues[i]);
        }
        TmodeleVue& g = banc.modele;
        g.largeur = 300;
        g.hauteur = 120;
        g.trames = trames;
        g.bits = bits;
        g.bitsSon = huit ? 8 : 16;
        g.pas = pas;
        g.frequence = 11025;
        g.avecErreur = essai % 3 == 0;
        g.avecTemps = true;
        g.debut = static_cast<std::int32_t>(alea() % (trames / 2));
        g.repere = g.debut + 5 + static_cast<std::int32_t>(alea() % 60);
        g.repereTemps = g.debut + 5 + static_cast<std::int32_t>(alea() % 60);
        g.debutS = trames / 5;
        g.finS = trames - 1;

        Tpaire detail(300, 120, essai);
        detail.Dessine([&](TCanevas& c) {
            DessineDetail(g, banc.Sons(), c, 300, 120);
            g.repere += 7;
            DessineReperes(g, banc.Sons(), c, 300, 120);
            g.repere -= 7;
            EffaceAnimation(g, banc.Sons(), c, 300, 120);
            for (int n = 1; n < 40; ++n) DessinePasAnimation(g, banc.Sons(), c, 300, 120, n);
        });
        EXPECT_EQ(detail.Differences(), 0) << essai;

        Tpaire apercu(300, 40, essai);
        apercu.Dessine([&](TCanevas& c) {
            DessineApercu(g, banc.Sons(), c, 300, 40);
            const TbandesApercu bandes = BandesApercu(g, 300);
            DessineBandeSelection(c, bandes.debutPB, bandes.finPB, 40, 0xE1FFFF);
            DessineBandeFenetre(c, bandes.debutSelect, bandes.finSelect, 40);
        });
        EXPECT_EQ(apercu.Differences(), 0) << essai;

        Tpaire direct(300, 120, essai);
        direct.Dessine([&](TCanevas& c) {
            DessineDirect(g, c, 300, 120,
                          {valeurs.data(), tenues.data(), valeurs.size() / 2, valeurs.size(), huit});
            DessineNiveauDirect(g, c, 300, 40, 0.01 * essai);
        });
        EXPECT_EQ(direct.Differences(), 0) << essai;
    }
}
