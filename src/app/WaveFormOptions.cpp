// The settings file (colours, the window's place and size, the language), the options dialog, and the
// commands that lead outside the sound work: help, the about box and the volume mixer.
#include <QAction>
#include <QCheckBox>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

#include "app/AboutBox.h"
#include "app/Application.h"
#include "app/FenetreAide.h"
#include "app/FenetreSpectre.h"
#include "app/FichierOptions.h"
#include "app/OptionsDlg.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/DialoguesModaux.h"
#include "platform/Melangeur.h"
#include "platform/Messages.h"

void TWaveForm::LitOptions() {
    if (!FichierOptionsUtilisable(nomFichierIni)) return;
    const TfichierOptions ini(nomFichierIni);
    ini.LitCouleurs(seance.vue.couleurs.courbe, seance.vue.couleurs.bis, seance.vue.couleurs.niveau);
    ini.LitCouleurErreur(seance.vue.couleurs.erreur);
    ini.LitCouleurReconstruction(seance.vue.couleurs.reconstruction);
    ini.LitEchelleSpectre(spectreLogarithmique);
    ini.LitDossierFichiers(dossierFichiers);
    langueInterface = ini.LitLangue();
    fenetreSauvee = ini.LitFenetre();
    apercuSauve = ini.LitHauteurApercu();
}

void TWaveForm::EcritOptions() {
    if (!FichierOptionsUtilisable(nomFichierIni)) return;
    const TfichierOptions ini(nomFichierIni);
    ini.EcritCouleurs(seance.vue.couleurs.courbe, seance.vue.couleurs.bis, seance.vue.couleurs.niveau);
    ini.EcritCouleurErreur(seance.vue.couleurs.erreur);
    ini.EcritCouleurReconstruction(seance.vue.couleurs.reconstruction);
    if (FenetreSpectre) spectreLogarithmique = FenetreSpectre->Logarithmique();
    ini.EcritEchelleSpectre(spectreLogarithmique);
    if (!dossierFichiers.isEmpty()) ini.EcritDossierFichiers(dossierFichiers);
    ini.EcritLangue(langueInterface);
    // A window never shown has no place of its own, and its strip was never laid out.
    if (windowHandle() == nullptr) return;
    ini.EcritFenetre(QRect(pos(), size()));
    ini.EcritHauteurApercu(Splitter1->sizes().constFirst());
}

// The overview keeps its colours until its next repaint. The error curve is not saved: each
// lesson starts without it.
void TWaveForm::OptionsBtnClick() {
    TOptionsDlg dialogue(seance.vue.couleurs, this);
    dialogue.AvecErreurCB->setChecked(seance.vue.avecErreur);
    dialogue.FixeLangue(langueInterface);
    if (ExecuteDialogue(dialogue) == QDialog::Accepted) {
        seance.vue.avecErreur = dialogue.AvecErreurCB->isChecked();
        langueInterface = dialogue.Langue();
    }
    PaintBox->Redessine();
    if (FenetreSpectre) FenetreSpectre->update();
}

void TWaveForm::AideBtnClick() {
    if (!FenetreAide) {
        FenetreAide = new TFenetreAide(InterfaceEnFrancais(QLocale::system()), this);
        FenetreAide->setObjectName(QStringLiteral("FenetreAide"));
    }
    FenetreAide->AfficheSommaire();
}

void TWaveForm::ToolButton2Click() {
    TAboutBox boite(this);
    ExecuteDialogue(boite);
}

void TWaveForm::VolumeBtnClick() {
    const auto lance = LanceMelangeur();
    if (lance) return;
    AfficheMessage(tr("Impossible\n\n%1").arg(QString::fromStdString(lance.Message())));
    // A tool bar shows or hides its buttons through their actions.
    for (QAction* action : ToolBar1->actions())
        if (ToolBar1->widgetForAction(action) == VolumeBtn) action->setVisible(false);
}
