// The VELTA interfaces in the window: the search button, an acquisition's start and end,
// the interface branch of Stop, and a line lost during an acquisition.
#include <QApplication>
#include <QProgressBar>
#include <QToolButton>

#include "app/WaveForm.h"
#include "platform/Messages.h"

namespace {

// The hourglass for as long as an object lives, also when an error ends the work early.
class Tsablier {
public:
    Tsablier() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Tsablier() { QApplication::restoreOverrideCursor(); }
    Tsablier(const Tsablier&) = delete;
    Tsablier& operator=(const Tsablier&) = delete;
};

}  // namespace

void TWaveForm::VeltaBtnClick() {
    if (velta.entree != Tentree::eSon || !seance.Peut(Tactivite::acRecherche)) return;
    ArreteCeQuiTourne();
    (void)seance.Commence(Tactivite::acRecherche);
    MetAJourCommandes();
    {
        const Tsablier sablier;
        try {
            velta.ChercheInterface();
        } catch (const EPortSerie& e) {
            AfficheMessage(QString::fromStdString(e.what()));
        }
    }
    seance.Termine(Tactivite::acRecherche);
    MetAJourCommandes();
    if (fermetureDemandee) close();
}

// A port that no longer opens ends the acquisition before it began.
void TWaveForm::LanceAcqInterface() {
    try {
        velta.LanceAcquisition();
    } catch (const EPortSerie& e) {
        AfficheMessage(QString::fromStdString(e.what()));
        seance.Termine(Tactivite::acAcquisition);
        MetAJourCommandes();
        RetablitSonPrecedent();
    }
}

// An acquisition worth keeping becomes the record file and the current sound; one too short
// leaves the previous sound, which no acquisition overwrites, on screen. Record comes back
// whenever the acquisition ended, also late after Stop, unless Stop's handler still runs.
void TWaveForm::FinAcquisition() {
    const TdecodeurAcquisition& d = velta.decodeur;
    if (d.AGarder()) {
        Gauge->setValue(d.NbreCourant);
        EnregistreEtOuvre(TformatWave::f16, d.Octets(), d.NbreCourant, kFrequenceAcquisition);
    } else if (seance.Activite() != Tactivite::acDecompte && seance.nomFichier.isEmpty()) {
        RetablitSonPrecedent();
    }
    // A late end, after Stop, leaves Stop's handler to give the commands back.
    seance.Termine(Tactivite::acAcquisition);
    MetAJourCommandes();
}

void TWaveForm::StopInterface() {
    setCursor(Qt::WaitCursor);
    velta.StopInterface();
    seance.Termine(Tactivite::acDecompte);
    MetAJourCommandes();
    if (seance.nomFichier.isEmpty()) RetablitSonPrecedent();
    unsetCursor();
    if (fermetureDemandee) close();
}

bool TWaveForm::event(QEvent* evenement) {
    if (evenement->type() == WM_DONNEES_VQ2) {
        velta.MessageDonneesVQ2(static_cast<TevenementVQ2*>(evenement)->wParam);
        return true;
    }
    if (evenement->type() == WM_FIN_VQ2) {
        velta.MessageFinVQ2();
        return true;
    }
    return QWidget::event(evenement);
}

void TWaveForm::CoupureInterface(const QString& raison) {
    const std::int32_t recus = velta.decodeur.NbreCourant;
    AfficheMessage(
        QStringLiteral("La liaison avec l'interface s'est interrompue (%1).\n%2")
            .arg(raison,
                 velta.decodeur.AGarder()
                     ? QStringLiteral("Les %1 échantillons reçus sont gardés.").arg(recus)
                     : QStringLiteral("%1 échantillons reçus : trop peu pour être gardés.").arg(recus)));
}
