#include "platform/Dossiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const char* const kNomDossier = "Quenvale";

QString CheminSous(QStandardPaths::StandardLocation emplacement) {
    return AvecBarreFinale(QStandardPaths::writableLocation(emplacement)) + kNomDossier;
}

QString DossierSous(QStandardPaths::StandardLocation emplacement) {
    const QString dossier = CheminSous(emplacement);
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

QString FichierReglages() {
    return AvecBarreFinale(CheminSous(QStandardPaths::GenericDataLocation)) + QStringLiteral("sampix.ini");
}

QString DossierExemples() {
    const QDir programme(QCoreApplication::applicationDirPath());
    for (const char* relatif : {"../share/sampix/examples", "../examples"})
        if (const QFileInfo dossier(programme.filePath(QString::fromLatin1(relatif))); dossier.isDir())
            return dossier.canonicalFilePath();
    return {};
}
