// The sampling animation: the detail view rebuilt one frame every tick of Timer2.
#include <QTimer>
#include <QToolButton>

#include "app/PaintBox.h"
#include "app/WaveForm.h"

void TWaveForm::AnimBtnClick() {
    Timer2->start();
    AnimBtn->setEnabled(false);
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
        AnimBtn->setEnabled(true);
    }
}
