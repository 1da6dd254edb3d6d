// Builds the main window's controls in screen order, with their captions, hints and
// initial states, and the shortcuts a teacher repeats.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/Boutons.h"
#include "app/Icones.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "platform/Messages.h"

namespace {

// The strip keeps its height and the detail view takes what the window gives (PlaceAuDemarrage).
constexpr int kHauteurApercu = 50;
constexpr int kHauteurDetail = 300;

QFont PoliceDisponible(const QString& famille, QFontDatabase::SystemFont repli) {
    if (QFontDatabase::families().contains(famille)) return QFont(famille);
    return QFontDatabase::systemFont(repli);
}

QSlider* BarreReglage(QWidget* parent) {
    auto* tb = new QSlider(Qt::Horizontal, parent);
    tb->setRange(1, 8);
    tb->setPageStep(1);
    tb->setValue(8);
    tb->setTickPosition(QSlider::TicksBelow);
    tb->setFixedWidth(120);
    return tb;
}

QLabel* LabelFlottant(QWidget* parent, const QString& texte) {
    auto* l = new QLabel(texte, parent);
    QFont police = PoliceDisponible(QStringLiteral("Liberation Mono"), QFontDatabase::FixedFont);
    police.setPixelSize(16);
    police.setBold(true);
    l->setFont(police);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::yellow);
    p.setColor(QPalette::WindowText, Qt::red);
    l->setPalette(p);
    l->adjustSize();
    l->hide();
    return l;
}

// A label above its edit box, as the form's labelled edits show them.
QLineEdit* EditAvecLabel(QHBoxLayout* ligne, QWidget* parent, const QString& texte, int largeur) {
    auto* colonne = new QVBoxLayout;
    colonne->setSpacing(0);
    colonne->addWidget(new QLabel(texte, parent));
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setFixedWidth(largeur);
    colonne->addWidget(edit);
    ligne->addLayout(colonne);
    return edit;
}

QVBoxLayout* ColonneLabels(QLabel* haut, QLabel* bas) {
    auto* colonne = new QVBoxLayout;
    colonne->setSpacing(0);
    colonne->addWidget(haut);
    colonne->addWidget(bas);
    return colonne;
}

}  // namespace

