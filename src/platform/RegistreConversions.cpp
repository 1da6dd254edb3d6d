#include "platform/RegistreConversions.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QSettings>

#include "platform/Dossiers.h"
#include "sound/NomsFichiers.h"

namespace {

// Absolute and without "." or "..", so that one file has one entry however it was named.
std::string Absolu(const std::string& nom) {
    std::error_code erreur;
    const auto chemin = std::filesystem::absolute(nom, erreur);
    return (erreur ? std::filesystem::path(nom) : chemin).lexically_normal().string();
}

std::string Candidat(const std::string& dossier, const std::string& base, int rang) {
    if (rang == 0) return dossier + base + ".wav";
    if (rang == 1) return dossier + base + " (Sampix).wav";
    return dossier + base + " (Sampix " + std::to_string(rang) + ").wav";
}

const char* const kRegistre = "conversions.ini";

// The entry of a converted file is the group named by a hash of its path: QSettings takes a
// '/' in a key for a group separator. Paths are kept as bytes, as the system spells them.
QString Groupe(const std::string& fichier) {
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArray::fromStdString(fichier), QCryptographicHash::Sha1).toHex());
}

// Nanoseconds: a file rewritten within the same second still shows a change.
qint64 Modification(const struct stat& etat) {
    return static_cast<qint64>(etat.st_mtim.tv_sec) * 1000000000 + etat.st_mtim.tv_nsec;
}

bool EcritParSampix(const std::string& fichier, const std::string& source, const struct stat& etat) {
    QSettings registre(DossierDonnees() + kRegistre, QSettings::IniFormat);
    registre.beginGroup(Groupe(fichier));
    return registre.value("fichier").toByteArray() == QByteArray::fromStdString(fichier) &&
           registre.value("source").toByteArray() == QByteArray::fromStdString(source) &&
           registre.value("taille").toLongLong() == static_cast<qint64>(etat.st_size) &&
           registre.value("modification").toLongLong() == Modification(etat);
}

}  // namespace

std::string DossierConversion(const std::string& source) {
    std::string dossier = std::filesystem::path(Absolu(source)).parent_path().string();
    if (dossier.empty() || dossier.back() != '/') dossier += '/';
    if (::faccessat(AT_FDCWD, dossier.c_str(), W_OK | X_OK, AT_EACCESS) != 0 &&
        (errno == EACCES || errno == EROFS || errno == EPERM))
        return QFile::encodeName(DossierDonnees()).toStdString();
    return dossier;
}

std::string NomConversion(const std::string& source, const std::string& dossier) {
    const std::string absolue = Absolu(source);
    const std::string base = ChangeExtension(std::filesystem::path(absolue).filename().string(), "");
    struct stat etatSource {};
    const bool sourceVue = ::stat(absolue.c_str(), &etatSource) == 0;
    for (int rang = 0;; ++rang) {
        const std::string candidat = Absolu(Candidat(dossier, base, rang));
        struct stat etat {};
        // Nothing there, or a place the creation of the file will explain.
        if (::lstat(candidat.c_str(), &etat) != 0) return candidat;
        const bool laSource =
            sourceVue && etat.st_dev == etatSource.st_dev && etat.st_ino == etatSource.st_ino;
        if (S_ISREG(etat.st_mode) && !laSource && EcritParSampix(candidat, absolue, etat)) return candidat;
    }
}

void NoteConversion(const std::string& fichier, const std::string& source) {
    const std::string absolu = Absolu(fichier);
    struct stat etat {};
    if (::lstat(absolu.c_str(), &etat) != 0) return;
    QSettings registre(DossierDonnees() + kRegistre, QSettings::IniFormat);
    registre.beginGroup(Groupe(absolu));
    registre.setValue("fichier", QByteArray::fromStdString(absolu));
    registre.setValue("source", QByteArray::fromStdString(Absolu(source)));
    registre.setValue("taille", static_cast<qint64>(etat.st_size));
    registre.setValue("modification", Modification(etat));
}
