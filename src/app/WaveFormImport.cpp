// Importing a compressed sound (MP3, FLAC, Ogg Vorbis, Opus, AIFF, or a WAV file the reader
// does not take): decoded on a worker thread into a WAV file, beside it when its folder can be
// written, which is then opened as usual. The window stays live meanwhile; Annuler (Escape)
// ends the conversion without a file.
#include <algorithm>
#include <memory>
#include <utility>

#include <QByteArray>
#include <QFile>
#include <QLocale>

#include "app/Application.h"
#include "app/NomSysteme.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

bool TWaveForm::ConvertitEnWav(const QString& source, TrouteFichier route, TsuiteConversion suite) {
    // Nothing may start another load, a play or a recording until the new file is in.
    if (!seance.Commence(Tactivite::acConversion)) return false;
    const QString titreAvant = windowTitle();
    setWindowTitle(tr("Ouverture du fichier ..."));
    auto pourcentageMontre = std::make_shared<int>(0);
    conversion.Lance(
        route, NomSysteme(source),
        [this, pourcentageMontre](int pourcentage) {
            *pourcentageMontre = std::max(*pourcentageMontre, pourcentage);
            setWindowTitle(tr("Conversion : %1%").arg(*pourcentageMontre));
        },
        [this, source, titreAvant, suite = std::move(suite)](Tresultat<TsonConverti> resultat) {
            FinConversion(source, titreAvant, resultat, suite);
        });
    MetAJourCommandes();
    return true;
}

void TWaveForm::AnnuleBtnClick() {
    if (seance.Activite() != Tactivite::acConversion || seance.ArretDemande()) return;
    // Too late once the file is taking its name: the conversion then ends as usual.
    if (!conversion.Annule()) return;
    seance.DemandeArret();
    MetAJourCommandes();
}

// On the UI thread, once the worker has sent its result. A conversion cancelled, by Annuler or
// by the window's closing, ends without a word; one that completed while the window was closing
// leaves its file and opens nothing.
void TWaveForm::FinConversion(const QString& source, const QString& titreAvant,
                              const Tresultat<TsonConverti>& resultat, const TsuiteConversion& suite) {
    const bool annulee = seance.ArretDemande();
    seance.Termine(Tactivite::acConversion);
    MetAJourCommandes();
    if (std::exchange(fermetureApresConversion, false)) {
        setWindowTitle(titreAvant);
        close();
        return;
    }
    if (annulee || !resultat || !resultat.Valeur()) {
        setWindowTitle(titreAvant);
        if (annulee) return;
        if (!resultat)
            AfficheMessage(QString::fromStdString(resultat.Message()));
        else
            AfficheMessage(tr("Impossible de convertir le fichier\n%1\n\n%2")
                               .arg(source, QString::fromStdString(resultat.Valeur().Message())));
        return;
    }
    const TresultatConversion& converti = resultat.Valeur().Valeur();
    // The end of the stream is the whole of it, whatever the headers announced.
    setWindowTitle(tr("Conversion : %1%").arg(100));
    setWindowTitle(tr("Conversion terminée"));
    // A cut file gives the sound it still holds, and the teacher is told where it stops.
    if (converti.finEndommagee)
        AfficheMessage(tr("La fin du fichier\n%1\nest endommagée (le fichier a été coupé) : le son "
                          "converti s'arrête à %2 s.")
                           .arg(source, QLocale(LangueInterface() == Tlangue::anglais ? QLocale::English
                                                                                      : QLocale::French)
                                            .toString(converti.secondes, 'f', 2)));
    suite(QFile::decodeName(QByteArray::fromStdString(converti.fichier)));
}
