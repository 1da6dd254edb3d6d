#include "app/FenetreSpectre.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/Ressources.h"
#include "graph/ExportImage.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"

TgrapheSpectre::TgrapheSpectre(const TcouleursVues& couleursVues, QWidget* parent)
    : QWidget(parent), couleurs(couleursVues) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 200);
}

// The colours are the views', read at every paint like theirs.
void TgrapheSpectre::paintEvent(QPaintEvent*) {
    vue.couleurAnalogique = couleurs.courbe;
    vue.couleurNumerique = couleurs.bis;
    QPainter peintre(this);
    DessineSpectre(peintre, rect(), vue);
}

TFenetreSpectre::TFenetreSpectre(const TcouleursVues& couleurs, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("Spectre"));
    setWindowIcon(IconeSampix());
    setAttribute(Qt::WA_WindowPropagation);

    Graphe = new TgrapheSpectre(couleurs, this);
    LogCB = new QCheckBox(tr("Échelle des fréquences logarithmique"), this);
    ExporterBtn = new QPushButton(tr("Exporter l'image…"), this);
    auto* bas = new QHBoxLayout;
    bas->addWidget(LogCB);
    bas->addStretch();
    bas->addWidget(ExporterBtn);
    auto* principal = new QVBoxLayout(this);
    principal->addWidget(Graphe, 1);
    principal->addLayout(bas);
    resize(760, 460);

    connect(LogCB, &QCheckBox::toggled, this, [this](bool logarithmique) {
        Graphe->vue.logarithmique = logarithmique;
        Graphe->update();
    });
    connect(ExporterBtn, &QPushButton::clicked, this, &TFenetreSpectre::ExporterBtnClick);
}

bool TFenetreSpectre::Logarithmique() const {
    return LogCB->isChecked();
}

void TFenetreSpectre::SetLogarithmique(bool logarithmique) {
    LogCB->setChecked(logarithmique);
    Graphe->vue.logarithmique = logarithmique;
}

void TFenetreSpectre::MetAJour(const TenregistrementSon& son, std::int32_t debutS, std::int32_t finS, int pas,
                               std::uint64_t generation) {
    son_ = &son;
    debutS_ = debutS;
    finS_ = finS;
    generation_ = generation;
    Graphe->vue.pas = pas;
    aCalculer_ = true;
    if (isVisible()) Calcule();
}

void TFenetreSpectre::showEvent(QShowEvent* evenement) {
    QWidget::showEvent(evenement);
    if (aCalculer_) Calcule();
}

void TFenetreSpectre::Calcule() {
    aCalculer_ = false;
    if (!son_) return;
    TvueSpectre& vue = Graphe->vue;
    vue.freqEch = son_->NbrePoints > 0 ? son_->FreqEch : 0;
    const Tcle cle{generation_, debutS_, finS_};
    if (!analogiqueCalcule_ || !(cle == cleAnalogique_)) {
        vue.analogique =
            analyseur_.Calcule(*son_->vecteurSon, son_->NbrePoints, debutS_, finS_, son_->FreqEch);
        cleAnalogique_ = cle;
        analogiqueCalcule_ = true;
    }
    vue.numerique =
        analyseur_.Calcule(*son_->vecteurSonSousEch, son_->NbrePoints, debutS_, finS_, son_->FreqEch);
    Graphe->update();
}

void TFenetreSpectre::ExporterBtnClick() {
    const QString nom = ChoisitFichier(
        {this, tr("Images PNG (*.png);;Images SVG (*.svg)"), QStringLiteral("png"), true, QString()});
    if (nom.isEmpty()) return;
    TvueSpectre vue = Graphe->vue;
    vue.couleurAnalogique = Graphe->couleurs.courbe;
    vue.couleurNumerique = Graphe->couleurs.bis;
    const QRect zone(QPoint(0, 0), Graphe->size());
    if (const auto ecrit = EnregistreImage(nom, zone.size(), tr("Sampix : spectre"),
                                           [&](QPainter& p) { DessineSpectre(p, zone, vue); });
        !ecrit)
        AfficheMessage(tr("Impossible d'exporter l'image\n%1").arg(QString::fromStdString(ecrit.Message())));
}
