// The settings file "sampix.ini": the three drawing colours in section "Couleur", kept as
// signed decimal integers, red in the lowest byte. The file is read whole and written back
// whole, so sections and keys the program does not know survive a rewrite. It is read once per
// object, and written once, when the object goes, and only when a value changed: each write
// replaces the file safely, which takes time at every closing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QRect>
#include <QString>

#include "graph/Couleurs.h"

class QSettings;

// The interface's language as the options dialog forces it: by default the system's.
enum class TlangueInterface { systeme, francais, anglais };

// An INI integer: signed decimal, or hexadecimal after "$" or "0x" (up to 32 bits, kept as
// a bit pattern). Nothing for an empty, non-numeric or out-of-range text.
std::optional<std::int32_t> EntierIni(const QString& texte);

// Whether a settings file may be read and written: absent (it will be made), or a plain file
// of at most 1 MiB. A folder, a device or a large file in its place is none of ours and is
// left alone: the colours keep their defaults.
bool FichierOptionsUtilisable(const QString& nomFichier);

// The language kept in a settings file; the system's when the file is absent or not usable.
TlangueInterface LangueReglee(const QString& nomFichier);

class TfichierOptions {
public:
    explicit TfichierOptions(const QString& nomFichier);
    ~TfichierOptions();
    TfichierOptions(const TfichierOptions&) = delete;
    TfichierOptions& operator=(const TfichierOptions&) = delete;

    // Each colour takes its key's value; a missing or unreadable value leaves it as it was.
    void LitCouleurs(TCouleur& courbe, TCouleur& bis, TCouleur& niveau) const;
    // Any failure to write is ignored: the colours only get lost.
    void EcritCouleurs(TCouleur courbe, TCouleur bis, TCouleur niveau) const;

    // The error curve's colour, key "Erreur" beside the three others: a file written before it
    // existed has no such key, and the colour stays as it was.
    void LitCouleurErreur(TCouleur& erreur) const;
    void EcritCouleurErreur(TCouleur erreur) const;
    // The reconstructed sound's colour, key "Reconstruction", likewise.
    void LitCouleurReconstruction(TCouleur& reconstruction) const;
    void EcritCouleurReconstruction(TCouleur reconstruction) const;
    // Whether the spectrum's frequency axis is logarithmic: key "Logarithmique" (0 or 1) of
    // section "Spectre". A missing or unreadable value leaves the choice as it was.
    void LitEchelleSpectre(bool& logarithmique) const;
    void EcritEchelleSpectre(bool logarithmique) const;
    // The folder the open and save dialogs last showed: key "Dossier" of section "Fichiers".
    // A missing value leaves the folder as it was.
    void LitDossierFichiers(QString& dossier) const;
    void EcritDossierFichiers(const QString& dossier) const;
    // The main window's place and size (keys "X", "Y", "Largeur", "Hauteur" of section
    // "Fenetre") and the overview strip's height (key "Apercu"): nothing when a key is missing
    // or unreadable, or a size is not positive.
    // The interface's language: key "Langue" of section "Interface", "systeme", "fr" or "en".
    // A missing or unknown value reads as the system's, which is written only over another.
    TlangueInterface LitLangue() const;
    void EcritLangue(TlangueInterface langue) const;
    std::optional<QRect> LitFenetre() const;
    std::optional<int> LitHauteurApercu() const;
    void EcritFenetre(const QRect& fenetre) const;
    void EcritHauteurApercu(int hauteur) const;

private:
    std::unique_ptr<QSettings> ini_;
};
