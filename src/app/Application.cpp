#include "app/Application.h"

#include <exception>

#include "platform/Messages.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        AfficheMessage(QString::fromStdString(e.what()));
    } catch (...) {
        AfficheMessage(QStringLiteral("Erreur inattendue"));
    }
    return false;
}
