// The application object: shows any exception that escapes an event handler
// through the program's message function instead of ending the program.
#pragma once

#include <QApplication>

class TApplication : public QApplication {
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* destinataire, QEvent* evenement) override;
};
