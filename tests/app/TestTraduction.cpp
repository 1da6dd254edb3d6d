// The English interface: the language follows the system's, the window's texts come from the
// translation compiled into the program, and every text of the sources has its English.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>
#include <QXmlStreamReader>

#include "app/Application.h"
#include "app/BoiteCouleur.h"
#include "app/FenetreTest.h"
#include "app/OptionsDlg.h"
#include "graph/DessinSpectre.h"
#include "platform/DecodeurMp3.h"
#include "platform/PortSerie.h"
#include "support/FichiersTest.h"

TEST(Traduction, LaLangueDuSystemeChoisitLInterface) {
    EXPECT_TRUE(InterfaceEnFrancais(QLocale(QLocale::French, QLocale::France)));
    EXPECT_TRUE(InterfaceEnFrancais(QLocale(QLocale::French, QLocale::Canada)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale::c()));
}

// The language kept in the settings file wins over the system's; none, or an unknown one, leaves
// the system's.
TEST(Traduction, LaLangueDesOptionsPrimeSurCelleDuSysteme) {
    QTemporaryDir dossier;
    int rang = 0;
    // A new file each time: QSettings would take a rewritten one of the same size for unchanged.
    const auto langue = [&](const QByteArray& contenu) {
        const QString ini = dossier.filePath(QStringLiteral("sampix%1.ini").arg(++rang));
        QFile fichier(ini);
        EXPECT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(contenu);
        fichier.close();
        return LangueReglee(ini);
    };
    const QLocale francais(QLocale::French, QLocale::France),
        anglais(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_FALSE(InterfaceEnFrancais(francais, langue("[Interface]\nLangue=en\n")));
    EXPECT_TRUE(InterfaceEnFrancais(anglais, langue("[Interface]\nLangue=fr\n")));
    EXPECT_TRUE(InterfaceEnFrancais(francais, langue("[Interface]\nLangue=systeme\n")));
    EXPECT_FALSE(InterfaceEnFrancais(anglais, langue("[Couleur]\nBis=255\n")));
    EXPECT_TRUE(InterfaceEnFrancais(francais, langue("[Interface]\nLangue=klingon\n")));
    EXPECT_EQ(LangueReglee(dossier.filePath(QStringLiteral("absent.ini"))), TlangueInterface::systeme);
}

// Record and Save share their French caption: each gets its own English one.
TEST(Traduction, LaFenetreParleAnglais) {
    const auto traduction = TraductionAnglaise();
    ASSERT_NE(traduction, nullptr);
    QCoreApplication::installTranslator(traduction.get());
    {
        FenetreTest f;
        EXPECT_EQ(f.PlayBtn()->text(), "Listen");
        EXPECT_EQ(f.RecordBtn()->text(), "Record");
        EXPECT_EQ(f.SaveBtn()->text(), "Save");
        EXPECT_EQ(f.SaveBtn()->toolTip(), "Save the current sound file (Ctrl+S)");
        EXPECT_EQ(f.StopPlayBtn()->toolTip(), "stops playing (Esc)");
        EXPECT_EQ(f.StopPlayBtn()->accessibleName(), "Stop playing");
        EXPECT_EQ(f.DirectBtn()->text(), "Live");
        EXPECT_EQ(f.FiltreCB()->text(), "Anti-aliasing filter");
        EXPECT_EQ(f.DitherCB()->text(), "Dither");
        EXPECT_EQ(f.tempsCB()->text(), "Shift+click to read a duration from the previous cursor");
        EXPECT_EQ(f.LoiCB()->itemText(1), "µ-law");
        EXPECT_EQ(f.LabelRSB()->text(), "SNR: —, theory 6.02·b + 1.76 = 49.9 dB");
        EXPECT_EQ(f->windowTitle(), "Tracson January 2014, Dedariv version, with sound card");
        EXPECT_EQ(LangueInterface(), Tlangue::anglais);
        EXPECT_EQ(TexteFrequence(2756.25), "2756.25");

        // A refused file: the window's words and the sound core's reason.
        InstalleTraductionDuNoyau();
        auto coupe = ImageWav(1, 8000, 16, {});
        coupe.resize(30);
        const auto fichier = NouveauDossier() / "coupe.wav";
        EcritOctets(fichier, coupe);
        f->ChargeFichierWav(QString::fromStdString(fichier.string()));
        EXPECT_EQ(f.messages.join('|').toStdString(),
                  "Cannot open the file\n" + fichier.string() + "\n\nBad format: incomplete header");
    }
    {
        TcouleursVues couleurs;
        TOptionsDlg dialogue(couleurs);
        EXPECT_EQ(dialogue.LabelLangue->text(), "Language:");
        EXPECT_EQ(dialogue.LangueCB->itemText(0), "System's language");
        EXPECT_EQ(dialogue.LabelRedemarrage->text(), "The language changes at the next start.");
        EXPECT_EQ(dialogue.CourbeBisCB->itemText(10), "Red");
    }
    QCoreApplication::removeTranslator(traduction.get());
    EXPECT_EQ(LangueInterface(), Tlangue::francais);
}

// Failures of the devices' layer in each language: a text file named .mp3 (a marked core text)
// and a port whose device is missing (a Qt text, its number and path in place; the system's reason
// follows).
TEST(Traduction, LesEchecsDesPeripheriquesSuiventLaLangue) {
    const auto dossier = NouveauDossier();
    const std::string texte = (dossier / "notes.mp3").string();
    EcritOctets(texte, std::vector<std::uint8_t>(2000, 'a'));
    const QString absent = QString::fromStdString((dossier / "ttyS9").string());
    TPortSerie port;
    port.SetComNumber(2, TnumerotationPorts({QString(), absent}));
    const auto echecs = [&] {
        return std::pair{TdecodeurMp3::Ouvre(texte).Message(),
                         QString::fromStdString(port.Ouvre().Message())};
    };

    const auto traduction = TraductionAnglaise();
    ASSERT_NE(traduction, nullptr);
    QCoreApplication::installTranslator(traduction.get());
    InstalleTraductionDuNoyau();
    const auto [mp3, serie] = echecs();
    QCoreApplication::removeTranslator(traduction.get());
    EXPECT_EQ(mp3, "This is not an MP3 sound file.");
    EXPECT_TRUE(serie.startsWith("Cannot open serial port 2 (" + absent + "): ")) << serie.toStdString();

    const auto [mp3Fr, serieFr] = echecs();
    EXPECT_EQ(mp3Fr, "Ce n'est pas un fichier son MP3.");
    EXPECT_TRUE(serieFr.startsWith("Impossible d'ouvrir Le port série 2 (" + absent + ") : "))
        << serieFr.toStdString();
}

// lupdate over the sources and the browser page's texts, on a copy of the translation file: a
// text missing from the file comes in unfinished, like one left untranslated.
TEST(Traduction, ChaqueTexteASonAnglais) {
    QTemporaryDir dossier;
    const QString ts = dossier.filePath(QStringLiteral("sampix_en.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPIX_TRADUCTION), ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(SAMPIX_LUPDATE),
                  {"-tr-function-alias", "QT_TRANSLATE_NOOP+=Traduisible", "-no-obsolete", "-locations",
                   "none", QStringLiteral(SAMPIX_SOURCES), QStringLiteral(SAMPIX_TEXTES_PAGE), "-ts", ts});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QFile fichier(ts);
    ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&fichier);
    int messages = 0;
    QStringList sansAnglais;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") ++messages;
        if (xml.name() == u"source") source = xml.readElementText();
        if (xml.name() == u"translation") {
            const bool inachevee = !xml.attributes().value(QStringLiteral("type")).isEmpty();
            if (inachevee || xml.readElementText().isEmpty()) sansAnglais << source;
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(messages, 60);
    EXPECT_TRUE(sansAnglais.isEmpty()) << sansAnglais.join('\n').toStdString();
}
