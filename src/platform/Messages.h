// Every message the program shows goes through here, so tests can read what was shown.
#pragma once

#include <functional>

#include <QString>

using TafficheurMessage = std::function<void(const QString&)>;

void AfficheMessage(const QString& texte);

// Installs another way to show messages and returns the previous one.
TafficheurMessage RemplaceAfficheurMessage(TafficheurMessage afficheur);
