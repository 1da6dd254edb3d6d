#include "platform/Melangeur.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

Tresultat<> LanceMelangeur() {
    const QStringList melangeurs{"pavucontrol", "pavucontrol-qt", "mate-volume-control",
                                 "kmix",        "qasmixer",       "gnome-alsamixer"};
    for (const QString& nom : melangeurs) {
        const QString programme = QStandardPaths::findExecutable(nom);
        if (!programme.isEmpty() && QProcess::startDetached(programme, {})) return {};
    }
    return Echec(QCoreApplication::translate("Melangeur",
                                             "Aucun de ces mélangeurs de volume ne s'est lancé : %1.\n"
                                             "Installez-en un, pavucontrol par exemple.")
                     .arg(melangeurs.join(QStringLiteral(", ")))
                     .toStdString());
}
