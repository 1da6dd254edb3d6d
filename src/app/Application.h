// The application object: shows any exception that escapes an event handler
// through the program's message function instead of ending the program.
#pragma once

#include <memory>

#include <QApplication>
#include <QLocale>
#include <QTranslator>

// Qt's own texts (the file dialogs' buttons and labels, the standard buttons) in French, from
// Debian's translations of Qt; without them installed, Qt's English stays.
void ChargeTraductionQt();

// The program's texts are written in French: a system whose first language for messages is
// French keeps them, any other gets the English translation. That language comes from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, as QLocale::system() reads them.
bool InterfaceEnFrancais(const QLocale& systeme);

// The English translation compiled into the program; none if it cannot be loaded.
std::unique_ptr<QTranslator> TraductionAnglaise();

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
