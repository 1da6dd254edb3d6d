#include "app/DialogueExtrait.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/Application.h"
#include "platform/DialoguesModaux.h"
#include "sound/TempsExtrait.h"

namespace {

const QColor kCouleurFond(255, 255, 255);
const QColor kCouleurAxe(215, 215, 215);
const QColor kCouleurEnveloppe(110, 110, 110);
const QColor kCouleurBande(40, 110, 220, 60);
const QColor kCouleurBord(40, 110, 220);
const QColor kCouleurCadre(160, 160, 160);
constexpr int kBandeMinimale = 3;  // pixels, so that a band over a very long sound stays visible

QString Temps(std::int64_t trames, std::uint32_t frequence) {
    return QString::fromStdString(TexteTemps(trames, frequence, LangueInterface()));
}

std::optional<std::int64_t> DialogueExtrait(const TdemandeExtrait& demande) {
    TDialogueExtrait dialogue(demande);
    if (ExecuteDialogue(dialogue) != QDialog::Accepted) return std::nullopt;
    return dialogue.Debut();
}

TchoixExtrait& Choix() {
    static TchoixExtrait choix = DialogueExtrait;
    return choix;
}

}  // namespace

std::optional<std::int64_t> ChoisitExtrait(const TdemandeExtrait& demande) {
    return Choix()(demande);
}

TchoixExtrait RemplaceChoixExtrait(TchoixExtrait choix) {
    return std::exchange(Choix(), std::move(choix));
}

TvueExtrait::TvueExtrait(std::vector<TcolonneEnveloppe> enveloppe, std::int64_t tramesTotal,
                         std::int64_t tramesRecord, QWidget* parent)
    : QWidget(parent),
      enveloppe_(std::move(enveloppe)),
      tramesTotal_(std::max<std::int64_t>(tramesTotal, 1)),
      tramesRecord_(std::clamp<std::int64_t>(tramesRecord, 0, tramesTotal_)) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::SizeHorCursor);
}

void TvueExtrait::PlaceDebut(std::int64_t debut) {
    debut = std::clamp<std::int64_t>(debut, 0, tramesTotal_ - tramesRecord_);
    if (debut == debut_) return;
    debut_ = debut;
    update();
}

std::pair<int, int> TvueExtrait::Bande() const {
    const int gauche = PixelDeTrame(debut_);
    return {gauche, std::max(PixelDeTrame(debut_ + tramesRecord_), gauche + kBandeMinimale)};
}

QSize TvueExtrait::sizeHint() const {
    return {660, 120};
}

QSize TvueExtrait::minimumSizeHint() const {
    return {120, 50};
}

std::int64_t TvueExtrait::TrameDuPixel(double x) const {
    if (width() <= 0) return 0;
    return std::llround(x * static_cast<double>(tramesTotal_) / width());
}

int TvueExtrait::PixelDeTrame(std::int64_t trame) const {
    return static_cast<int>(
        std::lround(static_cast<double>(trame) * width() / static_cast<double>(tramesTotal_)));
}

bool TvueExtrait::DansBande(double x) const {
    const auto [gauche, droite] = Bande();
    return x >= gauche && x < droite;
}

void TvueExtrait::paintEvent(QPaintEvent*) {
    QPainter peintre(this);
    const int largeur = width();
    const int hauteur = height();
    peintre.fillRect(rect(), kCouleurFond);
    const double milieu = (hauteur - 1) / 2.0;
    const double demi = std::max(milieu - 2, 1.0);
    peintre.setPen(kCouleurAxe);
    peintre.drawLine(0, static_cast<int>(milieu), largeur - 1, static_cast<int>(milieu));

    // Each pixel column takes the extremes of the envelope columns it covers, so that no
    // peak is lost when the envelope is wider than the widget.
    const auto colonnes = static_cast<std::int64_t>(enveloppe_.size());
    peintre.setPen(kCouleurEnveloppe);
    for (int x = 0; x < largeur && colonnes > 0; ++x) {
        const std::int64_t premiere = x * colonnes / largeur;
        const std::int64_t fin = std::max((x + 1) * colonnes / largeur, premiere + 1);
        float mini = enveloppe_[premiere].mini;
        float maxi = enveloppe_[premiere].maxi;
        for (std::int64_t c = premiere + 1; c < fin; ++c) {
            mini = std::min(mini, enveloppe_[c].mini);
            maxi = std::max(maxi, enveloppe_[c].maxi);
        }
        const int haut = static_cast<int>(std::lround(milieu - std::clamp(maxi, -1.0f, 1.0f) * demi));
        const int bas = static_cast<int>(std::lround(milieu - std::clamp(mini, -1.0f, 1.0f) * demi));
        peintre.drawLine(x, haut, x, std::max(bas, haut));
    }

    const auto [gauche, droite] = Bande();
    peintre.fillRect(QRect(gauche, 0, droite - gauche, hauteur), kCouleurBande);
    peintre.setPen(kCouleurBord);
    peintre.drawLine(gauche, 0, gauche, hauteur - 1);
    peintre.drawLine(droite - 1, 0, droite - 1, hauteur - 1);
    peintre.setPen(kCouleurCadre);
    peintre.drawRect(0, 0, largeur - 1, hauteur - 1);
}

