#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>
#include <QEvent>
#include <QTimer>
#include <QToolButton>

#include "app/FenetreTest.h"
#include "app/VerrouCommandes.h"
#include "support/FichiersTest.h"
#include "support/OutilsMp3.h"

namespace {

QString Chemin(const std::filesystem::path& p) {
    return QString::fromStdString(p.string());
}

// Every caption the window takes, in order.
class TitresVus : public QObject {
  public:
    explicit TitresVus(QWidget* fenetre) : fenetre_(fenetre) { fenetre->installEventFilter(this); }
    QStringList titres;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override {
        if (objet == fenetre_ && evenement->type() == QEvent::WindowTitleChange)
            titres.append(fenetre_->windowTitle());
        return false;
    }

  private:
    QWidget* fenetre_;
};

// A window holding a short WAV sound, to see that a failed import leaves it as it was.
struct TetatAvant {
    QString nomFichier;
    std::int32_t NbrePoints;
    QString titre;
    QString fichierLecteur;
};

TetatAvant ChargeUnSon(FenetreTest& f) {
    const auto wav = NouveauDossier() / "avant.wav";
    EcritOctets(wav, ImageWav(1, 8000, 16, std::vector<std::uint8_t>(2 * 300, 7)));
    f->OuvreFichier(Chemin(wav));
    return {f->nomFichier, f->son.NbrePoints, f->windowTitle(), f->MediaPlayer.FileName};
}

void EtatInchange(FenetreTest& f, const TetatAvant& avant) {
    EXPECT_EQ(f->nomFichier, avant.nomFichier);
    EXPECT_EQ(f->son.NbrePoints, avant.NbrePoints);
    EXPECT_EQ(f->windowTitle(), avant.titre);
    EXPECT_EQ(f->MediaPlayer.FileName, avant.fichierLecteur);
    EXPECT_TRUE(f->OpenFileBtn->isEnabled());
    EXPECT_TRUE(f->PlayBtn->isEnabled());
}

}  // namespace

TEST(ImportMp3, LeDemarrageTrouveLeDecodeur) {
    FenetreTest f;
    EXPECT_TRUE(f->bassOK);
}

TEST(ImportMp3, EssaiMp3DonneEssaiWavACoteEtLOuvre) {
    const auto dossier = NouveauDossier();
    FabriqueMp3Sox(dossier / "essai.MP3", 44100, 2, 2.0);
    // An older essai.wav, longer than the new one, is replaced.
    EcritOctets(dossier / "essai.wav", std::vector<std::uint8_t>(2000000, 0xAA));
    FenetreTest f;
    f.choix = Chemin(dossier / "essai.MP3");
    f->OpenFileBtn->click();
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();

    const auto v = LitOctets(dossier / "essai.wav");
    EXPECT_EQ(std::string(v.begin(), v.begin() + 4), "RIFF");
    EXPECT_EQ(Lit32(v, 4), v.size() - 8);
    EXPECT_EQ(Lit16(v, 22), 2u);
    EXPECT_EQ(Lit32(v, 24), 44100u);
    EXPECT_EQ(Lit32(v, 28), 176400u);
    EXPECT_EQ(Lit16(v, 32), 4u);
    EXPECT_EQ(Lit16(v, 34), 16u);
    EXPECT_EQ(std::string(v.begin() + 36, v.begin() + 40), "data");
    EXPECT_EQ(Lit32(v, 40), v.size() - 44);
    const auto reference = EchantillonsMpg123(dossier / "essai.MP3");
    EXPECT_EQ(EchantillonsWav(dossier / "essai.wav"), reference);

    EXPECT_EQ(f->nomFichier, Chemin(dossier / "essai.wav"));
    EXPECT_EQ(f->son.NbrePoints, static_cast<std::int32_t>(reference.size() / 2));
    EXPECT_EQ(f->son.FreqEch, 44100u);
    EXPECT_EQ(f->son.Format(), TformatWave::f16stereo);
    EXPECT_EQ(f->windowTitle(), "Conversion terminée");
    EXPECT_EQ(f->percentdone, 100);
}