void TWaveForm::CreeControles() {
    QFont police = PoliceDisponible(QStringLiteral("Carlito"), QFontDatabase::GeneralFont);
    police.setPixelSize(13);
    setFont(police);
    setWindowTitle(tr(kTitreFenetre.toUtf8().constData()));

    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setIconSize(QSize(20, 20));
    OpenFileBtn = BoutonBarre(ToolBar1, tr("Ouvrir"), QStyle::SP_DialogOpenButton, tr("Ouvrir"));
    // Shown only while a conversion runs; a widget in a tool bar hides through its action.
    AnnuleBtn = BoutonBarre(ToolBar1, tr("Annuler"), QStyle::SP_DialogCancelButton,
                            tr("Annuler la conversion (Échap)"));
    actionAnnule = ToolBar1->actions().constLast();
    VeltaBtn = BoutonBarre(ToolBar1, tr("Velta"), QStyle::SP_DriveNetIcon,
                           tr("test de la présence d'Velta VX2 ou VXQ"));
    VolumeBtn = BoutonBarre(ToolBar1, tr("Volume"), QStyle::SP_MediaVolume);
    // Record and Save share their French caption, not their English one.
    RecordBtn = BoutonBarre(ToolBar1, tr("Enregistrer", "record a sound"));
    RecordBtn->setIcon(IconeEnregistrement());
    StopBtn = BoutonBarre(ToolBar1, tr("Stop"), QStyle::SP_CustomBase, tr("arrêt de l'enregistrement"));
    StopBtn->setIcon(IconeArretEnregistrement());
    PlayBtn = BoutonBarre(ToolBar1, tr("Ecouter"), QStyle::SP_MediaPlay, tr("signal \"analogique\""));
    PlaySousEchBtn =
        BoutonBarre(ToolBar1, tr("Ecouter"), QStyle::SP_CustomBase, tr("signal \"échantillonné\""));
    PlaySousEchBtn->setIcon(IconeEcouteNumerisee());
    SaveBtn = BoutonBarre(ToolBar1, tr("Enregistrer", "save to a file"), QStyle::SP_DialogSaveButton,
                          tr("Enregistrer le fichier son courant"));
    StopPlayBtn = BoutonBarre(ToolBar1, tr("Stop"), QStyle::SP_MediaStop, tr("arrêt de l'écoute"));
    BoucleCB = new QCheckBox(tr("en boucle"), ToolBar1);
    ToolBar1->addWidget(BoucleCB);
    AnimBtn = BoutonBarre(ToolBar1, tr("Animation"), QStyle::SP_MediaSeekForward);
    AideBtn = BoutonBarre(ToolBar1, tr("Aide"), QStyle::SP_MessageBoxQuestion, tr("Aide"));
    OptionsBtn = BoutonBarre(ToolBar1, tr("Options"), QStyle::SP_FileDialogDetailedView);
    ToolButton2 = BoutonBarre(ToolBar1, tr("A propos"), QStyle::SP_MessageBoxInformation);
    ExitBtn = BoutonBarre(ToolBar1, tr("Quitter"), QStyle::SP_DialogCloseButton, tr("Quitter"));
    principal->addWidget(ToolBar1);

    ToolBar2 = new QWidget(this);
    auto* ligne = new QHBoxLayout(ToolBar2);
    ligne->setContentsMargins(4, 2, 4, 2);
    EditDecimal = EditAvecLabel(ligne, ToolBar2, tr("Decimal"), 80);
    EditBinaire = EditAvecLabel(ligne, ToolBar2, tr("Binaire"), 120);
    // The two track bars with their labels, and the noise ratio under them.
    auto* reglages = new QVBoxLayout;
    reglages->setSpacing(0);
    auto* barres = new QHBoxLayout;
    barres->setSpacing(ligne->spacing());
    BitsTB = BarreReglage(ToolBar2);
    barres->addWidget(BitsTB);
    LabelBits = new QLabel(tr("Bits"), ToolBar2);
    LabelBits0 = new QLabel(tr("Bits"), ToolBar2);
    barres->addLayout(ColonneLabels(LabelBits, LabelBits0));
    FechTB = BarreReglage(ToolBar2);
    barres->addWidget(FechTB);
    LabelFreq = new QLabel(tr("Fréquence"), ToolBar2);
    LabelFreq0 = new QLabel(tr("Fréquence"), ToolBar2);
    barres->addLayout(ColonneLabels(LabelFreq, LabelFreq0));
    reglages->addLayout(barres);
    // The staircase's noise ratio, and the reconstruction's under it while it is shown.
    LabelRSB = new QLabel(ToolBar2);
    reglages->addWidget(LabelRSB);
    LabelRSBReconstruction = new QLabel(ToolBar2);
    LabelRSBReconstruction->hide();
    reglages->addWidget(LabelRSBReconstruction);
    LabelDebit = new QLabel(ToolBar2);
    // A line's height from the start, so that the views keep their size when a sound comes.
    LabelDebit->setMinimumHeight(LabelDebit->fontMetrics().height());
    reglages->addWidget(LabelDebit);
    ligne->addLayout(reglages);
    WaveInCB = new QComboBox(ToolBar2);
    WaveInCB->setPlaceholderText("WaveInCB");
    WaveInCB->hide();
    ligne->addWidget(WaveInCB);
    ligne->addStretch();
    principal->addWidget(ToolBar2);

    Splitter1 = new QSplitter(Qt::Vertical, this);
    Splitter1->setChildrenCollapsible(false);
    PaintBoxAll = new TPaintBox(Splitter1);
    PaintBoxAll->setMinimumHeight(8);
    auto* zoneDetail = new QWidget(Splitter1);
    auto* colonneDetail = new QVBoxLayout(zoneDetail);
    colonneDetail->setContentsMargins(0, 0, 0, 0);
    colonneDetail->setSpacing(0);
    Gauge = new QProgressBar(zoneDetail);
    Gauge->setFixedHeight(8);
    Gauge->setTextVisible(false);
    Gauge->setMaximum(11025);
    Gauge->hide();
    colonneDetail->addWidget(Gauge);
    PaintBox = new TPaintBox(zoneDetail);
    colonneDetail->addWidget(PaintBox, 1);
    Splitter1->addWidget(PaintBoxAll);
    Splitter1->addWidget(zoneDetail);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({kHauteurApercu, kHauteurDetail});
    principal->addWidget(Splitter1, 1);

    ScrollBar = new QScrollBar(Qt::Horizontal, this);
    principal->addWidget(ScrollBar);

    auto* basDePage = new QHBoxLayout;
    basDePage->setContentsMargins(4, 2, 4, 2);
    Label1 = new QLabel(tr("Clic sur le graphe pour positionner un curseur"), this);
    tempsCB = new QCheckBox(tr("Maj. clic pour lire une durée à partir du curseur précédent"), this);
    basDePage->addWidget(Label1);
    basDePage->addSpacing(16);
    basDePage->addWidget(tempsCB);
    basDePage->addStretch();
    VoieLabel = new QLabel(this);
    basDePage->addWidget(VoieLabel);
    principal->addLayout(basDePage);

    Temps = LabelFlottant(this, "DT");
    StopLabel = LabelFlottant(this, tr("Enregistrement en cours, patientez ..."));

    Timer1 = new QTimer(this);
    Timer1->setInterval(110);
    Timer2 = new QTimer(this);
    Timer2->setInterval(100);

    // The tests and benches find the controls by their field names.
    const std::pair<QObject*, const char*> noms[] = {
        {ToolBar1, "ToolBar1"},
        {OpenFileBtn, "OpenFileBtn"},
        {AnnuleBtn, "AnnuleBtn"},
        {VeltaBtn, "VeltaBtn"},
        {VolumeBtn, "VolumeBtn"},
        {RecordBtn, "RecordBtn"},
        {StopBtn, "StopBtn"},
        {PlayBtn, "PlayBtn"},
        {PlaySousEchBtn, "PlaySousEchBtn"},
        {SaveBtn, "SaveBtn"},
        {StopPlayBtn, "StopPlayBtn"},
        {BoucleCB, "BoucleCB"},
        {AnimBtn, "AnimBtn"},
        {AideBtn, "AideBtn"},
        {OptionsBtn, "OptionsBtn"},
        {ToolButton2, "ToolButton2"},
        {ExitBtn, "ExitBtn"},
        {ToolBar2, "ToolBar2"},
        {EditDecimal, "EditDecimal"},
        {EditBinaire, "EditBinaire"},
        {BitsTB, "BitsTB"},
        {LabelBits, "LabelBits"},
        {LabelBits0, "LabelBits0"},
        {FechTB, "FechTB"},
        {LabelFreq, "LabelFreq"},
        {LabelFreq0, "LabelFreq0"},
        {LabelRSB, "LabelRSB"},
        {LabelRSBReconstruction, "LabelRSBReconstruction"},
        {LabelDebit, "LabelDebit"},
        {WaveInCB, "WaveInCB"},
        {PaintBoxAll, "PaintBoxAll"},
        {Splitter1, "Splitter1"},
        {Gauge, "Gauge"},
        {PaintBox, "PaintBox"},
        {ScrollBar, "ScrollBar"},
        {Label1, "Label1"},
        {tempsCB, "tempsCB"},
        {Temps, "Temps"},
        {StopLabel, "StopLabel"},
        {VoieLabel, "VoieLabel"},
        {Timer1, "Timer1"},
        {Timer2, "Timer2"},
    };
    for (const auto& [objet, nom] : noms) objet->setObjectName(QLatin1StringView(nom));
    // The twin captions told apart, for screen readers.
    const std::pair<QWidget*, const char*> nomsAccessibles[] = {
        {PlayBtn, QT_TRANSLATE_NOOP("TWaveForm", "Écouter le son")},
        {PlaySousEchBtn, QT_TRANSLATE_NOOP("TWaveForm", "Écouter le son numérisé")},
        {RecordBtn, QT_TRANSLATE_NOOP("TWaveForm", "Enregistrer un son")},
        {SaveBtn, QT_TRANSLATE_NOOP("TWaveForm", "Enregistrer le son numérisé dans un fichier")},
        {StopBtn, QT_TRANSLATE_NOOP("TWaveForm", "Arrêter l'enregistrement")},
        {StopPlayBtn, QT_TRANSLATE_NOOP("TWaveForm", "Arrêter l'écoute")},
    };
    for (const auto& [bouton, nom] : nomsAccessibles) bouton->setAccessibleName(tr(nom));

    connect(OpenFileBtn, &QToolButton::clicked, this, &TWaveForm::OpenFileBtnClick);
    connect(AnnuleBtn, &QToolButton::clicked, this, &TWaveForm::AnnuleBtnClick);
    connect(SaveBtn, &QToolButton::clicked, this, &TWaveForm::SaveBtnClick);
    connect(ExitBtn, &QToolButton::clicked, this, &TWaveForm::ExitBtnClick);
    connect(PlayBtn, &QToolButton::clicked, this, [this] { PlayBtnClick(PlayBtn); });
    connect(PlaySousEchBtn, &QToolButton::clicked, this, [this] { PlayBtnClick(PlaySousEchBtn); });
    connect(StopPlayBtn, &QToolButton::clicked, this, &TWaveForm::StopPlayBtnClick);
    connect(BoucleCB, &QCheckBox::toggled, this, [this](bool boucle) { MediaPlayer.SetBoucle(boucle); });
    connect(RecordBtn, &QToolButton::clicked, this, &TWaveForm::RecordBtnClick);
    connect(StopBtn, &QToolButton::clicked, this, &TWaveForm::StopBtnClick);
    connect(Timer1, &QTimer::timeout, this, &TWaveForm::Timer1Timer);
    connect(AnimBtn, &QToolButton::clicked, this, &TWaveForm::AnimBtnClick);
    connect(Timer2, &QTimer::timeout, this, &TWaveForm::Timer2Timer);
    connect(WaveInCB, &QComboBox::activated, this, &TWaveForm::WaveInCBChange);
    connect(OptionsBtn, &QToolButton::clicked, this, &TWaveForm::OptionsBtnClick);
    connect(AideBtn, &QToolButton::clicked, this, &TWaveForm::AideBtnClick);
    connect(ToolButton2, &QToolButton::clicked, this, &TWaveForm::ToolButton2Click);
    connect(VolumeBtn, &QToolButton::clicked, this, &TWaveForm::VolumeBtnClick);
    connect(VeltaBtn, &QToolButton::clicked, this, &TWaveForm::VeltaBtnClick);
    MediaPlayer.OnNotify = [this](TnotificationLecteur n) { MediaPlayerNotify(n); };
    Enregistreur.OnPlein = [this] { EnregistrementPlein(); };
    Enregistreur.OnCoupure = [this] { EnregistrementCoupe(); };
    MediaPlayer.OnPanne = [](const QString& raison) { AfficheMessage(raison); };
    connect(BitsTB, &QSlider::valueChanged, this, &TWaveForm::BitsCBChange);
    connect(FechTB, &QSlider::valueChanged, this, &TWaveForm::BitsCBChange);
    CreeControlesLecon();
    CreeControlesDirect();
    CreeRaccourcis();
}

