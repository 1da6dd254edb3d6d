#include "app/VerrouCommandes.h"

#include <QEvent>

TverrouCommandes::TverrouCommandes(std::initializer_list<QWidget*> commandes) {
    for (QWidget* w : commandes) {
        commandes_.push_back({w, w->isEnabled()});
        w->setEnabled(false);
        w->installEventFilter(this);
    }
}

TverrouCommandes::~TverrouCommandes() {
    for (const Tcommande& c : commandes_) {
        if (!c.widget) continue;
        c.widget->removeEventFilter(this);
        c.widget->setEnabled(c.actif);
    }
}

bool TverrouCommandes::eventFilter(QObject* objet, QEvent* evenement) {
    if (evenement->type() == QEvent::EnabledChange) {
        for (Tcommande& c : commandes_) {
            if (c.widget != objet || !c.widget->isEnabled()) continue;
            c.actif = true;
            c.widget->setEnabled(false);
        }
    }
    return QObject::eventFilter(objet, evenement);
}
