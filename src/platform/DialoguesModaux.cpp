#include "platform/DialoguesModaux.h"

#include <utility>

#include <QColorDialog>
#include <QDialog>

namespace {

TexecutionDialogue& Execution() {
    static TexecutionDialogue execution = [](QDialog& dialogue) { return dialogue.exec(); };
    return execution;
}

TchoixCouleur& Choix() {
    static TchoixCouleur choix = [](QWidget* parent, const QColor& initiale) {
        return QColorDialog::getColor(initiale, parent);
    };
    return choix;
}

}  // namespace

int ExecuteDialogue(QDialog& dialogue) {
    return Execution()(dialogue);
}

TexecutionDialogue RemplaceExecutionDialogue(TexecutionDialogue execution) {
    return std::exchange(Execution(), std::move(execution));
}

QColor ChoisitCouleur(QWidget* parent, const QColor& initiale) {
    return Choix()(parent, initiale);
}

TchoixCouleur RemplaceChoixCouleur(TchoixCouleur choix) {
    return std::exchange(Choix(), std::move(choix));
}
