#include "graph/Vues.h"

#include <algorithm>

#include <QPainter>

#include "sound/Numerisation.h"

namespace {

constexpr TCouleur kBleu = 0xFF0000;
constexpr TCouleur kCyan = 0xFFFF00;
constexpr int kMargeApercu = 2;
constexpr int kDebordBandes = 2;  // beyond the strip's top and bottom edges
constexpr int kEcartVues = 5;     // the splitter's handle
const QColor kFondFenetre(0xEF, 0xEF, 0xEF);

QImage ImageBlanche(QSize taille) {
    QImage image(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void PrepareDetail(TgrapheSon& g, int largeur, int hauteur, int nBits, std::uint32_t freqEch) {
    g.NbreBitsInit = nBits;
    g.rectPB = TRect{0, 0, largeur, hauteur};
    g.frequence = static_cast<std::int32_t>(freqEch);
    g.LimiteCourbe = g.rectPB;
}

void PrepareApercu(TgrapheSon& g, int largeur, int hauteur) {
    g.rectPB = TRect{0, 0, largeur, hauteur};
    g.LimiteCourbe = g.rectPB;
    g.LimiteCourbe.Left += kMargeApercu;
    g.LimiteCourbe.Right -= kMargeApercu;
}

void DessineBandeSelection(TCanevas& c, int debutPB, int finPB, int hauteur, TCouleur fond) {
    c.Pen = TStylo{clJaune, 3, TmodeStylo::pmNotXor};
    c.Brush.Color = fond;
    c.Rectangle(TRect{debutPB, -kDebordBandes, finPB, hauteur + kDebordBandes});
}

void DessineBandeFenetre(TCanevas& c, int debutSelect, int finSelect, int hauteur) {
    c.Pen = TStylo{kBleu, 1, TmodeStylo::pmNotXor};
    c.Brush.Color = kCyan;
    c.Rectangle(TRect{debutSelect, -kDebordBandes, finSelect, hauteur + kDebordBandes});
}

TimagesVues DessineVuesOuverture(const TenregistrementSon& son, int b, int pas, QSize apercu, QSize detail,
                                 TCouleur fondSelection, bool avecErreur) {
    TimagesVues images{ImageBlanche(apercu), ImageBlanche(detail)};
    const std::int32_t dernier = son.NbrePoints - 1;

    TCanevas canevasApercu(&images.apercu);
    TgrapheSon tout(son.vecteurSonSousEch.get(), son.vecteurSon.get());
    tout.Canvas = &canevasApercu;
    tout.NbreTot = son.NbrePoints;
    PrepareApercu(tout, images.apercu.width(), images.apercu.height());
    tout.DrawAll();
    if (son.NbrePoints > 0) {
        DessineBandeSelection(canevasApercu, tout.Xecran(0), tout.Xecran(dernier), images.apercu.height(),
                              fondSelection);
        DessineBandeFenetre(canevasApercu, tout.Xecran(0), tout.Xecran(images.detail.width() / 4),
                            images.apercu.height());
    }

    TCanevas canevasDetail(&images.detail);
    TgrapheSon g(son.vecteurSon.get(), son.vecteurSonSousEch.get());
    g.Canvas = &canevasDetail;
    g.NbreTot = son.NbrePoints;
    g.NbreBits = b;
    g.pasFreq = std::max(pas, 1);
    g.avecErreur = avecErreur;
    const TplageVerticale plage = PlageVerticale(son.Format());
    g.mondeY.SetMinMax(plage.mini, plage.maxi);
    PrepareDetail(g, images.detail.width(), images.detail.height(), son.NBits, son.FreqEch);
    g.DrawG();
    return images;
}

QImage AssembleVues(const QImage& apercu, const QImage& detail) {
    QImage image(std::max(apercu.width(), detail.width()), apercu.height() + kEcartVues + detail.height(),
                 QImage::Format_RGB32);
    image.fill(kFondFenetre);
    QPainter peintre(&image);
    peintre.drawImage(0, 0, apercu);
    peintre.drawImage(0, apercu.height() + kEcartVues, detail);
    return image;
}
