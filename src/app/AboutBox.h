// The about box: what the program is, its version, the libraries it stands on, and a way
// to its update page.
#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

// Set at release (SAMPIX_ADRESSE_MISE_A_JOUR in CMake); a reserved placeholder until then.
QString AdresseMiseAJour();

class TAboutBox : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TAboutBox)

public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void VersionBtnClick();

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
    QPushButton* VersionBtn;
    QPushButton* OKBtn;
};
