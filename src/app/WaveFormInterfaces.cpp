// The VELTA interfaces in the window: the search button and the search's end, an
// acquisition's start and end, the interface branch of Stop and its end, and a line lost
// during an acquisition.
#include <QApplication>
#include <QProgressBar>
#include <QToolButton>
#include <QToolTip>

#include "app/WaveForm.h"
#include "platform/Messages.h"

// The search runs on from the event loop; the hourglass stays until it ends (FinRecherche).
void TWaveForm::VeltaBtnClick() {
    if (velta.Entree() != Tentree::eSon || !seance.Peut(Tactivite::acRecherche)) return;
    ArreteCeQuiTourne();
    (void)seance.Commence(Tactivite::acRecherche);
    MetAJourCommandes();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    velta.ChercheInterface();
}

void TWaveForm::FinRecherche(const Tresultat<>& resultat) {
    QApplication::restoreOverrideCursor();
    seance.Termine(Tactivite::acRecherche);
    if (!resultat) AfficheMessage(QString::fromStdString(resultat.Message()));
    if (fermetureDemandee) {
        MetAJourCommandes();
        close();
        return;
    }
    // Nothing found is said in Velta's hint, shown at once beside the button: no box to close.
    if (resultat && velta.Entree() == Tentree::eSon) {
        const QStringList essayes = velta.Essayes();
        indicationVelta = tr("Aucune interface VELTA trouvée\n%1")
                              .arg(essayes.isEmpty() ? tr("Aucun port série sur cet ordinateur.")
                                                     : tr("Essayé : %1.").arg(essayes.join(", ")));
        MetAJourCommandes();
        QToolTip::showText(VeltaBtn->mapToGlobal(QPoint(0, VeltaBtn->height())), VeltaBtn->toolTip(),
                           VeltaBtn);
        return;
    }
    MetAJourCommandes();
}

// A port that no longer opens ends the acquisition before it began.
void TWaveForm::LanceAcqInterface() {
    if (const Tresultat<> lance = velta.LanceAcquisition(); !lance) {
        AfficheMessage(QString::fromStdString(lance.Message()));
        seance.Termine(Tactivite::acAcquisition);
        MetAJourCommandes();
        RetablitSonPrecedent();
    }
}

// An acquisition worth keeping becomes the record file and the current sound; one too short
// leaves the previous sound, which no acquisition overwrites, on screen. Record comes back
// whenever the acquisition ended, also late after Stop, unless the interface's stop still runs.
void TWaveForm::FinAcquisition() {
    const TdecodeurAcquisition& d = velta.decodeur;
    if (d.AGarder()) {
        Gauge->setValue(d.NbreCourant);
        EnregistreEtOuvre(TformatWave::f16, d.Octets(), d.NbreCourant, kFrequenceAcquisition);
    } else if (seance.Activite() != Tactivite::acDecompte && seance.nomFichier.isEmpty()) {
        RetablitSonPrecedent();
    }
    // An end during the interface's stop leaves the stop's end to give the commands back.
    seance.Termine(Tactivite::acAcquisition);
    MetAJourCommandes();
}

// The countdown state lasts until the interface has stopped (FinArretInterface).
void TWaveForm::StopInterface() {
    setCursor(Qt::WaitCursor);
    velta.StopInterface();
}

void TWaveForm::FinArretInterface() {
    seance.Termine(Tactivite::acDecompte);
    MetAJourCommandes();
    if (seance.nomFichier.isEmpty()) RetablitSonPrecedent();
    unsetCursor();
    if (fermetureDemandee) close();
}

void TWaveForm::CoupureInterface(const QString& raison) {
    const std::int32_t recus = velta.decodeur.NbreCourant;
    AfficheMessage(
        tr("La liaison avec l'interface s'est interrompue (%1).\n%2")
            .arg(raison, velta.decodeur.AGarder()
                             ? tr("Les %1 échantillons reçus sont gardés.").arg(recus)
                             : tr("%1 échantillons reçus : trop peu pour être gardés.").arg(recus)));
}
