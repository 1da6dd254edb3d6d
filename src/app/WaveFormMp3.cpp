// Importing an MP3 file: decoded into a WAV file beside it, which is then opened as usual.
#include <QCoreApplication>
#include <QToolButton>

#include "app/NomSysteme.h"
#include "app/VerrouCommandes.h"
#include "app/WaveForm.h"
#include "platform/DecodeurMp3.h"
#include "platform/Messages.h"
#include "sound/FichierConversion.h"
#include "sound/NomsFichiers.h"

QString TWaveForm::ConvertitEnWav(const QString& source) {
    const QString wavName = QString::fromStdString(ChangeExtension(source.toStdString(), ".wav"));
    const QString titreAvant = windowTitle();
    // The window keeps repainting during the conversion, but nothing may start another
    // load, a play or a recording until the new file is in.
    const TverrouCommandes verrou{OpenFileBtn, VeltaBtn, RecordBtn, PlayBtn, PlaySousEchBtn};
    try {
        TdecodeurMp3 decodeur(NomSysteme(source));
        setWindowTitle(QStringLiteral("Ouverture du fichier ..."));
        TfichierConversion wav(NomSysteme(wavName), decodeur.Canaux(), decodeur.Frequence());
        TblocMp3 bloc;
        percentdone = 0;
        while (const std::size_t n = decodeur.LitBloc(bloc)) {
            wav.Ajoute(bloc.data(), n);
            QCoreApplication::processEvents();
            percentdone = decodeur.Pourcentage();
            setWindowTitle(QStringLiteral("Conversion : %1%").arg(percentdone));
        }
        if (wav.TailleDonnees() == 0) throw EDecodeurMp3("Le fichier ne contient aucun son.");
        wav.Termine();
    } catch (const EDecodeurMp3& e) {
        setWindowTitle(titreAvant);
        AfficheMessage(QStringLiteral("Impossible de convertir le fichier\n%1\n\n%2").arg(source, e.what()));
        return {};
    } catch (const std::runtime_error& e) {
        setWindowTitle(titreAvant);
        AfficheMessage(QString::fromStdString(e.what()));
        return {};
    }
    // The announced length is often an estimate: the end of the stream is the whole of it.
    percentdone = 100;
    setWindowTitle(QStringLiteral("Conversion : 100%"));
    setWindowTitle(QStringLiteral("Conversion terminée"));
    return wavName;
}
