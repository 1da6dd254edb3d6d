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
#include "app/FenetreTest.h"

TEST(Traduction, LaLangueDuSystemeChoisitLInterface) {
    EXPECT_TRUE(InterfaceEnFrancais(QLocale(QLocale::French, QLocale::France)));
    EXPECT_TRUE(InterfaceEnFrancais(QLocale(QLocale::French, QLocale::Canada)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_FALSE(InterfaceEnFrancais(QLocale::c()));
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
    }
    QCoreApplication::removeTranslator(traduction.get());
}

// lupdate over the sources, on a copy of the translation file: a text missing from the file
// comes in unfinished, like one left untranslated.
TEST(Traduction, ChaqueTexteASonAnglais) {
    QTemporaryDir dossier;
    const QString ts = dossier.filePath(QStringLiteral("sampix_en.ts"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(SAMPIX_TRADUCTION), ts));
    QFile::setPermissions(ts, QFile::ReadOwner | QFile::WriteOwner);
    QProcess lupdate;
    lupdate.start(QStringLiteral(SAMPIX_LUPDATE),
                  {"-no-obsolete", "-locations", "none", QStringLiteral(SAMPIX_SOURCES), "-ts", ts});
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
