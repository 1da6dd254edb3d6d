// The English help and command line: every help page has its English twin, with the same
// links and pictures and no French left, the help window opens the English contents, and the
// command line answers in the system's language.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include "app/Application.h"
#include "app/FenetreAide.h"
#include "app/Ressources.h"
#include "support/FichiersTest.h"

namespace {

QString LitPage(const QString& chemin) {
    QFile fichier(chemin);
    EXPECT_TRUE(fichier.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return QString::fromUtf8(fichier.readAll());
}

// The files a page's links and pictures lead to, from the page's own folder.
QStringList Cibles(const QString& dossier, const QString& html, const char* attribut) {
    const QRegularExpression motif(QStringLiteral(R"(%1="([^"#:]*)[^"]*")").arg(attribut));
    QStringList cibles;
    for (const auto& m : motif.globalMatch(html))
        cibles << QDir::cleanPath(dossier + '/' + (m.captured(1).isEmpty() ? "." : m.captured(1)));
    return cibles;
}

// French the English pages must not keep: accented letters and small French words, and French
// numbers (a decimal comma, thousands apart by a space).
QStringList Francais(const QString& texte) {
    static const QRegularExpression motifs[] = {
        QRegularExpression(QStringLiteral("\\w*[éèêëàâùûçôîïœÉÈÀÇ«»]\\w*")),
        QRegularExpression(QStringLiteral("\\b(le|la|les|des|du|une|est|et|avec|dans|pour|sur|que|qui)\\b"),
                           QRegularExpression::CaseInsensitiveOption),
        QRegularExpression(QStringLiteral("\\d,(\\d{1,2}|\\d{4,})\\b|\\d \\d{3}\\b"))};
    QStringList trouve;
    for (const auto& motif : motifs)
        for (const auto& m : motif.globalMatch(texte)) trouve << m.captured(0);
    return trouve;
}

// A list as gtest shows it in a failure.
std::string Liste(const QStringList& liste) {
    return liste.join(QStringLiteral(" | ")).toStdString();
}

struct Sortie {
    int code;
    QString sortie, erreurs;
};

Sortie Commande(const char* langue, const QStringList& arguments) {
    QProcess sampix;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("LANGUAGE"), QString::fromLatin1(langue));
    sampix.setProcessEnvironment(environnement);
    sampix.start(SAMPIX_EXECUTABLE, arguments);
    EXPECT_TRUE(sampix.waitForFinished(60000));
    return {sampix.exitCode(), QString::fromUtf8(sampix.readAllStandardOutput()),
            QString::fromUtf8(sampix.readAllStandardError())};
}

}  // namespace

TEST(AideAnglaise, ChaquePageASonAnglaisSansFrancais) {
    InitialiseRessources();
    const QStringList pages = QDir(QStringLiteral(":/aide")).entryList({"*.html"});
    ASSERT_GE(pages.size(), 8);
    EXPECT_EQ(Liste(QDir(QStringLiteral(":/aide/en")).entryList({"*.html"})), Liste(pages));
    for (const QString& page : pages) {
        const QString francais = LitPage(":/aide/" + page);
        const QString anglais = LitPage(":/aide/en/" + page);
        const std::string nom = page.toStdString();
        EXPECT_EQ(Liste(Cibles(":/aide/en", anglais, "src")), Liste(Cibles(":/aide", francais, "src")))
            << nom;
        EXPECT_EQ(Cibles(":/aide/en", anglais, "href").size(), Cibles(":/aide", francais, "href").size())
            << nom;
        for (const QString& cible :
             Cibles(":/aide/en", anglais, "href") + Cibles(":/aide/en", anglais, "src"))
            EXPECT_TRUE(QFile::exists(cible)) << nom << " -> " << cible.toStdString();
        EXPECT_EQ(anglais.count("<h2>"), francais.count("<h2>")) << nom;
        EXPECT_EQ(anglais.count("<tr>"), francais.count("<tr>")) << nom;
        QTextDocument document;
        document.setHtml(anglais);
        const QString texte =
            document.metaInformation(QTextDocument::DocumentTitle) + '\n' + document.toPlainText();
        EXPECT_EQ(Liste(Francais(texte)), "") << nom;
    }
    // The check finds French where there is some.
    EXPECT_EQ(Liste(Francais(QStringLiteral("La valeur, 2,27 ms pour 44 100 Hz"))),
              "La | pour | 2,27 | 4 100");
}

TEST(AideAnglaise, LaFenetreAnglaiseOuvreLeSommaireAnglais) {
    const auto traduction = TraductionAnglaise();
    ASSERT_NE(traduction, nullptr);
    QCoreApplication::installTranslator(traduction.get());
    {
        TFenetreAide fenetre(false);
        fenetre.AfficheSommaire();
        EXPECT_EQ(fenetre.Texte->source(), QUrl("qrc:/aide/en/index.html"));
        EXPECT_EQ(fenetre.Texte->documentTitle(), "Sampix Help");
        EXPECT_TRUE(fenetre.Texte->toPlainText().contains("are sampled"));
        EXPECT_EQ(fenetre.windowTitle(), "Sampix Help");
        EXPECT_EQ(fenetre.SommaireBtn->text(), "Contents");
        EXPECT_EQ(fenetre.PrecedentBtn->text(), "Back");
        EXPECT_EQ(fenetre.SuivantBtn->text(), "Forward");
        // A link of an English page leads to the English page.
        fenetre.Texte->setSource(QUrl("echantillonnage.html"));
        EXPECT_EQ(fenetre.Texte->documentTitle(), "Sampling");
    }
    QCoreApplication::removeTranslator(traduction.get());
    TFenetreAide francaise(true);
    francaise.AfficheSommaire();
    EXPECT_EQ(francaise.Texte->source(), QUrl("qrc:/aide/index.html"));
}

// The help and a refusal in each language; Qt's headings follow.
TEST(AideAnglaise, LaLigneDeCommandeParleLaLangueDuSysteme) {
    const Sortie anglaise = Commande("en_GB", {"--help"});
    EXPECT_EQ(anglaise.code, 0);
    for (const char* texte : {"Usage:", "Options:", "Arguments:", "Sampix without a window", "--bits <B>",
                              "Bits kept, from 1 to 8 (8 by default).", "SON"})
        EXPECT_TRUE(anglaise.sortie.contains(texte)) << texte << "\n" << anglaise.sortie.toStdString();
    EXPECT_EQ(Liste(Francais(anglaise.sortie)), "") << anglaise.sortie.toStdString();
    const Sortie francaise = Commande("fr_FR", {"--help"});
    for (const char* texte : {"Utilisation :", "Options :", "Sampix sans fenêtre", "Bits gardés"})
        EXPECT_TRUE(francaise.sortie.contains(texte)) << texte;

    const QStringList mauvais{"--bits", "9", "--sortie", "sortie.wav", "son.wav"};
    const Sortie refus = Commande("en_US", mauvais);
    EXPECT_EQ(refus.code, 2);
    EXPECT_EQ(refus.erreurs, "sampix: --bits expects a number from 1 to 8, not “9”\n");
    EXPECT_EQ(Commande("fr_FR", mauvais).erreurs, "sampix : --bits attend un nombre de 1 à 8, pas « 9 »\n");

    // The sound core's own failure, a header cut short.
    auto coupe = ImageWav(1, 8000, 16, {});
    coupe.resize(30);
    const auto fichier = NouveauDossier() / "coupe%2.wav";
    EcritOctets(fichier, coupe);
    const QStringList illisible{"--sortie",
                                QString::fromStdString((fichier.parent_path() / "s.wav").string()),
                                QString::fromStdString(fichier.string())};
    const Sortie echec = Commande("en_GB", illisible);
    EXPECT_EQ(echec.code, 1);
    EXPECT_TRUE(echec.erreurs.endsWith("coupe%2.wav: Bad format: incomplete header\n"))
        << echec.erreurs.toStdString();
    EXPECT_TRUE(Commande("fr_FR", illisible)
                    .erreurs.endsWith("coupe%2.wav : Format incorrect : en-tête incomplet\n"));
}
