// The converter's choices in the second row: the quantiser's law, the dither, and the
// reconstruction that the smoothing filter after the hold gives back (drawn, played, measured).
// With the uniform law, no dither and no reconstruction, the window behaves as before.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Application.h"
#include "app/Boutons.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "sound/RapportSignalBruit.h"

// The dither and the reconstruction under the filter's box (`cases`), the law in a column of
// its own at the end of the lesson's tool bar. The live mode keeps the law and the dither, which
// apply there, and hides the reconstruction with the lesson's tools.
void TWaveForm::CreeControlesConvertisseur(QToolBar* barre, QVBoxLayout* cases) {
    QWidget* parent = cases->parentWidget();
    DitherCB = new QCheckBox(tr("Dither"), parent);
    DitherCB->setToolTip(
        tr("Ajoute un bruit triangulaire de ± 1 pas de quantification avant la "
           "quantification : l'erreur devient un souffle régulier"));
    cases->addWidget(DitherCB);
    auto* ligneReconstruction = new QHBoxLayout;
    ligneReconstruction->setSpacing(2);
    ReconstructionCB = new QCheckBox(tr("Reconstruction"), parent);
    ReconstructionCB->setToolTip(
        tr("Le son rendu par le filtre de lissage du convertisseur, passe-bas à la nouvelle "
           "fréquence de Nyquist, tracé sur la vue détaillée"));
    ligneReconstruction->addWidget(ReconstructionCB);
    ReconstructionBtn =
        NouveauBouton(parent, tr("Reconstruction"), QStyle::SP_MediaPlay, tr("Ecouter le son reconstruit"));
    ReconstructionBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ReconstructionBtn->setAutoRaise(true);
    ReconstructionBtn->setAccessibleName(tr("Écouter le son reconstruit"));
    ligneReconstruction->addWidget(ReconstructionBtn);
    ligneReconstruction->addStretch();
    cases->addLayout(ligneReconstruction);

    auto* loi = new QWidget(barre);
    auto* colonne = new QVBoxLayout(loi);
    colonne->setContentsMargins(4, 0, 4, 0);
    colonne->setSpacing(2);
    auto* label = new QLabel(tr("Quantification :"), loi);
    LoiCB = new QComboBox(loi);
    LoiCB->addItems({tr("uniforme"), tr("loi µ"), tr("loi A")});
    LoiCB->setToolTip(
        tr("Loi µ et loi A : la quantification du téléphone, des niveaux serrés "
           "près de zéro et espacés vers les forts niveaux"));
    label->setBuddy(LoiCB);
    colonne->addWidget(label);
    colonne->addWidget(LoiCB);
    colonne->addStretch();
    barre->addWidget(loi);

    // The reconstruction's ratio and the spectrum wait for the view: the whole reconstruction is computed
    // once the window has drawn what changed, and only once for a run of changes (a drag of a track bar).
    TimerRapports = new QTimer(this);
    TimerRapports->setSingleShot(true);
    TimerRapports->setInterval(0);

    const std::pair<QObject*, const char*> noms[] = {
        {LoiCB, "LoiCB"},
        {DitherCB, "DitherCB"},
        {ReconstructionCB, "ReconstructionCB"},
        {ReconstructionBtn, "ReconstructionBtn"},
        {TimerRapports, "TimerRapports"},
    };
    for (const auto& [objet, nom] : noms) objet->setObjectName(QLatin1StringView(nom));

    connect(LoiCB, &QComboBox::currentIndexChanged, this, &TWaveForm::OptionsNumerisationChange);
    connect(DitherCB, &QCheckBox::toggled, this, &TWaveForm::OptionsNumerisationChange);
    connect(ReconstructionCB, &QCheckBox::toggled, this, &TWaveForm::ReconstructionCBClick);
    connect(ReconstructionBtn, &QToolButton::clicked, this, &TWaveForm::ReconstructionBtnClick);
    connect(TimerRapports, &QTimer::timeout, this, &TWaveForm::MetAJourRapports);
}

void TWaveForm::OptionsNumerisationChange() {
    seance.options = {static_cast<TloiQuantification>(LoiCB->currentIndex()), DitherCB->isChecked()};
    if (EnDirect())
        ReglageDirect();
    else
        CalculeNumerique();
}

void TWaveForm::ReconstructionCBClick() {
    seance.vue.avecReconstruction = ReconstructionCB->isChecked();
    MetAJourCommandes();
    PaintBox->Redessine();
    TimerRapports->start();
}

// The reconstruction file is written at each press, from the digitised sound on screen.
void TWaveForm::ReconstructionBtnClick() {
    if (!EtatCommandes(seance).lireReconstruction) return;
    if (MediaPlayer.FileName == seance.nomFichierReconstruction) MediaPlayer.Close();
    if (EcritReconstruction()) PlayBtnClick(ReconstructionBtn);
}

bool TWaveForm::EcritReconstruction() {
    return EcritSonTravail(
        seance.nomFichierReconstruction,
        reconstruction.Tout(*seance.son.vecteurSonSousEch, seance.son.NbrePoints, seance.vue.pas),
        tr("Impossible d'écrire le son reconstruit"));
}

TvecteurSon* TWaveForm::ReconstructionVue(const TmodeleVue& m) {
    if (!m.avecReconstruction || m.trames <= 0) return nullptr;
    const std::int32_t fin = TrameDeColonne(AxeDetail(m), m.largeur) + 1;
    return &reconstruction.Plage(*seance.son.vecteurSonSousEch, seance.son.NbrePoints, seance.vue.pas,
                                 m.debut, fin);
}

void TWaveForm::MetAJourRapports() {
    const bool montree = seance.vue.avecReconstruction && seance.SonPresent();
    if (montree) {
        const TvecteurSon& reconstruit =
            reconstruction.Tout(*seance.son.vecteurSonSousEch, seance.son.NbrePoints, seance.vue.pas);
        LabelRSBReconstruction->setText(QString::fromStdString(TexteRapportReconstruction(
            RapportSignalBruitMesure(*seance.son.vecteurSon, reconstruit, seance.son.NbrePoints),
            LangueInterface())));
    }
    LabelRSBReconstruction->setVisible(montree);
    MetAJourSpectre();
}