TEST(ImportMp3, MonoA22050HzDeLame) {
    const auto mp3 = NouveauDossier() / "voix.mp3";
    FabriqueMp3Lame(mp3, 22050, 1, 1.0);
    FenetreTest f;
    f->OuvreFichier(Chemin(mp3));
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    auto wav = mp3;
    wav.replace_extension(".wav");
    const auto v = LitOctets(wav);
    EXPECT_EQ(Lit32(v, 4), v.size() - 8);
    EXPECT_EQ(Lit16(v, 22), 1u);
    EXPECT_EQ(Lit32(v, 24), 22050u);
    EXPECT_EQ(Lit32(v, 28), 44100u);
    EXPECT_EQ(Lit16(v, 32), 2u);
    EXPECT_EQ(Lit16(v, 34), 16u);
    EXPECT_EQ(Lit32(v, 40), v.size() - 44);
    EXPECT_EQ(EchantillonsWav(wav), EchantillonsMpg123(mp3));
    EXPECT_EQ(f->son.Format(), TformatWave::f16);
}

TEST(ImportMp3, LeTitreSuitLaConversionJusquACent) {
    const auto mp3 = NouveauDossier() / "titres.mp3";
    FabriqueMp3Sox(mp3, 44100, 2, 3.0);
    FenetreTest f;
    TitresVus vus(f.fenetre.get());
    f->OuvreFichier(Chemin(mp3));
    const QStringList& t = vus.titres;
    ASSERT_GE(t.size(), 10);
    EXPECT_EQ(t.first(), "Ouverture du fichier ...");
    EXPECT_EQ(t.last(), "Conversion terminée");
    std::vector<int> pourcentages;
    for (qsizetype i = 1; i + 1 < t.size(); ++i) {
        ASSERT_TRUE(t[i].startsWith("Conversion : ") && t[i].endsWith("%")) << t[i].toStdString();
        pourcentages.push_back(t[i].mid(13, t[i].size() - 14).toInt());
    }
    EXPECT_TRUE(std::is_sorted(pourcentages.begin(), pourcentages.end()));
    EXPECT_LT(pourcentages.front(), 10);
    EXPECT_EQ(pourcentages.back(), 100);
}

TEST(ImportMp3, LaFenetreVitPendantLaConversionMaisSesCommandesAttendent) {
    const auto mp3 = NouveauDossier() / "verrou.mp3";
    FabriqueMp3Sox(mp3, 44100, 2, 2.0);
    FenetreTest f;
    ChargeUnSon(f);
    QString titrePendant;
    std::vector<bool> actifsPendant;
    QTimer::singleShot(0, f.fenetre.get(), [&] {
        titrePendant = f->windowTitle();
        for (QToolButton* b : {f->OpenFileBtn, f->VeltaBtn, f->RecordBtn, f->PlayBtn, f->PlaySousEchBtn})
            actifsPendant.push_back(b->isEnabled());
    });
    f->OuvreFichier(Chemin(mp3));
    // Pending events run after the first block is written, before its percentage is shown.
    EXPECT_EQ(titrePendant, "Ouverture du fichier ...");
    EXPECT_EQ(actifsPendant, std::vector<bool>(5, false));
    for (QToolButton* b : {f->OpenFileBtn, f->VeltaBtn, f->RecordBtn, f->PlayBtn, f->PlaySousEchBtn})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();
}

TEST(ImportMp3, UneCommandeActiveePendantLeVerrouLEstApres) {
    QWidget fenetre;
    auto* ouvrir = new QToolButton(&fenetre);
    auto* ecouter = new QToolButton(&fenetre);
    ecouter->setEnabled(false);
    {
        const TverrouCommandes verrou{ouvrir, ecouter};
        EXPECT_FALSE(ouvrir->isEnabled());
        // A play ending meanwhile enables its button: it must stay locked until the end.
        ecouter->setEnabled(true);
        EXPECT_FALSE(ecouter->isEnabled());
    }
    EXPECT_TRUE(ouvrir->isEnabled());
    EXPECT_TRUE(ecouter->isEnabled());
    {
        const TverrouCommandes verrou{ouvrir, ecouter};
        ecouter->setEnabled(false);
    }
    EXPECT_TRUE(ouvrir->isEnabled());
}

TEST(ImportMp3, SansDecodeurLeMessageEtRienNeChange) {
    const auto dossier = NouveauDossier();
    FabriqueMp3Sox(dossier / "chanson.mp3", 44100, 2, 1.0);
    FenetreTest f;
    const TetatAvant avant = ChargeUnSon(f);
    f->bassOK = false;
    f->OuvreFichier(Chemin(dossier / "chanson.mp3"));
    ASSERT_EQ(f.messages, QStringList{"Décodeur MP3 non trouvé (libsndfile sans MP3)"});
    EXPECT_FALSE(std::filesystem::exists(dossier / "chanson.wav"));
    EtatInchange(f, avant);
}

