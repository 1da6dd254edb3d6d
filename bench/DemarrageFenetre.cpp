// Starts the application object and the main window, shows it, and leaves.
#include <cstdio>

#include <QApplication>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

int main(int argc, char** argv) {
    PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    RemplaceAfficheurMessage([](const QString& texte) { std::fprintf(stderr, "%s\n", qPrintable(texte)); });
    TWaveForm fenetre;
    fenetre.show();
    QApplication::processEvents();
    return 0;
}
