// The help window: the program's own pages, compiled in, in a browser with the usual moves
// (contents, back, forward). One per main window, kept between uses. The pages come in French
// (under ":/aide/") and in English (under ":/aide/en/", with the same names).
#pragma once

#include <QCoreApplication>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

class TFenetreAide : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TFenetreAide)

public:
    // `francais` chooses the set of pages, as the interface's language does (InterfaceEnFrancais).
    explicit TFenetreAide(bool francais, QWidget* parent = nullptr);

    // Shows the contents page and brings the window to the front.
    void AfficheSommaire();

    QToolButton* SommaireBtn;
    QToolButton* PrecedentBtn;
    QToolButton* SuivantBtn;
    QTextBrowser* Texte;

private:
    const QUrl sommaire;
};
