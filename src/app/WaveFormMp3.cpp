// Importing a compressed sound (MP3, FLAC, Ogg Vorbis, Opus, AIFF): decoded into a WAV file
// beside it, which is then opened as usual.
#include <algorithm>
#include <chrono>
#include <memory>

#include <QCoreApplication>
#include <QLocale>
#include <QToolButton>

#include "app/NomSysteme.h"
#include "app/VerrouCommandes.h"
#include "app/WaveForm.h"
#include "platform/DecodeurMp3.h"
#include "platform/DecodeurSndfile.h"
#include "platform/Messages.h"
#include "sound/FichierConversion.h"
#include "sound/NomsFichiers.h"

namespace {

// The caption and the pending events every 50 ms at most: repainting must not slow the
// conversion, which takes well under a second for most files.
constexpr auto kIntervalleProgression = std::chrono::milliseconds(50);

std::unique_ptr<TdecodeurSon> OuvreDecodeur(TrouteFichier route, const std::string& nom) {
    if (route == TrouteFichier::rMp3) return std::make_unique<TdecodeurMp3>(nom);
    return std::make_unique<TdecodeurSndfile>(nom);
}

}  // namespace

QString TWaveForm::ConvertitEnWav(const QString& source, TrouteFichier route) {
    const QString wavName = QString::fromStdString(ChangeExtension(source.toStdString(), ".wav"));
    const QString titreAvant = windowTitle();
    // The window keeps repainting during the conversion, but nothing may start another
    // load, a play or a recording until the new file is in.
    const TverrouCommandes verrou{OpenFileBtn, VeltaBtn, RecordBtn, PlayBtn, PlaySousEchBtn, DirectBtn};
    double secondes = 0;
    bool finEndommagee = false;
    try {
        const auto decodeur = OuvreDecodeur(route, NomSysteme(source));
        setWindowTitle(QStringLiteral("Ouverture du fichier ..."));
        TfichierConversion wav(NomSysteme(wavName), decodeur->Canaux(), decodeur->Frequence());
        percentdone = 0;
        // The first block shows the window's pending events at once, the others by the clock.
        auto prochaine = std::chrono::steady_clock::now();
        while (true) {
            const auto bloc = decodeur->LitBloc();
            if (bloc.empty()) break;
            wav.Ajoute(bloc.data(), bloc.size());
            if (const auto maintenant = std::chrono::steady_clock::now(); maintenant >= prochaine) {
                prochaine = maintenant + kIntervalleProgression;
                QCoreApplication::processEvents();
                percentdone = std::max(percentdone, decodeur->Pourcentage());
                setWindowTitle(QStringLiteral("Conversion : %1%").arg(percentdone));
            }
        }
        if (wav.TailleDonnees() == 0) throw EDecodeurSon("Le fichier ne contient aucun son.");
        wav.Termine();
        finEndommagee = decodeur->FinEndommagee();
        secondes = wav.TailleDonnees() / (2.0 * decodeur->Canaux()) / decodeur->Frequence();
    } catch (const EDecodeurSon& e) {
        setWindowTitle(titreAvant);
        AfficheMessage(QStringLiteral("Impossible de convertir le fichier\n%1\n\n%2").arg(source, e.what()));
        return {};
    } catch (const std::runtime_error& e) {
        setWindowTitle(titreAvant);
        AfficheMessage(QString::fromStdString(e.what()));
        return {};
    }
    // The end of the stream is the whole of it, whatever the headers announced.
    percentdone = 100;
    setWindowTitle(QStringLiteral("Conversion : 100%"));
    setWindowTitle(QStringLiteral("Conversion terminée"));
    // A cut file gives the sound it still holds, and the teacher is told where it stops.
    if (finEndommagee)
        AfficheMessage(
            QStringLiteral("La fin du fichier\n%1\nest endommagée (le fichier a été coupé) : le son "
                           "converti s'arrête à %2 s.")
                .arg(source, QLocale(QLocale::French).toString(secondes, 'f', 2)));
    return wavName;
}
