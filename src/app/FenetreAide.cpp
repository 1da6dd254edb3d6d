#include "app/FenetreAide.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Boutons.h"
#include "app/Ressources.h"

namespace {

QToolButton* Bouton(QWidget* parent, QHBoxLayout* ligne, const QString& texte, QStyle::StandardPixmap icone) {
    QToolButton* b = NouveauBouton(parent, texte, icone);
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ligne->addWidget(b);
    return b;
}

}  // namespace

TFenetreAide::TFenetreAide(bool francais, QWidget* parent)
    : QWidget(parent, Qt::Window),
      sommaire(francais ? QStringLiteral("qrc:/aide/index.html")
                        : QStringLiteral("qrc:/aide/en/index.html")) {
    InitialiseRessources();
    setWindowTitle(tr("Aide de Sampix"));
    setWindowIcon(IconeSampix());
    setAttribute(Qt::WA_WindowPropagation);

    auto* barre = new QHBoxLayout;
    SommaireBtn = Bouton(this, barre, tr("Sommaire"), QStyle::SP_DirHomeIcon);
    PrecedentBtn = Bouton(this, barre, tr("Précédent"), QStyle::SP_ArrowBack);
    SuivantBtn = Bouton(this, barre, tr("Suivant"), QStyle::SP_ArrowForward);
    barre->addStretch();

    Texte = new QTextBrowser(this);
    Texte->setOpenExternalLinks(true);
    QFont police = Texte->font();
    police.setPixelSize(15);
    Texte->setFont(police);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(barre);
    principal->addWidget(Texte, 1);
    resize(760, 600);

    PrecedentBtn->setEnabled(false);
    SuivantBtn->setEnabled(false);
    connect(SommaireBtn, &QToolButton::clicked, this, &TFenetreAide::AfficheSommaire);
    connect(PrecedentBtn, &QToolButton::clicked, Texte, &QTextBrowser::backward);
    connect(SuivantBtn, &QToolButton::clicked, Texte, &QTextBrowser::forward);
    connect(Texte, &QTextBrowser::backwardAvailable, PrecedentBtn, &QToolButton::setEnabled);
    connect(Texte, &QTextBrowser::forwardAvailable, SuivantBtn, &QToolButton::setEnabled);
}

void TFenetreAide::AfficheSommaire() {
    if (Texte->source() != sommaire) Texte->setSource(sommaire);
    show();
    raise();
    activateWindow();
}
