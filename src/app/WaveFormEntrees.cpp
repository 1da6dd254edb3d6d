// The sound-input survey and the choice of the recording device.
#include <QComboBox>

#include "app/WaveForm.h"
#include "platform/Messages.h"
#include "platform/SondageEntrees.h"

namespace {

constexpr int kLongueurNomMax = 32;

}  // namespace

// Run while the window is being made: what it has to say waits until the window is up, so
// that a computer without a microphone still starts at once and shows why recording fails.
void TWaveForm::ListeEntreesSon() {
    const auto signaleUneFoisMontree = [this](const QString& texte) {
        QMetaObject::invokeMethod(
            this, [texte] { AfficheMessage(texte); }, Qt::QueuedConnection);
    };
    const TresultatSondage sondage = SondeEntreesSon();
    entreesSon = sondage.entrees;
    formatsEntrees = sondage.formats;
    deviceID = -1;
    WaveInCB->clear();
    for (const TperipheriqueEntree& e : entreesSon)
        WaveInCB->addItem(QString::fromStdString(e.nom).left(kLongueurNomMax));
    WaveInCB->setCurrentIndex(-1);
    WaveInCB->setVisible(entreesSon.size() > 1);
    if (entreesSon.empty()) {
        signaleUneFoisMontree(tr("Pas d'entrée son"));
        return;
    }
    // Until the user picks an entry, recording uses the system's default input.
    const int position = sondage.parDefaut >= 0 ? sondage.parDefaut : 0;
    const std::optional<TformatCarte> format = formatsEntrees[position];
    if (!format) {
        signaleUneFoisMontree(tr("Pas d'entrée son utilisable"));
        return;
    }
    FreqEchCarte = format->frequence;
    NbitsCarte = format->bits;
    seance.son.FixeFormat(NbitsCarte == 8 ? TformatWave::f8 : TformatWave::f16);
}

void TWaveForm::WaveInCBChange(int index) {
    deviceID = index;
    if (index < 0 || index >= static_cast<int>(formatsEntrees.size())) return;
    if (!formatsEntrees[index]) {
        FreqEchCarte = 0;
        AfficheMessage(tr("Pas d'entrée son utilisable"));
        return;
    }
    FreqEchCarte = formatsEntrees[index]->frequence;
    NbitsCarte = formatsEntrees[index]->bits;
}

// The input device picked in the list, or the system's default input when none is.
int TWaveForm::PeripheriqueChoisi() const {
    return deviceID >= 0 && deviceID < static_cast<int>(entreesSon.size()) ? entreesSon[deviceID].index
                                                                           : PeripheriqueEntreeParDefaut();
}
