#include "app/Boutons.h"

#include <QToolBar>
#include <QToolButton>

namespace {

constexpr int kHauteurBouton = 42;

}  // namespace

QToolButton* NouveauBouton(QWidget* parent, const QString& texte, QStyle::StandardPixmap icone,
                           const QString& bulle) {
    auto* b = new QToolButton(parent);
    b->setText(texte);
    b->setToolTip(bulle);
    if (icone != QStyle::SP_CustomBase) b->setIcon(parent->style()->standardIcon(icone));
    return b;
}

QToolButton* BoutonBarre(QToolBar* barre, const QString& texte, QStyle::StandardPixmap icone,
                         const QString& bulle, int largeur) {
    QToolButton* b = NouveauBouton(barre, texte, icone, bulle);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(largeur, kHauteurBouton);
    barre->addWidget(b);
    return b;
}
