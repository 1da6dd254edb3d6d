// A colour box: a first entry "Personnaliser..." that opens the colour chooser and holds
// the colour chosen, then the sixteen standard colours and four extended ones by name.
// A colour set that is not in the list shows in that first entry.
#pragma once

#include <QColor>
#include <QComboBox>
#include <QCoreApplication>

#include "graph/Couleurs.h"

QColor EnQColor(TCouleur couleur);
TCouleur DeQColor(const QColor& couleur);

class TboiteCouleur : public QComboBox {
    Q_DECLARE_TR_FUNCTIONS(TboiteCouleur)

public:
    explicit TboiteCouleur(QWidget* parent = nullptr);

    TCouleur Selected() const;
    void SetSelected(TCouleur couleur);

protected:
    // Typing drops the list first, then goes to the matching name in it.
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    void Active(int index);
    void PersonnaliseAvec(TCouleur couleur);

    int indexRetenu_ = 0;  // where a cancelled colour chooser leaves the box
};
