// The colours' settings file, the options dialog, and the commands that lead outside the
// sound work: help, the about box and the volume mixer.
#include <QAction>
#include <QToolBar>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/FenetreAide.h"
#include "app/FichierOptions.h"
#include "app/OptionsDlg.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/Couleurs.h"
#include "platform/DialoguesModaux.h"
#include "platform/Melangeur.h"
#include "platform/Messages.h"

void TWaveForm::LitOptions() {
    TfichierOptions(nomFichierIni).LitCouleurs(couleurCourbe, couleurBis, couleurNiveau);
}

void TWaveForm::EcritOptions() {
    TfichierOptions(nomFichierIni).EcritCouleurs(couleurCourbe, couleurBis, couleurNiveau);
}

// The overview keeps its colours until its next repaint.
void TWaveForm::OptionsBtnClick() {
    TOptionsDlg dialogue(this);
    ExecuteDialogue(dialogue);
    PaintBox->Redessine();
}

void TWaveForm::AideBtnClick() {
    if (!FenetreAide) FenetreAide = new TFenetreAide(this);
    FenetreAide->AfficheSommaire();
}

void TWaveForm::ToolButton2Click() {
    TAboutBox boite(this);
    ExecuteDialogue(boite);
}

void TWaveForm::VolumeBtnClick() {
    if (LanceMelangeur()) return;
    AfficheMessage(QStringLiteral("Impossible"));
    // A tool bar shows or hides its buttons through their actions.
    for (QAction* action : ToolBar1->actions())
        if (ToolBar1->widgetForAction(action) == VolumeBtn) action->setVisible(false);
}
