// The sampling animation: the detail view rebuilt one frame every tick of Timer2.
#include <QTimer>
#include <QToolButton>

#include "app/PaintBox.h"
#include "app/WaveForm.h"

void TWaveForm::AnimBtnClick() {
    if (!seance.Commence(Tactivite::acAnimation)) return;
    MetAJourCommandes();
    Timer2->start();
    NbreAnim = 0;
    NbreMax = PaintBox->width() / 4;
    graphe->Efface();
    PaintBox->Affiche();
}

void TWaveForm::Timer2Timer() {
    ++NbreAnim;
    graphe->DrawPoint(NbreAnim);
    PaintBox->Affiche();
    if (NbreAnim > NbreMax) {
        Timer2->stop();
        seance.Termine(Tactivite::acAnimation);
        MetAJourCommandes();
    }
}
