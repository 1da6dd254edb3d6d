// Choosing the excerpt of a sound longer than the record: the times as typed and shown, and
// the dialog driven offscreen through ExecuteDialogue, never in a modal loop.
#include <functional>

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/DialogueExtrait.h"
#include "platform/DialoguesModaux.h"
#include "sound/TempsExtrait.h"

namespace {

// 60 s at 8000 Hz, and a record of 10 s: the start runs from 0 to 400000.
constexpr std::int64_t kTotal = 480000;
constexpr std::int64_t kRecord = 80000;
constexpr std::uint32_t kFrequence = 8000;

// Silence over the first half, a loud sound over the second.
std::vector<TcolonneEnveloppe> MoitieBruyante() {
    std::vector<TcolonneEnveloppe> enveloppe(1000);
    for (std::size_t i = enveloppe.size() / 2; i < enveloppe.size(); ++i) enveloppe[i] = {-0.9f, 0.9f};
    return enveloppe;
}

TdemandeExtrait Demande() {
    return {nullptr, QStringLiteral("/tmp/cours/longue.wav"), MoitieBruyante(), kTotal, kRecord, kFrequence};
}

// ChoisitExtrait's dialog is shown, driven by `conduite`, and gives the result it was left with.
class ExtraitConduit {
public:
    explicit ExtraitConduit(std::function<void(TDialogueExtrait&)> conduite)
        : ancien_(RemplaceExecutionDialogue([conduite](QDialog& dialogue) {
              dialogue.show();
              auto* extrait = dynamic_cast<TDialogueExtrait*>(&dialogue);
              EXPECT_NE(extrait, nullptr);
              if (extrait) conduite(*extrait);
              return dialogue.result();
          })) {}
    ~ExtraitConduit() { RemplaceExecutionDialogue(ancien_); }

private:
    TexecutionDialogue ancien_;
};

void Tape(TDialogueExtrait& d, const QString& texte) {
    d.EditDebut->selectAll();
    if (texte.isEmpty())
        QTest::keyClick(d.EditDebut, Qt::Key_Backspace);
    else
        QTest::keyClicks(d.EditDebut, texte);
}

int Milieu(const TvueExtrait& vue) {
    return vue.height() / 2;
}

void Glisse(TvueExtrait& vue, int depuis, int jusqua) {
    QTest::mousePress(&vue, Qt::LeftButton, {}, QPoint(depuis, Milieu(vue)));
    QTest::mouseMove(&vue, QPoint(jusqua, Milieu(vue)));
    QTest::mouseRelease(&vue, Qt::LeftButton, {}, QPoint(jusqua, Milieu(vue)));
}

}  // namespace

TEST(TempsExtrait, TexteArrondiAuDixiemeLePlusProcheMoitieVersLeHaut) {
    EXPECT_EQ(TexteTemps(0, kFrequence), "00:00,0");
    EXPECT_EQ(TexteTemps(399, kFrequence), "00:00,0");
    EXPECT_EQ(TexteTemps(400, kFrequence), "00:00,1");   // 0.05 s
    EXPECT_EQ(TexteTemps(2000, kFrequence), "00:00,3");  // 0.25 s: up, not to the even tenth
    EXPECT_EQ(TexteTemps(479599, kFrequence), "00:59,9");
    EXPECT_EQ(TexteTemps(479600, kFrequence), "01:00,0");  // 59.95 s carries into the minute
    EXPECT_EQ(TexteTemps(75 * 60 * 8000, kFrequence), "75:00,0");
    EXPECT_EQ(TexteTemps(524288, 44100), "00:11,9");  // the whole record in CD stereo
    EXPECT_EQ(TexteTemps(4294967295, kFrequence), "8947:50,9");
    EXPECT_EQ(TexteTemps(479599, kFrequence, Tlangue::anglais), "00:59.9");  // an English tenth
}

TEST(TempsExtrait, TexteLuEnMillisecondes) {
    EXPECT_EQ(LitTemps("00:30,0"), 30000);
    EXPECT_EQ(LitTemps("0:30.0"), 30000);
    EXPECT_EQ(LitTemps("30,0"), 30000);
    EXPECT_EQ(LitTemps("30"), 30000);
    EXPECT_EQ(LitTemps("90,5"), 90500);
    EXPECT_EQ(LitTemps("1:59,9"), 119900);
    EXPECT_EQ(LitTemps("75:00,0"), 4500000);
    EXPECT_EQ(LitTemps("1:05,25"), 65250);
    EXPECT_EQ(LitTemps(" 00:00,1 "), 100);
    for (const char* invalide :
         {"", " ", "1:60,0", "-0:10,0", "-5", "1:5,0", "1:005", "abc", "00:3a,0", "00:30,", ",5", "00:30,0 s",
          "1:02:03", "30,1234", "1000000:00,0", "00:30,,0"})
        EXPECT_EQ(LitTemps(invalide), std::nullopt) << invalide;
}

