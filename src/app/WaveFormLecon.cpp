// What the lesson adds to the window: the error signal played like the two sounds, the noise
// ratio under the track bars, the spectrum window, the anti-aliasing filter and the pictures
// of the views. With the filter off and the two windows closed, the window behaves as before.
#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include "app/Application.h"
#include "app/Boutons.h"
#include "app/FenetreSpectre.h"
#include "app/NomSysteme.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/ExportImage.h"
#include "graph/Vues.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"
#include "sound/Debit.h"
#include "sound/EcrivainWav.h"
#include "sound/RapportSignalBruit.h"
#include "sound/SignalErreur.h"

namespace {

const char* const kFiltreImages = QT_TRANSLATE_NOOP("TWaveForm", "Images PNG (*.png);;Images SVG (*.svg)");

}  // namespace

// In a tool bar of their own at the end of the second row: on a narrow screen it folds into
// its extension menu rather than widening the window.
void TWaveForm::CreeControlesLecon() {
    auto* barre = new QToolBar(ToolBar2);
    barre->setIconSize(QSize(20, 20));
    ErreurBtn = BoutonBarre(barre, tr("Erreur"), QStyle::SP_MediaPlay,
                            tr("Ecouter l'erreur de quantification : numérique moins analogique"));
    SpectreBtn = BoutonBarre(barre, tr("Spectre"), QStyle::SP_FileDialogContentsView,
                             tr("Spectre du son et du son numérisé sur la sélection"));
    ExporteImageBtn = BoutonBarre(barre, tr("Exporter l'image…"), QStyle::SP_DialogSaveButton,
                                  tr("Enregistrer les deux vues en image PNG ou SVG"), 104);
    const QList<QAction*> actions = barre->actions();
    actionsHorsDirect.assign(actions.cbegin(), actions.cend());
    // The check boxes one above the other, so that the row keeps its width.
    auto* cases = new QWidget(barre);
    auto* colonne = new QVBoxLayout(cases);
    colonne->setContentsMargins(4, 0, 4, 0);
    colonne->setSpacing(0);
    FiltreCB = new QCheckBox(tr("Filtre anti-repliement"), cases);
    FiltreCB->setToolTip(
        tr("Coupe les fréquences au-dessus de la nouvelle fréquence de Nyquist avant l'échantillonnage"));
    colonne->addWidget(FiltreCB);
    barre->addWidget(cases);
    CreeControlesConvertisseur(barre, colonne);
    auto* ligne = static_cast<QHBoxLayout*>(ToolBar2->layout());
    ligne->insertWidget(ligne->count() - 1, barre, 1);  // before the stretch
    LabelRSB->setText(
        QString::fromStdString(TexteRapportSignalBruit(std::nullopt, BitsTB->value(), LangueInterface())));

    // The tests and benches find the controls by their field names.
    const std::pair<QObject*, const char*> noms[] = {
        {ErreurBtn, "ErreurBtn"},
        {SpectreBtn, "SpectreBtn"},
        {ExporteImageBtn, "ExporteImageBtn"},
        {FiltreCB, "FiltreCB"},
    };
    for (const auto& [objet, nom] : noms) objet->setObjectName(QLatin1StringView(nom));

    connect(ErreurBtn, &QToolButton::clicked, this, &TWaveForm::ErreurBtnClick);
    connect(SpectreBtn, &QToolButton::clicked, this, &TWaveForm::SpectreBtnClick);
    connect(ExporteImageBtn, &QToolButton::clicked, this, &TWaveForm::ExporteImageBtnClick);
    connect(FiltreCB, &QCheckBox::toggled, this, &TWaveForm::FiltreCBClick);
}

// The error file is written at each press, from the digitised sound on screen; the player may
// still hold it from the previous press, and lets go of it meanwhile.
void TWaveForm::ErreurBtnClick() {
    if (MediaPlayer.FileName == seance.nomFichierErreur) MediaPlayer.Close();
    if (EcritSignalErreur()) PlayBtnClick(ErreurBtn);
}

