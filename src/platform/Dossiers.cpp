#include "platform/Dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const kNomDossier = "Quenvale";

QString DossierSous(QStandardPaths::StandardLocation emplacement) {
    const QString dossier = AvecBarreFinale(QStandardPaths::writableLocation(emplacement)) + kNomDossier;
    QDir().mkpath(dossier);
    return AvecBarreFinale(dossier);
}

}  // namespace

QString AvecBarreFinale(const QString& chemin) {
    if (chemin.isEmpty() || chemin.endsWith('/')) return chemin;
    return chemin + '/';
}

QString DossierDonnees() {
    return DossierSous(QStandardPaths::GenericDataLocation);
}

QString DossierDocuments() {
    return DossierSous(QStandardPaths::DocumentsLocation);
}

QString DossierExemples() {
    const QDir programme(QCoreApplication::applicationDirPath());
    for (const char* relatif : {"../share/sampix/examples", "../examples"})
        if (const QFileInfo dossier(programme.filePath(QString::fromLatin1(relatif))); dossier.isDir())
            return dossier.canonicalFilePath();
    return {};
}
