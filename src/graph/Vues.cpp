#include "graph/Vues.h"

#include <algorithm>

#include <QPainter>

#include "graph/ImageQt.h"

namespace {

constexpr int kEcartVues = 5;  // the splitter's handle
const QColor kFondFenetre(0xEF, 0xEF, 0xEF);

}  // namespace

TimagesVues DessineVuesOuverture(const TenregistrementSon& son, int b, int pas, QSize apercu, QSize detail,
                                 TCouleur fondSelection, const TcouleursVues& couleurs, bool avecErreur) {
    const TpixelsVues pixels = DessineVuesOuverture(
        son, b, pas, TtailleImage{apercu.width(), apercu.height()},
        TtailleImage{detail.width(), detail.height()}, fondSelection, couleurs, avecErreur);
    return {CopieImage(pixels.apercu), CopieImage(pixels.detail)};
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
