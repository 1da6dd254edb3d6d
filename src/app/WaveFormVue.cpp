// The two views: their paints, the scroll bar, the play selection dragged on the overview
// strip, the cursors clicked on the detail view, and the keys that nudge the mouse pointer.
#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QToolTip>

#include "app/BoiteCouleur.h"
#include "app/PaintBox.h"
#include "app/WaveForm.h"
#include "graph/DessinVues.h"
#include "sound/Numerisation.h"

namespace {

constexpr int kPasEcran = 10;  // Page Up / Page Down nudge
constexpr int kPasDefilement = 16;

// The mouse's column on the box's canvas, which has the screen's own pixels.
int Colonne(const TPaintBox* boite, const QMouseEvent* e) {
    return static_cast<int>(std::lround(e->position().x() * boite->Echelle()));
}

Qt::CursorShape Forme(TcurseurTemps prise) {
    switch (prise) {
        case TcurseurTemps::curDeplace:
            return Qt::PointingHandCursor;
        case TcurseurTemps::curDebut:
        case TcurseurTemps::curFin:
            return Qt::SplitHCursor;
        case TcurseurTemps::curNormal:
            break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

void TWaveForm::PrepareVues() {
    PaintBox->OnPaint = [this] { PaintBoxPaint(); };
    PaintBoxAll->OnPaint = [this] { PaintBoxAllPaint(); };
    PaintBox->OnMouseUp = [this](QMouseEvent* e) { PaintBoxMouseUp(e->modifiers(), Colonne(PaintBox, e)); };
    // Moves without a button change the strip's mouse cursor over the selection's edges.
    PaintBoxAll->setMouseTracking(true);
    PaintBoxAll->OnMouseDown = [this](QMouseEvent* e) { PaintBoxAllMouseDown(Colonne(PaintBoxAll, e)); };
    PaintBoxAll->OnMouseMove = [this](QMouseEvent* e) { PaintBoxAllMouseMove(Colonne(PaintBoxAll, e)); };
    PaintBoxAll->OnMouseUp = [this](QMouseEvent* e) { PaintBoxAllMouseUp(Colonne(PaintBoxAll, e)); };
    // Without a sound there is nothing to scroll through.
    ScrollBar->setRange(0, 0);
    connect(ScrollBar, &QScrollBar::valueChanged, this, &TWaveForm::ScrollBarChange);
    connect(tempsCB, &QCheckBox::toggled, this, &TWaveForm::tempsCBClick);
}

TmodeleVue TWaveForm::ModeleFenetre() const {
    TmodeleVue m = ModeleOuverture(seance.son, seance.vue.bits, seance.vue.pas, PaintBox->LargeurPixels(),
                                   PaintBox->HauteurPixels(), seance.vue.couleurs);
    m.echelle = PaintBox->Echelle();
    m.debut = seance.vue.debut;
    m.debutS = seance.debutS;
    m.finS = seance.finS;
    m.repere = seance.vue.repere;
    m.repereTemps = seance.vue.repereTemps;
    m.avecTemps = tempsCB->isChecked();
    m.avecErreur = seance.vue.avecErreur;
    m.avecReconstruction = seance.vue.avecReconstruction && !EnDirect();
    m.decalage = PaintBox->mapTo(this, QPoint(0, 0)).y();
    // Live, the track bars act at once on the input device's sound.
    if (EnDirect()) {
        m.bits = BitsTB->value();
        m.pas = PasEchantillonnage(FechTB->maximum(), FechTB->value());
        m.bitsSon = NbitsCarte;
        m.frequence = FreqEchCarte;
    }
    return m;
}

TsonsVue TWaveForm::SonsVue() const {
    return {seance.son.vecteurSon.get(), seance.son.vecteurSonSousEch.get()};
}

// The scroll bar's value reaches its maximum, whatever the page: with the last frame as
// maximum, the end of any sound can be brought into view, and the play follow-up (maximum
// times the played fraction) lands on the frame being played. A page larger than the range
// is accepted, so every load sets both, in any order.
void TWaveForm::RegleScrollBar() {
    ScrollBar->setRange(0, std::max(seance.son.NbrePoints - 1, 0));
    ScrollBar->setSingleStep(kPasDefilement);
    ScrollBar->setPageStep(std::max(seance.son.NbrePoints / 50, PaintBox->width()));
}

void TWaveForm::AfficheLectures(const TlecturesRepere& l) {
    EditDecimal->setText(QString::fromStdString(l.decimal));
    EditBinaire->setText(QString::fromStdString(l.binaire));
    EditBinaire->setToolTip(QString::fromStdString(l.hexa));
    if (!l.tempsVisible) {
        Temps->hide();
        return;
    }
    Temps->setText(QString::fromStdString(l.tempsTexte));
    Temps->adjustSize();
    Temps->move(l.tempsLeft, l.tempsTop);
    Temps->raise();
    Temps->show();
}

// Without a sound the view is blank and shows no reading.
void TWaveForm::PaintBoxPaint() {
    if (EnDirect()) {
        DessineVuesDirect(0);
        return;
    }
    if (seance.nomFichier.isEmpty()) {
        PaintBox->Canvas().Image()->Remplit(clBlanc);
        AfficheLectures({});
        return;
    }
    LabelBits0->setText(QStringLiteral("(%1 bits)").arg(int{seance.son.NBits}));
    LabelFreq0->setText(QStringLiteral("(%1 Hz)").arg(seance.son.FreqEch));
    const TmodeleVue m = ModeleFenetre();
    TsonsVue sons = SonsVue();
    sons.reconstruit = ReconstructionVue(m);
    AfficheLectures(
        DessineDetail(m, sons, PaintBox->Canvas(), PaintBox->LargeurPixels(), PaintBox->HauteurPixels()));
}

// The overview clears only its curve area: the side columns are cleared here, or the
// bands' edges over them would pile up from one paint to the next.
void TWaveForm::PaintBoxAllPaint() {
    if (EnDirect()) {
        DessineVuesDirect(0);
        return;
    }
    PaintBoxAll->Canvas().Image()->Remplit(clBlanc);
    if (seance.nomFichier.isEmpty()) return;
    const TmodeleVue m = ModeleFenetre();
    DessineApercu(m, SonsVue(), PaintBoxAll->Canvas(), PaintBoxAll->LargeurPixels(), PaintBoxAll->HauteurPixels());
    const TbandesApercu bandes = BandesApercu(m, PaintBoxAll->LargeurPixels());
    debutPB = bandes.debutPB;
    finPB = bandes.finPB;
    // The window's band follows the strip's new scale too (a load, a resize), not only
    // the scroll bar.
    PlaceFenetre();
    DessineSelection();
    DessineFenetre();
}

void TWaveForm::PlaceFenetre() {
    const TbandesApercu bandes = BandesApercu(ModeleFenetre(), PaintBoxAll->LargeurPixels());
    debutSelect = bandes.debutSelect;
    finSelect = bandes.finSelect;
}

void TWaveForm::DessineSelection() {
    if (seance.nomFichier.isEmpty()) return;
    DessineBandeSelection(PaintBoxAll->Canvas(), debutPB, finPB, PaintBoxAll->HauteurPixels(),
                          DeQColor(QToolTip::palette().color(QPalette::ToolTipBase)), PaintBoxAll->Echelle());
}

void TWaveForm::DessineFenetre() {
    if (seance.nomFichier.isEmpty()) return;
    DessineBandeFenetre(PaintBoxAll->Canvas(), debutSelect, finSelect, PaintBoxAll->HauteurPixels(),
                        PaintBoxAll->Echelle());
}

// Drawn at once, not at the next paint: the play follow-up scrolls on every tick.
void TWaveForm::ScrollBarChange() {
    DessineFenetre();
    seance.vue.debut = ScrollBar->value();
    PaintBoxPaint();
    PaintBox->Affiche();
    PlaceFenetre();
    DessineFenetre();
    PaintBoxAll->Affiche();
}

void TWaveForm::PaintBoxAllMouseDown(int X) {
    if (seance.nomFichier.isEmpty() || EnDirect()) return;
    curseurT = ChercheCurseurTemps(debutPB, finPB, X);
    PaintBoxAll->setCursor(Forme(curseurT));
    Xdeplace = X;
}

void TWaveForm::PaintBoxAllMouseMove(int X) {
    if (seance.nomFichier.isEmpty() || EnDirect()) return;
    if (curseurT == TcurseurTemps::curNormal) {
        PaintBoxAll->setCursor(Forme(ChercheCurseurTemps(debutPB, finPB, X)));
        return;
    }
    const TbandesApercu bandes = BandesApercu(ModeleFenetre(), PaintBoxAll->LargeurPixels());
    const auto pas = GlisseSelection(curseurT, {debutPB, finPB, Xdeplace}, X, bandes.gauche, bandes.droite);
    if (!pas) return;
    DessineSelection();
    debutPB = pas->debutPB;
    finPB = pas->finPB;
    Xdeplace = pas->Xdeplace;
    DessineSelection();
    PaintBoxAll->Affiche();
}

// The selection's frames are taken back from the band's columns; a release beyond either
// end of the strip stops at the sound's first or last frame.
void TWaveForm::PaintBoxAllMouseUp(int X) {
    if (seance.nomFichier.isEmpty() || EnDirect()) return;
    PaintBoxAll->setCursor(Qt::ArrowCursor);
    DessineSelection();
    const TaxeTemps axe = AxeApercu(ModeleFenetre(), PaintBoxAll->LargeurPixels());
    const auto trame = [&axe](int colonne) { return TrameDeColonne(axe, colonne); };
    switch (curseurT) {
        case TcurseurTemps::curDebut:
            if (X < finPB) debutPB = X;
            seance.debutS = trame(debutPB);
            break;
        case TcurseurTemps::curFin:
            if (X > debutPB) finPB = X;
            seance.finS = trame(finPB);
            break;
        case TcurseurTemps::curDeplace:
            seance.finS = trame(finPB);
            seance.debutS = trame(debutPB);
            break;
        case TcurseurTemps::curNormal:
            break;
    }
    if (seance.debutS < 0) {
        seance.debutS = 0;
        debutPB = ColonneDeTrame(axe, 0);
    }
    if (seance.finS > seance.son.NbrePoints - 1) {
        seance.finS = seance.son.NbrePoints - 1;
        finPB = ColonneDeTrame(axe, seance.son.NbrePoints - 1);
    }
    curseurT = TcurseurTemps::curNormal;
    DessineSelection();
    PaintBoxAll->Affiche();
    MetAJourSpectre();
}

// The cursors are XOR lines: drawn again where they are, they go, and are drawn anew.
void TWaveForm::PaintBoxMouseUp(Qt::KeyboardModifiers Shift, int X) {
    if (seance.nomFichier.isEmpty() || EnDirect()) return;
    const auto reperes = [this] {
        return DessineReperes(ModeleFenetre(), SonsVue(), PaintBox->Canvas(), PaintBox->LargeurPixels(),
                              PaintBox->HauteurPixels());
    };
    reperes();
    const std::int32_t trame = TrameDeColonne(AxeDetail(ModeleFenetre()), X);
    if (Shift & Qt::ShiftModifier)
        seance.vue.repereTemps = trame;
    else
        seance.vue.repere = trame;
    AfficheLectures(reperes());
    PaintBox->Affiche();
    Temps->repaint();
}

void TWaveForm::tempsCBClick() {
    PaintBox->Redessine();
}

void TWaveForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    const bool maj = Shift & Qt::ShiftModifier;
    QPoint p = QCursor::pos();
    switch (Key) {
        case Qt::Key_PageUp:
            (maj ? p.rx() : p.ry()) -= kPasEcran;
            break;
        case Qt::Key_PageDown:
            (maj ? p.rx() : p.ry()) += kPasEcran;
            break;
        case Qt::Key_Left:
            p.rx() -= 1;
            break;
        case Qt::Key_Right:
            p.rx() += 1;
            break;
        case Qt::Key_Up:
            p.ry() -= 1;
            break;
        case Qt::Key_Down:
            p.ry() += 1;
            break;
        case Qt::Key_Delete:
            break;
        default:
            return;
    }
    QCursor::setPos(p);
}

// The key goes on to whatever else handles it.
void TWaveForm::keyPressEvent(QKeyEvent* evenement) {
    FormKeyDown(evenement->key(), evenement->modifiers());
    QWidget::keyPressEvent(evenement);
}
