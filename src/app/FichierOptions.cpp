#include "app/FichierOptions.h"

#include <algorithm>
#include <utility>

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kCleCourbe = QStringLiteral("Couleur/Courbe");
const QString kCleBis = QStringLiteral("Couleur/Bis");
const QString kCleNiveau = QStringLiteral("Couleur/Niveau");
const QString kCleErreur = QStringLiteral("Couleur/Erreur");
const QString kCleEchelleSpectre = QStringLiteral("Spectre/Logarithmique");
const QString kCleDossierFichiers = QStringLiteral("Fichiers/Dossier");
const QString kCleX = QStringLiteral("Fenetre/X");
const QString kCleY = QStringLiteral("Fenetre/Y");
const QString kCleLargeur = QStringLiteral("Fenetre/Largeur");
const QString kCleHauteur = QStringLiteral("Fenetre/Hauteur");
const QString kCleApercu = QStringLiteral("Fenetre/Apercu");

std::optional<std::int32_t> LitEntier(const QSettings& ini, const QString& cle) {
    return EntierIni(ini.value(cle).toString());
}

void LitCouleur(const QSettings& ini, const QString& cle, TCouleur& couleur) {
    // A value with a comma comes back as a list, whose text is empty: it keeps the colour too.
    if (const auto valeur = EntierIni(ini.value(cle).toString())) couleur = static_cast<TCouleur>(*valeur);
}

}  // namespace

std::optional<std::int32_t> EntierIni(const QString& texte) {
    const QString t = texte.trimmed();
    bool ok = false;
    QString chiffres;
    if (t.startsWith('$'))
        chiffres = t.mid(1);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        chiffres = t.mid(2);
    else {
        const int decimal = t.toInt(&ok, 10);
        return ok ? std::optional<std::int32_t>(decimal) : std::nullopt;
    }
    // Digits only: toUInt alone would also take a sign or a second prefix.
    const bool chiffresSeuls = std::all_of(chiffres.cbegin(), chiffres.cend(), [](QChar c) {
        return c.isDigit() || (c.toLower() >= 'a' && c.toLower() <= 'f');
    });
    const std::uint32_t hexa = chiffres.toUInt(&ok, 16);
    if (!chiffresSeuls || !ok) return std::nullopt;
    return static_cast<std::int32_t>(hexa);
}

bool FichierOptionsUtilisable(const QString& nomFichier) {
    const QFileInfo info(nomFichier);
    return !info.exists() || (info.isFile() && info.size() <= (1 << 20));
}

TfichierOptions::TfichierOptions(QString nomFichier) : nomFichier_(std::move(nomFichier)) {}

void TfichierOptions::LitCouleurs(TCouleur& courbe, TCouleur& bis, TCouleur& niveau) const {
    const QSettings ini(nomFichier_, QSettings::IniFormat);
    LitCouleur(ini, kCleCourbe, courbe);
    LitCouleur(ini, kCleBis, bis);
    LitCouleur(ini, kCleNiveau, niveau);
}

void TfichierOptions::EcritCouleurs(TCouleur courbe, TCouleur bis, TCouleur niveau) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleCourbe, static_cast<std::int32_t>(courbe));
    ini.setValue(kCleBis, static_cast<std::int32_t>(bis));
    ini.setValue(kCleNiveau, static_cast<std::int32_t>(niveau));
    ini.sync();
}

void TfichierOptions::LitCouleurErreur(TCouleur& erreur) const {
    LitCouleur(QSettings(nomFichier_, QSettings::IniFormat), kCleErreur, erreur);
}

void TfichierOptions::EcritCouleurErreur(TCouleur erreur) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleErreur, static_cast<std::int32_t>(erreur));
    ini.sync();
}

void TfichierOptions::LitEchelleSpectre(bool& logarithmique) const {
    const QSettings ini(nomFichier_, QSettings::IniFormat);
    const auto valeur = EntierIni(ini.value(kCleEchelleSpectre).toString());
    if (valeur == 0 || valeur == 1) logarithmique = *valeur == 1;
}

void TfichierOptions::EcritEchelleSpectre(bool logarithmique) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleEchelleSpectre, logarithmique ? 1 : 0);
    ini.sync();
}

void TfichierOptions::LitDossierFichiers(QString& dossier) const {
    const QSettings ini(nomFichier_, QSettings::IniFormat);
    if (const QString valeur = ini.value(kCleDossierFichiers).toString(); !valeur.isEmpty()) dossier = valeur;
}

void TfichierOptions::EcritDossierFichiers(const QString& dossier) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleDossierFichiers, dossier);
}

std::optional<QRect> TfichierOptions::LitFenetre() const {
    const QSettings ini(nomFichier_, QSettings::IniFormat);
    const auto x = LitEntier(ini, kCleX), y = LitEntier(ini, kCleY);
    const auto largeur = LitEntier(ini, kCleLargeur), hauteur = LitEntier(ini, kCleHauteur);
    if (!x || !y || !largeur || !hauteur || *largeur <= 0 || *hauteur <= 0) return std::nullopt;
    return QRect(*x, *y, *largeur, *hauteur);
}

std::optional<int> TfichierOptions::LitHauteurApercu() const {
    const auto hauteur = LitEntier(QSettings(nomFichier_, QSettings::IniFormat), kCleApercu);
    if (!hauteur || *hauteur <= 0) return std::nullopt;
    return *hauteur;
}

void TfichierOptions::EcritFenetre(const QRect& fenetre) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleX, fenetre.x());
    ini.setValue(kCleY, fenetre.y());
    ini.setValue(kCleLargeur, fenetre.width());
    ini.setValue(kCleHauteur, fenetre.height());
    ini.sync();
}

void TfichierOptions::EcritHauteurApercu(int hauteur) const {
    QSettings ini(nomFichier_, QSettings::IniFormat);
    ini.setValue(kCleApercu, hauteur);
    ini.sync();
}
