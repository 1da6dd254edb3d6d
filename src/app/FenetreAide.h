// The help window: the program's own French pages, compiled in, in a browser with the
// usual moves (contents, back, forward). One per main window, kept between uses.
#pragma once

#include <QWidget>

class QTextBrowser;
class QToolButton;

class TFenetreAide : public QWidget {
public:
    explicit TFenetreAide(QWidget* parent = nullptr);

    // Shows the contents page and brings the window to the front.
    void AfficheSommaire();

    QToolButton* SommaireBtn;
    QToolButton* PrecedentBtn;
    QToolButton* SuivantBtn;
    QTextBrowser* Texte;
};
