// Modal dialogs and the colour chooser, replaceable so that tests never block on one.
#pragma once

#include <functional>

#include <QColor>

class QDialog;
class QWidget;

// Shows the dialog modally and returns its result (QDialog::exec unless replaced).
using TexecutionDialogue = std::function<int(QDialog&)>;

int ExecuteDialogue(QDialog& dialogue);

TexecutionDialogue RemplaceExecutionDialogue(TexecutionDialogue execution);

// The chosen colour, or an invalid colour when the user cancels.
using TchoixCouleur = std::function<QColor(QWidget* parent, const QColor& initiale)>;

QColor ChoisitCouleur(QWidget* parent, const QColor& initiale);

TchoixCouleur RemplaceChoixCouleur(TchoixCouleur choix);
