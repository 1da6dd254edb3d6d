#include "app/Application.h"

#include <exception>

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/Messages.h"

void ChargeTraductionQt() {
    auto* traduction = new QTranslator(QCoreApplication::instance());
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    else
        delete traduction;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    ChargeTraductionQt();
}

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
