#include "app/Icones.h"

#include <functional>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kRouge(0xD0, 0x20, 0x20);
const QColor kSombre(0x30, 0x30, 0x30);

// Pixmaps from 16 to 128 pixels: QIcon picks the one that fits the size and the scale asked.
QIcon IconeDessinee(const std::function<void(QPainter&, double cote)>& dessin) {
    QIcon icone;
    for (int cote : {16, 20, 24, 32, 40, 48, 64, 96, 128}) {
        QPixmap pixmap(cote, cote);
        pixmap.fill(Qt::transparent);
        QPainter peintre(&pixmap);
        peintre.setRenderHint(QPainter::Antialiasing);
        dessin(peintre, cote);
        peintre.end();
        icone.addPixmap(pixmap);
    }
    return icone;
}

}  // namespace

QIcon IconeEnregistrement() {
    return IconeDessinee([](QPainter& p, double c) {
        p.setPen(Qt::NoPen);
        p.setBrush(kRouge);
        p.drawEllipse(QRectF(0.2 * c, 0.2 * c, 0.6 * c, 0.6 * c));
    });
}

QIcon IconeArretEnregistrement() {
    return IconeDessinee([](QPainter& p, double c) {
        p.setPen(QPen(kRouge, 0.1 * c));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(0.1 * c, 0.1 * c, 0.8 * c, 0.8 * c));
        p.setPen(Qt::NoPen);
        p.setBrush(kSombre);
        p.drawRect(QRectF(0.35 * c, 0.35 * c, 0.3 * c, 0.3 * c));
    });
}

QIcon IconeEcouteNumerisee() {
    return IconeDessinee([](QPainter& p, double c) {
        // The play triangle's outline held in five steps, as the digitised sound is.
        const double demiHauteurs[] = {0.35, 0.28, 0.2, 0.12, 0.05};
        const double x0 = 0.2 * c, largeur = 0.15 * c, milieu = 0.5 * c;
        QPainterPath marches;
        marches.moveTo(x0, milieu - demiHauteurs[0] * c);
        for (int i = 0; i < 5; ++i) {
            marches.lineTo(x0 + i * largeur, milieu - demiHauteurs[i] * c);
            marches.lineTo(x0 + (i + 1) * largeur, milieu - demiHauteurs[i] * c);
        }
        for (int i = 4; i >= 0; --i) {
            marches.lineTo(x0 + (i + 1) * largeur, milieu + demiHauteurs[i] * c);
            marches.lineTo(x0 + i * largeur, milieu + demiHauteurs[i] * c);
        }
        marches.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x70, 0x30));
        p.drawPath(marches);
    });
}
