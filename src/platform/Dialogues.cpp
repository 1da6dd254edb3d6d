#include "platform/Dialogues.h"

#include <utility>

#include <QFileDialog>

namespace {

QString DialogueFichier(const TdemandeFichier& demande) {
    QFileDialog dialogue(demande.parent, QString(), demande.dossier);
    dialogue.setNameFilter(demande.filtre);
    dialogue.setDefaultSuffix(demande.suffixeDefaut);
    dialogue.setAcceptMode(demande.enregistrement ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(demande.enregistrement ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty()) return {};
    return dialogue.selectedFiles().constFirst();
}

TchoixFichier& Choix() {
    static TchoixFichier choix = DialogueFichier;
    return choix;
}

}  // namespace

QString ChoisitFichier(const TdemandeFichier& demande) {
    return Choix()(demande);
}

TchoixFichier RemplaceChoixFichier(TchoixFichier choix) {
    return std::exchange(Choix(), std::move(choix));
}
