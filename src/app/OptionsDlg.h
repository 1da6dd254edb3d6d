// The options dialog: the three drawing colours. OK applies them to the graphs; Cancel
// changes nothing. They reach the settings file only at shutdown.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TboiteCouleur;

class TOptionsDlg : public QDialog {
public:
    explicit TOptionsDlg(QWidget* parent = nullptr);

    // Each time the dialog is shown, the boxes take the colours in force.
    void FormActivate();
    void BitBtn1Click();

    QLabel* Label1;
    TboiteCouleur* CourbeCB;
    QLabel* Label2;
    TboiteCouleur* CourbeBisCB;
    QLabel* Label3;
    TboiteCouleur* NiveauCB;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    // On showing rather than on every activation: coming back from the colour chooser
    // would otherwise throw away the colour just chosen.
    void showEvent(QShowEvent* evenement) override;
};
