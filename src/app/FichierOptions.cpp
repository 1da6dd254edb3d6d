#include "app/FichierOptions.h"

#include <algorithm>

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kCleCourbe = QStringLiteral("Couleur/Courbe");
const QString kCleBis = QStringLiteral("Couleur/Bis");
const QString kCleNiveau = QStringLiteral("Couleur/Niveau");
const QString kCleErreur = QStringLiteral("Couleur/Erreur");
const QString kCleReconstruction = QStringLiteral("Couleur/Reconstruction");
const QString kCleEchelleSpectre = QStringLiteral("Spectre/Logarithmique");
const QString kCleDossierFichiers = QStringLiteral("Fichiers/Dossier");
const QString kCleX = QStringLiteral("Fenetre/X");
const QString kCleY = QStringLiteral("Fenetre/Y");
const QString kCleLargeur = QStringLiteral("Fenetre/Largeur");
const QString kCleHauteur = QStringLiteral("Fenetre/Hauteur");
const QString kCleApercu = QStringLiteral("Fenetre/Apercu");
const QString kCleLangue = QStringLiteral("Interface/Langue");

std::optional<std::int32_t> LitEntier(const QSettings& ini, const QString& cle) {
    return EntierIni(ini.value(cle).toString());
}

// A value equal to the file's leaves it as it is, so that nothing is written.
void Pose(QSettings& ini, const QString& cle, const QVariant& valeur) {
    if (!ini.contains(cle) || ini.value(cle).toString() != valeur.toString()) ini.setValue(cle, valeur);
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

TlangueInterface LangueReglee(const QString& nomFichier) {
    if (!QFileInfo::exists(nomFichier) || !FichierOptionsUtilisable(nomFichier))
        return TlangueInterface::systeme;
    return TfichierOptions(nomFichier).LitLangue();
}

TfichierOptions::TfichierOptions(const QString& nomFichier)
    : ini_(std::make_unique<QSettings>(nomFichier, QSettings::IniFormat)) {}

TfichierOptions::~TfichierOptions() = default;

void TfichierOptions::LitCouleurs(TCouleur& courbe, TCouleur& bis, TCouleur& niveau) const {
    LitCouleur(*ini_, kCleCourbe, courbe);
    LitCouleur(*ini_, kCleBis, bis);
    LitCouleur(*ini_, kCleNiveau, niveau);
}

void TfichierOptions::EcritCouleurs(TCouleur courbe, TCouleur bis, TCouleur niveau) const {
    Pose(*ini_, kCleCourbe, static_cast<std::int32_t>(courbe));
    Pose(*ini_, kCleBis, static_cast<std::int32_t>(bis));
    Pose(*ini_, kCleNiveau, static_cast<std::int32_t>(niveau));
}

void TfichierOptions::LitCouleurErreur(TCouleur& erreur) const {
    LitCouleur(*ini_, kCleErreur, erreur);
}

void TfichierOptions::EcritCouleurErreur(TCouleur erreur) const {
    Pose(*ini_, kCleErreur, static_cast<std::int32_t>(erreur));
}

void TfichierOptions::LitCouleurReconstruction(TCouleur& reconstruction) const {
    LitCouleur(*ini_, kCleReconstruction, reconstruction);
}

void TfichierOptions::EcritCouleurReconstruction(TCouleur reconstruction) const {
    Pose(*ini_, kCleReconstruction, static_cast<std::int32_t>(reconstruction));
}

void TfichierOptions::LitEchelleSpectre(bool& logarithmique) const {
    const auto valeur = LitEntier(*ini_, kCleEchelleSpectre);
    if (valeur == 0 || valeur == 1) logarithmique = *valeur == 1;
}

void TfichierOptions::EcritEchelleSpectre(bool logarithmique) const {
    Pose(*ini_, kCleEchelleSpectre, logarithmique ? 1 : 0);
}

void TfichierOptions::LitDossierFichiers(QString& dossier) const {
    if (const QString valeur = ini_->value(kCleDossierFichiers).toString(); !valeur.isEmpty())
        dossier = valeur;
}

void TfichierOptions::EcritDossierFichiers(const QString& dossier) const {
    Pose(*ini_, kCleDossierFichiers, dossier);
}

TlangueInterface TfichierOptions::LitLangue() const {
    const QString valeur = ini_->value(kCleLangue).toString();
    if (valeur == u"fr") return TlangueInterface::francais;
    if (valeur == u"en") return TlangueInterface::anglais;
    return TlangueInterface::systeme;
}

// The system's language, the default, adds no key to a file that has none.
void TfichierOptions::EcritLangue(TlangueInterface langue) const {
    if (langue == TlangueInterface::systeme && !ini_->contains(kCleLangue)) return;
    const char* valeur = langue == TlangueInterface::francais  ? "fr"
                         : langue == TlangueInterface::anglais ? "en"
                                                               : "systeme";
    Pose(*ini_, kCleLangue, QString::fromLatin1(valeur));
}

std::optional<QRect> TfichierOptions::LitFenetre() const {
    const auto x = LitEntier(*ini_, kCleX), y = LitEntier(*ini_, kCleY);
    const auto largeur = LitEntier(*ini_, kCleLargeur), hauteur = LitEntier(*ini_, kCleHauteur);
    if (!x || !y || !largeur || !hauteur || *largeur <= 0 || *hauteur <= 0) return std::nullopt;
    return QRect(*x, *y, *largeur, *hauteur);
}

std::optional<int> TfichierOptions::LitHauteurApercu() const {
    const auto hauteur = LitEntier(*ini_, kCleApercu);
    if (!hauteur || *hauteur <= 0) return std::nullopt;
    return *hauteur;
}

void TfichierOptions::EcritFenetre(const QRect& fenetre) const {
    Pose(*ini_, kCleX, fenetre.x());
    Pose(*ini_, kCleY, fenetre.y());
    Pose(*ini_, kCleLargeur, fenetre.width());
    Pose(*ini_, kCleHauteur, fenetre.height());
}

void TfichierOptions::EcritHauteurApercu(int hauteur) const {
    Pose(*ini_, kCleApercu, hauteur);
}