// Window-wide shortcuts: they work whatever control has the focus and leave the other
// keys to the window's own key handler.
void TWaveForm::CreeRaccourcis() {
    const struct {
        QKeySequence touches;
        QToolButton* bouton;
    } raccourcis[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_O), OpenFileBtn},
        {QKeySequence(Qt::CTRL | Qt::Key_S), SaveBtn},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), ExitBtn},
        {QKeySequence(Qt::Key_F5), PlayBtn},
        {QKeySequence(Qt::Key_F6), PlaySousEchBtn},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ReconstructionBtn},
        {QKeySequence(Qt::CTRL | Qt::Key_R), RecordBtn},
        {QKeySequence(Qt::Key_F1), AideBtn},
        {QKeySequence(Qt::Key_F7), AnimBtn},
        {QKeySequence(Qt::Key_F8), VeltaBtn},
        {QKeySequence(Qt::Key_F9), ErreurBtn},
        {QKeySequence(Qt::Key_F10), SpectreBtn},
        {QKeySequence(Qt::Key_F11), DirectBtn},
    };
    for (const auto& r : raccourcis) {
        auto* raccourci = new QShortcut(r.touches, this);
        raccourci->setContext(Qt::WindowShortcut);
        QToolButton* bouton = r.bouton;
        // A click on a disabled button does nothing.
        connect(raccourci, &QShortcut::activated, bouton, &QToolButton::click);
        const QString bulle = bouton->toolTip().isEmpty() ? bouton->text() : bouton->toolTip();
        bouton->setToolTip(bulle + " (" + r.touches.toString(QKeySequence::NativeText) + ")");
    }
    // Escape stops whatever runs: a play, the animation, a recording or the live mode, through the Stop
    // button that is enabled, or a conversion through Annuler.
    auto* echap = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    echap->setContext(Qt::WindowShortcut);
    connect(echap, &QShortcut::activated, this, [this] {
        if (seance.Activite() == Tactivite::acLecture || seance.Activite() == Tactivite::acAnimation)
            StopPlayBtnClick();
        else if (seance.Activite() == Tactivite::acConversion)
            AnnuleBtn->click();
        else
            StopBtn->click();
    });
    for (QToolButton* stop : {StopPlayBtn, StopBtn})
        stop->setToolTip(stop->toolTip() + QStringLiteral(" (%1)").arg(tr("Échap")));
}

