#include "app/Ressources.h"

void InitialiseRessources() {
    static const bool fait = [] {
        Q_INIT_RESOURCE(sampix);
        return true;
    }();
    (void)fait;
}

QIcon IconeSampix() {
    InitialiseRessources();
    return QIcon(QStringLiteral(":/sampix.png"));
}
