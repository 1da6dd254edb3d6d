// The application object: shows any exception that escapes an event handler
// through the program's message function instead of ending the program.
#pragma once

#include <memory>

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include "app/FichierOptions.h"
#include "sound/Langue.h"

// Qt's own texts (the file dialogs' buttons and labels, the standard buttons) in French, from
// Debian's translations of Qt; without them installed, Qt's English stays.
void ChargeTraductionQt();

// The program's texts are written in French: a system whose first language for messages is
// French keeps them, any other gets the English translation. That language comes from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, as QLocale::system() reads them. A language forced in the
// options wins over the system's.
bool InterfaceEnFrancais(const QLocale& systeme, TlangueInterface choix = TlangueInterface::systeme);

// The language of the texts that sound/ and graph/ build: English when the English translation
// is installed, which translates this code's source "fr" into "en".
Tlangue LangueInterface();

// The texts of sound/ and platform/ (failure messages) through Qt's translation, as the window's.
void InstalleTraductionDuNoyau();

// The English translation compiled into the program; none if it cannot be loaded.
std::unique_ptr<QTranslator> TraductionAnglaise();

class TApplication : public QApplication {
    Q_DECLARE_TR_FUNCTIONS(TApplication)

public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