TEST(TempsExtrait, TrameLaPlusProcheMoitieVersLeHaut) {
    EXPECT_EQ(TrameDuTemps(30000, kFrequence), 240000);
    EXPECT_EQ(TrameDuTemps(100, 11025), 1103);  // 1102.5
    EXPECT_EQ(TrameDuTemps(1, 44100), 44);      // 44.1
    EXPECT_EQ(TrameDuTemps(19, 44100), 838);    // 837.9
    // The longest accepted text at the highest rate stays within 64 bits.
    EXPECT_EQ(TrameDuTemps(*LitTemps("999999:59,999"), 4294967295u), 257698037695705033);
}

TEST(DialogueExtrait, EntreeOuvreLePremierExtrait) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        EXPECT_EQ(d.windowTitle(), "Choisir l'extrait");
        EXPECT_TRUE(d.LabelExplication->text().contains("longue.wav"));
        EXPECT_FALSE(d.LabelExplication->text().contains("/tmp"));
        EXPECT_EQ(d.EditDebut->text(), "00:00,0");
        EXPECT_EQ(d.LabelFin->text(), "Fin : 00:10,0");
        EXPECT_EQ(d.LabelDuree->text(), "Durée totale : 01:00,0");
        EXPECT_TRUE(d.BoutonOK->isDefault());
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), 0);
}

TEST(DialogueExtrait, EchapNeChoisitRienMemeApresUnDebutTape) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        Tape(d, "00:30,0");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), std::nullopt);
}

TEST(DialogueExtrait, DebutTapeDonneLaTrameExacteEtDeplaceLaBande) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        Tape(d, "00:30,0");
        EXPECT_EQ(d.Debut(), 240000);
        EXPECT_EQ(d.LabelFin->text(), "Fin : 00:40,0");
        EXPECT_NEAR(d.VueExtrait->Bande().first, d.VueExtrait->width() / 2, 1);
        QTest::keyClick(d.EditDebut, Qt::Key_Return);
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), 240000);
}

TEST(DialogueExtrait, DebutAuDelaDeLaFinBorneAuDernierExtraitPlein) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        Tape(d, "00:50,0");
        EXPECT_EQ(d.Debut(), 400000);
        Tape(d, "00:50,1");
        EXPECT_EQ(d.Debut(), 400000);
        EXPECT_EQ(d.LabelFin->text(), "Fin : 01:00,0");
        EXPECT_TRUE(d.BoutonOK->isEnabled());
        QTest::keyClick(d.EditDebut, Qt::Key_Return);
        EXPECT_EQ(d.EditDebut->text(), "00:50,0");  // the text tells the start really taken
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), 400000);
}

TEST(DialogueExtrait, TexteInvalideRefuseOKEtLaBandeGardeLeDernierTexteValide) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        for (const QString& invalide :
             {QStringLiteral("1:60,0"), QString(), QStringLiteral("-0:10,0"), QStringLiteral("vingt")}) {
            Tape(d, invalide);
            EXPECT_FALSE(d.BoutonOK->isEnabled()) << invalide.toStdString();
            EXPECT_NE(d.EditDebut->palette().color(QPalette::Text), d.palette().color(QPalette::Text));
            QTest::keyClick(d.EditDebut, Qt::Key_Return);
            EXPECT_TRUE(d.isVisible());
            EXPECT_EQ(d.EditDebut->text(), invalide);
        }
        EXPECT_EQ(d.Debut(), 8000);  // "1", on the way to "1:60,0"
        Tape(d, "0:25.5");
        EXPECT_TRUE(d.BoutonOK->isEnabled());
        EXPECT_EQ(d.EditDebut->palette().color(QPalette::Text), d.palette().color(QPalette::Text));
        QTest::keyClick(d.EditDebut, Qt::Key_Return);
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), 204000);
}

