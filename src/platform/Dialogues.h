// File choices, replaceable so that tests never open a modal dialog.
#pragma once

#include <functional>

#include <QString>

class QWidget;

struct TdemandeFichier {
    QWidget* parent;
    QString filtre;         // Qt filter, "Fichiers sons (*.wav);;..."
    QString suffixeDefaut;  // appended by the dialog when the user types no extension
    bool enregistrement;    // a save dialog rather than an open dialog
    QString dossier;        // the folder the dialog starts in
};

// The chosen path, or an empty string when the user cancels.
using TchoixFichier = std::function<QString(const TdemandeFichier&)>;

QString ChoisitFichier(const TdemandeFichier& demande);

TchoixFichier RemplaceChoixFichier(TchoixFichier choix);
