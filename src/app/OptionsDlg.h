// The options dialog: the drawing colours, and whether the detail view shows the error curve.
// OK writes the colours into the window's (borrowed); Cancel changes nothing. The colours reach the
// settings file only at shutdown; the error curve's box is the window's to set and read.
#pragma once

#include <QDialog>

#include "graph/ModeleVue.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TboiteCouleur;

class TOptionsDlg : public QDialog {
public:
    TOptionsDlg(TcouleursVues& couleurs, QWidget* parent = nullptr);

    // Each time the dialog is shown, the boxes take the colours in force.
    void FormActivate();
    void BitBtn1Click();

    QLabel* Label1;
    TboiteCouleur* CourbeCB;
    QLabel* Label2;
    TboiteCouleur* CourbeBisCB;
    QLabel* Label3;
    TboiteCouleur* NiveauCB;
    QLabel* Label4;
    TboiteCouleur* ErreurCB;
    QLabel* Label5;
    TboiteCouleur* ReconstructionCB;
    QCheckBox* AvecErreurCB;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    TcouleursVues& couleurs;

protected:
    // On showing rather than on every activation: coming back from the colour chooser
    // would otherwise throw away the colour just chosen.
    void showEvent(QShowEvent* evenement) override;
};
