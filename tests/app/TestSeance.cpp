// The session without a window: which activity may follow which, and the commands' states.
#include <gtest/gtest.h>

#include "app/Seance.h"

namespace {

using enum Tactivite;

constexpr Tactivite kToutes[] = {acRepos,       acLecture,    acEnregistrement, acDecompte, acRecherche,
                                 acAcquisition, acConversion, acDirect,         acAnimation};

Tseance En(Tactivite activite) {
    Tseance s;
    if (activite == acDecompte) {
        EXPECT_TRUE(s.Commence(acEnregistrement));
    }
    if (activite != acRepos) {
        EXPECT_TRUE(s.Commence(activite));
    }
    return s;
}

}  // namespace

TEST(Seance, CeQuiPeutSuivreQuoi) {
    const auto permis = [](Tactivite avant, Tactivite apres) {
        switch (avant) {
            case acRepos:
            case acAnimation:
            case acLecture:
                return apres != acRepos && apres != acDecompte && apres != avant &&
                       !(avant == acLecture && apres == acAnimation);
            case acEnregistrement:
            case acAcquisition:
                return apres == acDecompte;
            default:
                return false;
        }
    };
    for (Tactivite avant : kToutes)
        for (Tactivite apres : kToutes) {
            Tseance s = En(avant);
            EXPECT_EQ(s.Commence(apres), permis(avant, apres))
                << static_cast<int>(avant) << " -> " << static_cast<int>(apres);
            // A refused start changes nothing.
            if (!permis(avant, apres)) {
                EXPECT_EQ(s.Activite(), avant);
            }
        }

    // An end that is not the present activity's changes nothing: a play ending after a
    // recording took over its device.
    Tseance s = En(acLecture);
    EXPECT_TRUE(s.Commence(acEnregistrement));
    s.Termine(acLecture);
    EXPECT_EQ(s.Activite(), acEnregistrement);
    EXPECT_TRUE(s.Commence(acDecompte));
    s.Termine(acAcquisition);
    EXPECT_EQ(s.Activite(), acDecompte);
    s.Termine(acDecompte);
    EXPECT_EQ(s.Activite(), acRepos);
}

TEST(Seance, EtatDesCommandes) {
    Tseance s;
    TetatCommandes e = EtatCommandes(s);
    // At start: nothing that needs a sound; Stop and the play's Stop off.
    EXPECT_TRUE(e.ouvrir && e.velta && e.enregistrer && e.direct && e.reglages);
    EXPECT_FALSE(e.lire || e.stop || e.stopLecture || e.directCoche || e.sauver || e.animer || e.analyser);
    s.nomFichier = QStringLiteral("son.wav");
    e = EtatCommandes(s);
    EXPECT_TRUE(e.sauver && e.animer && e.analyser);
    s.OuvreLectures();
    EXPECT_TRUE(EtatCommandes(s).lire);

    ASSERT_TRUE(s.Commence(acLecture));
    e = EtatCommandes(s);
    EXPECT_TRUE(e.stopLecture && e.ouvrir && e.enregistrer);
    EXPECT_FALSE(e.lire || e.animer || e.reglages || e.stop);
    s.DemandeArret();
    EXPECT_FALSE(EtatCommandes(s).stopLecture);
    EXPECT_FALSE(EtatCommandes(s).lire);

    ASSERT_TRUE(s.Commence(acEnregistrement));
    e = EtatCommandes(s);
    EXPECT_TRUE(e.stop);
    EXPECT_FALSE(e.enregistrer || e.lire || e.ouvrir || e.direct || e.velta || e.stopLecture || e.entrees);
    ASSERT_TRUE(s.Commence(acDecompte));
    EXPECT_FALSE(EtatCommandes(s).stop);
    s.Termine(acDecompte);

    ASSERT_TRUE(s.Commence(acDirect));
    e = EtatCommandes(s);
    EXPECT_TRUE(e.stop && e.direct && e.directCoche && e.reglages);
    EXPECT_FALSE(e.ouvrir || e.sauver || e.lire || e.defilement || e.entrees || e.animer);
    s.Termine(acDirect);

    for (Tactivite a : {acRecherche, acConversion}) {
        ASSERT_TRUE(s.Commence(a));
        e = EtatCommandes(s);
        EXPECT_FALSE(e.ouvrir || e.velta || e.enregistrer || e.lire || e.animer || e.direct);
        EXPECT_TRUE(e.sauver && e.reglages);
        s.Termine(a);
    }
    ASSERT_TRUE(s.Commence(acAnimation));
    e = EtatCommandes(s);
    EXPECT_FALSE(e.animer);
    EXPECT_TRUE(e.lire && e.enregistrer);
}