bool TWaveForm::EcritSignalErreur() {
    if (!vecteurErreur) vecteurErreur = AlloueVecteurSon();
    CalculeSignalErreur(*seance.son.vecteurSon, *seance.son.vecteurSonSousEch, seance.son.NbrePoints,
                        *vecteurErreur);
    return EcritSonTravail(seance.nomFichierErreur, *vecteurErreur,
                           tr("Impossible d'écrire le signal d'erreur"));
}

bool TWaveForm::EcritSonTravail(const QString& nom, const TvecteurSon& vecteur, const QString& echec) {
    if (const auto cree = CreeFichierSiAbsent(NomSysteme(nom)); !cree) {
        AfficheMessage(QString::fromStdString(cree.Message()));
        return false;
    }
    if (const auto ecrit = EcritWav(NomSysteme(nom), vecteur, seance.son.NbrePoints, seance.son.FreqEch);
        !ecrit) {
        AfficheMessage(
            QStringLiteral("%1\n%2\n(%3)").arg(echec, nom, QString::fromStdString(ecrit.Message())));
        return false;
    }
    return true;
}

void TWaveForm::SpectreBtnClick() {
    if (!EtatCommandes(seance).analyser) return;
    if (!FenetreSpectre) {
        FenetreSpectre = new TFenetreSpectre(seance.vue.couleurs, this);
        FenetreSpectre->setObjectName(QStringLiteral("FenetreSpectre"));
        FenetreSpectre->SetLogarithmique(spectreLogarithmique);
        FenetreSpectre->MetAJour(seance.son, seance.debutS, seance.finS, seance.vue.pas, generationSon);
    }
    FenetreSpectre->show();
    FenetreSpectre->raise();
    FenetreSpectre->activateWindow();
}

void TWaveForm::ExporteImageBtnClick() {
    if (!EtatCommandes(seance).analyser) return;
    const QString nom =
        ChoisitFichier({this, tr(kFiltreImages), QStringLiteral("png"), true, DossierDialogues()});
    if (nom.isEmpty()) return;
    dossierFichiers = QFileInfo(nom).absolutePath();
    const QImage image = AssembleVues(PaintBoxAll->image(), PaintBox->image());
    if (const auto ecrit = EnregistreImage(nom, image.size(), tr("Sampix : vues"),
                                           [&image](QPainter& p) { p.drawImage(0, 0, image); });
        !ecrit)
        AfficheMessage(tr("Impossible d'exporter l'image\n%1").arg(QString::fromStdString(ecrit.Message())));
}

void TWaveForm::FiltreCBClick() {
    seance.filtre = FiltreCB->isChecked();
    CalculeNumerique();
}

// The filtered sound depends on the sound and the step only: a change of b keeps it.
const TvecteurSon& TWaveForm::SourceNumerisation(int pas) {
    if (!seance.filtre || pas <= 1) return *seance.son.vecteurSon;
    if (!vecteurFiltre) vecteurFiltre = AlloueVecteurSon();
    if (filtreCalcule != std::pair{generationSon, pas}) {
        filtre.Applique(*seance.son.vecteurSon, seance.son.NbrePoints, pas, *vecteurFiltre);
        filtreCalcule = {generationSon, pas};
    }
    return *vecteurFiltre;
}

void TWaveForm::MetAJourLecon() {
    const auto rsb = RapportSignalBruitMesure(*seance.son.vecteurSon, *seance.son.vecteurSonSousEch,
                                              seance.son.NbrePoints);
    LabelRSB->setText(
        QString::fromStdString(TexteRapportSignalBruit(rsb, seance.vue.bits, LangueInterface())));
    LabelDebit->setText(seance.SonPresent()
                            ? QString::fromStdString(TexteDebit(seance.son.FreqEch, seance.vue.pas,
                                                                seance.vue.bits, seance.son.Format(),
                                                                seance.son.NbrePoints, LangueInterface()))
                            : QString());
    TimerRapports->start();
}

void TWaveForm::MetAJourSpectre() {
    if (FenetreSpectre)
        FenetreSpectre->MetAJour(seance.son, seance.debutS, seance.finS, seance.vue.pas, generationSon);
}

// Before the new sound is digitised: what was computed from the previous one is stale.
void TWaveForm::NouveauSonLecon() {
    ++generationSon;
    filtreCalcule.reset();
    reconstruction.Perime();
}
