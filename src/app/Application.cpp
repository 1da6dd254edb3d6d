#include "app/Application.h"

#include <exception>

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/Dossiers.h"
#include "platform/Messages.h"
#include "sound/Traduction.h"

void ChargeTraductionQt() {
    auto* traduction = new QTranslator(QCoreApplication::instance());
    if (traduction->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
    else
        delete traduction;
}

bool InterfaceEnFrancais(const QLocale& systeme, TlangueInterface choix) {
    if (choix != TlangueInterface::systeme) return choix == TlangueInterface::francais;
    const QStringList langues = systeme.uiLanguages();
    return QLocale(langues.isEmpty() ? systeme.name() : langues.first()).language() == QLocale::French;
}

Tlangue LangueInterface() {
    return TApplication::translate("TApplication", "fr", "code of the interface's language") == u"en"
               ? Tlangue::anglais
               : Tlangue::francais;
}

void InstalleTraductionDuNoyau() {
    InstalleTraducteur([](const char* contexte, const char* texte) {
        return QCoreApplication::translate(contexte, texte).toStdString();
    });
}

std::unique_ptr<QTranslator> TraductionAnglaise() {
    auto traduction = std::make_unique<QTranslator>();
    if (!traduction->load(QStringLiteral(":/traductions/sampix_en.qm"))) return nullptr;
    return traduction;
}

// In English, Qt's own texts are its source texts: no translation of Qt's is needed.
TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    if (InterfaceEnFrancais(QLocale::system(), LangueReglee(FichierReglages()))) {
        ChargeTraductionQt();
    } else if (auto traduction = TraductionAnglaise()) {
        traduction->setParent(this);
        installTranslator(traduction.release());
    }
    InstalleTraductionDuNoyau();
}

bool TApplication::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const std::exception& e) {
        AfficheMessage(QString::fromStdString(e.what()));
    } catch (...) {
        AfficheMessage(tr("Erreur inattendue"));
    }
    return false;
}
