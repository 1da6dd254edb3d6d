// Starts the application object and the main window, shows it, and leaves.
#include <QApplication>

#include "app/WaveForm.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TWaveForm fenetre;
    fenetre.show();
    QApplication::processEvents();
    return 0;
}
