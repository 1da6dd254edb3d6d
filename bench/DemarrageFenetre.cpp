// Starts the application object and the main window with a sound opened, shows it drawn, and
// leaves; with --nue, a bare Qt window instead, the floor any Qt program starts from.
#include <cstdio>
#include <cstring>

#include <QApplication>

#include "EnvironnementBanc.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

int main(int argc, char** argv) {
    PrepareEnvironnementBanc();
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--nue") == 0) {
        QWidget nue;
        nue.show();
        QApplication::processEvents();
        return 0;
    }
    RemplaceAfficheurMessage([](const QString& texte) { std::fprintf(stderr, "%s\n", qPrintable(texte)); });
    TWaveForm fenetre;
    if (argc > 1) fenetre.OuvreFichier(QString::fromLocal8Bit(argv[1]));
    fenetre.show();
    QApplication::processEvents();
    return 0;
}