void TWaveForm::MetAJourCommandes() {
    const TetatCommandes e = EtatCommandes(seance);
    OpenFileBtn->setEnabled(e.ouvrir);
    actionAnnule->setVisible(e.annuler);
    VeltaBtn->setEnabled(e.velta);
    RecordBtn->setEnabled(e.enregistrer);
    StopBtn->setEnabled(e.stop);
    for (QToolButton* lecture : {PlayBtn, PlaySousEchBtn, ErreurBtn}) lecture->setEnabled(e.lire);
    ReconstructionBtn->setEnabled(e.lireReconstruction);
    ReconstructionCB->setEnabled(e.reconstruction);
    StopPlayBtn->setEnabled(e.stopLecture);
    SaveBtn->setEnabled(e.sauver);
    AnimBtn->setEnabled(e.animer);
    SpectreBtn->setEnabled(e.analyser);
    ExporteImageBtn->setEnabled(e.analyser);
    DirectBtn->setEnabled(e.direct);
    DirectBtn->setChecked(e.directCoche);
    WaveInCB->setEnabled(e.entrees);
    ScrollBar->setEnabled(e.defilement);
    for (QWidget* reglage : std::initializer_list<QWidget*>{BitsTB, FechTB, FiltreCB})
        reglage->setEnabled(e.reglages);
    // An interface found shows in Velta's hint and in the progress bar under the strip.
    const bool interface = velta.Entree() != Tentree::eSon;
    Gauge->setVisible(interface);
    if (interface)
        VeltaBtn->setToolTip(velta.Description() + " (F8)");
    else if (!indicationVelta.isEmpty())
        VeltaBtn->setToolTip(indicationVelta + '\n' + tr("F8 : chercher de nouveau"));
}
