// Sampix: shows on a real sound what sampling and quantisation do to a signal.
#include <cstdio>

#include <QFileInfo>
#include <QStringList>
#include <QTimer>

#include "app/Application.h"
#include "app/LigneCommande.h"
#include "app/Ressources.h"
#include "app/WaveForm.h"
#include "platform/PiloteVQ2.h"

int main(int argc, char** argv) {
    if (EstLigneDeCommande(argc, argv)) return ExecuteLigneDeCommande(argc, argv);
    TApplication app(argc, argv);
    TApplication::setApplicationName(QStringLiteral("sampix"));
    TApplication::setApplicationDisplayName(TWaveForm::tr(kTitreApplication.toUtf8().constData()));
    TApplication::setDesktopFileName(QStringLiteral("sampix"));
    TApplication::setWindowIcon(IconeSampix());
    const QStringList arguments = TApplication::arguments().mid(1);
    if (arguments.size() > 1) {
        std::fprintf(stderr, "usage : sampix [FICHIER]\n");
        return 2;
    }
    // Loaded before the window exists and unloaded after it has closed the VQ2 link.
    TpiloteVQ2 piloteVQ2(TApplication::applicationDirPath());
    InstallePiloteVQ2(&piloteVQ2);
    TWaveForm fenetre;
    fenetre.show();
    // Opened from the event loop, where an unforeseen error is shown like any other.
    if (!arguments.isEmpty()) {
        const QString nom = QFileInfo(arguments.first()).absoluteFilePath();
        QTimer::singleShot(0, &fenetre, [&fenetre, nom] { fenetre.OuvreFichier(nom); });
    }
    return TApplication::exec();
}
