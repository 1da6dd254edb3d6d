#include "app/PlacementFenetre.h"

#include <algorithm>
#include <cmath>

QRect PlacementInitial(const QRect& disponible, QSize souhaitee) {
    const auto cote = [](int ecran, int demande) {
        const int part = static_cast<int>(std::lround(ecran * kPartEcran));
        return std::min(std::max(part, demande), ecran);
    };
    QRect r(0, 0, cote(disponible.width(), souhaitee.width()), cote(disponible.height(), souhaitee.height()));
    r.moveCenter(disponible.center());
    return r;
}

QRect PlacementFenetre(const std::optional<QRect>& sauvee, const QList<QRect>& ecrans, const QRect& principal,
                       QSize souhaitee) {
    if (!sauvee || sauvee->isEmpty()) return PlacementInitial(principal, souhaitee);
    const auto ecran = std::find_if(ecrans.cbegin(), ecrans.cend(),
                                    [&sauvee](const QRect& e) { return e.intersects(*sauvee); });
    if (ecran == ecrans.cend()) {
        QRect r(QPoint(0, 0), sauvee->size().boundedTo(principal.size()));
        r.moveCenter(principal.center());
        return r;
    }
    return QRect(sauvee->topLeft(), sauvee->size().boundedTo(ecran->size()));
}