// After a drag the start is the band's own frame, not its time rounded to the tenth.
TEST(DialogueExtrait, GlisserLaBandeDeplaceLeDebutALaTramePres) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        TvueExtrait& vue = *d.VueExtrait;
        const double tramesParPixel = static_cast<double>(kTotal) / vue.width();
        const auto [gauche, droite] = vue.Bande();
        EXPECT_EQ(gauche, 0);
        EXPECT_NEAR(droite, vue.width() / 6, 1);

        QTest::mousePress(&vue, Qt::LeftButton, {}, QPoint(droite - 10, Milieu(vue)));
        EXPECT_EQ(vue.Debut(), 0);  // a press in the band moves nothing
        QTest::mouseMove(&vue, QPoint(droite + 90, Milieu(vue)));
        QTest::mouseRelease(&vue, Qt::LeftButton, {}, QPoint(droite + 90, Milieu(vue)));
        const std::int64_t debut = vue.Debut();
        EXPECT_NEAR(debut, 100 * tramesParPixel, tramesParPixel);
        ASSERT_NE(debut % (kFrequence / 10), 0);
        EXPECT_EQ(d.EditDebut->text().toStdString(), TexteTemps(debut, kFrequence));
        EXPECT_EQ(d.LabelFin->text().toStdString(), "Fin : " + TexteTemps(debut + kRecord, kFrequence));
        EXPECT_NEAR(vue.Bande().first, 100, 1);

        QTest::mouseMove(&vue, QPoint(droite + 300, Milieu(vue)));  // no button held: no drag
        EXPECT_EQ(vue.Debut(), debut);
        QTest::keyClick(d.EditDebut, Qt::Key_Return);
        EXPECT_EQ(d.Debut(), debut);
    });
    const auto choisi = ChoisitExtrait(Demande());
    ASSERT_TRUE(choisi);
    EXPECT_NE(*choisi % (kFrequence / 10), 0);
}

TEST(DialogueExtrait, ClicHorsDeLaBandeLaCentreEtLaBorne) {
    ExtraitConduit conduit([](TDialogueExtrait& d) {
        TvueExtrait& vue = *d.VueExtrait;
        const double tramesParPixel = static_cast<double>(kTotal) / vue.width();
        Glisse(vue, vue.width() / 2, vue.width() / 2);
        EXPECT_NEAR(vue.Debut(), kTotal / 2 - kRecord / 2, tramesParPixel);
        EXPECT_EQ(d.EditDebut->text().toStdString(), TexteTemps(vue.Debut(), kFrequence));

        // Centred near an end, the band stops there; dragged past the end, it stops full.
        Glisse(vue, 2, 2);
        EXPECT_EQ(vue.Debut(), 0);
        EXPECT_EQ(d.EditDebut->text(), "00:00,0");
        Glisse(vue, vue.width() - 2, vue.width() - 2);
        EXPECT_EQ(vue.Debut(), kTotal - kRecord);
        Glisse(vue, vue.width() - 20, -50);
        EXPECT_EQ(vue.Debut(), 0);
        Glisse(vue, 20, vue.width() + 50);
        EXPECT_EQ(vue.Debut(), kTotal - kRecord);
        EXPECT_EQ(vue.Bande().second, vue.width());
        EXPECT_EQ(d.LabelFin->text(), "Fin : 01:00,0");
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_EQ(ChoisitExtrait(Demande()), kTotal - kRecord);
}

TEST(DialogueExtrait, EnveloppeEtireeEtBandeTranslucide) {
    TDialogueExtrait d(Demande());
    d.show();
    const QImage image = d.VueExtrait->grab().toImage();
    const int largeur = image.width();
    const int haut = image.height() / 5;  // within the loud half's envelope, above the axis
    const QColor fond(Qt::white);
    const auto bande = d.VueExtrait->Bande();
    // Silent first half: only the background, tinted inside the band.
    EXPECT_EQ(image.pixelColor(largeur / 3, haut), fond);
    const QColor teinte = image.pixelColor(bande.second / 2, haut);
    EXPECT_NE(teinte, fond);
    EXPECT_GT(teinte.blue(), teinte.red());
    // The loud half reaches the right edge: the envelope is stretched over the whole width.
    for (int x : {largeur / 2 + 3, largeur * 3 / 4, largeur - 3}) {
        const QColor c = image.pixelColor(x, haut);
        EXPECT_EQ(c.red(), c.blue()) << x;
        EXPECT_LT(c.red(), 160) << x;
    }
}
