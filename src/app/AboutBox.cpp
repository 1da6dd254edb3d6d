#include "app/AboutBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "app/Ressources.h"
#include "platform/Messages.h"

QString AdresseMiseAJour() {
    return QStringLiteral(SAMPIX_ADRESSE_MISE_A_JOUR);
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("A propos"));
    setAttribute(Qt::WA_WindowPropagation);

    auto* panneau = new QFrame(this);
    panneau->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    ProgramIcon = new QLabel(panneau);
    ProgramIcon->setPixmap(IconeSampix().pixmap(48, 48));
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProductName =
        new QLabel(tr("Sampix : effet de l'échantillonnage et de la numérisation sur un son"), panneau);
    ProductName->setAlignment(Qt::AlignCenter);
    ProductName->setWordWrap(true);
    QFont grasse = ProductName->font();
    grasse.setBold(true);
    ProductName->setFont(grasse);
    Version = new QLabel(
        tr("Version %1 du %2").arg(QStringLiteral(SAMPIX_VERSION), QStringLiteral(SAMPIX_DATE_VERSION)),
        panneau);
    Version->setAlignment(Qt::AlignCenter);
    Comments = new QLabel(tr("Utilise <a href=\"https://www.qt.io\">Qt</a>, "
                             "<a href=\"https://www.portaudio.com\">PortAudio</a>, "
                             "<a href=\"https://libsndfile.github.io/libsndfile/\">libsndfile</a>,<br>"
                             "<a href=\"https://www.mpg123.de\">libmpg123</a> et "
                             "<a href=\"https://www.fftw.org\">FFTW</a><br>"
                             "Logiciel libre : <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
                             "licence GNU GPL 3 ou ultérieure</a>"),
                          panneau);
    Comments->setAlignment(Qt::AlignCenter);
    Comments->setOpenExternalLinks(true);
    auto* colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(6, 6, 6, 6);
    colonne->setSpacing(4);
    colonne->addWidget(ProgramIcon);
    colonne->addWidget(ProductName);
    colonne->addWidget(Version);
    colonne->addWidget(Comments);

    VersionBtn =
        new QPushButton(style()->standardIcon(QStyle::SP_MessageBoxQuestion), tr("Version à jour"), this);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setDefault(true);
    auto* boutons = new QHBoxLayout;
    boutons->addWidget(VersionBtn);
    boutons->addStretch();
    boutons->addWidget(OKBtn);

    auto* principal = new QVBoxLayout(this);
    principal->addWidget(panneau);
    principal->addLayout(boutons);
    setFixedSize(309, 262);
    if (const QScreen* ecran = QApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    connect(VersionBtn, &QPushButton::clicked, this, &TAboutBox::VersionBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::VersionBtnClick() {
    if (!QDesktopServices::openUrl(QUrl(AdresseMiseAJour())))
        AfficheMessage(tr("Impossible d'accéder à %1").arg(AdresseMiseAJour()));
}
