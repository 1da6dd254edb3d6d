#include <gtest/gtest.h>
#include <QDir>
#include <QStandardPaths>

#include "platform/Dossiers.h"

TEST(Dossiers, BarreFinale) {
    EXPECT_EQ(AvecBarreFinale(""), "");
    EXPECT_EQ(AvecBarreFinale("/a"), "/a/");
    EXPECT_EQ(AvecBarreFinale("/a/"), "/a/");
}

TEST(Dossiers, DossierDeDonneesCreeAvecSesParents) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir(base).removeRecursively();
    const QString dossier = DossierDonnees();
    EXPECT_EQ(dossier, base + "/Quenvale/");
    EXPECT_TRUE(QDir(dossier).exists());
    EXPECT_TRUE(DossierDocuments().endsWith("/Quenvale/"));
    EXPECT_TRUE(QDir(DossierDocuments()).exists());
}