TEST(ImportMp3, UnFichierIndecodableEstNommeEtNeLaisseRien) {
    const auto dossier = NouveauDossier();
    EcritOctets(dossier / "texte.mp3", {'p', 'a', 's', ' ', 'u', 'n', ' ', 's', 'o', 'n'});
    EcritOctets(dossier / "vide.mp3", {});
    EcritOctets(dossier / "binaire.mp3", BinaireCoucheI());
    FabriqueMp3Sox(dossier / "entier.mp3", 44100, 2, 1.0);
    auto debut = LitOctets(dossier / "entier.mp3");
    debut.resize(300);
    EcritOctets(dossier / "coupe.mp3", debut);
    FabriqueMp3SansSon(dossier / "silence.mp3");
    const std::pair<const char*, const char*> cas[] = {
        {"texte", "Ce n'est pas un fichier son MP3."},       // plain text
        {"vide", "Ce n'est pas un fichier son MP3."},        // no byte at all
        {"coupe", "Ce n'est pas un fichier son MP3."},       // less than a frame
        {"binaire", "Ce n'est pas un son MPEG Layer III."},  // opens as Layer I
        {"silence", "Le fichier ne contient aucun son."},    // a tag frame and nothing else
    };
    FenetreTest f;
    const TetatAvant avant = ChargeUnSon(f);
    for (const auto& [nom, raison] : cas) {
        f.messages.clear();
        const auto mp3 = dossier / (std::string(nom) + ".mp3");
        f->OuvreFichier(Chemin(mp3));
        ASSERT_EQ(f.messages.size(), 1) << nom;
        EXPECT_EQ(f.messages[0], "Impossible de convertir le fichier\n" + Chemin(mp3) + "\n\n" + raison);
        EXPECT_FALSE(std::filesystem::exists(dossier / (std::string(nom) + ".wav"))) << nom;
        EtatInchange(f, avant);
    }
}

TEST(ImportMp3, UnMilieuEndommageArreteEtNeLaisseRien) {
    const auto dossier = NouveauDossier();
    FabriqueMp3Sox(dossier / "abime.mp3", 44100, 2, 3.0);
    EndommageMilieu(dossier / "abime.mp3", 4000);
    EcritOctets(dossier / "abime.wav", ImageWav(1, 8000, 16, std::vector<std::uint8_t>(100, 1)));
    FenetreTest f;
    const TetatAvant avant = ChargeUnSon(f);
    f->OuvreFichier(Chemin(dossier / "abime.mp3"));
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_TRUE(f.messages[0].startsWith("Impossible de convertir le fichier\n" +
                                         Chemin(dossier / "abime.mp3") +
                                         "\n\nLe fichier est endommagé : erreur de décodage à "))
        << f.messages[0].toStdString();
    EXPECT_FALSE(std::filesystem::exists(dossier / "abime.wav"));
    EtatInchange(f, avant);
}

TEST(ImportMp3, SortieImpossibleACreerLeDitEtNOuvreRien) {
    const auto dossier = NouveauDossier();
    FabriqueMp3Sox(dossier / "essai.mp3", 44100, 2, 1.0);
    std::filesystem::create_directory(dossier / "essai.wav");
    FenetreTest f;
    const TetatAvant avant = ChargeUnSon(f);
    f->OuvreFichier(Chemin(dossier / "essai.mp3"));
    ASSERT_EQ(f.messages.size(), 1);
    EXPECT_EQ(f.messages[0], "Impossible de créer le fichier \"" + Chemin(dossier / "essai.wav") + "\". " +
                                 QString::fromLocal8Bit(std::strerror(EISDIR)));
    EXPECT_TRUE(std::filesystem::is_directory(dossier / "essai.wav"));
    EtatInchange(f, avant);
}

TEST(ImportMp3, UnSonTropLongEstConvertiEntierEtLuTronque) {
    const auto dossier = NouveauDossier();
    FabriqueMp3Sox(dossier / "long.mp3", 44100, 2, 15.0);
    FenetreTest f;
    f->OuvreFichier(Chemin(dossier / "long.mp3"));
    ASSERT_TRUE(f.messages.isEmpty()) << f.messages.join("|").toStdString();
    const auto echantillons = EchantillonsWav(dossier / "long.wav");
    EXPECT_EQ(echantillons.size(), EchantillonsMpg123(dossier / "long.mp3").size());
    EXPECT_GT(echantillons.size() * 2, static_cast<std::size_t>(kCapaciteSon));
    EXPECT_EQ(f->windowTitle(), "Conversion terminéeerTronque");
    EXPECT_EQ(f->son.NbrePoints, TramesMax(TformatWave::f16stereo));
}
