// The sampling animation: the detail view rebuilt one frame every tick of Timer2.
#include <QTimer>
#include <QToolButton>

#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/DessinVues.h"

void TWaveForm::AnimBtnClick() {
    if (!EtatCommandes(seance).animer) return;
    if (!seance.Commence(Tactivite::acAnimation)) return;
    MetAJourCommandes();
    Timer2->start();
    NbreAnim = 0;
    NbreMax = PaintBox->width() / 4;
    EffaceAnimation(ModeleFenetre(), SonsVue(), PaintBox->Canvas(), PaintBox->LargeurPixels(),
                    PaintBox->HauteurPixels());
    PaintBox->Affiche();
}

void TWaveForm::Timer2Timer() {
    ++NbreAnim;
    DessinePasAnimation(ModeleFenetre(), SonsVue(), PaintBox->Canvas(), PaintBox->LargeurPixels(),
                        PaintBox->HauteurPixels(), NbreAnim);
    PaintBox->Affiche();
    if (NbreAnim > NbreMax) {
        Timer2->stop();
        seance.Termine(Tactivite::acAnimation);
        MetAJourCommandes();
    }
}

// Stop or Escape during the animation: the view comes back whole at once.
void TWaveForm::ArreteAnimation() {
    if (seance.Activite() != Tactivite::acAnimation) return;
    Timer2->stop();
    seance.Termine(Tactivite::acAnimation);
    PaintBox->Redessine();
    MetAJourCommandes();
}
