#include "platform/Messages.h"

#include <utility>

#include <QApplication>
#include <QMessageBox>

namespace {

void BoiteMessage(const QString& texte) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationDisplayName(), texte);
}

TafficheurMessage& Afficheur() {
    static TafficheurMessage afficheur = BoiteMessage;
    return afficheur;
}

}  // namespace

void AfficheMessage(const QString& texte) {
    Afficheur()(texte);
}

TafficheurMessage RemplaceAfficheurMessage(TafficheurMessage afficheur) {
    return std::exchange(Afficheur(), std::move(afficheur));
}
