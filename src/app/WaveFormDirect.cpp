// Live mode: the microphone digitised for the current b and s and heard at once, the detail
// view scrolling with it and the strip showing its level. Nothing is kept: "Enregistrer" stays
// the way to keep a sound. With the mode off, the window is as it was.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/DessinDirect.h"
#include "platform/Messages.h"
#include "sound/Numerisation.h"

namespace {

constexpr int kIntervalleDirect = 33;  // about 30 redraws a second
constexpr int kGainDepart = 30;        // percent: loud enough to hear, low enough not to howl at once
constexpr auto kSilenceMaxDirect = std::chrono::seconds(1);

// About 10 ms per block, a power of two: 128 frames at 11025 Hz, 512 at 44100 Hz.
unsigned long TramesParBlocDirect(std::uint32_t frequence) {
    unsigned long trames = 32;
    while (trames * 2 <= frequence / 80) trames *= 2;
    return trames;
}

void TraiteBlocDirect(void* chaine, const void* entree, void* sortie, unsigned long trames) {
    static_cast<TchaineDirect*>(chaine)->Traite(entree, sortie, trames);
}

}  // namespace

void TWaveForm::CreeControlesDirect() {
    auto* barre = new QToolBar(ToolBar2);
    barre->setIconSize(QSize(20, 20));
    DirectBtn = new QToolButton(barre);
    DirectBtn->setText(tr("Direct"));
    DirectBtn->setToolTip(tr("Entendre et voir l'entrée son numérisée en direct (au casque)"));
    DirectBtn->setIcon(barre->style()->standardIcon(QStyle::SP_MediaVolume));
    DirectBtn->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DirectBtn->setFixedSize(67, 42);
    DirectBtn->setCheckable(true);
    barre->addWidget(DirectBtn);
    OriginalCB = new QCheckBox(tr("Entendre l'original"), barre);
    OriginalCB->setToolTip(tr("Ecouter le son du micro tel quel, pour comparer avec le son numérisé"));
    actionOriginal = barre->addWidget(OriginalCB);
    GainDirectTB = new QSlider(Qt::Horizontal, barre);
    GainDirectTB->setRange(0, 100);
    GainDirectTB->setValue(kGainDepart);
    GainDirectTB->setFixedWidth(90);
    GainDirectTB->setToolTip(tr("Volume du mode direct"));
    actionGain = barre->addWidget(GainDirectTB);
    actionOriginal->setVisible(false);
    actionGain->setVisible(false);
    auto* ligne = static_cast<QHBoxLayout*>(ToolBar2->layout());
    ligne->insertWidget(ligne->count() - 1, barre);  // before the stretch
    TimerDirect = new QTimer(this);
    TimerDirect->setInterval(kIntervalleDirect);

    // The tests and benches find the controls by their field names.
    const std::pair<QObject*, const char*> noms[] = {
        {DirectBtn, "DirectBtn"},
        {OriginalCB, "OriginalCB"},
        {GainDirectTB, "GainDirectTB"},
        {TimerDirect, "TimerDirect"},
    };
    for (const auto& [objet, nom] : noms) objet->setObjectName(QLatin1StringView(nom));

    connect(DirectBtn, &QToolButton::clicked, this, &TWaveForm::DirectBtnClick);
    connect(TimerDirect, &QTimer::timeout, this, &TWaveForm::TimerDirectTimer);
    connect(OriginalCB, &QCheckBox::toggled, this, [this](bool original) {
        if (chaineDirect) chaineDirect->SetOriginal(original);
    });
    connect(GainDirectTB, &QSlider::valueChanged, this, [this](int gain) {
        if (chaineDirect) chaineDirect->SetGain(gain);
    });
}

void TWaveForm::DirectBtnClick() {
    if (EnDirect())
        ArreteDirect();
    else
        LanceDirect();
}

