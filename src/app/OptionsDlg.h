// The options dialog: the drawing colours, whether the detail view shows the error curve, and the
// interface's language. OK writes the colours into the window's (borrowed); Cancel changes nothing.
// The colours reach the settings file only at shutdown; the error curve's box and the language's
// are the window's to set and read. The language takes effect at the next start.
#pragma once

#include <QCoreApplication>
#include <QDialog>

#include "app/FichierOptions.h"
#include "graph/ModeleVue.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class TboiteCouleur;

class TOptionsDlg : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TOptionsDlg)

public:
    TOptionsDlg(TcouleursVues& couleurs, QWidget* parent = nullptr);

    // Each time the dialog is shown, the boxes take the colours in force.
    void FormActivate();
    void BitBtn1Click();
    TlangueInterface Langue() const;
    void FixeLangue(TlangueInterface langue);

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
    QLabel* LabelLangue;
    // In the order of TlangueInterface.
    QComboBox* LangueCB;
    QLabel* LabelRedemarrage;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    TcouleursVues& couleurs;

protected:
    // On showing rather than on every activation: coming back from the colour chooser
    // would otherwise throw away the colour just chosen.
    void showEvent(QShowEvent* evenement) override;
};
