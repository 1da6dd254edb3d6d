// Playback of the analog or digitised sound through the media player.
#include <cmath>

#include <QCheckBox>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include "app/WaveForm.h"
#include "platform/Messages.h"

std::int32_t TWaveForm::PositionLecteur(std::int32_t n) {
    const auto format = MediaPlayer.TimeFormat();
    if (!format || format.Valeur() != TformatTemps::tfMilliseconds || seance.son.FreqEch == 0) return n;
    return static_cast<std::int32_t>(std::nearbyint(n * 1000.0 / seance.son.FreqEch));
}

void TWaveForm::PlayBtnClick(QToolButton* sender) {
    if (!seance.Peut(Tactivite::acLecture)) return;
    ArreteCeQuiTourne();
    const QString voulu = sender == PlaySousEchBtn      ? seance.nomFichierSousEch
                          : sender == ErreurBtn         ? seance.nomFichierErreur
                          : sender == ReconstructionBtn ? seance.nomFichierReconstruction
                                                        : seance.nomFichier;
    const QString& tenu = MediaPlayer.FileName;
    if (tenu != voulu && (tenu == seance.nomFichier || tenu == seance.nomFichierSousEch ||
                          tenu == seance.nomFichierErreur || tenu == seance.nomFichierReconstruction)) {
        MediaPlayer.Close();
        MediaPlayer.FileName = voulu;
    }
    // A player released by another window, or never opened, is taken back before
    // anything changes on screen: a play never starts on a closed player.
    if (!MediaPlayer.EstOuvert())
        if (const auto ouvert = MediaPlayer.Open(); !ouvert) {
            AfficheMessage(QString::fromStdString(ouvert.Message()));
            return;
        }
    (void)seance.Commence(Tactivite::acLecture);
    MetAJourCommandes();
    Timer1->start();
    LanceLecture();
}

// Plays the selection; a refusal says why once and leaves the window ready. A loop replays
// the selection, pass after pass without a gap, until Stop.
void TWaveForm::LanceLecture() {
    MediaPlayer.SetBoucle(BoucleCB->isChecked());
    MediaPlayer.SetNotify(true);
    MediaPlayer.SetStartPos(PositionLecteur(seance.debutS));
    MediaPlayer.SetEndPos(PositionLecteur(seance.finS));
    if (const auto joue = MediaPlayer.Play(); !joue) {
        FinLecture();
        AfficheMessage(QString::fromStdString(joue.Message()));
    }
}

void TWaveForm::FinLecture() {
    seance.Termine(Tactivite::acLecture);
    MetAJourCommandes();
    if (seance.Activite() != Tactivite::acDecompte) Timer1->stop();
}

void TWaveForm::ArreteCeQuiTourne() {
    if (seance.Activite() == Tactivite::acAnimation) {
        Timer2->stop();
        seance.Termine(Tactivite::acAnimation);
    }
    if (seance.Activite() == Tactivite::acLecture) {
        MediaPlayer.SetNotify(false);
        MediaPlayer.Close();
        seance.Termine(Tactivite::acLecture);
        Timer1->stop();
    }
    MetAJourCommandes();
}

// A completed pass with the loop checked goes on: the player is still playing the next pass,
// or plays the selection again when the loop was checked too late for it. Anything else
// ends the play.
void TWaveForm::MediaPlayerNotify(TnotificationLecteur notification) {
    if (MediaPlayer.EnLecture()) return;
    if (BoucleCB->isChecked() && seance.Activite() == Tactivite::acLecture && !seance.ArretDemande() &&
        notification == TnotificationLecteur::nvSuccessful && MediaPlayer.EstOuvert())
        LanceLecture();
    else
        FinLecture();
}

// The play ends when the player says so; until then only Stop is taken back.
void TWaveForm::StopPlayBtnClick() {
    if (seance.Activite() == Tactivite::acAnimation) ArreteAnimation();
    if (seance.Activite() != Tactivite::acLecture) return;
    seance.DemandeArret();
    MetAJourCommandes();
    MediaPlayer.SetNotify(true);
    // A player closed meanwhile has no play to stop: the play is over.
    if (!MediaPlayer.Stop()) FinLecture();
}

void TWaveForm::Timer1Timer() {
    if (seance.Activite() == Tactivite::acDecompte) {
        if (++compteur > compteurMax) FinDecompte();
        return;
    }
    if (MediaPlayer.FileName.isEmpty()) return;
    if (!MediaPlayer.EstOuvert()) {
        Timer1->stop();
        return;
    }
    const auto longueur = MediaPlayer.Length();
    const auto position = MediaPlayer.Position();
    if (!longueur || !position || longueur.Valeur() <= 0) return;
    const double f = static_cast<double>(position.Valeur()) / static_cast<double>(longueur.Valeur());
    ScrollBar->setValue(static_cast<int>(std::nearbyint(ScrollBar->maximum() * f)));
}

// Releases the player when no play is under way (a play keeps it until its end).
void TWaveForm::ArreteEcoute() {
    if (seance.Activite() == Tactivite::acLecture) return;
    Timer1->stop();
    MediaPlayer.SetNotify(false);
    MediaPlayer.Close();
}
