#include "platform/Melangeur.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

bool LanceMelangeur() {
    const QStringList melangeurs{"pavucontrol", "pavucontrol-qt", "mate-volume-control",
                                 "kmix",        "qasmixer",       "gnome-alsamixer"};
    for (const QString& nom : melangeurs) {
        const QString programme = QStandardPaths::findExecutable(nom);
        if (!programme.isEmpty() && QProcess::startDetached(programme, {})) return true;
    }
    return false;
}
