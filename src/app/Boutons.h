// The program's tool buttons: text, standard icon and hint, made the same way everywhere.
#pragma once

#include <QString>
#include <QStyle>

class QToolBar;
class QToolButton;
class QWidget;

// A tool button with its text, its standard icon (none for SP_CustomBase) and its hint.
QToolButton* NouveauBouton(QWidget* parent, const QString& texte, QStyle::StandardPixmap icone,
                           const QString& bulle = {});

// The same at the end of a tool bar, text under the icon, at the tool bars' button size
// (or `largeur` wide for a longer text).
QToolButton* BoutonBarre(QToolBar* barre, const QString& texte,
                         QStyle::StandardPixmap icone = QStyle::SP_CustomBase, const QString& bulle = {},
                         int largeur = 67);
