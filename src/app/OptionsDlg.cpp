#include "app/OptionsDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/BoiteCouleur.h"

namespace {

constexpr int kLargeurBoite = 140;

}  // namespace

TOptionsDlg::TOptionsDlg(TcouleursVues& couleursVues, QWidget* parent)
    : QDialog(parent), couleurs(couleursVues) {
    setWindowTitle(tr("Options"));
    // The main window's font (Carlito, 13 pixels) carries over to this window.
    setAttribute(Qt::WA_WindowPropagation);

    auto* grille = new QGridLayout;
    const auto ligne = [&](int rang, const QString& texte, QLabel*& label, TboiteCouleur*& boite) {
        label = new QLabel(texte, this);
        boite = new TboiteCouleur(this);
        boite->setFixedWidth(kLargeurBoite);
        label->setBuddy(boite);
        grille->addWidget(label, rang, 0);
        grille->addWidget(boite, rang, 1);
    };
    ligne(0, tr("Analogique"), Label1, CourbeCB);
    ligne(1, tr("Numérique"), Label2, CourbeBisCB);
    ligne(2, tr("Niveau"), Label3, NiveauCB);
    ligne(3, tr("Erreur"), Label4, ErreurCB);
    ligne(4, tr("Reconstruction"), Label5, ReconstructionCB);
    AvecErreurCB = new QCheckBox(tr("Courbe d'erreur sur la vue détaillée"), this);
    grille->addWidget(AvecErreurCB, 5, 0, 1, 2);
    LabelLangue = new QLabel(tr("Langue :"), this);
    LangueCB = new QComboBox(this);
    LangueCB->addItems({tr("Selon le système"), tr("Français"), tr("English")});
    LangueCB->setFixedWidth(kLargeurBoite);
    LabelLangue->setBuddy(LangueCB);
    grille->addWidget(LabelLangue, 6, 0);
    grille->addWidget(LangueCB, 6, 1);
    LabelRedemarrage = new QLabel(tr("La langue change au prochain démarrage."), this);
    grille->addWidget(LabelRedemarrage, 7, 0, 1, 2);

    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Annuler"), this);
    auto* boutons = new QVBoxLayout;
    boutons->addWidget(BitBtn1);
    boutons->addWidget(BitBtn2);
    boutons->addStretch();

    auto* principal = new QHBoxLayout(this);
    principal->addLayout(grille);
    principal->addStretch();
    principal->addLayout(boutons);
    setFixedSize(345, 290);

    connect(BitBtn1, &QPushButton::clicked, this, &TOptionsDlg::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TOptionsDlg::showEvent(QShowEvent* evenement) {
    FormActivate();
    QDialog::showEvent(evenement);
}

void TOptionsDlg::FormActivate() {
    CourbeCB->SetSelected(couleurs.courbe);
    CourbeBisCB->SetSelected(couleurs.bis);
    NiveauCB->SetSelected(couleurs.niveau);
    ErreurCB->SetSelected(couleurs.erreur);
    ReconstructionCB->SetSelected(couleurs.reconstruction);
}

void TOptionsDlg::BitBtn1Click() {
    couleurs.courbe = CourbeCB->Selected();
    couleurs.bis = CourbeBisCB->Selected();
    couleurs.niveau = NiveauCB->Selected();
    couleurs.erreur = ErreurCB->Selected();
    couleurs.reconstruction = ReconstructionCB->Selected();
    accept();
}

TlangueInterface TOptionsDlg::Langue() const {
    return static_cast<TlangueInterface>(LangueCB->currentIndex());
}

void TOptionsDlg::FixeLangue(TlangueInterface langue) {
    LangueCB->setCurrentIndex(static_cast<int>(langue));
}
