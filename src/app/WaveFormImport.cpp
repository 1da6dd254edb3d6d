// Importing a compressed sound (MP3, FLAC, Ogg Vorbis, Opus, AIFF, or a WAV file the reader
// does not take): decoded into a WAV file, beside it when its folder can be written, which is
// then opened as usual.
#include <algorithm>
#include <chrono>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QScopeGuard>
#include <QToolButton>

#include "app/NomSysteme.h"
#include "app/WaveForm.h"
#include "platform/ConversionSon.h"
#include "platform/DecodeurSon.h"
#include "platform/Messages.h"

namespace {

// The caption and the pending events every 50 ms at most: repainting must not slow the
// conversion, which takes well under a second for most files.
constexpr auto kIntervalleProgression = std::chrono::milliseconds(50);

}  // namespace

QString TWaveForm::ConvertitEnWav(const QString& source, TrouteFichier route) {
    const QString titreAvant = windowTitle();
    // The window keeps repainting during the conversion, but nothing may start another
    // load, a play or a recording until the new file is in.
    if (!seance.Commence(Tactivite::acConversion)) return {};
    MetAJourCommandes();
    const auto fin = qScopeGuard([this] {
        seance.Termine(Tactivite::acConversion);
        MetAJourCommandes();
    });
    TresultatConversion resultat;
    try {
        setWindowTitle(QStringLiteral("Ouverture du fichier ..."));
        int pourcentageMontre = 0;
        // The first block shows the window's pending events at once, the others by the clock.
        auto prochaine = std::chrono::steady_clock::now();
        resultat = ConvertitSon(route, NomSysteme(source), {}, [&](int pourcentage) {
            if (const auto maintenant = std::chrono::steady_clock::now(); maintenant >= prochaine) {
                prochaine = maintenant + kIntervalleProgression;
                QCoreApplication::processEvents();
                pourcentageMontre = std::max(pourcentageMontre, pourcentage);
                setWindowTitle(QStringLiteral("Conversion : %1%").arg(pourcentageMontre));
            }
        });
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
    setWindowTitle(QStringLiteral("Conversion : 100%"));
    setWindowTitle(QStringLiteral("Conversion terminée"));
    // A cut file gives the sound it still holds, and the teacher is told where it stops.
    if (resultat.finEndommagee)
        AfficheMessage(
            QStringLiteral("La fin du fichier\n%1\nest endommagée (le fichier a été coupé) : le son "
                           "converti s'arrête à %2 s.")
                .arg(source, QLocale(QLocale::French).toString(resultat.secondes, 'f', 2)));
    return QFile::decodeName(QByteArray::fromStdString(resultat.fichier));
}