// A play under way ends first, as for a recording: the output device is the mode's. The mode
// waits, as Record does, while a recording, an acquisition, a search or a conversion runs.
void TWaveForm::LanceDirect() {
    MetAJourCommandes();  // the click checked the button: it shows the mode only once it runs
    if (!seance.Peut(Tactivite::acDirect)) return;
    if (FreqEchCarte == 0) {
        AfficheMessage(tr("Mode direct impossible : Pas d'entrée son utilisable"));
        return;
    }
    ArreteCeQuiTourne();
    MediaPlayer.SetNotify(false);
    MediaPlayer.Close();
    if (!chaineDirect) chaineDirect = std::make_unique<TchaineDirect>();
    chaineDirect->Remet(NbitsCarte == 8);
    chaineDirect->SetOriginal(OriginalCB->isChecked());
    chaineDirect->SetGain(GainDirectTB->value());
    ReglageDirect();
    const int choisi = PeripheriqueChoisi();
    if (const auto demarre =
            fluxDirect.Demarre(choisi, {FreqEchCarte, NbitsCarte}, TramesParBlocDirect(FreqEchCarte),
                               &TraiteBlocDirect, chaineDirect.get());
        !demarre) {
        AfficheMessage(tr("Mode direct impossible : %1").arg(QString::fromStdString(demarre.Message())));
        ReprendLecteur();
        return;
    }
    vueSonDirect.assign(FreqEchCarte, 0);
    vueNumeriseDirect.assign(FreqEchCarte, 0);
    tramesDirectVues = 0;
    dernierBlocDirect = std::chrono::steady_clock::now();
    labelsAvantDirect = {LabelBits->text(), LabelFreq->text()};
    EtatDirect(true);
    TimerDirect->start();
}

// The track bars' positions are taken by the next block; the labels show the live rate.
void TWaveForm::ReglageDirect() {
    const int b = BitsTB->value();
    const int s = PasEchantillonnage(FechTB->maximum(), FechTB->value());
    chaineDirect->Regle(QuantumNumerisation(NbitsCarte, b), s, seance.options);
    LabelBits->setText(QString::fromStdString(TexteLabelBits(b)));
    LabelFreq->setText(QString::fromStdString(TexteLabelFreq(FreqEchCarte, s)));
}

// The loaded sound gets the track bars' positions and the converter's options only now, if they
// changed meanwhile.
void TWaveForm::ArreteDirect() {
    TimerDirect->stop();
    fluxDirect.Arrete();
    EtatDirect(false);
    LabelBits->setText(labelsAvantDirect.first);
    LabelFreq->setText(labelsAvantDirect.second);
    BitsCBChange();
    ReprendLecteur();
    PaintBox->Redessine();
    PaintBoxAll->Redessine();
}

void TWaveForm::ReprendLecteur() {
    if (MediaPlayer.FileName.isEmpty() || MediaPlayer.EstOuvert()) return;
    if (const auto ouvert = MediaPlayer.Open(); !ouvert)
        AfficheMessage(QString::fromStdString(ouvert.Message()));
}

// What acts on the loaded sound or on the devices waits while the mode runs.
void TWaveForm::EtatDirect(bool actif) {
    if (actif)
        (void)seance.Commence(Tactivite::acDirect);
    else
        seance.Termine(Tactivite::acDirect);
    MetAJourCommandes();
    for (QAction* action : actionsHorsDirect) action->setVisible(!actif);
    for (QWidget* reglage : std::initializer_list<QWidget*>{FiltreCB, ReconstructionCB, ReconstructionBtn})
        reglage->setVisible(!actif);
    actionOriginal->setVisible(actif);
    actionGain->setVisible(actif);
}

// The device has stopped the stream, or has given nothing for a second: it is gone.
void TWaveForm::TimerDirectTimer() {
    const auto maintenant = std::chrono::steady_clock::now();
    const std::int64_t ecrites = chaineDirect->Anneau().Ecrites();
    const std::int64_t nouvelles = ecrites - tramesDirectVues;
    if (nouvelles > 0) dernierBlocDirect = maintenant;
    tramesDirectVues = ecrites;
    if (!fluxDirect.EnCours() || maintenant - dernierBlocDirect > kSilenceMaxDirect) {
        ArreteDirect();
        AfficheMessage(tr("L'entrée son ne répond plus : le mode direct s'arrête."));
        return;
    }
    DessineVuesDirect(static_cast<std::size_t>(nouvelles));
    PaintBox->Affiche();
    PaintBoxAll->Affiche();
}

// The last second of sound across the detail view; the strip's level is the peak of the
// frames that came since the previous redraw.
void TWaveForm::DessineVuesDirect(std::size_t nouvelles) {
    const bool huitBits = NbitsCarte == 8;
    const std::size_t n =
        chaineDirect->Anneau().Derniers(vueSonDirect.size(), vueSonDirect.data(), vueNumeriseDirect.data());
    const TmodeleVue m = ModeleFenetre();
    DessineDirect(m, PaintBox->Canvas(), PaintBox->LargeurPixels(), PaintBox->HauteurPixels(),
                  {vueSonDirect.data(), vueNumeriseDirect.data(), n, vueSonDirect.size(), huitBits});
    const std::size_t recentes = std::min(n, nouvelles);
    DessineNiveauDirect(m, PaintBoxAll->Canvas(), PaintBoxAll->LargeurPixels(), PaintBoxAll->HauteurPixels(),
                        NiveauCrete(vueSonDirect.data() + (n - recentes), recentes, huitBits));
}
