// Sound-card recording: Record, Stop, the countdown after Stop, and the save.
#include <cmath>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QToolButton>

#include "app/NomSysteme.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"
#include "sound/EcrivainWav.h"

void TWaveForm::RecordBtnClick() {
    const Tactivite activite =
        velta.Entree() == Tentree::eSon ? Tactivite::acEnregistrement : Tactivite::acAcquisition;
    if (!seance.Peut(activite)) return;
    ArreteCeQuiTourne();
    seance.nomAvantEnregistrement = seance.nomFichier;
    seance.nomFichier.clear();
    seance.vue.repere = 0;
    seance.vue.repereTemps = 0;
    // Closing the player ends a play under way before the recording device opens.
    MediaPlayer.SetNotify(false);
    MediaPlayer.Close();
    (void)seance.Commence(activite);
    MetAJourCommandes();
    if (velta.Entree() == Tentree::eSon)
        LanceAcqSon();
    else
        LanceAcqInterface();
}

// A device that refuses to record says why and the window goes back to its previous sound.
void TWaveForm::LanceAcqSon() {
    const int choisi = PeripheriqueChoisi();
    const Tresultat<> ouvert = FreqEchCarte == 0 ? Echec(tr("Pas d'entrée son utilisable").toStdString())
                                                 : Enregistreur.Ouvre(choisi, {FreqEchCarte, NbitsCarte});
    if (!ouvert) {
        AfficheMessage(tr("Enregistrement impossible : %1").arg(QString::fromStdString(ouvert.Message())));
        seance.Termine(Tactivite::acEnregistrement);
        MetAJourCommandes();
        RetablitSonPrecedent();
        return;
    }
    startRecord = std::chrono::steady_clock::now();
}

void TWaveForm::StopBtnClick() {
    if (EnDirect()) {
        ArreteDirect();
        return;
    }
    if (!seance.Commence(Tactivite::acDecompte)) return;
    MetAJourCommandes();
    if (velta.Entree() != Tentree::eSon) {
        StopInterface();
        return;
    }
    StopLabel->move((width() - StopLabel->width()) / 2, height() / 2);
    StopLabel->show();
    StopLabel->raise();
    const auto ecoule =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - startRecord);
    const double t = static_cast<double>(ecoule.count() % 3600000) / 1000.0;
    compteurMax = CompteurMaxArret(t, Timer1->interval());
    compteur = 0;
    Timer1->start();
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void TWaveForm::FinDecompte() {
    seance.Termine(Tactivite::acDecompte);
    MetAJourCommandes();
    QApplication::restoreOverrideCursor();
    Timer1->stop();
    SauveEnregistrement();
    FermeEnregistrement();
    StopLabel->hide();
}

void TWaveForm::SauveEnregistrement() {
    if (!Enregistreur.EstOuvert()) {
        RetablitSonPrecedent();
        return;
    }
    FermeEnregistrement();
    const TformatCarte format = Enregistreur.Format();
    const TformatWave disposition = format.bits == 8 ? TformatWave::f8 : TformatWave::f16;
    const auto trames = static_cast<std::int32_t>(Enregistreur.Taille() / OctetsParTrame(disposition));
    EnregistreEtOuvre(disposition, Enregistreur.Octets(), trames, format.frequence);
}

// A recording or an acquisition goes to the record file, then becomes the current sound. One
// that cannot be written is reported and the previous sound stays on screen.
void TWaveForm::EnregistreEtOuvre(TformatWave disposition, const std::uint8_t* octets, std::int32_t trames,
                                  std::uint32_t frequence) {
    const std::string nom = NomSysteme(seance.nomFichierRecord);
    auto ecrit = CreeFichierSiAbsent(nom);
    if (ecrit) ecrit = EcritWavOctets(nom, disposition, octets, trames, frequence);
    if (!ecrit) {
        AfficheMessage(tr("Impossible d'enregistrer dans %1\n(%2)")
                           .arg(seance.nomFichierRecord, QString::fromStdString(ecrit.Message())));
        RetablitSonPrecedent();
        return;
    }
    ChargeFichierWav(seance.nomFichierRecord);
    if (seance.nomFichier.isEmpty()) RetablitSonPrecedent();
}

// The sound loaded before the recording is still in the vectors: show and play it again.
void TWaveForm::RetablitSonPrecedent() {
    seance.nomFichier = seance.nomAvantEnregistrement;
    if (seance.nomFichier.isEmpty()) return;
    MediaPlayer.FileName = seance.nomFichier;
    if (const auto ouvert = MediaPlayer.Open(); !ouvert)
        AfficheMessage(QString::fromStdString(ouvert.Message()));
    MetAJourCommandes();
    update();
}

void TWaveForm::FermeEnregistrement() {
    Enregistreur.Ferme();
}

void TWaveForm::EnregistrementPlein() {
    AfficheMessage(
        tr("Durée maximale atteinte : l'enregistrement s'arrête là. Cliquez sur Stop pour le garder."));
}

void TWaveForm::EnregistrementCoupe() {
    AfficheMessage(
        tr("L'entrée son ne répond plus : l'enregistrement s'arrête là. Cliquez sur Stop pour le garder."));
}
