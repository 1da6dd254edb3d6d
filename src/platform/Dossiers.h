// The program's folders: "Quenvale" under the user's data and documents locations.
#pragma once

#include <QString>

// Makes a path end in exactly one '/', leaving an empty path empty.
QString AvecBarreFinale(const QString& chemin);

// <location>/Quenvale/, created (with any missing parent) when absent; a folder that
// cannot be created is not reported here, as writing the working files will say so.
QString DossierDonnees();
QString DossierDocuments();

// The settings file, sampix.ini in the data folder; nothing is created here, so the command
// line can look for the window's settings without leaving a folder behind.
QString FichierReglages();

// The teaching sounds: installed beside the program's share folder, or in the source tree
// beside a build folder. Empty when neither is there.
QString DossierExemples();
