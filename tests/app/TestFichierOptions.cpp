// The settings file on its own: real files, read back as text.
#include <gtest/gtest.h>
#include <QFile>
#include <QString>

#include "app/FichierOptions.h"
#include "support/FichiersTest.h"

namespace {

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

std::filesystem::path Ini(const std::string& contenu) {
    const auto chemin = NouveauDossier() / "sampix.ini";
    EcritOctets(chemin, std::vector<std::uint8_t>(contenu.begin(), contenu.end()));
    return chemin;
}

QStringList Lignes(const std::filesystem::path& chemin) {
    QFile f(Chemin(chemin));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
}

struct Couleurs {
    TCouleur courbe = 1, bis = 2, niveau = 3;
};

Couleurs Lues(const std::filesystem::path& chemin) {
    Couleurs c;
    TfichierOptions(Chemin(chemin)).LitCouleurs(c.courbe, c.bis, c.niveau);
    return c;
}

}  // namespace

TEST(EntierIni, DecimalSigneEtHexadecimalAvecDollarOu0x) {
    EXPECT_EQ(EntierIni("8421504"), 8421504);
    EXPECT_EQ(EntierIni(" -12 "), -12);
    EXPECT_EQ(EntierIni("$00FF00"), 0x00FF00);
    EXPECT_EQ(EntierIni("0xe0e0e0"), 0xE0E0E0);
    EXPECT_EQ(EntierIni("0X10"), 16);
    EXPECT_EQ(EntierIni("$FFFFFFFF"), -1);
    EXPECT_EQ(EntierIni("2147483647"), 2147483647);
}

TEST(EntierIni, RefuseCeQuiNEstPasUnEntier) {
    for (const char* texte :
         {"", "rouge", "12a", "$", "0x", "$-5", "$+5", "0x0x5", "$1FFFFFFFF", "2147483648", "1.5", "FF00"})
        EXPECT_FALSE(EntierIni(texte).has_value()) << texte;
}

TEST(FichierOptions, SansFichierLesCouleursRestent) {
    const Couleurs c = Lues(NouveauDossier() / "absent.ini");
    EXPECT_EQ(c.courbe, 1u);
    EXPECT_EQ(c.bis, 2u);
    EXPECT_EQ(c.niveau, 3u);
}

TEST(FichierOptions, ChaqueCleLueSeuleUneValeurIlisibleGardeSaCouleur) {
    const Couleurs c = Lues(Ini("[Couleur]\nCourbe=$00FF00\nBis=rouge\nNiveau=0x0000FF\n"));
    EXPECT_EQ(c.courbe, 0x00FF00u);
    EXPECT_EQ(c.bis, 2u);
    EXPECT_EQ(c.niveau, 0x0000FFu);
}

TEST(FichierOptions, UneCleAbsenteOuHorsDeLaSectionGardeSaCouleur) {
    const Couleurs c = Lues(Ini("[Autre]\nCourbe=5\n[Couleur]\nNiveau=7\nBis=\n"));
    EXPECT_EQ(c.courbe, 1u);
    EXPECT_EQ(c.bis, 2u);
    EXPECT_EQ(c.niveau, 7u);
}

TEST(FichierOptions, EcritEnDecimalSigneDansLaSectionCouleur) {
    const auto chemin = NouveauDossier() / "sampix.ini";
    TfichierOptions(Chemin(chemin)).EcritCouleurs(0x808080, 0xFF, 0xFF00000F);
    EXPECT_EQ(Lignes(chemin), QStringList({"[Couleur]", "Bis=255", "Courbe=8421504", "Niveau=-16777201"}));
    const Couleurs c = Lues(chemin);
    EXPECT_EQ(c.niveau, 0xFF00000Fu);
}

TEST(FichierOptions, LesSectionsEtClesInconnuesSurviventALaReecriture) {
    const auto chemin = Ini("[Eleves]\nClasse=4B\n[Couleur]\nBis=$00FF00\nEpaisseur=3\n");
    TfichierOptions(Chemin(chemin)).EcritCouleurs(1, 2, 3);
    const QStringList lignes = Lignes(chemin);
    for (const char* attendue :
         {"[Eleves]", "Classe=4B", "[Couleur]", "Epaisseur=3", "Bis=2", "Courbe=1", "Niveau=3"})
        EXPECT_TRUE(lignes.contains(attendue)) << attendue << " dans " << lignes.join('|').toStdString();
    EXPECT_EQ(lignes.size(), 7);
}

TEST(FichierOptions, UnFichierImpossibleAEcrireEstIgnore) {
    const auto fichier = NouveauDossier() / "fichier";
    EcritOctets(fichier, {1});
    TfichierOptions(Chemin(fichier / "sampix.ini")).EcritCouleurs(1, 2, 3);
    EXPECT_FALSE(std::filesystem::exists(fichier / "sampix.ini"));
    EXPECT_EQ(LitOctets(fichier), std::vector<std::uint8_t>{1});
}
