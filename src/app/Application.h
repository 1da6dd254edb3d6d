// The application object: shows any exception that escapes an event handler
// through the program's message function instead of ending the program.
#pragma once

#include <QApplication>

// Qt's own texts (the file dialogs' buttons and labels, the standard buttons) in French, from
// Debian's translations of Qt; without them installed, Qt's English stays.
void ChargeTraductionQt();

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
