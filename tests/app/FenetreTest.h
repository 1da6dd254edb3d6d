// A main window under test, with messages and file choices captured instead of shown.
#pragma once

#include <memory>

#include <QStringList>

#include "app/WaveForm.h"
#include "platform/Dialogues.h"
#include "platform/Messages.h"

class FenetreTest {
public:
    FenetreTest() {
        ancienAfficheur_ = RemplaceAfficheurMessage([this](const QString& t) { messages.append(t); });
        ancienChoix_ = RemplaceChoixFichier([this](const TdemandeFichier& d) {
            demandes.append(d);
            return choix;
        });
        fenetre = std::make_unique<TWaveForm>();
    }
    ~FenetreTest() {
        fenetre.reset();
        RemplaceAfficheurMessage(ancienAfficheur_);
        RemplaceChoixFichier(ancienChoix_);
    }
    TWaveForm* operator->() { return fenetre.get(); }
    TWaveForm& operator*() { return *fenetre; }

    std::unique_ptr<TWaveForm> fenetre;
    QStringList messages;
    QList<TdemandeFichier> demandes;
    QString choix;  // what the next file dialog answers

private:
    TafficheurMessage ancienAfficheur_;
    TchoixFichier ancienChoix_;
};
