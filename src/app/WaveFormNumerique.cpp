// The digitised signal: the bit and frequency track bars and the recomputation.
#include <QLabel>
#include <QSlider>

#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"
#include "sound/Numerisation.h"

void TWaveForm::BitsCBChange() {
    if (EnDirect()) {
        ReglageDirect();
        return;
    }
    if (PasEchantillonnage(FechTB->maximum(), FechTB->value()) != seance.vue.pas ||
        BitsTB->value() != seance.vue.bits || seance.options != optionsCalculees)
        CalculeNumerique();
}

void TWaveForm::CalculeNumerique() {
    const int b = BitsTB->value();
    seance.vue.bits = b;
    const int q = QuantumNumerisation(seance.son.NBits, b);
    LabelBits->setText(QString::fromStdString(TexteLabelBits(b)));
    const int s = PasEchantillonnage(FechTB->maximum(), FechTB->value());
    seance.vue.pas = s;
    LabelFreq->setText(QString::fromStdString(TexteLabelFreq(seance.son.FreqEch, s)));
    numeriseur.Numerise(SourceNumerisation(s), *seance.son.vecteurSonSousEch, seance.son.NbrePoints, q, s,
                        seance.options);
    optionsCalculees = seance.options;
    reconstruction.Perime();
    // Without a sound the player has no file to take back: only the settings change.
    if (seance.Activite() == Tactivite::acLecture) {
        // The play goes on with the new samples: the class hears 8 bits become 3 as the loop plays.
        EcritFichierWav(seance.nomFichierSousEch, *seance.son.vecteurSonSousEch);
        if (MediaPlayer.FileName == seance.nomFichierErreur && !EcritSignalErreur()) return;
        if (MediaPlayer.FileName == seance.nomFichierReconstruction && !EcritReconstruction()) return;
        if (MediaPlayer.FileName != seance.nomFichier)
            if (const auto relu = MediaPlayer.RelitPendantLecture(); !relu)
                AfficheMessage(QString::fromStdString(relu.Message()));
    } else if (!seance.nomFichier.isEmpty()) {
        MediaPlayer.Close();
        EcritFichierWav(seance.nomFichierSousEch, *seance.son.vecteurSonSousEch);
        ReprendLecteur();
    }
    PaintBox->Redessine();
    MetAJourLecon();
}