void TvueExtrait::mousePressEvent(QMouseEvent* evenement) {
    if (evenement->button() != Qt::LeftButton) return;
    const double x = evenement->position().x();
    const std::int64_t trame = TrameDuPixel(x);
    if (!DansBande(x)) {
        const std::int64_t avant = debut_;
        PlaceDebut(trame - tramesRecord_ / 2);
        if (debut_ != avant && OnDeplace) OnDeplace(debut_);
    }
    prise_ = trame - debut_;
}

void TvueExtrait::mouseMoveEvent(QMouseEvent* evenement) {
    if (!prise_) return;
    const std::int64_t avant = debut_;
    PlaceDebut(TrameDuPixel(evenement->position().x()) - *prise_);
    if (debut_ != avant && OnDeplace) OnDeplace(debut_);
}

void TvueExtrait::mouseReleaseEvent(QMouseEvent* evenement) {
    if (evenement->button() == Qt::LeftButton) prise_.reset();
}

TDialogueExtrait::TDialogueExtrait(const TdemandeExtrait& demande)
    : QDialog(demande.parent), tramesRecord_(demande.tramesRecord), frequence_(demande.frequence) {
    setWindowTitle(tr("Choisir l'extrait"));
    // The main window's font carries over to this window.
    setAttribute(Qt::WA_WindowPropagation);

    LabelExplication =
        new QLabel(tr("« %1 » dure %2 : seul un extrait de %3 peut être chargé. "
                      "Faites glisser la bande ou tapez le début de l'extrait.")
                       .arg(QFileInfo(demande.nomFichier).fileName(), Temps(demande.tramesTotal, frequence_),
                            Temps(tramesRecord_, frequence_)),
                   this);
    LabelExplication->setWordWrap(true);

    VueExtrait = new TvueExtrait(demande.enveloppe, demande.tramesTotal, tramesRecord_, this);

    EditDebut = new QLineEdit(Temps(0, frequence_), this);
    EditDebut->setFixedWidth(EditDebut->fontMetrics().horizontalAdvance(QStringLiteral("0000:00,00")) + 12);
    EditDebut->setToolTip(tr("Minutes, secondes et dixièmes : mm:ss,d"));
    LabelDebut = new QLabel(tr("&Début :"), this);
    LabelDebut->setBuddy(EditDebut);
    LabelFin = new QLabel(this);
    LabelDuree = new QLabel(tr("Durée totale : %1").arg(Temps(demande.tramesTotal, frequence_)), this);

    BoutonOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    BoutonOK->setDefault(true);
    BoutonAnnuler =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Annuler"), this);

    auto* ligne = new QHBoxLayout;
    ligne->addWidget(LabelDebut);
    ligne->addWidget(EditDebut);
    ligne->addSpacing(12);
    ligne->addWidget(LabelFin);
    ligne->addSpacing(24);
    ligne->addWidget(LabelDuree);
    ligne->addStretch();
    ligne->addWidget(BoutonOK);
    ligne->addWidget(BoutonAnnuler);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(LabelExplication);
    principal->addWidget(VueExtrait, 1);
    principal->addLayout(ligne);
    resize(700, 220);

    AfficheFin();
    EditDebut->setFocus();
    EditDebut->selectAll();

    VueExtrait->OnDeplace = [this](std::int64_t) { BandeDeplacee(); };
    connect(EditDebut, &QLineEdit::textEdited, this, &TDialogueExtrait::DebutTape);
    connect(EditDebut, &QLineEdit::editingFinished, this, &TDialogueExtrait::DebutFini);
    connect(BoutonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BoutonAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

std::int64_t TDialogueExtrait::Debut() const {
    return VueExtrait->Debut();
}

// The band follows a valid text at once; the text itself is left as typed until editing ends.
void TDialogueExtrait::DebutTape() {
    const auto millisecondes = LitTemps(EditDebut->text().toStdString());
    MarqueTexte(millisecondes.has_value());
    if (!millisecondes) return;
    VueExtrait->PlaceDebut(TrameDuTemps(*millisecondes, frequence_));
    AfficheFin();
}

// Once typed, the text shows the start the band took (clamped). The band keeps its own frame,
// which the text only shows to the tenth.
void TDialogueExtrait::DebutFini() {
    if (BoutonOK->isEnabled()) EditDebut->setText(Temps(Debut(), frequence_));
}

void TDialogueExtrait::BandeDeplacee() {
    EditDebut->setText(Temps(Debut(), frequence_));
    MarqueTexte(true);
    AfficheFin();
}

// An invalid start shows in red, and OK waits for a valid one.
void TDialogueExtrait::MarqueTexte(bool valide) {
    BoutonOK->setEnabled(valide);
    QPalette couleurs = EditDebut->palette();
    couleurs.setColor(QPalette::Text, valide ? palette().color(QPalette::Text) : QColor(Qt::red));
    EditDebut->setPalette(couleurs);
}

void TDialogueExtrait::AfficheFin() {
    LabelFin->setText(tr("Fin : %1").arg(Temps(Debut() + tramesRecord_, frequence_)));
}
