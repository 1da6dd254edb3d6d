#include "app/BoiteCouleur.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

#include "platform/DialoguesModaux.h"

namespace {

struct TcouleurNommee {
    const char* nom;
    TCouleur couleur;
};

// $BBGGRR, as everywhere in the program.
constexpr TcouleurNommee kCouleurs[] = {
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Noir"), 0x000000},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Bordeaux"), 0x000080},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Vert"), 0x008000},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Olive"), 0x008080},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Bleu marine"), 0x800000},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Violet"), 0x800080},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Sarcelle"), 0x808000},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Gris"), 0x808080},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Argent"), 0xC0C0C0},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Rouge"), 0x0000FF},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Citron vert"), 0x00FF00},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Jaune"), 0x00FFFF},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Bleu"), 0xFF0000},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Fuchsia"), 0xFF00FF},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Cyan"), 0xFFFF00},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Blanc"), 0xFFFFFF},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Vert monnaie"), 0xC0DCC0},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Bleu ciel"), 0xF0CAA6},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Crème"), 0xF0FBFF},
    {QT_TRANSLATE_NOOP("TboiteCouleur", "Gris moyen"), 0xA4A0A0},
};

QIcon Pastille(TCouleur couleur) {
    QPixmap image(16, 12);
    image.fill(EnQColor(couleur));
    QPainter(&image).drawRect(0, 0, image.width() - 1, image.height() - 1);
    return QIcon(image);
}

}  // namespace

QColor EnQColor(TCouleur couleur) {
    return QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
}

TCouleur DeQColor(const QColor& couleur) {
    return static_cast<TCouleur>(couleur.red()) | static_cast<TCouleur>(couleur.green()) << 8 |
           static_cast<TCouleur>(couleur.blue()) << 16;
}

TboiteCouleur::TboiteCouleur(QWidget* parent) : QComboBox(parent) {
    setIconSize(QSize(16, 12));
    addItem(Pastille(0), tr("Personnaliser..."), TCouleur{0});
    for (const auto& c : kCouleurs) addItem(Pastille(c.couleur), tr(c.nom), c.couleur);
    setMaxVisibleItems(count());
    connect(this, &QComboBox::activated, this, &TboiteCouleur::Active);
}

TCouleur TboiteCouleur::Selected() const {
    return currentData().value<TCouleur>();
}

void TboiteCouleur::SetSelected(TCouleur couleur) {
    // The named colours only: the first entry may hold the same colour as one of them.
    int index = 0;
    for (int i = 1; i < count() && index == 0; ++i)
        if (itemData(i).value<TCouleur>() == couleur) index = i;
    if (index == 0) PersonnaliseAvec(couleur);
    setCurrentIndex(index);
    indexRetenu_ = index;
}

void TboiteCouleur::PersonnaliseAvec(TCouleur couleur) {
    setItemData(0, couleur);
    setItemIcon(0, Pastille(couleur));
}

void TboiteCouleur::Active(int index) {
    if (index == 0) {
        const QColor choisie = ChoisitCouleur(this, EnQColor(itemData(0).value<TCouleur>()));
        if (!choisie.isValid()) {
            setCurrentIndex(indexRetenu_);
            return;
        }
        PersonnaliseAvec(DeQColor(choisie));
    }
    indexRetenu_ = index;
}

void TboiteCouleur::keyPressEvent(QKeyEvent* evenement) {
    const QString texte = evenement->text();
    if (texte.isEmpty() || !texte.at(0).isPrint()) {
        QComboBox::keyPressEvent(evenement);
        return;
    }
    showPopup();
    view()->keyboardSearch(texte);
}
